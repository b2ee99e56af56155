// The Commands page of the customization sheet: the categories of the sheet's catalogue and
// the commands of the chosen one, which the user drags onto toolbars and menus.
#pragma once
#include <afxdlgs.h>
#include <guitoolkit/toolbars/CButtonsTextList.h>

class CGTToolbarButton;

class CGTCustomizePage : public CPropertyPage {
    DECLARE_DYNAMIC(CGTCustomizePage)
public:
    CGTCustomizePage();

    void SetAllCommandsName(LPCWSTR iName) { m_AllCommandsName = iName; }
    // The frame's prompt for the button's command (the text of a button without command);
    // null shows nothing.
    void ShowButtonDescription(CGTToolbarButton* iButton);
    CListBox& GetCategoriesList() { return m_Categories; }
    CButtonsTextList& GetCommandsList() { return m_Commands; }

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSelectCategory();
    afx_msg void OnSelectCommand();
    DECLARE_MESSAGE_MAP()

    CListBox m_Categories;
    CButtonsTextList m_Commands;
    CString m_AllCommandsName;
    CString m_Description;
    CGTToolbarButton* m_SelectedButton;
};
