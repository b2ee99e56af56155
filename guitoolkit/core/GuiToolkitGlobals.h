// The toolkit's one process-wide record of what every bar, menu and button draws with:
// cached system colours with brushes and pens made from them, the toolkit fonts, system
// facts, shared cursors, layout constants, the work area and optional system entries.
// Read it as theGuiToolkitGlobals; it is built on first use, so static initialisers of
// other files may use it too.
#pragma once
#include <afxwin.h>

class GuiToolkitGlobals {
public:
    typedef BOOL(WINAPI* SetLayeredWindowAttributesFunction)(HWND, COLORREF, BYTE, DWORD);
    typedef LRESULT(__cdecl* TwoArgumentFunction)(WPARAM, LPARAM);
    typedef void(WINAPI* NotifyWinEventFunction)(DWORD, HWND, LONG, LONG);
    typedef HRESULT(WINAPI* DrawThemeParentBackgroundFunction)(HWND, HDC, const RECT*);

    GuiToolkitGlobals();
    ~GuiToolkitGlobals();
    GuiToolkitGlobals(const GuiToolkitGlobals&) = delete;
    GuiToolkitGlobals& operator=(const GuiToolkitGlobals&) = delete;

    // The process's record.
    static GuiToolkitGlobals& Instance();

    HBRUSH hbrBtnHighlight;
    HBRUSH hbrBtnShadow;
    HBRUSH hbrWindow;

    COLORREF colorBtnFace;
    COLORREF colorBtnShadow;
    COLORREF colorBtnHighlight;
    COLORREF colorBtnText;
    COLORREF colorWindowFrame;
    COLORREF colorBtnDarkShadow;
    COLORREF colorBtnLight;
    COLORREF colorGrayText;
    COLORREF colorHighlight;
    COLORREF colorHighlightText;
    COLORREF colorHotLinkText;
    COLORREF colorBarWindow;
    COLORREF colorBarFace;
    COLORREF colorBarShadow;
    COLORREF colorBarHighlight;
    COLORREF colorBarDarkShadow;
    COLORREF colorBarLight;
    COLORREF colorBarText;
    COLORREF colorWindow;
    COLORREF colorWindowText;
    COLORREF colorCaptionText;
    COLORREF colorMenuText;
    COLORREF colorActiveCaption;
    COLORREF colorInactiveCaption;
    COLORREF colorInactiveCaptionText;
    COLORREF colorActiveBorder;
    COLORREF colorInactiveBorder;

    CBrush brushBtnFace;
    CBrush brushHighlight;
    CBrush brushLight;
    CBrush brushDarkShadow;
    CBrush brushActiveCaption;
    CBrush brushInactiveCaption;
    CBrush brushWindow;
    CBrush brushBarFace;

    CPen penHighlight;
    CPen penBarFace;
    CPen penBarShadow;

    // Shared cursors and the user tools' default icon: loaded by the modules that show
    // them, never destroyed here.
    HCURSOR cursorToolbarDrag1;
    HCURSOR cursorToolbarDrag2;
    HCURSOR cursorHand;
    HCURSOR cursorSizeAll;
    HCURSOR cursorMdiTabDrag;
    HCURSOR cursorMdiTabNoDrop;
    HCURSOR cursorCalendar;
    HICON iconUserToolDefault;

    SIZE sizeSmallIcon;

    CFont fontRegular;
    CFont fontTooltip;
    CFont fontBold;
    CFont fontDefaultGuiBold;
    CFont fontUnderline;
    CFont fontDefaultGuiUnderline;
    CFont fontVert;
    CFont fontVertCaption;
    CFont fontSmall;
    CFont fontMarlett;

    BOOL isWindowsNT4;
    BOOL isWindows9x;
    int bitsPerPixel;
    BOOL isRemoteSession;
    BOOL hasLayeredWindows;

    int dragFrameThicknessFloating;
    int dragFrameThicknessDocked;
    int autoHideButtonSpacing;
    int autoHideButtonMargin;
    int maxDockedCoverPercent;  // largest share of the main client area docked bars may cover
    int maxTooltipWidth;        // -1: no limit

    BOOL isBlackHighContrast;
    // Built-in bitmaps come in their high-colour variant only when this is set, the
    // screen has 16 bits or more and the high-contrast flag is clear.
    BOOL allowHighColorImages;
    RECT rectWorkArea;
    int textHeightRegular;
    int textHeightVert;

    HMODULE moduleUxTheme;
    HMODULE moduleUser32;
    HMODULE moduleSpare;
    SetLayeredWindowAttributesFunction pfnSetLayeredWindowAttributes;
    TwoArgumentFunction pfnAccessibilityEntry;
    NotifyWinEventFunction pfnNotifyWinEvent;
    DrawThemeParentBackgroundFunction pfnDrawThemeParentBackground;

    void UpdateSysColors();
    void UpdateFonts();
    void UpdateWorkArea();
    // The cached value of COLOR_ indices 2 to 22 (but 4 and 12); the system's for others.
    COLORREF GetSysColorCached(int index) const;

    BOOL SetLayeredWindowAttributes(HWND hwnd, COLORREF colorKey, BYTE alpha, DWORD flags) const;
    LRESULT InvokeOptionalTwoArgEntry(WPARAM a, LPARAM b) const;
    void NotifyWinEventOptional(DWORD event, HWND hwnd, LONG objectId, LONG childId) const;
    // Paints the parent's background under a child window; answers what painted it.
    BOOL DrawParentBackground(CWnd* window, CDC* dc, LPCRECT clipRect = nullptr) const;

    // What the library clean-up releases: the light brush, six of the fonts, the loaded
    // modules and the entry points taken from them. Leaves the record usable.
    void ReleaseResources();

    // The regular font's face: the menu font's own for character sets other than ANSI,
    // default and symbol; otherwise Tahoma when installed, else MS Sans Serif.
    static CString RegularFaceName(BYTE menuCharSet, LPCWSTR menuFaceName, BOOL tahomaInstalled);
    // The small font's height: two thirds of the regular one's size (plus one), same sign.
    static LONG SmallFontHeight(LONG regularHeight);
    static BOOL IsFontFamilyInstalled(LPCWSTR familyName);

private:
    void CreateLightBrush(COLORREF highlight);
    void LoadOptionalEntries();
    void ReadVersionFlags();
    static int MeasureTextHeight(CFont& font);
};

#define theGuiToolkitGlobals (GuiToolkitGlobals::Instance())

// Set whenever the system colours are reloaded or a visual manager is made; docking bars
// read and clear it when they rebuild their cached caption resources.
extern BOOL theToolkitAppearanceChanged;

// The face names of the toolkit fonts.
extern const wchar_t* const theFaceTahoma;
extern const wchar_t* const theFaceMsSansSerif;
extern const wchar_t* const theFaceArial;
extern const wchar_t* const theFaceMarlett;
