#include "PopupDemoFrame.h"
#include <guitoolkit/toolbars/CGTPopupMenu.h>

BEGIN_MESSAGE_MAP(PopupDemoFrame, CFrameWnd)
    ON_COMMAND(ID_GT_TEST_FIRST, &PopupDemoFrame::OnDay)
    ON_COMMAND(ID_GT_TEST_SECOND, &PopupDemoFrame::OnWeek)
    ON_COMMAND(ID_GT_TEST_THIRD, &PopupDemoFrame::OnMonth)
END_MESSAGE_MAP()

BOOL PopupDemoFrame::CreateDemo(const CRect& iRect)
{
    if (!Create(nullptr, L"Popup menu demo", WS_OVERLAPPEDWINDOW, iRect))
        return FALSE;
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
    m_ToolBar.SetWindowText(L"Reports");
    RecalcLayout();
    m_ToolBar.AdjustLayout();
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

int PopupDemoFrame::CommandCount(UINT iCommandId) const
{
    const auto found = m_Commands.find(iCommandId);
    return found != m_Commands.end() ? found->second : 0;
}

LRESULT PopupDemoFrame::WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_KEYDOWN && CGTPopupMenu::GetActiveMenu() != nullptr)
        return CGTPopupMenu::GetActiveMenu()->SendMessage(WM_KEYDOWN, iWParam, iLParam);
    return CFrameWnd::WindowProc(iMessage, iWParam, iLParam);
}
