// The docking demo: a frame whose left edge holds two captioned panes side by side, split by
// a slider, with the group's own slider between them and the frame's client window. The frame
// lays the edge group out itself: the group keeps its width, the client window takes the rest.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

class DockingDemoFrame : public CFrameWnd, public IGTDockingFrame {
public:
    // The window, its client window and its panes, shown at the given place of the screen.
    BOOL CreateDemo(const CRect& iRect);
    CGTDockingControlBar& First() { return m_First; }
    CGTDockingControlBar& Second() { return m_Second; }
    CWnd& ClientWindow() { return m_Client; }

    CGTDockManager* GetDockManager() override { return &m_DockManager; }
    void AdjustDockingLayout(HDWP iDefer = nullptr) override;
    BOOL OnCloseDockingPane(CGTDockingControlBar*) override { return TRUE; }
    void OnMoveMiniFrame(CGTMiniFrameWnd*) override {}
    BOOL MayMoveMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    BOOL MayCloseMiniFrame(CGTMiniFrameWnd*) override { return TRUE; }
    void ShowBar(CGTBaseControlBar* iBar, BOOL iShow, BOOL iDelay, BOOL iActivate) override
    {
        iBar->ShowBar(iShow, iDelay, iActivate);
    }
    void RemoveTearOffBar(CGTBaseControlBar*) override {}
    void RecalcLayout(BOOL) override { AdjustDockingLayout(); }

private:
    CGTDockManager m_DockManager;
    CWnd m_Client;
    CGTDockingControlBar m_First;
    CGTDockingControlBar m_Second;
};
