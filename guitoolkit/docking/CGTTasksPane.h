// A docking pane that shows one of several pages of collapsible groups of tasks (clickable
// lines with an optional icon that send a command, or places for child windows), keeps a
// browser-like history of the pages shown, scrolls its content, and saves its page names,
// active page and layout metrics as "Settings".
#pragma once
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

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

class CGTTask : public CObject {
    DECLARE_DYNAMIC(CGTTask)
public:
    CGTTask(CGTTasksGroup* iGroup, const CString& iText, UINT iCommand, DWORD_PTR iUserValue = 0,
            HWND iChildWindow = nullptr);

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

class CGTTasksGroup : public CObject {
    DECLARE_DYNAMIC(CGTTasksGroup)
public:
    CGTTasksGroup(CGTTasksPanePage* iPage, const CString& iCaption);
    ~CGTTasksGroup() override;

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

// The pane's own navigation toolbar.
class CTasksPaneToolBar : public CGTToolBar {
    DECLARE_DYNAMIC(CTasksPaneToolBar)
};

class CGTTasksPane : public CGTDockingControlBar {
    DECLARE_DYNCREATE(CGTTasksPane)
public:
    CGTTasksPane();
    ~CGTTasksPane() override;

    virtual void GoBack();
    virtual void GoForward();
    virtual void GoHome();
    virtual void ShowPagesMenu(CGTCaptionMenuButton* iButton);
    virtual void OnClickTask(int iGroup, int iTask, UINT iCommand, DWORD_PTR iUserValue);
    virtual void ForwardCommandToFocusedChild();
    virtual void ForwardCommandAndReturnFocus();
    virtual void GetTaskPrompt(UINT iCommand);
    virtual void OnActivatePage(int iPage);
    // The tool box's compact captions.
    virtual BOOL IsCompactMode() const;
    virtual void OnFillBackground(CDC* iDc, CRect iRect);
    virtual void OnDrawGroups(CDC* iDc);
    // The title of a recent file's entry; FALSE for none.
    virtual BOOL GetRecentFileTitle(int iEntry, CString& oTitle) const;
    virtual CSize GetGroupBorderSize() const;
    virtual void OnAfterTaskClick(int iGroup, int iTask);
    // The content height.
    virtual int RepositionTasks(BOOL iMeasureOnly = FALSE);
    virtual CGTTasksGroup* GroupCaptionHitTest(CPoint iPoint) const;

    // The new page's index.
    int AddPage(LPCWSTR iName);

    static const int s_HistoryDepth = 10;

protected:
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
    CTasksPaneToolBar m_ToolBar;
    CMenu m_PagesMenu;
    CGTTask* m_HotTask;
    CGTTask* m_PressedTask;
    CGTTasksGroup* m_HotCaption;
    CGTTasksGroup* m_PressedCaption;
    BOOL m_Animate;
    CGTTasksGroup* m_AnimatedGroup;
    CSize m_AnimatedGroupSize;
    int m_AnimationOffset;
    CRect m_ScrollUpRect;
    CRect m_ScrollDownRect;
    // -1 up, +1 down, 0 none.
    int m_HoverScroll;
    BOOL m_HoverScrollAreas;
    // The nine layout metrics; -1: the look's.
    int m_Metrics[9];
};
