#include <guitoolkit/toolbars/CGTMenuPage.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/GTDocumentTemplateChoices.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTPageResources.h>

namespace {
const UINT flagShadows = 0x01;
const UINT flagAnimations = 0x08;
const int docDescriptionIndex = 6;

// Where the last editing popup closed, for the next one to open there.
CPoint s_ContextMenuPosition(-1, -1);

CGTMenuBar* FirstLiveMenuBar()
{
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = dynamic_cast<CGTMenuBar*>(bars.GetNext(position));
        if (bar != nullptr && bar->GetSafeHwnd() != nullptr)
            return bar;
    }
    return nullptr;
}

// The items of the registered context menu; null for an unknown name.
HMENU ContextMenuItems(const CString& iName, UINT* oResourceId = nullptr)
{
    CGTContextMenuManager* contextMenus = CGTContextMenuManager::Current();
    HMENU menu = contextMenus != nullptr ? contextMenus->LookupMenuByName(iName, oResourceId) : nullptr;
    return menu != nullptr ? ::GetSubMenu(menu, 0) : nullptr;
}

BOOL AskToReset(const CString& iName)
{
    CString prompt;
    prompt.Format(LoadToolkitString(IDS_GT_RESET_MENU), static_cast<LPCWSTR>(iName));
    return AfxMessageBox(prompt, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

// A context menu open for editing: it tells the page when it closes.
class CContextMenuEditPopup : public CGTPopupMenu {
public:
    explicit CContextMenuEditPopup(CGTMenuPage& iPage) : m_Page(&iPage) {}
    // The page closes the popup itself and needs no word of it.
    void Forget() { m_Page = nullptr; }

protected:
    afx_msg void OnDestroy()
    {
        if (m_Page != nullptr)
            m_Page->OnContextMenuClosed();
        CGTPopupMenu::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

private:
    CGTMenuPage* m_Page;
};

BEGIN_MESSAGE_MAP(CContextMenuEditPopup, CGTPopupMenu)
    ON_WM_DESTROY()
END_MESSAGE_MAP()
}  // namespace

IMPLEMENT_DYNCREATE(CGTMenuPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTMenuPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_GT_FRAME_MENUS, &CGTMenuPage::OnFrameMenuChanged)
    ON_BN_CLICKED(IDC_GT_RESET_FRAME_MENU, &CGTMenuPage::OnResetFrameMenu)
    ON_CBN_SELCHANGE(IDC_GT_CONTEXT_MENUS, &CGTMenuPage::OnContextMenuChanged)
    ON_BN_CLICKED(IDC_GT_RESET_CONTEXT_MENU, &CGTMenuPage::OnResetContextMenu)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CGTMenuPage::CGTMenuPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus, UINT iSheetFlags)
    : CPropertyPage(IDD_GT_MENU_PAGE), m_Animation(GTMenuOptions::s_Animation), m_Shadows(GTMenuOptions::s_Shadows),
      m_ParentFrame(iParentFrame), m_AutoSetFromMenus(iAutoSetFromMenus), m_SheetFlags(iSheetFlags), m_MenuBar(nullptr),
      m_OriginalMenu(nullptr), m_EditedMenu(nullptr), m_DefaultMenuFirst(FALSE), m_ContextMenuPopup(nullptr),
      m_ContextMenuId(0)
{
}

CGTMenuPage::~CGTMenuPage() = default;

void CGTMenuPage::DoDataExchange(CDataExchange* ioExchange)
{
    CPropertyPage::DoDataExchange(ioExchange);
    DDX_Control(ioExchange, IDC_GT_FRAME_MENUS, m_FrameMenus);
    DDX_Control(ioExchange, IDC_GT_CONTEXT_MENUS, m_ContextMenus);
    DDX_Control(ioExchange, IDC_GT_MENU_ANIMATION, m_Animations);
    DDX_Control(ioExchange, IDC_GT_MENU_ICON, m_Icon);
    DDX_Check(ioExchange, IDC_GT_MENU_SHADOWS, m_Shadows);
}

BOOL CGTMenuPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    for (LPCWSTR animation : {L"None", L"Unfold", L"Slide", L"Fade"})
        m_Animations.AddString(animation);
    m_Animations.SetCurSel(m_Animation);
    InitFrameMenus();
    InitContextMenus();
    if (!(m_SheetFlags & flagShadows))
        HideControl(IDC_GT_MENU_SHADOWS);
    if (!(m_SheetFlags & flagAnimations)) {
        HideControl(IDC_GT_MENU_ANIMATION_LABEL);
        HideControl(IDC_GT_MENU_ANIMATION);
    }
    return TRUE;
}

void CGTMenuPage::HideControl(UINT iControlId)
{
    if (CWnd* control = GetDlgItem(iControlId))
        control->ShowWindow(SW_HIDE);
}

void CGTMenuPage::InitFrameMenus()
{
    m_MenuBar = FirstLiveMenuBar();
    if (m_MenuBar == nullptr) {
        m_FrameMenus.EnableWindow(FALSE);
        GetDlgItem(IDC_GT_RESET_FRAME_MENU)->EnableWindow(FALSE);
        SetDlgItemText(IDC_GT_MENU_DESCRIPTION, LoadToolkitString(IDS_GT_CANNOT_CUSTOMIZE_MENUS));
        return;
    }
    m_OriginalMenu = m_MenuBar->GetCurrentMenu();
    m_MenuBar->SetHot(-1);
    CMenuHash::Instance().SaveMenuBar(m_OriginalMenu, m_MenuBar);
    if (m_AutoSetFromMenus) {
        AddDocumentTemplateChoices(m_FrameMenus);
        for (int index = 0; index < m_FrameMenus.GetCount(); ++index) {
            auto* docTemplate = reinterpret_cast<CMultiDocTemplate*>(m_FrameMenus.GetItemData(index));
            if (docTemplate->m_hMenuShared == m_OriginalMenu)
                m_FrameMenus.SetCurSel(index);
        }
    }
    const int defaultIndex = m_FrameMenus.AddString(LoadToolkitString(IDS_GT_DEFAULT_MENU));
    m_FrameMenus.SetItemData(defaultIndex, 0);
    if (m_FrameMenus.GetCurSel() == CB_ERR) {
        m_FrameMenus.SetCurSel(defaultIndex);
        m_DefaultMenuFirst = TRUE;
    }
    OnFrameMenuChanged();
}

void CGTMenuPage::InitContextMenus()
{
    m_ContextMenus.AddString(LoadToolkitString(IDS_GT_NO_CONTEXT_MENU));
    m_ContextMenus.SetCurSel(0);
    CGTContextMenuManager* contextMenus = CGTContextMenuManager::Current();
    if (contextMenus == nullptr) {
        for (UINT id : {IDC_GT_CONTEXT_MENUS, IDC_GT_CONTEXT_MENU_LABEL, IDC_GT_RESET_CONTEXT_MENU,
                        IDC_GT_CONTEXT_MENU_GROUP, IDC_GT_CONTEXT_MENU_HINT})
            HideControl(id);
        return;
    }
    CStringList names;
    contextMenus->GetMenuNames(names);
    for (POSITION position = names.GetHeadPosition(); position != nullptr;)
        m_ContextMenus.AddString(names.GetNext(position));
    const BOOL any = m_ContextMenus.GetCount() > 1;
    m_ContextMenus.EnableWindow(any);
    GetDlgItem(IDC_GT_CONTEXT_MENU_LABEL)->EnableWindow(any);
}

CMultiDocTemplate* CGTMenuPage::ChosenTemplate() const
{
    const int index = m_FrameMenus.GetCurSel();
    return index == CB_ERR ? nullptr : reinterpret_cast<CMultiDocTemplate*>(m_FrameMenus.GetItemData(index));
}

void CGTMenuPage::StoreEditedMenu()
{
    if (m_MenuBar == nullptr || m_EditedMenu == nullptr)
        return;
    m_MenuBar->SetHot(-1);
    CMenuHash::Instance().SaveMenuBar(m_EditedMenu, m_MenuBar);
}

void CGTMenuPage::OnFrameMenuChanged()
{
    if (m_MenuBar == nullptr)
        return;
    StoreEditedMenu();
    const int index = m_FrameMenus.GetCurSel();
    HICON icon = nullptr;
    HMENU menu = nullptr;
    m_Description.Empty();
    m_FrameMenuName.Empty();
    if (index != CB_ERR) {
        m_FrameMenus.GetLBText(index, m_FrameMenuName);
        if (CMultiDocTemplate* docTemplate = ChosenTemplate()) {
            docTemplate->GetDocString(m_Description, static_cast<CDocTemplate::DocStringIndex>(docDescriptionIndex));
            icon = DocumentTemplateIcon(*docTemplate);
            menu = docTemplate->m_hMenuShared;
        } else {
            m_Description = LoadToolkitString(IDS_GT_DEFAULT_MENU_DESCRIPTION);
            CWnd* main = AfxGetMainWnd() != nullptr ? AfxGetMainWnd() : m_ParentFrame;
            icon = main != nullptr ? WindowClassIcon(*main) : nullptr;
            menu = m_MenuBar->GetDefaultMenu();
        }
        m_MenuBar->CreateFromMenu(menu, FALSE, FALSE);
    }
    m_Icon.SetIcon(icon);
    SetDlgItemText(IDC_GT_MENU_DESCRIPTION, m_Description);
    m_EditedMenu = menu;
}

BOOL CGTMenuPage::SelectMenuOf(CDocTemplate* iTemplate, BOOL iKeepEditedMenu)
{
    for (int index = 0; index < m_FrameMenus.GetCount(); ++index) {
        if (m_FrameMenus.GetItemData(index) != reinterpret_cast<DWORD_PTR>(iTemplate))
            continue;
        m_FrameMenus.SetCurSel(index);
        if (!iKeepEditedMenu)
            m_EditedMenu = nullptr;
        if (m_MenuBar != nullptr)
            m_OriginalMenu = m_MenuBar->GetCurrentMenu();
        OnFrameMenuChanged();
        return TRUE;
    }
    return FALSE;
}

void CGTMenuPage::OnResetFrameMenu()
{
    if (m_MenuBar == nullptr || m_FrameMenus.GetCurSel() == CB_ERR || !AskToReset(m_FrameMenuName))
        return;
    CMultiDocTemplate* docTemplate = ChosenTemplate();
    const UINT resourceId = docTemplate != nullptr ? docTemplate->m_nIDResource : m_MenuBar->GetFrameMenu();
    HMENU fresh =
        ::LoadMenuW(AfxFindResourceHandle(MAKEINTRESOURCEW(resourceId), RT_MENU), MAKEINTRESOURCEW(resourceId));
    if (fresh == nullptr)
        return;
    HMENU old = m_EditedMenu;
    m_MenuBar->CreateFromMenu(fresh, docTemplate == nullptr, TRUE);
    if (m_ParentFrame != nullptr && m_ParentFrame->SendMessage(GTTOOLBAR_RESETMENU, resourceId) != 0)
        m_MenuBar->AdjustLayout();
    CMenuHash::Instance().SaveMenuBar(fresh, m_MenuBar);
    if (docTemplate != nullptr)
        docTemplate->m_hMenuShared = fresh;
    else if (m_ParentFrame != nullptr)
        m_ParentFrame->m_hMenuDefault = fresh;
    if (m_OriginalMenu == old)
        m_OriginalMenu = fresh;
    m_EditedMenu = fresh;
    if (m_ParentFrame != nullptr)
        m_ParentFrame->OnUpdateFrameMenu(fresh);
    if (old != nullptr && old != fresh) {
        CMenuHash::Instance().RemoveMenu(old);
        ::DestroyMenu(old);
    }
    m_MenuBar->RedrawWindow();
}

void CGTMenuPage::OnContextMenuChanged()
{
    GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->EnableWindow(FALSE);
    if (CGTContextMenuManager::Current() == nullptr)
        return;
    CloseContextMenu();
    const int index = m_ContextMenus.GetCurSel();
    if (index <= 0)
        return;
    m_ContextMenus.GetLBText(index, m_ContextMenuName);
    if (OpenContextMenu(m_ContextMenuName))
        GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->EnableWindow(TRUE);
}

BOOL CGTMenuPage::OpenContextMenu(const CString& iName)
{
    HMENU menu = ContextMenuItems(iName, &m_ContextMenuId);
    if (menu == nullptr) {
        CGTBeeper::Current().Beep(0xFFFFFFFF);
        return FALSE;
    }
    CWnd* owner = m_ParentFrame != nullptr ? m_ParentFrame->GetTopLevelFrame() : GetTopLevelFrame();
    auto* popup = new CContextMenuEditPopup(*this);
    if (!popup->Create(owner, s_ContextMenuPosition.x, s_ContextMenuPosition.y, menu, FALSE, TRUE)) {
        AfxMessageBox(L"Can't create context menu!");
        return FALSE;
    }
    m_ContextMenuPopup = popup;
    return TRUE;
}

CGTPopupMenu* CGTMenuPage::ForgetContextMenu()
{
    auto* popup = static_cast<CContextMenuEditPopup*>(m_ContextMenuPopup);
    if (popup == nullptr)
        return nullptr;
    CRect rect;
    popup->GetWindowRect(&rect);
    s_ContextMenuPosition = rect.TopLeft();
    if (HMENU menu = ContextMenuItems(m_ContextMenuName))
        CMenuHash::Instance().SaveMenuBar(menu, popup->GetMenuBar());
    m_ContextMenuPopup = nullptr;
    popup->Forget();
    return popup;
}

void CGTMenuPage::CloseContextMenu()
{
    if (CGTPopupMenu* popup = ForgetContextMenu())
        popup->SendMessage(WM_CLOSE);
}

void CGTMenuPage::OnContextMenuClosed()
{
    ForgetContextMenu();
    m_ContextMenus.SetCurSel(0);
    GetDlgItem(IDC_GT_RESET_CONTEXT_MENU)->EnableWindow(FALSE);
}

void CGTMenuPage::OnResetContextMenu()
{
    if (m_ContextMenuPopup == nullptr || !AskToReset(m_ContextMenuName))
        return;
    HMENU menu = ContextMenuItems(m_ContextMenuName);
    if (menu == nullptr) {
        CGTBeeper::Current().Beep(0xFFFFFFFF);
        return;
    }
    CloseContextMenu();
    // The popup is built again from the registered menu, not from the user's version.
    CMenuHash::Instance().RemoveMenu(menu);
    if (m_ParentFrame != nullptr)
        m_ParentFrame->SendMessage(GTTOOLBAR_RESETCONTEXTMENU, m_ContextMenuId);
    if (OpenContextMenu(m_ContextMenuName))
        m_ContextMenuPopup->RedrawWindow();
}

void CGTMenuPage::OnDestroy()
{
    UpdateData();
    GTMenuOptions::s_Animation = m_Animations.GetCurSel() == CB_ERR ? 0 : m_Animations.GetCurSel();
    GTMenuOptions::s_Shadows = m_Shadows;
    if (m_MenuBar != nullptr && m_MenuBar->GetSafeHwnd() != nullptr) {
        StoreEditedMenu();
        m_MenuBar->CreateFromMenu(m_OriginalMenu, m_OriginalMenu == m_MenuBar->GetDefaultMenu());
    }
    CloseContextMenu();
    CPropertyPage::OnDestroy();
}
