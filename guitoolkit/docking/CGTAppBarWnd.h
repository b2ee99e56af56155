// A top-level window that floats, or docks to an edge of the screen as a desktop application
// bar through the shell's protocol, optionally auto-hidden to a thin strip and always on top;
// its state lives under "<section>VADEAppBar-<index>" of the "VADEAppBars" section.
#pragma once
#include <afxwin.h>
#include <shellapi.h>

class CGTAppBarWnd : public CWnd {
    DECLARE_DYNAMIC(CGTAppBarWnd)
public:
    // Permissions.
    enum : DWORD {
        allowLeftRight = 0x1,
        allowTopBottom = 0x2,
        allowFloat = 0x4,
        allowAutoHide = 0x10,
        allowAlwaysOnTop = 0x20,
    };
    // The side of a floating bar.
    static constexpr int floatingSide = -2;

    enum : UINT_PTR {
        autoHideTimer = 1
    };
    enum : UINT {
        autoHideDelayMs = 500,
        // Thickness of the strip an auto-hidden bar leaves on its edge.
        slidOutThickness = 2
    };

    CGTAppBarWnd();
    ~CGTAppBarWnd() override;

    // The window floats at the rectangle until it is docked.
    BOOL Create(LPCWSTR iTitle, const RECT& iFloatRect);
    // The message the shell sends the bar ("GTM_APPBAR_CALLBACK").
    static UINT CallbackMessage();

    // A side (ABE_*) or floatingSide; FALSE without the permission or when the shell refuses.
    BOOL Dock(int iSide);
    BOOL Float();
    // FALSE when refused: without the permission, or when the edge has an auto-hide bar.
    BOOL SetAutoHide(BOOL iEnable, BOOL iMove = TRUE, BOOL iNoSetPos = FALSE);
    BOOL SetAlwaysOnTop(BOOL iOnTop);
    void SetOptions(DWORD iOptions) { m_Options = iOptions; }
    DWORD GetOptions() const { return m_Options; }
    void SetContentWindow(HWND iWindow) { m_ContentWindow = iWindow; }
    int GetSide() const { return m_Side; }
    int GetDockThickness(int iSide) const { return m_DockThickness[iSide]; }
    const CRect& GetFloatRect() const { return m_FloatRect; }
    const CRect& GetDockedRect() const { return m_DockedRect; }
    BOOL IsRegistered() const { return m_Registered; }
    BOOL IsAutoHideActive() const { return m_AutoHideActive; }
    BOOL IsSlidOut() const { return m_SlidOut; }
    BOOL IsAutoHide() const { return m_AutoHide; }
    BOOL IsAlwaysOnTop() const { return m_AlwaysOnTop; }

    virtual BOOL LoadState(LPCWSTR iProfile, int iIndex);
    // FALSE when the key cannot be opened for writing.
    virtual BOOL SaveState(LPCWSTR iProfile, int iIndex);
    virtual void GetBorderSize(CRect& oBorders) const;
    virtual void GetCaptionRect(CRect& oRect) const;
    virtual CString GetCaptionText() const;
    virtual void DrawCaption(CDC* iDc);
    virtual void DrawBorder(CDC* iDc);
    virtual LRESULT HitTest(CPoint iPoint, BOOL iDetectCaption);
    virtual BOOL IsFloating() const;
    virtual void GetScreenRect(CRect& oRect) const;
    virtual void OnAppBarPosChanged();
    virtual void OnAppBarFullScreenApp(BOOL iOpen);
    virtual void OnAppBarWindowArrange(BOOL iBeginning);
    virtual void OnAppBarStateChange(BOOL iAutoHide, BOOL iAlwaysOnTop);

protected:
    afx_msg void OnDestroy();
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg void OnWindowPosChanged(WINDOWPOS* iPos);
    afx_msg LRESULT OnNcHitTest(CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnNcMouseMove(UINT iHitTest, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMove(int iX, int iY);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnCancelMode();
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnTimer(UINT_PTR iId);
    afx_msg LRESULT OnAppBarCallback(WPARAM iNotification, LPARAM iLParam);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM iWParam, LPARAM iLParam);
    afx_msg void OnEnterSizeMove();
    afx_msg void OnExitSizeMove();
    DECLARE_MESSAGE_MAP()

    // The shell's answer to a message about this bar.
    UINT_PTR Shell(DWORD iMessage, APPBARDATA& ioData) const;
    APPBARDATA Data(int iSide = 0) const;
    BOOL Register();
    void Unregister();
    // A strip of the screen of that thickness along the side.
    CRect Strip(int iSide, int iThickness) const;
    // The band of the rectangle of that thickness along the side.
    static CRect AgainstSide(const CRect& iRect, int iSide, int iThickness);
    // The thickness of a rectangle across the side.
    static int ThicknessOf(const CRect& iRect, int iSide);
    void DockToSide(int iSide, BOOL iMove, BOOL iNoSetPos);
    void SetSide(int iSide, CRect iRect, BOOL iMove, BOOL iNoSetPos);
    // Stretches the strip along its side and lets the shell move it, keeping its thickness.
    void AdjustDockRect(CRect& ioRect) const;
    // Docks on the current side (at the rectangle, or the side's strip for null) with auto-hide
    // switched off for the shell's position and on again after.
    void DockKeepingAutoHide(const CRect* iRect);
    void SlideTo(const CRect& iTarget);
    void SlideOut();
    void SlideIn();
    void DragFloating(CPoint iCursor);
    void DragDocked(CPoint iCursor);
    void MoveBar(const CRect& iRect, BOOL iFrameChanged);

    BOOL m_AutoHide;
    BOOL m_AlwaysOnTop;
    // 0 left, 1 top, 2 right, 3 bottom (ABE_*), or floatingSide.
    int m_Side;
    int m_DockThickness[4];
    CRect m_FloatRect;
    int m_CaptionHeight;
    HWND m_ContentWindow;
    DWORD m_Options;
    BOOL m_Registered;
    BOOL m_AutoHideActive;
    BOOL m_SlidOut;
    BOOL m_DockedOnce;
    BOOL m_Dragging;
    CRect m_DragRect;
    // Where the bar stood when the drag began, to put it back.
    CRect m_DragStartRect;
    CPoint m_DragStart;
    int m_DragSide;
    BOOL m_Sizing;
    CRect m_DockedRect;
    BOOL m_InPositionUpdate;
};
