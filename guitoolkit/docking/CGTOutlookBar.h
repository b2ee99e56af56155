// A tabbed docking bar whose tabs are full-width page buttons stacked in a column around the
// active page. Its pages are usually outlook panes; other windows come wrapped in a
// CGTOutlookBarDockingPane. It keeps the custom pages it creates from its saved state
// ("VADEOutlookCustomPages").
#pragma once
#include <guitoolkit/controls/CGTButton.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <guitoolkit/docking/CGTOutlookBarPane.h>

// A scroll button of the outlook window, drawn by the look.
class CGTOutlookSrcrollButton : public CGTButton {
    DECLARE_DYNCREATE(CGTOutlookSrcrollButton)
public:
    void FillFace(CDC* iDc, const CRect& iRect) override;
    void DrawBorder(CDC* iDc, CRect& ioRect, UINT iState) override;
};

// The outlook bar's tab window.
class CGTOutlookWnd : public CGTBaseTabWnd {
    DECLARE_DYNCREATE(CGTOutlookWnd)
public:
    enum : UINT {
        // The control id of the outlook window in its bar.
        windowId = 101,
        scrollRepeatMs = 100
    };

    CGTOutlookWnd();

    BOOL Create(const RECT& iRect, CWnd* iParent, UINT iId);

    BOOL SetActiveTab(int iIndex) override;
    void RecalcLayout() override;
    void GetTabArea(CRect& oTop, CRect& oBottom) const override;
    BOOL IsPtInTabArea(CPoint iPoint) const override;
    void GetWndArea(CRect& oRect) const override;
    DROPEFFECT OnDragOverHook(COleDataObject* iData, DWORD iKeyState, CPoint iPoint) override;
    void ClearTabs() override;

    // Shows the scroll buttons when either direction can scroll; a direction that cannot is
    // drawn disabled.
    void EnableScrollButtons(BOOL iUp, BOOL iDown);
    int GetPageButtonsShown() const { return m_PageButtonsShown; }
    void SetPageButtonsShown(int iCount) { m_PageButtonsShown = iCount; }
    CRect GetPageArea() const { return m_PageArea; }
    CGTOutlookSrcrollButton& GetScrollUpButton() { return m_ScrollUp; }
    CGTOutlookSrcrollButton& GetScrollDownButton() { return m_ScrollDown; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnPaint();
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    DECLARE_MESSAGE_MAP()

    // Page buttons show: more than one visible page, or a lone page's button kept.
    BOOL ShowsPageButtons() const;
    void DrawPageButton(CDC& iDc, int iIndex);
    void MovePages();

    // -1: all.
    int m_PageButtonsShown;
    BOOL m_InRelayout;
    CGTOutlookSrcrollButton m_ScrollUp;
    CGTOutlookSrcrollButton m_ScrollDown;
    BOOL m_ScrollButtonsShown;
    CRect m_PageArea;
};

class CGTOutlookBar : public CGTBaseTabbedBar {
    DECLARE_SERIAL(CGTOutlookBar)
public:
    enum : UINT {
        // Control ids the bar gives the custom pages it creates from its saved state.
        firstCustomPageId = 0xF000,
        customPageIdCount = 0x100
    };

    CGTOutlookBar();
    ~CGTOutlookBar() override;

    virtual BOOL Create(LPCWSTR iCaption, CWnd* iParent, const RECT& iRect, UINT iId, DWORD iStyle,
                        DWORD iBehaviourStyle = GTBehaviourAll, CCreateContext* iContext = nullptr);
    // Moves the active page's content; nothing here (tool-box bars scroll their pages).
    virtual void OnScroll(BOOL iDown);

    CGTOutlookWnd* GetOutlookWnd() const;
    const CObList& GetCustomPages() const { return m_CustomPages; }

    BOOL CanAcceptBar(const CGTBaseControlBar* iBar) const override;
    void GetTabAreaRects(CRect& oTop, CRect& oBottom) const override;
    int HitTestDockTarget(CPoint iScreenPoint, int iSensitivity) override;
    BOOL FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide) override;
    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // The registry key of the bar's custom pages.
    CString StateKey(LPCWSTR iProfile, int iIndex, UINT iSubId) const;
    // Reads the stored pages whole; FALSE for a value that is cut short or names an id that
    // cannot be a custom page of this bar.
    BOOL ReadCustomPages(const BYTE* iData, UINT iSize, CArray<UINT, UINT>& oIds, CStringArray& oLabels, int& oShown,
                         BOOL& oHasShown) const;
    CGTOutlookBarPane* FindCustomPage(UINT iId) const;
    // FALSE when the page's window cannot be made: it then is no tab.
    BOOL AddCustomPage(UINT iId, const CString& iLabel, LPCWSTR iProfile);

    CObList m_CustomPages;
    CString m_Caption;
};

class CGTOutlookBarDockingPane : public CGTDockingCBWrapper {
    DECLARE_DYNCREATE(CGTOutlookBarDockingPane)
public:
    CGTOutlookBarDockingPane();

protected:
    void PostNcDestroy() override;
};
