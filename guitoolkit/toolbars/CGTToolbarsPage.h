// The Toolbars page of the customization sheet: the frame's toolbars, checked while shown;
// resetting one or all of them, creating, renaming and deleting the user's own toolbars (the
// frame makes and ends them), and text labels.
#pragma once
#include <afxdlgs.h>
#include <guitoolkit/toolbars/CGTExCheckList.h>

class CGTToolBar;

class CGTToolbarsPage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTToolbarsPage)
public:
    explicit CGTToolbarsPage(CFrameWnd* iParentFrame);

    // New, Rename and Delete are offered.
    void EnableUserDefinedToolbars(BOOL iEnable) { m_UserToolbars = iEnable; }
    void SetToolbarCheck(CGTToolBar* iBar, BOOL iCheck);
    // Asks the user, then restores the selected toolbar's buttons.
    void OnReset() override;
    CGTExCheckList& GetToolbarsList() { return m_Toolbars; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSelectionChanged();
    afx_msg void OnCheckChanged();
    afx_msg void OnDoubleClick();
    afx_msg void OnResetAll();
    afx_msg void OnNewToolbar();
    afx_msg void OnRenameToolbar();
    afx_msg void OnDeleteToolbar();
    afx_msg void OnTextLabels();
    DECLARE_MESSAGE_MAP()

    // Adds the bar under its name, in the list's order, checked while shown; its index.
    int AddToolbar(CGTToolBar* iBar);
    // Selects the item and shows it at the top.
    void SelectItem(int iIndex);
    CGTToolBar* ToolbarAt(int iIndex);
    BOOL CanClose(const CGTToolBar* iBar) const;
    void ShowToolbar(CGTToolBar* iBar, BOOL iShow);
    BOOL IsUserDefined(CGTToolBar* iBar) const;
    BOOL Confirm(UINT iPrompt, const CGTToolBar* iBar) const;

    CGTExCheckList m_Toolbars;
    BOOL m_TextLabels;
    CGTToolBar* m_SelectedToolbar;
    BOOL m_UserToolbars;
    CFrameWnd* m_ParentFrame;
};
