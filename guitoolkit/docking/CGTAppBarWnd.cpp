// The application-bar issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTAppBarWnd.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>

IMPLEMENT_DYNAMIC(CGTAppBarWnd, CWnd)

CGTAppBarWnd::CGTAppBarWnd()
    : m_AutoHide(FALSE), m_AlwaysOnTop(FALSE), m_Side(ABE_TOP), m_DockThickness{80, 60, 80, 60},
      m_FloatRect(0, 0, 0, 0), m_Spare(FALSE), m_CaptionHeight(theGuiToolkitGlobals.textHeightRegular + 4),
      m_ContentWindow(nullptr),
      m_Options(allowLeftRight | allowTopBottom | allowFloat | allowAutoHide | allowAlwaysOnTop), m_Registered(FALSE),
      m_AutoHideActive(FALSE), m_SlidOut(FALSE), m_DockedOnce(FALSE), m_Dragging(FALSE), m_DragRect(0, 0, 0, 0),
      m_DragStart(0, 0), m_DragSide(ABE_TOP), m_Sizing(FALSE), m_DockedRect(0, 0, 0, 0), m_InPositionUpdate(FALSE)
{
}

CGTAppBarWnd::~CGTAppBarWnd() = default;

BOOL CGTAppBarWnd::LoadState(LPCWSTR, int)
{
    return FALSE;
}

BOOL CGTAppBarWnd::SaveState(LPCWSTR, int)
{
    return FALSE;
}

void CGTAppBarWnd::GetBorderSize(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

void CGTAppBarWnd::GetCaptionRect(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

CString CGTAppBarWnd::GetCaptionText() const
{
    return CString();
}

void CGTAppBarWnd::DrawCaption(CDC*) {}

void CGTAppBarWnd::DrawBorder(CDC*) {}

LRESULT CGTAppBarWnd::HitTest(CPoint, BOOL)
{
    return HTNOWHERE;
}

BOOL CGTAppBarWnd::IsFloating() const
{
    return !m_Registered;
}

void CGTAppBarWnd::GetScreenRect(CRect& oRect) const
{
    oRect.SetRectEmpty();
}

void CGTAppBarWnd::OnAppBarPosChanged() {}

void CGTAppBarWnd::OnAppBarFullScreenApp(BOOL) {}

void CGTAppBarWnd::OnAppBarWindowArrange(BOOL) {}

void CGTAppBarWnd::OnAppBarStateChange(BOOL, BOOL) {}
