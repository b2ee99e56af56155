// A page of the toolkit's property sheet: it carries its navigation icons, its category and
// its tree item, tells the sheet when it becomes active, and gives the toolkit's popup menus
// the dialog behaviour through a CGTDlgImpl.
#pragma once
#include <afxdlgs.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/controls/CGTDlgImpl.h>

class CGTPropSheetCategory;

class CGTPropertyPage : public CPropertyPage, public IGTPopupMenuHost {
    DECLARE_DYNCREATE(CGTPropertyPage)
public:
    CGTPropertyPage();
    explicit CGTPropertyPage(UINT iTemplateId, UINT iCaptionId = 0);
    ~CGTPropertyPage() override;

    void SetActivePopupMenu(CWnd* iMenu) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;
    BOOL OnSetActive() override;

    CGTPropSheetCategory* GetCategory() const { return m_Category; }
    int GetIcon() const { return m_Icon; }
    int GetSelectedIcon() const { return m_SelectedIcon; }
    HTREEITEM GetTreeItem() const { return m_TreeItem; }

protected:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    afx_msg void OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized);
    afx_msg BOOL OnNcActivate(BOOL iActive);
    DECLARE_MESSAGE_MAP()

    CGTDlgImpl m_DlgImpl;
    CGTPropSheetCategory* m_Category;
    int m_Icon;
    int m_SelectedIcon;
    HTREEITEM m_TreeItem;

    friend class CGTPropertySheet;
};
