// The full-screen issue fills in leaving full-screen mode; what stands here are the defaults.
#include <guitoolkit/docking/CGTFullScreenImpl.h>

CGTFullScreenImpl::CGTFullScreenImpl(CGTFrameImpl* iFrameImpl)
    : m_rectFullScreen(0, 0, 0, 0), m_pFullScreenBar(nullptr), m_bFullScreen(FALSE), m_bSkipMenuRestore(TRUE),
      m_rectFramePrev(0, 0, 0, 0), m_pFrameImpl(iFrameImpl), m_nToolbarId(-1), m_bToolbarFlag(TRUE)
{
}

CGTFullScreenImpl::~CGTFullScreenImpl() = default;

void CGTFullScreenImpl::RestoreFrameState(CFrameWnd*) {}

void CGTFullScreenImpl::OnGetMinMaxInfo(MINMAXINFO*) {}
