// The full-screen state of one frame: the rectangle it covers while full-screen, its place
// before, the small toolbar shown meanwhile, and the registry section that keeps the normal
// layout. The frame implementation owns one per frame.
#pragma once
#include <afxwin.h>

class CGTFrameImpl;
class CGTToolBar;

class CGTFullScreenImpl {
public:
    explicit CGTFullScreenImpl(CGTFrameImpl* iFrameImpl);
    virtual ~CGTFullScreenImpl();
    CGTFullScreenImpl(const CGTFullScreenImpl&) = delete;
    CGTFullScreenImpl& operator=(const CGTFullScreenImpl&) = delete;

    // Leaves full-screen mode; nothing for a frame that never entered it.
    void RestoreFrameState(CFrameWnd* iFrame);
    void OnGetMinMaxInfo(MINMAXINFO* ioInfo);
    BOOL IsFullScreen() const { return m_bFullScreen; }

    CRect m_rectFullScreen;
    CGTToolBar* m_pFullScreenBar;
    BOOL m_bFullScreen;
    BOOL m_bSkipMenuRestore;
    CRect m_rectFramePrev;
    CGTFrameImpl* m_pFrameImpl;
    // -1: full-screen mode was never set up.
    int m_nToolbarId;
    BOOL m_bToolbarFlag;
    CString m_strRegSection;
};
