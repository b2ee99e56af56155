// The frame's status bar: panes laid out from left to right, each with text and optionally
// an icon or an animation (icons advanced by a timer), a tooltip and a progress bar. The
// pane with id 0 is the message pane: the frame's prompts reach it as the bar's window text.
// A size grip sits at the right end unless the parent frame is maximized. Borders, progress
// and grip are drawn through the current look.
#pragma once
#include <guitoolkit/docking/CGTControlBar.h>
#include <afxcmn.h>
#include <vector>

// Window style bit of a status bar that shows a size grip.
const DWORD GTStatusSizeGrip = 0x0100;

struct GTStatusPane {
    CRect rect;
    UINT id = 0;
    // SBPS_ bits.
    UINT style = 0;
    int textWidth = 0;
    // -1: the default.
    COLORREF textColor = static_cast<COLORREF>(-1);
    // -1: no fill of its own.
    COLORREF backgroundColor = static_cast<COLORREF>(-1);
    int iconWidth = 0;
    int iconHeight = 0;
    CString text;
    CString tooltip;
    // The icon (one image) or the animation frames; the bar destroys it.
    HIMAGELIST images = nullptr;
    // 0: no animation.
    int frameCount = 0;
    int currentFrame = 0;
    int progressValue = 0;
    // -1: no progress bar.
    int progressTotal = -1;
    BOOL progressText = FALSE;
    COLORREF progressColor = static_cast<COLORREF>(-1);
    COLORREF progressEndColor = static_cast<COLORREF>(-1);
    COLORREF progressTextColor = static_cast<COLORREF>(-1);
};

class CGTStatusBar : public CGTControlBar {
    DECLARE_DYNAMIC(CGTStatusBar)
public:
    CGTStatusBar();
    ~CGTStatusBar() override;

    virtual BOOL Create(CWnd* iParent, DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                        UINT iId = AFX_IDW_STATUS_BAR);
    // iCtrlStyle is not used.
    virtual BOOL CreateEx(CWnd* iParent, DWORD iCtrlStyle = 0, DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                          UINT iId = AFX_IDW_STATUS_BAR);

    // One pane per id; id 0 is the message pane, a quarter of the screen wide (stretched and
    // borderless when it comes first); every other pane is as wide as its id's string. FALSE
    // when a string is missing (the panes before it stay set up). Null ids: only the layout.
    BOOL SetIndicators(const UINT* iIds, int iCount);
    int GetCount() const { return static_cast<int>(m_Panes.size()); }
    // Null for an index out of range.
    GTStatusPane* GetPane(int iIndex);
    const GTStatusPane* GetPane(int iIndex) const;
    int CommandToIndex(UINT iId) const;
    UINT GetPaneStyle(int iIndex) const;
    void SetPaneStyle(int iIndex, UINT iStyle);
    CString GetPaneText(int iIndex) const;
    // The same text again changes nothing; an empty text is stored as none.
    BOOL SetPaneText(int iIndex, LPCWSTR iText, BOOL iUpdate = TRUE);
    BOOL SetTipText(int iIndex, LPCWSTR iText);
    // Null takes the pane's image away.
    void SetPaneIcon(int iIndex, HICON iIcon, BOOL iUpdate = TRUE);
    // The frames are copied; each iPeriod milliseconds the next one shows. Null stops it.
    void SetPaneAnimation(int iIndex, HIMAGELIST iFrames, UINT iPeriod = 500, BOOL iUpdate = TRUE);
    // A double click on a pane sends its id to the parent as a command.
    void EnablePaneDoubleClick(BOOL iEnable = TRUE) { m_DoubleClicks = iEnable; }
    // Null for none.
    GTStatusPane* HitTest(CPoint iPoint);
    void InvalidatePaneContent(int iIndex);
    CFont* GetCurrentFont() const;
    const CRect& GetGripRect() const { return m_GripRect; }
    // Places the panes and the grip in the client area.
    virtual void RecalcLayout();
    virtual void DrawPane(CDC* iDc, GTStatusPane& ioPane);

    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void DoPaint(CDC* iDc) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::StatusBar; }

    // A pane's timer id is its index past this.
    static const UINT_PTR s_TimerBase = 0x5B00;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg LRESULT OnNcHitTest(CPoint iPoint);
    afx_msg void OnSysCommand(UINT iCommand, LPARAM iLParam);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg LRESULT OnSetText(WPARAM, LPARAM iText);
    afx_msg LRESULT OnGetText(WPARAM iSize, LPARAM oText);
    afx_msg LRESULT OnGetTextLength(WPARAM, LPARAM);
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnDestroy();
    afx_msg void OnStyleChanged(int iType, LPSTYLESTRUCT iStyles);
    DECLARE_MESSAGE_MAP()

    // Frees the pane's texts and images and stops its animation.
    void ReleasePane(int iIndex);
    void ReleasePanes();
    int GripWidth() const;

    std::vector<GTStatusPane> m_Panes;
    HFONT m_Font;
    BOOL m_DoubleClicks;
    CRect m_GripRect;
};

// Command updates of the panes: enabling, checking (a popped-out pane) and text.
class CGTStatusCmdUI : public CCmdUI {
public:
    explicit CGTStatusCmdUI(CGTStatusBar& iBar);
    void Enable(BOOL iOn) override;
    void SetCheck(int iCheck) override;
    void SetText(LPCWSTR iText) override;

private:
    CGTStatusBar& m_Bar;
};
