#include "ToolBarDemoFrame.h"

BEGIN_MESSAGE_MAP(ToolBarDemoFrame, CFrameWnd)
    ON_COMMAND(ID_GT_TEST_FIRST, &ToolBarDemoFrame::OnDay)
    ON_COMMAND(ID_GT_TEST_SECOND, &ToolBarDemoFrame::OnWeek)
    ON_COMMAND(ID_GT_TEST_THIRD, &ToolBarDemoFrame::OnMonth)
END_MESSAGE_MAP()

BOOL ToolBarDemoFrame::CreateDemo(const CRect& iRect)
{
    if (!Create(nullptr, L"Toolbar demo", WS_OVERLAPPEDWINDOW, iRect))
        return FALSE;
    if (!m_ToolBar.CreateEx(this) || !m_ToolBar.LoadToolBar(IDR_GT_TEST_BAR))
        return FALSE;
    m_ToolBar.SetWindowText(L"Periods");
    RecalcLayout();
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    return TRUE;
}

int ToolBarDemoFrame::CommandCount(UINT iCommandId) const
{
    const auto found = m_Commands.find(iCommandId);
    return found != m_Commands.end() ? found->second : 0;
}
