#include "ToolBarDemoFrame.h"
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/tests/FrameBarPlacement.h>

BEGIN_MESSAGE_MAP(ToolBarDemoFrame, CFrameWnd)
    ON_WM_DESTROY()
    ON_COMMAND(ID_GT_TEST_FIRST, &ToolBarDemoFrame::OnDay)
    ON_COMMAND(ID_GT_TEST_SECOND, &ToolBarDemoFrame::OnWeek)
    ON_COMMAND(ID_GT_TEST_THIRD, &ToolBarDemoFrame::OnMonth)
    ON_COMMAND(ID_GT_TEST_OPEN, &ToolBarDemoFrame::OnOpen)
END_MESSAGE_MAP()

namespace {
const UINT indicators[] = {0, ID_GT_TEST_CAPS, ID_GT_TEST_NUM};
}  // namespace

CRect OnScreen(CGTToolBar& iBar, int iIndex)
{
    CRect rect = iBar.GetButton(iIndex)->Rect();
    iBar.ClientToScreen(&rect);
    return rect;
}

BOOL ToolBarDemoFrame::CreateDemo(const CRect& iRect)
{
    if (!Create(nullptr, L"Toolbar demo", WS_OVERLAPPEDWINDOW, iRect))
        return FALSE;
    m_Menu = ::LoadMenuW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_GT_TEST_MENU));
    if (m_Menu == nullptr || !m_MenuBar.CreateEx(this))
        return FALSE;
    m_MenuBar.CreateFromMenu(m_Menu, TRUE);
    if (!m_ToolBar.CreateEx(this) || !m_ToolBar.LoadToolBar(IDR_GT_TEST_BAR))
        return FALSE;
    HMENU more = ::CreatePopupMenu();
    ::AppendMenuW(more, MF_STRING, ID_GT_TEST_THIRD, L"&Monthly");
    HMENU reports = ::CreatePopupMenu();
    ::AppendMenuW(reports, MF_STRING, ID_GT_TEST_FIRST, L"&Daily\tCtrl+D");
    ::AppendMenuW(reports, MF_STRING, ID_GT_TEST_SECOND, L"&Weekly");
    ::AppendMenuW(reports, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(reports, MF_POPUP, reinterpret_cast<UINT_PTR>(more), L"M&ore");
    m_ToolBar.InsertButton(new CGTToolbarMenuButton(GTSubMenuCommand, reports, -1, L"&Reports"), 0);
    ::DestroyMenu(reports);
    m_ToolBar.SetWindowText(L"Periods");
    if (!m_StatusBar.Create(this) || !m_StatusBar.SetIndicators(indicators, 3))
        return FALSE;
    RecalcLayout();
    m_ToolBar.AdjustLayout();
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

void ToolBarDemoFrame::RecalcLayout(BOOL iNotify)
{
    CFrameWnd::RecalcLayout(iNotify);
    PlaceBarAtTop(*this, m_ToolBar, PlaceBarAtTop(*this, m_MenuBar, 0));
    PlaceBarAtBottom(*this, m_StatusBar);
}

CGTToolbarCustomize* ToolBarDemoFrame::OpenCustomizeSheet()
{
    auto* sheet = new CGTToolbarCustomize(this, TRUE, 0x2F);
    // A plain frame keeps its menu for the menu bar only: the sheet is given it.
    sheet->AddMenuTree(CMenu::FromHandle(m_Menu), FALSE);
    sheet->EnableToolbarsPageOption(TRUE);
    if (sheet->OpenModeless())
        return sheet;
    delete sheet;
    return nullptr;
}

int ToolBarDemoFrame::CommandCount(UINT iCommandId) const
{
    const auto found = m_Commands.find(iCommandId);
    return found != m_Commands.end() ? found->second : 0;
}

LRESULT ToolBarDemoFrame::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_KEYDOWN && CGTPopupMenu::GetActiveMenu() != nullptr)
        return CGTPopupMenu::GetActiveMenu()->SendMessage(WM_KEYDOWN, iWParam, iLParam);
    return CFrameWnd::WindowProc(iMessage, iWParam, iLParam);
}

void ToolBarDemoFrame::OnDestroy()
{
    CFrameWnd::OnDestroy();
    if (m_Menu != nullptr)
        ::DestroyMenu(m_Menu);
}
