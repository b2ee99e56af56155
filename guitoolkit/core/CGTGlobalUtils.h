// Helpers that bars, the docking code and the grid share: keeping floating rectangles on
// the monitor, the strips round a rectangle where a dragged bar docks, rotated rectangles
// for vertical texts, currency and decimal values as text, and mouse-leave tracking by a
// timer. The process has one, theGlobalUtils.
#pragma once
#include <afxwin.h>
#include <afxext.h>

class CGTGlobalUtils {
public:
    virtual ~CGTGlobalUtils() = default;

    // Moves a rectangle that lies off the work area of its monitor (the cursor's, with
    // m_UseCursorPosition) back so that it reaches into it by the margins (left, top, right,
    // bottom; none without iMargins).
    void AdjustRectToWorkArea(CRect& ioRect, const RECT* iMargins = nullptr) const;

    // The work area of the monitor nearest the point, else the system's work area.
    static RECT WorkAreaAt(POINT point);

    // Angle 180 swaps top and bottom; 90 and -90 turn the rectangle a quarter each way.
    // Other angles leave it as it is.
    static void RotateRect(CRect& ioRect, int iAngle);

    // Where a bar dragged to iPoint docks at iRect: the strips of width iSensitivity round
    // its edges (iOuter) or along them inside (the top strip reaching below a caption of
    // iCaptionHeight, the bottom one above a tab area of iTabAreaHeight), tested top, left,
    // bottom, right among the iAllowed alignments (CBRS_ALIGN_*); the first hit gives
    // oAlignment.
    static BOOL HitTestDockingTarget(CPoint iPoint, const CRect& iRect, int iSensitivity, BOOL iOuter,
                                     DWORD& oAlignment, DWORD iAllowed = CBRS_ALIGN_ANY, int iCaptionHeight = 0,
                                     int iTabAreaHeight = 0);

    // As the system converts variants (user locale); FALSE when it cannot. A null or
    // empty text is 0.
    static BOOL CurrencyToString(CString& oText, CY iValue);
    static BOOL DecimalToString(CString& oText, const DECIMAL& iValue);
    static BOOL StringToCurrency(CY& oValue, LPCWSTR iText);
    static BOOL StringToDecimal(DECIMAL& oValue, LPCWSTR iText);

    // Set when looking for the dock manager of a frame meets a dialog or property sheet.
    BOOL m_DialogsAreOwners = FALSE;
    BOOL m_UseCursorPosition = FALSE;
};

extern CGTGlobalUtils theGlobalUtils;

// The timer of TrackMouseLeave on the tracked window; the popup menus' timers 1 and 2 run
// on windows that track the mouse too.
const UINT_PTR GTTrackMouseLeaveTimer = 0xE7A1;

// Posts WM_MOUSELEAVE to the tracked window once the cursor has left its client area or
// another window covers the cursor; the cursor is looked at every 100 ms. Only TME_LEAVE
// requests on windows are taken.
BOOL TrackMouseLeave(const TRACKMOUSEEVENT& iRequest);
