// The keyboard page of the customization sheet: the shortcut keys of each command, for the
// frame or for a kind of document. It works on a copy of the chosen accelerator table and
// installs every change at once through the keyboard manager.
#pragma once
#include <afxdlgs.h>
#include <afxdoctempl.h>
#include <guitoolkit/toolbars/CKeyAssign.h>
#include <vector>

class CGTToolbarButton;

class CGTKeyboardPage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTKeyboardPage)
public:
    explicit CGTKeyboardPage(CFrameWnd* iParentFrame = nullptr, BOOL iAutoSetFromMenus = FALSE);
    ~CGTKeyboardPage() override;
    void SetAllCommandsName(const CString& iName) { m_AllCommandsName = iName; }
    // The records of the chosen table as the page holds them.
    const std::vector<ACCEL>& GetWorkingCopy() const { return m_Entries; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    afx_msg void OnCategoryChanged();
    afx_msg void OnCommandChanged();
    afx_msg void OnTableChanged();
    afx_msg void OnCurrentKeyChanged();
    afx_msg void OnNewKeyChanged();
    afx_msg void OnAssign();
    afx_msg void OnRemove();
    afx_msg void OnResetAll();
    DECLARE_MESSAGE_MAP()

private:
    CMultiDocTemplate* SelectedTemplate() const;
    CGTToolbarButton* SelectedCommand() const;
    // The command's keys in the working copy, Remove disabled until one is chosen.
    void ShowCommandKeys();
    // The chosen table goes to its frame or template; refused, the working copy is the
    // installed table again.
    void InstallWorkingCopy();
    void ReadInstalledTable();
    // The name of a command in the sheet's catalogue; empty when it has none.
    CString CommandName(UINT iCommandId) const;

    CStatic m_AssignedLabel;
    CKeyAssign m_NewKey;
    CComboBox m_Tables;
    CStatic m_Icon;
    CButton m_Remove;
    CListBox m_CurrentKeys;
    CListBox m_Commands;
    CComboBox m_Categories;
    CButton m_Assign;
    CString m_Description;
    CString m_AssignedTo;
    HACCEL m_Table;
    std::vector<ACCEL> m_Entries;
    CMultiDocTemplate* m_Template;
    CGTToolbarButton* m_Command;
    // An index into the working copy; -1 for none.
    int m_SelectedEntry;
    CFrameWnd* m_ParentFrame;
    BOOL m_AutoSetFromMenus;
    CString m_AllCommandsName;
};
