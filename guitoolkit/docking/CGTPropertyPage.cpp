#include <guitoolkit/docking/CGTPropertySheet.h>

IMPLEMENT_DYNCREATE(CGTPropertyPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTPropertyPage, CPropertyPage)
    ON_WM_ACTIVATE()
    ON_WM_NCACTIVATE()
END_MESSAGE_MAP()

CGTPropertyPage::CGTPropertyPage()
    : m_DlgImpl(*this), m_Category(nullptr), m_Icon(-1), m_SelectedIcon(-1), m_TreeItem(nullptr)
{
}

CGTPropertyPage::CGTPropertyPage(UINT iTemplateId, UINT iCaptionId)
    : CPropertyPage(iTemplateId, iCaptionId), m_DlgImpl(*this), m_Category(nullptr), m_Icon(-1), m_SelectedIcon(-1),
      m_TreeItem(nullptr)
{
}

CGTPropertyPage::~CGTPropertyPage() = default;

void CGTPropertyPage::SetActivePopupMenu(CWnd* iMenu)
{
    m_DlgImpl.SetActivePopupMenu(iMenu);
}

BOOL CGTPropertyPage::PreTranslateMessage(MSG* iMsg)
{
    return m_DlgImpl.PreTranslateMessage(iMsg) || CPropertyPage::PreTranslateMessage(iMsg);
}

BOOL CGTPropertyPage::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    return m_DlgImpl.ProcessAccelCommand(iWParam, iLParam) || CPropertyPage::OnCommand(iWParam, iLParam);
}

BOOL CGTPropertyPage::OnSetActive()
{
    if (auto* sheet = DYNAMIC_DOWNCAST(CGTPropertySheet, GetParentSheet()))
        sheet->OnActivatePage(this);
    return CPropertyPage::OnSetActive();
}

void CGTPropertyPage::OnActivate(UINT iState, CWnd* iOther, BOOL iMinimized)
{
    CPropertyPage::OnActivate(iState, iOther, iMinimized);
    m_DlgImpl.OnActivate(iState, iOther);
}

BOOL CGTPropertyPage::OnNcActivate(BOOL iActive)
{
    m_DlgImpl.OnNcActivate(iActive);
    return (BOOL)DefWindowProc(WM_NCACTIVATE, iActive, 0);
}
