// Stand-ins for the tests of docking panes, their sliders and container trees: a pane of a
// chosen minimum size, a frame whose dock manager finds bars by id, and a group of panes
// in a frame with its own container manager.
#pragma once
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <memory>
#include <vector>
#include "DockingTestSupport.h"

// A captioned pane that docks on every side; it may be told to answer that it can auto-hide.
class TestPane : public CGTDockingControlBar {
public:
    TestPane(CWnd& iParent, CRect iRect, UINT iId, CSize iMinimum = CSize(0, 0), DWORD iBehaviour = GTBehaviourAll)
    {
        SetStoredSize(iMinimum);
        Create(L"Pane", &iParent, iRect, TRUE, iId, WS_CHILD | WS_VISIBLE | GTSideLeft, 0x20, iBehaviour);
        EnableDocking(GTSideAny);
    }
    ~TestPane() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    BOOL CanAutoHide() const override { return m_CanAutoHide; }
    CRect Place() const { return PlaceInParent(*this); }
    using CGTDockingControlBar::GetCaptionRect;
    using CGTDockingControlBar::m_PendingFloat;

    BOOL m_CanAutoHide = FALSE;
};

// A dock manager that finds the frame's child windows by their control id.
class IdDockManager : public CGTDockManager {
public:
    CGTBaseControlBar* FindBarById(UINT iId, BOOL) override
    {
        CWnd* child = GetOwnerFrame()->GetDlgItem(static_cast<int>(iId));
        return child != nullptr ? DYNAMIC_DOWNCAST(CGTBaseControlBar, CWnd::FromHandlePermanent(child->m_hWnd))
                                : nullptr;
    }
};

// A frame that answers the close-button message as told (0 lets panes close).
class PaneFrame : public TestDockingFrame {
public:
    PaneFrame() { m_Ids.SetOwnerFrame(this); }
    CGTDockManager* GetDockManager() override { return &m_Ids; }
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTM_ON_PRESS_CLOSE_BUTTON) {
            ++m_CloseRequests;
            return m_KeepPanes;
        }
        return TestDockingFrame::WindowProc(iMessage, iWParam, iLParam);
    }

    IdDockManager m_Ids;
    LRESULT m_KeepPanes = 0;
    int m_CloseRequests = 0;
};

// A pane frame that notes the commands it is sent: the command and the control's handle.
class CommandFrame : public PaneFrame {
public:
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override
    {
        m_Commands.push_back({LOWORD(iWParam), iLParam});
        return TRUE;
    }
    std::vector<std::pair<UINT, LPARAM>> m_Commands;
};

// Panes in a frame, grouped by a container manager whose dock site is the frame.
struct PaneGroup {
    PaneGroup() { manager.Create(&frame, nullptr); }
    ~PaneGroup() { panes.clear(); }
    TestPane& NewPane(CRect iRect, CSize iMinimum = CSize(0, 0))
    {
        panes.push_back(std::make_unique<TestPane>(frame, iRect, 200 + UINT(panes.size()), iMinimum));
        return *panes.back();
    }
    // A node of two panes side by side (a vertical slider of 4 between them) at the given
    // client rectangles; the slider lies between the panes.
    CGTBarContainer& Node(TestPane& iLeft, TestPane& iRight)
    {
        CRect left = iLeft.Place(), right = iRight.Place();
        CGTSlider* slider =
            manager.CreateSlider(CRect(left.right, left.top, left.right + 4, left.bottom), CGTSlider::verticalStyle);
        auto* node = new CGTBarContainer(&manager, &iLeft, &iRight, slider);
        nodes.push_back(std::unique_ptr<CGTBarContainer>(node));
        (void)right;
        return *node;
    }

    PaneFrame frame;
    CGTBarContainerManager manager;
    std::vector<std::unique_ptr<TestPane>> panes;
    std::vector<std::unique_ptr<CGTBarContainer>> nodes;
};
