// The tools page of the customization sheet: the user tools' names in an editable list, and
// the chosen tool's command, arguments and initial directory; every edit goes into the
// user tools manager's tools at once.
#pragma once
#include <afxdlgs.h>
#include <guitoolkit/controls/CGTMenuButton.h>
#include <guitoolkit/toolbars/CToolsList.h>

class CGTUserTool;

class CGTToolsPage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTToolsPage)
public:
    CGTToolsPage();
    // The list's selection moved to the tool (null: none).
    void OnToolSelected(CGTUserTool* iTool);
    CGTUserTool* GetSelectedTool() const { return m_SelectedTool; }
    CToolsList& GetToolsList() { return m_ToolsList; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    // The sheet may keep the page while the tools are not right.
    BOOL OnKillActive() override;
    void OnOK() override;
    afx_msg void OnToolEdited();
    afx_msg void OnBrowseCommand();
    afx_msg void OnArgumentsPicked();
    afx_msg void OnInitialDirectoryPicked();
    DECLARE_MESSAGE_MAP()

private:
    void EnableToolControls();
    // Shows the button with the first sub-menu of the menu resource (0: the button stays hidden).
    void AttachPickList(CGTMenuButton& ioButton, CMenu& ioMenu, UINT iButtonId, UINT iMenuId);
    // Types the string resource of the button's chosen command into the edit, at the caret.
    void TypePicked(const CGTMenuButton& iButton, CEdit& ioEdit);

    CEdit m_CommandEdit;
    CEdit m_ArgumentsEdit;
    CEdit m_DirectoryEdit;
    CButton m_BrowseButton;
    CGTMenuButton m_ArgumentsButton;
    CGTMenuButton m_DirectoryButton;
    CMenu m_ArgumentsMenu;
    CMenu m_DirectoryMenu;
    CToolsList m_ToolsList;
    CString m_Command;
    CString m_Arguments;
    CString m_InitialDirectory;
    CGTUserTool* m_SelectedTool;
};
