#include "PaneDemoFrame.h"
#include <guitoolkit/core/GuiToolkitGlobals.h>

BOOL PaneDemoFrame::CreateDemo(BOOL iDockBars)
{
    if (m_hWnd == nullptr || (iDockBars && !m_DockManager.CreateDockBars(GTSideAny)))
        return FALSE;
    const CString clientClass =
        AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    if (!m_Client.CreateEx(WS_EX_CLIENTEDGE, clientClass, L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                           AFX_IDW_PANE_FIRST))
        return FALSE;
    const DWORD style = WS_CHILD | WS_VISIBLE | GTSideLeft;
    if (!m_First.Create(L"Users", this, CRect(0, 0, 300, 300), TRUE, 101, style) ||
        !m_Second.Create(L"Computers", this, CRect(0, 0, 300, 300), TRUE, 102, style))
        return FALSE;
    for (CGTDockingControlBar* pane : {&m_First, &m_Second}) {
        pane->EnableDocking(GTSideAny);
        pane->SetStoredSize(CSize(40, 40));
    }
    if (!m_First.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE) ||
        !m_Second.DockBesidePane(&m_First, GTSideRight, nullptr))
        return FALSE;
    ShowWindow(SW_SHOW);
    AdjustDockingLayout();
    return TRUE;
}

void PaneDemoFrame::AdjustDockingLayout(HDWP iDefer)
{
    TestDockingFrame::AdjustDockingLayout(iDefer);
    CRect free;
    m_DockManager.GetClientAreaBounds(free);
    if (m_Client.GetSafeHwnd() != nullptr)
        m_Client.MoveWindow(&free);
}

int CaptionPercent(const Screenshot& iShot, const CRect& iRect)
{
    const int count = iShot.Count(ToPixel(theGuiToolkitGlobals.colorActiveCaption), iRect) +
        iShot.Count(ToPixel(theGuiToolkitGlobals.colorInactiveCaption), iRect);
    return count * 100 / (iRect.Width() * iRect.Height());
}
