// The mouse page of the customization sheet: the command a double click runs in each kind
// of view the mouse manager knows; each choice goes to the manager at once.
#pragma once
#include <afxdlgs.h>
#include <afxcmn.h>

class CGTMousePage : public CPropertyPage {
    DECLARE_DYNCREATE(CGTMousePage)
public:
    CGTMousePage();

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    afx_msg void OnViewChanged(NMHDR* iHeader, LRESULT* oResult);
    afx_msg void OnNoCommand();
    afx_msg void OnAssociateCommand();
    afx_msg void OnCommandChosen();
    DECLARE_MESSAGE_MAP()

private:
    void AddViews();
    // The command's description, or none.
    void ShowDescription(UINT iCommandId);

    // -1 for none.
    int m_ViewId;
    CImageList m_ViewIcons;
    CListCtrl m_Views;
    CListBox m_Commands;
    CStatic m_DescriptionText;
    CString m_Description;
};
