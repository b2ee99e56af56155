// The full-screen state of one frame: the rectangle it covers while full-screen, its place
// before, the small toolbar shown meanwhile, and the registry section that keeps the normal
// layout. The frame implementation owns one per frame.
#pragma once
#include <afxwin.h>
#include <vector>

class CGTFrameImpl;
class CGTToolBar;

class CGTFullScreenImpl {
public:
    explicit CGTFullScreenImpl(CGTFrameImpl* iFrameImpl);
    virtual ~CGTFullScreenImpl();
    CGTFullScreenImpl(const CGTFullScreenImpl&) = delete;
    CGTFullScreenImpl& operator=(const CGTFullScreenImpl&) = delete;

    // Enters full-screen mode: the layout is saved (under m_strRegSection, else the
    // workspace's base), every bar hidden but the menu bar (hidden too when
    // m_bSkipMenuRestore is 0), the frame's client area covers its monitor and, with
    // m_bToolbarFlag, a floating "Close Full Screen" button runs iCommandId. Nothing when on.
    void ShowFullScreen(CFrameWnd* iFrame, UINT iCommandId);
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
    // The id of the "Close Full Screen" bar.
    static const UINT s_FullScreenBarId = 0xE8FF;

private:
    void HideBars(CFrameWnd& ioFrame);
    // The bars full screen hid come back before the layout is reloaded, which places them but
    // does not show a floating one again.
    void ShowHiddenBars(CFrameWnd& ioFrame);
    void FloatCloseButton(CFrameWnd& ioFrame, UINT iCommandId, const CRect& iMonitor);

    std::vector<HWND> m_HiddenBars;
};
