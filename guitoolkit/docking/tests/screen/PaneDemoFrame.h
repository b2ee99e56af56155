// The pane demo: a frame whose left edge holds two captioned panes side by side, split by
// a slider, with the group's own slider between them and the frame's client window. The dock
// manager lays the edge group out; the client window takes what it leaves free.
#pragma once
#include "../DockingTestSupport.h"
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include "ScreenTestSupport.h"

class PaneDemoFrame : public TestDockingFrame {
public:
    explicit PaneDemoFrame(const CRect& iRect) : TestDockingFrame(iRect) {}
    // The client window and the panes, then the frame shown; with iDockBars the frame's edges
    // get their dock bars first, as an application enables docking before it docks panes.
    BOOL CreateDemo(BOOL iDockBars = FALSE);
    CGTDockingControlBar& First() { return m_First; }
    CGTDockingControlBar& Second() { return m_Second; }
    CWnd& ClientWindow() { return m_Client; }

    void AdjustDockingLayout(HDWP iDefer = nullptr) override;

private:
    CWnd m_Client;
    CGTDockingControlBar m_First;
    CGTDockingControlBar m_Second;
};

// The share, in percent, of a rectangle's pixels in either caption colour.
int CaptionPercent(const Screenshot& iShot, const CRect& iRect);
