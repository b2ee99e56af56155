// The multi-pane mini-frame issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTMultiMiniFrameWnd.h>

IMPLEMENT_SERIAL(CGTMultiMiniFrameWnd, CGTMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

CGTMultiMiniFrameWnd::CGTMultiMiniFrameWnd() : m_LastFocusedBar(nullptr) {}

CGTMultiMiniFrameWnd::~CGTMultiMiniFrameWnd() = default;

BOOL CGTMultiMiniFrameWnd::DockFrame(CGTMiniFrameWnd*, int)
{
    return TRUE;
}

BOOL CGTMultiMiniFrameWnd::DockBar(CGTDockingControlBar*)
{
    return FALSE;
}

BOOL CGTMultiMiniFrameWnd::AddRecentControlBar(CGTDockingControlBar*)
{
    return FALSE;
}

void CGTMultiMiniFrameWnd::OnBarLeaving(CGTDockingControlBar*) {}

BOOL CGTMultiMiniFrameWnd::OnBarEntering(CGTDockingControlBar*)
{
    return TRUE;
}
