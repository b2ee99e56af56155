// The wrapper an in-place frame puts around the container's frame window while it is active
// in place, so that the server's bars dock in the container's frame.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <afxoleframe.h>

class CGTOleCntrFrameWnd : public COleCntrFrameWnd, public IGTDockingFrame {
    DECLARE_DYNAMIC(CGTOleCntrFrameWnd)
public:
    explicit CGTOleCntrFrameWnd(COleIPFrameWnd* iInPlaceFrame);

    BOOL PreCreateWindow(CREATESTRUCT& ioCreate) override;
    // The server renegotiates the border space, the bars are laid out, then the in-place frame.
    void RecalcLayout(BOOL iNotify = TRUE) override;

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override;
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd* iFrame) override;
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override;
    void RemoveTearOffBar(CGTBaseControlBar*) override {}
    virtual void ShowAllBars(BOOL iShow = TRUE);

    // Binds the dock manager to a window attached after creation.
    void BindDockManager();
    BOOL IsCreatedByInPlaceFrame() const { return m_CreatedByInPlaceFrame; }
    void SetCreatedByInPlaceFrame() { m_CreatedByInPlaceFrame = TRUE; }

protected:
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    DECLARE_MESSAGE_MAP()

    CGTDockManager m_DockManager;
    BOOL m_CreatedByInPlaceFrame;
    BOOL m_InRecalcLayout;
};
