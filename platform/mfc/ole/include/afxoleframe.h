// Thin in-place frame bases. While a document is active in place, its in-place frame wraps
// the container's frame window and document window in COleCntrFrameWnd objects, so that the
// in-place frame can put its control bars into them; the wrappers lay those bars out and
// update them at idle time. The container's windows stay the container's: the wrappers only
// attach to them and never destroy them.
#pragma once
#include <afxext.h>
#include "afxoledoc.h"

class COleCntrFrameWnd;

class COleIPFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(COleIPFrameWnd)
public:
    COleIPFrameWnd();
    ~COleIPFrameWnd() override;

    // What in-place activation does for the frames: the container's frame window (and its
    // document window, when it has one of its own) get a COleCntrFrameWnd each, then
    // OnCreateControlBars runs. A window wrapped already keeps its wrapper. FALSE when a
    // window cannot be wrapped (another object of this program holds it).
    BOOL BeginInPlace(HWND hWndContainerFrame, HWND hWndContainerDoc);
    // Undoes BeginInPlace: the bars in the container's windows come back to this frame,
    // hidden, and the wrappers let go of the windows and are deleted.
    void EndInPlace();

    // Creates the in-place bars in the container's frame and document frame (null when the
    // container has no document window of its own).
    virtual BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc);

    COleCntrFrameWnd* m_pMainFrame;  // while active in place
    COleCntrFrameWnd* m_pDocFrame;

protected:
    // Beside its own, the idle update of the bars in the container's windows.
    afx_msg void OnIdleUpdateCmdUI();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The wrapper of hWnd in *ppFrame: the old one stays when it wraps hWnd already.
    BOOL Wrap(COleCntrFrameWnd** ppFrame, HWND hWnd);
    void Unwrap(COleCntrFrameWnd** ppFrame);
};

class COleDocIPFrameWnd : public COleIPFrameWnd {
    DECLARE_DYNCREATE(COleDocIPFrameWnd)
};

class COleCntrFrameWnd : public CFrameWnd {
    DECLARE_DYNAMIC(COleCntrFrameWnd)
public:
    explicit COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame);

    // The in-place frame's active server document lays the bars out again
    // (COleServerDoc::OnResizeBorder); nothing else of the container's window moves.
    void RecalcLayout(BOOL bNotify = TRUE) override;

    COleIPFrameWnd* m_pInPlaceFrame;

protected:
    // Sent on by the in-place frame (the container's window is not this program's): a pending
    // layout, then the bars. Title, menu and prompt of the container's window stay its own.
    afx_msg void OnIdleUpdateCmdUI();
    DECLARE_MESSAGE_MAP()
};
