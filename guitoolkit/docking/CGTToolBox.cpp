#include <guitoolkit/docking/CGTToolBox.h>

IMPLEMENT_DYNCREATE(CGTToolBoxBar, CGTOutlookBar)
IMPLEMENT_DYNCREATE(CGTToolBox, CGTDockingControlBar)
IMPLEMENT_DYNCREATE(CGTToolBoxEx, CGTTasksPane)

void CGTToolBoxPage::NotifyHost(int iTool)
{
    if (m_ToolBox != nullptr)
        m_ToolBox->OnClickTool(m_ToolBox->GetPageIndex(this), iTool);
}

BEGIN_MESSAGE_MAP(CGTToolBox, CGTDockingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
// The bar's style word: docked left, with the bits a tool box's bar carries.
const DWORD barStyleWord = 0x1034;
}  // namespace

void CGTToolBoxBar::OnScroll(BOOL iDown)
{
    if (auto* box = DYNAMIC_DOWNCAST(CGTToolBox, GetParent()))
        box->OnScrollPage(!iDown);
}

int CGTToolBox::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTDockingControlBar::OnCreate(iCreate) == -1)
        return -1;
    if (!m_Bar.Create(L"", this, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 0))
        return -1;
    m_Bar.SetStyleWord(barStyleWord);
    return 0;
}

void CGTToolBox::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTDockingControlBar::OnSize(iType, iWidth, iHeight);
    if (m_Bar.GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    m_Bar.SetWindowPos(nullptr, client.left, client.top, client.Width(), client.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

int CGTToolBox::AddToolsPage(const CString& iLabel, UINT iBitmapId, CSize iImageSize, const CStringArray& iTools,
                             int iMode)
{
    CGTOutlookWnd* outlook = m_Bar.GetOutlookWnd();
    if (outlook == nullptr)
        return -1;
    auto* page = new CGTToolBoxPage;
    if (!page->Create(outlook, static_cast<UINT>(AFX_IDW_PANE_FIRST + outlook->GetTabCount()), iMode)) {
        delete page;
        return -1;
    }
    page->SetToolBox(this);
    page->LoadImages(iBitmapId, iImageSize);
    for (INT_PTR tool = 0; tool < iTools.GetSize(); ++tool)
        page->AddTool(iTools[tool], static_cast<int>(tool));
    page->SetWindowText(iLabel);
    // Tool pages stay in their tool box: no wrapper to tear them off.
    m_Bar.AddBarAsTab(page, TRUE, outlook->GetTabCount() == 0, FALSE);
    return outlook->GetTabFromHwnd(page->m_hWnd);
}

CGTToolBoxPage* CGTToolBox::GetPage(int iIndex) const
{
    const CGTOutlookWnd* outlook = m_Bar.GetOutlookWnd();
    return outlook != nullptr ? DYNAMIC_DOWNCAST(CGTToolBoxPage, outlook->GetTabWnd(iIndex)) : nullptr;
}

int CGTToolBox::GetPageIndex(const CGTToolBoxPage* iPage) const
{
    const CGTOutlookWnd* outlook = m_Bar.GetOutlookWnd();
    return outlook != nullptr && iPage != nullptr ? outlook->GetTabFromHwnd(iPage->GetSafeHwnd()) : -1;
}

void CGTToolBox::OnClickTool(int, int)
{
    if (CWnd* owner = GetOwner())
        owner->PostMessage(WM_COMMAND, LOWORD(GetDlgCtrlID()), reinterpret_cast<LPARAM>(m_hWnd));
}

void CGTToolBox::OnScrollPage(BOOL iUp)
{
    CGTOutlookWnd* outlook = m_Bar.GetOutlookWnd();
    if (CGTToolBoxPage* page = outlook != nullptr ? GetPage(outlook->GetActiveTab()) : nullptr)
        page->ScrollRows(iUp ? -1 : 1);
    UpdateScrollButtons();
}

void CGTToolBox::UpdateScrollButtons()
{
    CGTOutlookWnd* outlook = m_Bar.GetOutlookWnd();
    CGTToolBoxPage* page = outlook != nullptr ? GetPage(outlook->GetActiveTab()) : nullptr;
    if (page != nullptr)
        outlook->EnableScrollButtons(page->GetScrollRows() > 0, page->GetHiddenRows() > 0);
}

void CGTToolBoxEx::OnClickTool(int, int) {}

int CGTToolBoxEx::GetPageCount() const
{
    return 0;
}

CGTToolBoxPage* CGTToolBoxEx::GetPage(int) const
{
    return nullptr;
}
