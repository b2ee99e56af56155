// The sheet's navigation controls: their creation, their items, and the sheet's layout around
// them when the dialog starts.
#include <guitoolkit/docking/CGTPropertySheet.h>
#include <algorithm>
#include <memory>
#include <vector>

IMPLEMENT_DYNAMIC(CGTPropSheetTab, CGTTabWnd)
IMPLEMENT_DYNAMIC(CGTPropSheetPane, CGTOutlookBarPane)

namespace {
const DWORD pageButtonsStyle = 0x50402808;
const DWORD treeStyle = WS_CHILD | WS_VISIBLE;

CRect ChildRect(CWnd& iParent, CWnd& iChild)
{
    CRect rect;
    iChild.GetWindowRect(rect);
    iParent.ScreenToClient(rect);
    return rect;
}
}  // namespace

CGTPropSheetTab::CGTPropSheetTab() : m_Sheet(nullptr) {}

BOOL CGTPropSheetTab::SetActiveTab(int iIndex)
{
    CWaitCursor wait;
    if (m_Sheet != nullptr && m_Sheet->GetActiveIndex() != iIndex && !m_Sheet->SetActivePage(iIndex))
        return FALSE;
    if (!CGTTabWnd::SetActiveTab(iIndex))
        return FALSE;
    CPropertyPage* page = m_Sheet != nullptr ? m_Sheet->GetPage(iIndex) : nullptr;
    if (page != nullptr && page->GetSafeHwnd() != nullptr) {
        CRect area;
        GetWndArea(area);
        MapWindowPoints(m_Sheet, area);
        page->SetWindowPos(nullptr, area.left, area.top, area.Width(), area.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

CGTPropSheetPane::CGTPropSheetPane() : m_Sheet(nullptr) {}

BOOL CGTPropSheetPane::TakesButtonCommand(CGTToolbarButton* iButton)
{
    if (m_Sheet == nullptr)
        return FALSE;
    CWaitCursor wait;
    m_Sheet->SetActivePage(ButtonToIndex(iButton));
    return TRUE;
}

CWnd* CGTPropertySheet::CreateNavigation()
{
    switch (m_NavigationStyle) {
    case outlookBar:
        return CreateOutlookNavigation();
    case tree:
        return CreateTreeNavigation();
    case tabWindow:
        return CreateTabNavigation();
    default:
        return nullptr;
    }
}

CWnd* CGTPropertySheet::CreateOutlookNavigation()
{
    auto pane = std::make_unique<CGTPropSheetPane>();
    pane->m_Sheet = this;
    if (!pane->CreatePane(this, pageButtonsStyle, outlookBarId))
        return nullptr;
    m_PageButtons = std::move(pane);
    for (int page = 0; page < GetPageCount(); ++page)
        AddNavigationItem(page);
    return m_PageButtons.get();
}

CWnd* CGTPropertySheet::CreateTreeNavigation()
{
    if (!m_Tree.Create(treeStyle, CRect(0, 0, 0, 0), this, treeId))
        return nullptr;
    m_Tree.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    if (m_Icons.GetSafeHandle() != nullptr) {
        m_Tree.SetImageList(&m_Icons, TVSIL_NORMAL);
        m_Tree.SetImageList(&m_Icons, TVSIL_STATE);
    }
    for (POSITION position = m_Categories.GetHeadPosition(); position != nullptr;)
        InsertCategoryItem(*static_cast<CGTPropSheetCategory*>(m_Categories.GetNext(position)));
    for (int page = 0; page < GetPageCount(); ++page)
        AddNavigationItem(page);
    return &m_Tree;
}

CWnd* CGTPropertySheet::CreateTabNavigation()
{
    m_TabWnd.m_Sheet = this;
    if (!m_TabWnd.Create(4, CRect(0, 0, 0, 0), this, tabWindowId, 1, FALSE))
        return nullptr;
    m_TabWnd.EnableTabSwap(FALSE);
    if (m_Icons.GetSafeHandle() != nullptr)
        m_TabWnd.SetImageList(m_Icons.GetSafeHandle());
    for (int page = 0; page < GetPageCount(); ++page)
        AddNavigationItem(page);
    return &m_TabWnd;
}

void CGTPropertySheet::AddNavigationItem(int iPage)
{
    CPropertyPage* page = GetPage(iPage);
    const CString label = PageLabel(iPage);
    switch (m_NavigationStyle) {
    case outlookBar:
        if (m_PageButtons != nullptr && m_PageButtons->GetSafeHwnd() != nullptr) {
            HICON icon = m_Icons.GetSafeHandle() != nullptr ? m_Icons.ExtractIcon(iPage) : nullptr;
            m_PageButtons->InsertIconButton(icon, label, iPage + 1, -1, m_IconsHaveAlpha);
            if (icon != nullptr)
                ::DestroyIcon(icon);
        }
        break;
    case tree:
        if (m_Tree.GetSafeHwnd() != nullptr) {
            auto* gtPage = DYNAMIC_DOWNCAST(CGTPropertyPage, page);
            HTREEITEM item = InsertTreeItem(label, page, gtPage != nullptr ? gtPage->m_Category : nullptr);
            if (gtPage != nullptr)
                gtPage->m_TreeItem = item;
        }
        break;
    case tabWindow:
        if (m_TabWnd.GetSafeHwnd() != nullptr)
            m_TabWnd.AddTab(page, label, m_Icons.GetSafeHandle() != nullptr ? iPage : static_cast<UINT>(-1), FALSE);
        break;
    default:
        break;
    }
}

BOOL CGTPropertySheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    if (CWnd* navigation = CreateNavigation()) {
        if (m_NavigationStyle == tabWindow)
            PlaceTabWindow();
        else
            PlaceNavigationStrip(*navigation);
    }
    PlaceButtons();
    return result;
}

void CGTPropertySheet::PlaceTabWindow()
{
    CTabCtrl* tabs = GetTabControl();
    CRect rect = ChildRect(*this, *tabs);
    rect.InflateRect(2, 2);
    tabs->ModifyStyle(WS_TABSTOP, 0);
    tabs->ShowWindow(SW_HIDE);
    m_TabWnd.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (tabs->GetItemCount() > 0)
        m_TabWnd.SetActiveTab(GetActiveIndex());
}

void CGTPropertySheet::PlaceNavigationStrip(CWnd& ioNavigation)
{
    CTabCtrl* tabs = GetTabControl();
    tabs->ModifyStyle(WS_TABSTOP, 0);
    CRect item(0, 0, 0, 0);
    tabs->GetItemRect(0, item);
    const int tabsHeight = item.Height() + 5;
    CRect client;
    GetClientRect(client);
    SetWindowPos(nullptr, 0, 0, m_NavigationWidth + client.Width(), client.Height() - tabsHeight + 15,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    tabs->SetWindowPos(nullptr, m_NavigationWidth, -tabsHeight, client.Width(), client.Height() - 10,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    CRect strip(0, 0, m_NavigationWidth, ChildRect(*this, *tabs).bottom);
    strip.DeflateRect(1, 1);
    ioNavigation.SetWindowPos(nullptr, strip.left, strip.top, strip.Width(), strip.Height(),
                              SWP_NOZORDER | SWP_NOACTIVATE);
    SetActivePage(GetActiveIndex());
}

void CGTPropertySheet::PlaceButtons()
{
    std::vector<CWnd*> buttons;
    for (UINT id : {static_cast<UINT>(IDOK), static_cast<UINT>(IDCANCEL)})
        buttons.push_back(GetDlgItem(id));
    if ((m_psh.dwFlags & PSH_NOAPPLYNOW) == 0)
        buttons.push_back(GetDlgItem(ID_APPLY_NOW));
    if ((m_psh.dwFlags & PSH_HASHELP) != 0)
        buttons.push_back(GetDlgItem(IDHELP));
    buttons.erase(std::remove(buttons.begin(), buttons.end(), nullptr), buttons.end());
    if (buttons.empty())
        return;
    CRect client;
    GetClientRect(client);
    const int shift = client.right - 5 - ChildRect(*this, *buttons.back()).right;
    for (CWnd* button : buttons) {
        const CRect rect = ChildRect(*this, *button);
        button->SetWindowPos(nullptr, rect.left + shift, client.bottom - 5 - rect.Height(), 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
