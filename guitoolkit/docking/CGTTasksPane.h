// A docking pane that shows one of several pages of collapsible groups of tasks (clickable
// lines with an optional icon that send a command, or places for child windows), keeps a
// browser-like history of the pages shown, scrolls its content, and saves its page names,
// active page and layout metrics as "Settings".
#pragma once
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>

class CGTCaptionMenuButton;
class CGTTasksGroup;
class CGTTasksPane;

class CGTTasksPanePage : public CObject {
    DECLARE_DYNAMIC(CGTTasksPanePage)
public:
    CGTTasksPanePage(const CString& iName, CGTTasksPane* iPane);

    CString m_Name;
    CGTTasksPane* m_Pane;
};

class CGTTask : public CObject, public IGTLookTask {
    DECLARE_DYNAMIC(CGTTask)
public:
    CGTTask(CGTTasksGroup* iGroup, const CString& iText, UINT iCommand, DWORD_PTR iUserValue = 0,
            HWND iChildWindow = nullptr);

    // IGTLookTask.
    IGTLookTasksPane* GetPane() const override;
    CRect GetRect() const override { return m_Rect; }
    CString GetName() const override { return m_Text; }
    int GetImage() const override { return -1; }
    BOOL IsSeparator() const override { return FALSE; }
    BOOL IsEnabled() const override { return m_Enabled; }
    BOOL IsLabel() const override { return m_Command == 0; }
    BOOL IsBold() const override { return m_Bold; }
    COLORREF GetTextColor() const override { return static_cast<COLORREF>(-1); }
    COLORREF GetHotTextColor() const override { return static_cast<COLORREF>(-1); }

    CGTTasksGroup* m_Group;
    CString m_Text;
    // 0: none.
    UINT m_Command;
    DWORD_PTR m_UserValue;
    // Shown in place of text; null for a text task.
    HWND m_ChildWindow;
    CRect m_Rect;
    BOOL m_Visible;
    BOOL m_Enabled;
    int m_ChildHeight;
    BOOL m_Bold;
    BOOL m_HasIcon;
};

class CGTTasksGroup : public CObject, public IGTLookTasksGroup {
    DECLARE_DYNAMIC(CGTTasksGroup)
public:
    CGTTasksGroup(CGTTasksPanePage* iPage, const CString& iCaption);
    ~CGTTasksGroup() override;

    CGTTask* GetTask(int iIndex) const;
    int GetTaskCount() const { return static_cast<int>(m_Tasks.GetCount()); }

    // IGTLookTasksGroup.
    IGTLookTasksPane* GetPane() const override;
    CRect GetCaptionRect() const override { return m_CaptionRect; }
    CString GetName() const override { return m_Caption; }
    HICON GetIcon() const override { return nullptr; }
    CSize GetIconSize() const override { return m_CaptionIconSize; }
    BOOL IsSpecial() const override { return FALSE; }
    BOOL IsCollapsed() const override { return m_Collapsed; }
    COLORREF GetTextColor() const override { return static_cast<COLORREF>(-1); }
    COLORREF GetHotTextColor() const override { return static_cast<COLORREF>(-1); }

    CGTTasksPanePage* m_Page;
    CString m_Caption;
    // CGTTask objects, owned.
    CObList m_Tasks;
    BOOL m_KeptAtBottom;
    CRect m_CaptionRect;
    CRect m_TasksRect;
    BOOL m_Collapsed;
    BOOL m_HasCaptionIcon;
    CSize m_CaptionIconSize;
};

// Back, forward, home and close on the pane's navigation toolbar; the tooltip is the text.
class CTasksPaneNavigateButton : public CGTToolbarButton {
    DECLARE_SERIAL(CTasksPaneNavigateButton)
public:
    CTasksPaneNavigateButton() = default;
    CTasksPaneNavigateButton(UINT iCommand, int iImage, LPCWSTR iText);

    BOOL OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText) override;
};

// The toolbar's button that names the page shown and drops the pages menu.
class CTasksPaneMenuButton : public CGTToolbarMenuButton {
    DECLARE_SERIAL(CTasksPaneMenuButton)
public:
    CTasksPaneMenuButton();
    explicit CTasksPaneMenuButton(CGTTasksPane* iPane);

    BOOL OnClick(CWnd* iOwner, BOOL iDelay) override;
    BOOL OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText) override;

private:
    CGTTasksPane* m_Pane;
};

// The pane's own navigation toolbar, shown where the caption has no navigation buttons.
class CTasksPaneToolBar : public CGTToolBar {
    DECLARE_DYNAMIC(CTasksPaneToolBar)
public:
    BOOL CreateFor(CGTTasksPane& iPane);
    // The menu button names the page shown.
    void SetPageName(const CString& iName);
    void RecalcButtonLayout() override;

private:
    CTasksPaneMenuButton* MenuButton() const;
};

// Updates the tasks of one group that carry a command: enabled state and text.
class CTaskCmdUI : public CCmdUI {
public:
    CTaskCmdUI(CGTTasksPane& iPane, CGTTasksGroup& iGroup);

    void Enable(BOOL iOn = TRUE) override;
    void SetText(LPCWSTR iText) override;

private:
    CGTTasksPane& m_Pane;
    CGTTasksGroup& m_Group;
};

class CGTTasksPane : public CGTDockingControlBar, public IGTLookTasksPane {
    DECLARE_DYNCREATE(CGTTasksPane)
public:
    enum : int {
        horizontalMargin,
        verticalMargin,
        groupGap,
        captionHeight,
        captionTextIndent,
        captionTextPadding,
        taskIndent,
        iconTextGap,
        taskGap,
        metricCount
    };

    CGTTasksPane();
    ~CGTTasksPane() override;

    virtual void GoBack();
    virtual void GoForward();
    virtual void GoHome();
    virtual void ShowPagesMenu(CGTCaptionMenuButton* iButton);
    // Drops the pages menu with its top-left corner at a screen point; a chosen page is shown.
    void TrackPagesMenu(CPoint iScreenPoint);
    virtual void OnClickTask(int iGroup, int iTask, UINT iCommand, DWORD_PTR iUserValue);
    virtual void ForwardCommandToFocusedChild();
    virtual void ForwardCommandAndReturnFocus();
    virtual void GetTaskPrompt(UINT iCommand);
    virtual void OnActivatePage(int iPage);
    // The tool box's compact captions.
    virtual BOOL IsCompactMode() const;
    virtual void OnFillBackground(CDC* iDc, CRect iRect);
    virtual void OnDrawGroups(CDC* iDc);
    virtual CSize GetGroupBorderSize() const;
    virtual void OnAfterTaskClick(int iGroup, int iTask);
    // The content height.
    virtual int RepositionTasks(BOOL iMeasureOnly = FALSE);
    virtual CGTTasksGroup* GroupCaptionHitTest(CPoint iPoint) const;

    // The new page's index.
    int AddPage(LPCWSTR iName);
    CGTTasksGroup* AddGroup(int iPage, LPCWSTR iCaption, BOOL iKeptAtBottom = FALSE);
    CGTTask* AddTask(CGTTasksGroup* iGroup, LPCWSTR iText, UINT iCommand, DWORD_PTR iUserValue = 0);
    // A place for an application's child window of that height.
    CGTTask* AddWindowTask(CGTTasksGroup* iGroup, HWND iWindow, int iHeight);

    int GetPageCount() const { return static_cast<int>(m_Pages.GetCount()); }
    // Null for none.
    CGTTasksPanePage* GetPageRecord(int iPage) const;
    CString GetPageName(int iPage) const;
    int GetGroupCount() const { return static_cast<int>(m_Groups.GetCount()); }
    CGTTasksGroup* GetGroup(int iIndex) const;
    int GetGroupIndex(const CGTTasksGroup* iGroup) const;
    // The page at the current history position.
    int GetActivePage() const { return GetHistoryPage(m_HistoryPosition); }
    // Shows the page as a new history entry.
    void SetActivePage(int iPage);
    int GetHistoryPosition() const { return m_HistoryPosition; }
    int GetHistoryCount() const { return static_cast<int>(m_History.GetSize()); }
    int GetHistoryPage(int iPosition) const;
    // -1 takes the look's value.
    int GetMetric(int iMetric) const;
    void SetMetric(int iMetric, int iValue);
    const CString& GetPaneCaption() const { return m_Caption; }
    void SetHoverScrollAreas(BOOL iOn) { m_HoverScrollAreas = iOn; }
    // A floating frame shows the navigation buttons even for one page.
    void ShowNavigationAlways(BOOL iOn) { m_NavigationAlways = iOn; }
    BOOL ShowsNavigationAlways() const { return m_NavigationAlways; }
    void SetAnimation(BOOL iOn) { m_Animate = iOn; }
    int GetScrollPosition() const { return m_ScrollPosition; }
    int GetScrollMaximum() const { return m_ScrollMaximum; }
    CScrollBar& GetScrollBar() { return m_ScrollBar; }
    CTasksPaneToolBar& GetToolBar() { return m_ToolBar; }
    // Lays out the toolbar, the scroll bar or hover areas and the tasks, and redraws.
    void AdjustLayout() override;

    // IGTLookTasksPane.
    BOOL IsToolBox() const override { return IsCompactMode(); }
    int GetCaptionOffsetX() const override { return m_Metrics[captionTextIndent]; }
    int GetCaptionOffsetY() const override { return -1; }
    int GetTaskOffset() const override { return m_Metrics[iconTextGap]; }
    BOOL WrapsTaskText(BOOL) const override { return FALSE; }

    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iSubId = static_cast<UINT>(-1)) override;
    void Serialize(CArchive& ioArchive) override;
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    void CreateCaptionButtons() override;
    BOOL PreTranslateMessage(MSG* ioMessage) override;

    static const int s_HistoryDepth = 10;

protected:
    friend class CTaskCmdUI;

    enum : UINT_PTR {
        animationTimer = 4,
        hoverScrollTimer = 5
    };
    enum : UINT {
        animationInterval = 30,
        hoverScrollInterval = 80
    };

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnCancelMode();
    afx_msg void OnVScroll(UINT iCode, UINT iPosition, CScrollBar* iScrollBar);
    afx_msg BOOL OnMouseWheel(UINT iFlags, short iDelta, CPoint iPoint);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnTimer(UINT_PTR iId);
    afx_msg LRESULT OnSetFont(WPARAM iFont, LPARAM iRedraw);
    afx_msg LRESULT OnGetFont(WPARAM, LPARAM);
    afx_msg LRESULT OnSetText(WPARAM iWParam, LPARAM iLParam);
    afx_msg BOOL OnNeedToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnBack();
    afx_msg void OnForward();
    afx_msg void OnHome();
    afx_msg void OnClose();
    afx_msg void OnOk();
    afx_msg void OnCancel();
    afx_msg void OnUpdateBack(CCmdUI* iCmdUI);
    afx_msg void OnUpdateForward(CCmdUI* iCmdUI);
    afx_msg void OnUpdateClose(CCmdUI* iCmdUI);
    DECLARE_MESSAGE_MAP()

    BOOL IsCaptionButtonHidden(UINT iHitCode) const override;
    void OnPressButtons(UINT iHitCode) override;

    // From one history position to another.
    void SwitchPage(int iFromPosition, int iToPosition);
    // The window text: the pane caption or the active page's name.
    void ApplyCaption();
    // Where the navigation toolbar stands: in a tabbed bar or a frame of another kind.
    BOOL NeedsToolBar() const;
    // The client area below the toolbar, less the scroll bar.
    CRect TaskArea() const;
    void UpdateCaptionButtons();
    void RebuildPagesMenu();
    void CreateFonts();
    CFont* TaskFont() const;
    int LineHeight() const;
    void ScrollTo(int iPosition);
    // Lays the tasks of one group from y on; answers the y below them.
    int PlaceTasks(CGTTasksGroup& iGroup, CDC& iDc, const CRect& iArea, int iY, BOOL iMeasureOnly);
    // A kept-at-bottom group with tasks moved down to end at the bottom of the area.
    void MoveGroupToBottom(CGTTasksGroup& iGroup, int iBottom);
    void ToggleGroup(CGTTasksGroup& iGroup);
    void AnimationStep();
    void HoverScrollStep();
    CGTTask* TaskAt(CPoint iPoint) const;
    void RedrawRect(const CRect& iRect);
    void RedrawTask(const CGTTask* iTask);
    void RedrawCaption(const CGTTasksGroup* iGroup);
    // The task and caption under the mouse, both redrawn with the ones they replace.
    void SetHot(CGTTask* iTask, CGTTasksGroup* iCaption);
    // Sends the owner the prompt of a command; 0xE001 is the idle prompt.
    void SendPrompt(UINT iPrompt);
    void ForwardCurrentCommand();

    // CGTTasksPanePage and CGTTasksGroup objects, owned.
    CObList m_Pages;
    CObList m_Groups;
    CArray<int, int> m_History;
    int m_HistoryPosition;
    CString m_Caption;
    CScrollBar m_ScrollBar;
    int m_ScrollPosition;
    int m_ScrollMaximum;
    int m_ScrollPage;
    HFONT m_Font;
    CFont m_BoldFont;
    CFont m_BoldUnderlinedFont;
    CFont m_UnderlinedFont;
    CImageList m_Images;
    CSize m_ImageSize;
    CMenu m_PagesMenu;
    CTasksPaneToolBar m_ToolBar;
    CGTTask* m_HotTask;
    CGTTask* m_PressedTask;
    CGTTasksGroup* m_HotCaption;
    CGTTasksGroup* m_PressedCaption;
    BOOL m_Animate;
    CGTTasksGroup* m_AnimatedGroup;
    CSize m_AnimatedGroupSize;
    int m_AnimationOffset;
    DWORD m_AnimationTick;
    CRect m_ScrollUpRect;
    CRect m_ScrollDownRect;
    // -1 up, +1 down, 0 none.
    int m_HoverScroll;
    BOOL m_HoverScrollAreas;
    BOOL m_NavigationAlways;
    // The nine layout metrics; -1: the look's.
    int m_Metrics[metricCount];
};
