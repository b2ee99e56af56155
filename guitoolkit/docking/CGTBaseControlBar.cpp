#include <guitoolkit/docking/CGTBaseControlBar.h>

IMPLEMENT_DYNAMIC(CGTBaseControlBar, CControlBar)

CGTBaseControlBar::CGTBaseControlBar() : m_DialogControl(FALSE) {}

CGTBaseControlBar::~CGTBaseControlBar() = default;

BOOL CGTBaseControlBar::IsHorizontal() const
{
    return m_pDockBar == nullptr || (GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0;
}

void CGTBaseControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

IGTLookBar* CGTBaseControlBar::GetParentBar() const
{
    return DYNAMIC_DOWNCAST(CGTBaseControlBar, GetParent());
}
