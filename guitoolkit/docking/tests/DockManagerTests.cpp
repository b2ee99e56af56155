#include <guitoolkit/docking/CGTAutoHideDockBar.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <guitoolkit/docking/CGTSmartDockingManager.h>
#include <guitoolkit/docking/GTWindowUpdateLock.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
// The entries of a manager's bar list (and what its dock bars hold), in list order.
std::vector<CObject*> Listed(CGTDockManager& iManager, CRuntimeClass* iClass = nullptr)
{
    CObList bars;
    iManager.CollectBars(bars, FALSE, iClass);
    std::vector<CObject*> listed;
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;)
        listed.push_back(bars.GetNext(position));
    return listed;
}

std::vector<DWORD> SidesOf(const std::vector<CObject*>& iBars)
{
    std::vector<DWORD> sides;
    for (CObject* bar : iBars)
        sides.push_back(static_cast<CGTBaseControlBar*>(bar)->GetCurrentAlignment());
    return sides;
}

// A bar that docks at a frame edge by itself, as docking panes do; it records where.
class EdgeBar : public FixedBar {
public:
    using FixedBar::FixedBar;
    BOOL IsResizable() const override { return TRUE; }
    BOOL DockToFrameWindow(DWORD iAlignment, LPCRECT, int, CGTBaseControlBar*, int, BOOL) override
    {
        m_DockedSide = iAlignment;
        return TRUE;
    }
    DWORD m_DockedSide = 0;
};
}  // namespace

TEST(DockManager, ABarIsListedOnceAndOuterEdgeBarsStayBehindDockBarsAndFixedBars)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    FixedBar fixed(frame, CSize(50, 20), 101, GTBehaviourDockWithoutFloating);
    FixedBar first(frame, CSize(50, 20), 102);
    FixedBar outer(frame, CSize(50, 20), 103);
    ASSERT_TRUE(manager.AddBar(&fixed));
    ASSERT_TRUE(manager.AddBar(&first));
    EXPECT_FALSE(manager.AddBar(&first));
    EXPECT_FALSE(manager.AddBar(&first, FALSE));
    EXPECT_EQ((std::vector<CObject*>{&fixed, &first}), Listed(manager));

    ASSERT_TRUE(manager.AddBar(&outer, FALSE, FALSE, TRUE));
    EXPECT_EQ((std::vector<CObject*>{&fixed, &outer, &first}), Listed(manager));
    EXPECT_EQ(&frame, outer.FindOwnerFrame());

    manager.RemoveBar(&outer);
    EXPECT_TRUE(manager.InsertBarNextTo(&outer, &fixed, FALSE));
    EXPECT_FALSE(manager.InsertBarNextTo(&outer, &first, TRUE));
    EXPECT_EQ((std::vector<CObject*>{&outer, &fixed, &first}), Listed(manager));

    // A bar whose window goes leaves the list.
    first.DestroyWindow();
    EXPECT_EQ((std::vector<CObject*>{&outer, &fixed}), Listed(manager));
}

TEST(DockManager, DockBarsComeTopBottomLeftRightOnceAndAutoHideOnesFollowTheirSide)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateAutoHideDockBars(GTSideLeft));
    EXPECT_EQ((std::vector<DWORD>{GTSideLeft, GTSideLeft}), SidesOf(Listed(manager)));
    EXPECT_FALSE(Listed(manager)[0]->IsKindOf(RUNTIME_CLASS(CGTAutoHideDockBar)));
    EXPECT_TRUE(Listed(manager)[1]->IsKindOf(RUNTIME_CLASS(CGTAutoHideDockBar)));

    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    EXPECT_EQ((std::vector<DWORD>{GTSideLeft, GTSideLeft, GTSideTop, GTSideBottom, GTSideRight}),
              SidesOf(Listed(manager)));

    // A second request makes nothing but lays the dock bars out again in the new size.
    frame.SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    EXPECT_EQ(5u, Listed(manager).size());
    CRect client;
    frame.GetClientRect(&client);
    frame.ClientToScreen(&client);
    EXPECT_EQ(client.right, WindowRect(*manager.FindDockBarByAlignment(GTSideTop, TRUE)).right);
}

TEST(DockManager, DockBarSendsEdgeBarsToTheSideTheIdNamesAndToolbarsToTheDockBar)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    const struct {
        DWORD allowed;
        UINT dockBarId;
        DWORD docked;
    } cases[] = {
        {GTSideAny, GTDockBarLeftId, 0x1400},
        {GTSideLeft, GTDockBarLeftId, 0x1400},
        {GTSideTop | GTSideRight, GTDockBarLeftId, 0},
        {GTSideBottom, GTDockBarBottomId, 0x8200},
        {GTSideAny, 0, 0},
    };
    for (const auto& c : cases) {
        EdgeBar pane(frame, CSize(80, 80), 200);
        pane.EnableDocking(c.allowed);
        manager.DockBar(&pane, c.dockBarId);
        EXPECT_EQ(c.docked, pane.m_DockedSide) << c.allowed << " " << c.dockBarId;
    }

    FixedBar toolbar(frame, CSize(60, 22), 300);
    manager.DockBar(&toolbar, GTDockBarBottomId);
    EXPECT_EQ(manager.FindDockBarByAlignment(GTSideBottom, TRUE), toolbar.GetParentDockBar());
    EXPECT_EQ(manager.FindDockBarByAlignment(GTSideBottom, TRUE), manager.FindDockBarOfRow(&toolbar));
    EXPECT_EQ(&toolbar, manager.FindBarById(300));

    FixedBar fixed(frame, CSize(60, 22), 301, 0);
    manager.DockBar(&fixed, GTDockBarTopId);
    EXPECT_EQ(nullptr, fixed.GetParentDockBar());
    EXPECT_EQ(&fixed, manager.FindBarById(301));
}

TEST(DockManager, FourDockBarsFrameTheFreeArea)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    std::vector<std::unique_ptr<FixedBar>> bars;
    const struct {
        UINT id;
        CSize size;
    } docked[] = {{GTDockBarTopId, {100, 24}},
                  {GTDockBarBottomId, {100, 20}},
                  {GTDockBarLeftId, {90, 30}},
                  {GTDockBarRightId, {90, 26}}};
    for (const auto& d : docked) {
        bars.push_back(std::make_unique<FixedBar>(frame, d.size, 400 + UINT(bars.size())));
        manager.DockBar(bars.back().get(), d.id);
    }
    manager.RecalcLayout();
    CRect client;
    frame.GetClientRect(&client);
    const CRect& screen = client;
    CPoint at(0, 0);
    frame.ClientToScreen(&at);
    const auto inClient = [&](DWORD iSide) {
        CRect rect = WindowRect(*manager.FindDockBarByAlignment(iSide, TRUE));
        rect.OffsetRect(-at);
        return rect;
    };
    EXPECT_EQ(CRect(0, 0, screen.right, 24), inClient(GTSideTop));
    EXPECT_EQ(CRect(0, screen.bottom - 20, screen.right, screen.bottom), inClient(GTSideBottom));
    EXPECT_EQ(CRect(0, 24, 30, screen.bottom - 20), inClient(GTSideLeft));
    EXPECT_EQ(CRect(screen.right - 26, 24, screen.right, screen.bottom - 20), inClient(GTSideRight));
    CRect free;
    manager.GetClientAreaBounds(free);
    EXPECT_EQ(CRect(30, 24, screen.right - 26, screen.bottom - 20), free);

    CGTDockManager::s_bLayoutSuspended = TRUE;
    frame.SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    manager.RecalcLayout();
    CGTDockManager::s_bLayoutSuspended = FALSE;
    CRect unchanged;
    manager.GetClientAreaBounds(unchanged);
    EXPECT_EQ(free, unchanged);
}

namespace {
// A bar whose size query asks for another layout, as a bar that re-lays out its frame does.
class ReentrantBar : public FixedBar {
public:
    ReentrantBar(CWnd& iParent, CGTDockManager& ioManager) : FixedBar(iParent, CSize(80, 30), 500), m_Manager(ioManager)
    {
    }
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override
    {
        m_Manager.RecalcLayout();
        return FixedBar::GetStretchLimit(iStretch, iHorizontal);
    }
    HDWP MoveBarWindow(const CWnd* iAfter, int iX, int iY, int iWidth, int iHeight, UINT iFlags, HDWP iDefer) override
    {
        ++m_Moves;
        return FixedBar::MoveBarWindow(iAfter, iX, iY, iWidth, iHeight, iFlags, iDefer);
    }
    CGTDockManager& m_Manager;
    int m_Moves = 0;
};
}  // namespace

TEST(DockManager, ALayoutAskedForDuringALayoutDoesNothing)
{
    TestDockingFrame frame;
    ReentrantBar bar(frame, frame.m_DockManager);
    bar.SetAlignment(GTSideTop);
    frame.m_DockManager.AddBar(&bar);
    frame.m_DockManager.RecalcLayout();
    EXPECT_EQ(1, bar.m_Moves);
}

TEST(DockManager, TheEdgeTestTakesOuterStripsBeforeInnerOnes)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateDockBars(GTSideAny));
    FixedBar top(frame, CSize(100, 30), 600);
    manager.DockBar(&top, GTDockBarTopId);
    manager.RecalcLayout();
    CRect free;
    manager.GetClientAreaBounds(free);
    frame.ClientToScreen(&free);
    // The outer edge is the top of the free area here: the dock bars hold only the top bar.
    const struct {
        CPoint point;
        DWORD side;
        BOOL outer;
    } cases[] = {
        {{free.left + 50, free.top - 1}, GTSideTop, TRUE},
        {{free.left + 50, free.top - 15}, GTSideTop, TRUE},
        {{free.left + 50, free.top - 16}, 0, FALSE},
        {{free.left + 50, free.top}, GTSideTop, FALSE},
        {{free.left + 50, free.top + 14}, GTSideTop, FALSE},
        {{free.left - 1, free.top + 100}, GTSideLeft, TRUE},
        {{free.left + 14, free.top + 100}, GTSideLeft, FALSE},
        {{free.right, free.top + 100}, GTSideRight, TRUE},
        {{free.left + 100, free.bottom}, GTSideBottom, TRUE},
        {{free.left + 100, free.bottom - 15}, GTSideBottom, FALSE},
        {{free.left + 100, free.top + 100}, 0, FALSE},
    };
    for (const auto& c : cases) {
        DWORD side = 1;
        BOOL outer = 2;
        EXPECT_EQ(c.side != 0, manager.IsPointNearDockArea(c.point, side, outer)) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.side, side) << c.point.x << "," << c.point.y;
        EXPECT_EQ(c.outer, outer) << c.point.x << "," << c.point.y;
    }
}

namespace {
// A pane with a caption and a tab strip at its bottom.
class CaptionedPane : public PlainPane {
public:
    CaptionedPane(CWnd& iParent, const CRect& iRect) : PlainPane(iParent, iRect, 700) {}
    int GetCaptionHeight() const override { return 18; }
    void GetTabAreaRects(CRect& oTop, CRect& oBottom) const override
    {
        oTop.SetRectEmpty();
        GetWindowRect(&oBottom);
        oBottom.top = oBottom.bottom - 21;
    }
};
}  // namespace

TEST(DockManager, APaneDocksBesideItsEdgesItsCaptionAndItsTabs)
{
    TestDockingFrame frame;
    CaptionedPane pane(frame, CRect(100, 100, 300, 300));
    frame.m_DockManager.AddBar(&pane);
    const CRect rect = WindowRect(pane);
    const struct {
        CPoint point;
        DWORD side;
    } cases[] = {
        {{rect.left + 100, rect.top + 18 + 14}, GTSideTop},       {{rect.left + 100, rect.top + 18 + 15}, 0},
        {{rect.left + 100, rect.bottom - 21 - 15}, GTSideBottom}, {{rect.left + 100, rect.bottom - 21 - 16}, 0},
        {{rect.left + 14, rect.top + 100}, GTSideLeft},           {{rect.right - 15, rect.top + 100}, GTSideRight},
    };
    for (const auto& c : cases) {
        DWORD side = 1;
        CGTBaseControlBar* found = frame.m_DockManager.FindBarForDockingAtPoint(c.point, 0, nullptr, side);
        EXPECT_EQ(c.side, side) << c.point.y - rect.top;
        EXPECT_EQ(c.side != 0 ? &pane : nullptr, found) << c.point.y - rect.top;
    }
}

TEST(DockManager, TheDockStripIsAShareOfTheFreeAreaCutFromTheSide)
{
    TestDockingFrame frame(CRect(0, 0, 420, 340));
    CGTDockManager& manager = frame.m_DockManager;
    FixedBar bar(frame, CSize(10, 10), 800);
    bar.SetAlignment(GTSideTop);
    manager.AddBar(&bar);
    manager.RecalcLayout();
    CRect free;
    manager.GetClientAreaBounds(free);
    const int across = free.Height() / 2;
    const int along = free.Width() / 2;
    const struct {
        DWORD side;
        BOOL rightToLeft;
        CRect from;
        BOOL cut;
        CRect result;
    } cases[] = {
        {GTSideTop, FALSE, CRect(0, 0, 500, 400), TRUE, CRect(0, 0, 500, across)},
        {GTSideBottom, FALSE, CRect(0, 0, 500, 400), TRUE, CRect(0, 400 - across, 500, 400)},
        {GTSideLeft, FALSE, CRect(0, 0, 500, 400), TRUE, CRect(0, 0, along, 400)},
        {GTSideRight, FALSE, CRect(0, 0, 500, 400), TRUE, CRect(500 - along, 0, 500, 400)},
        {GTSideLeft, TRUE, CRect(0, 0, 500, 400), TRUE, CRect(500 - along, 0, 500, 400)},
        {GTSideTop, FALSE, CRect(0, 0, 500, across - 1), FALSE, CRect(0, 0, 500, across - 1)},
        {0x0800, FALSE, CRect(0, 0, 500, 400), FALSE, CRect(0, 0, 500, 400)},
    };
    for (const auto& c : cases) {
        frame.ModifyStyleEx(c.rightToLeft ? 0 : WS_EX_LAYOUTRTL, c.rightToLeft ? WS_EX_LAYOUTRTL : 0);
        CRect rect = c.from;
        EXPECT_EQ(c.cut, manager.CutDockStripFromRect(rect, c.side)) << c.side << c.rightToLeft;
        EXPECT_EQ(c.result, rect) << c.side << c.rightToLeft;
    }
}

namespace {
class HoveringSmartDocking : public CGTSmartDockingManager {
public:
    explicit HoveringSmartDocking(int iMarker) { m_HoveredMarker = iMarker; }
};

class SmartDockManager : public CGTDockManager {
public:
    explicit SmartDockManager(int iMarker) { m_pSmartDocking = new HoveringSmartDocking(iMarker); }
};
}  // namespace

TEST(DockManager, NoBarIsFoundWhileAnOuterSmartMarkerIsHovered)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(100, 100), 900);
    const CPoint inside = WindowRect(bar).CenterPoint();
    for (int marker : {-1, 0, 3, 4, 8}) {
        SmartDockManager manager(marker);
        manager.AddBar(&bar);
        const BOOL outer = marker >= 0 && marker <= 3;
        EXPECT_EQ(outer ? nullptr : &bar, manager.FindBarAtPoint(inside, 0, TRUE, nullptr)) << marker;
    }
}

TEST(DockManager, AutoHideDockBarsStartClearOfTheCornersOfTheOthers)
{
    const struct {
        DWORD firstSides;
        DWORD secondSides;
        int top, bottom, left, right;
    } cases[] = {
        {GTSideAny, 0, 20, 20, 0, 0},
        {GTSideLeft | GTSideRight, GTSideTop | GTSideBottom, 0, 0, 20, 20},
    };
    for (const auto& c : cases) {
        TestDockingFrame frame;
        CGTDockManager& manager = frame.m_DockManager;
        manager.CreateAutoHideDockBars(c.firstSides);
        if (c.secondSides != 0)
            manager.CreateAutoHideDockBars(c.secondSides);
        std::vector<CObject*> bars = Listed(manager, RUNTIME_CLASS(CGTAutoHideDockBar));
        ASSERT_EQ(4u, bars.size());
        for (CObject* bar : bars)
            static_cast<CGTAutoHideDockBar*>(bar)->InsertRow(nullptr, 20);
        manager.RecalcLayout();
        const auto offset = [&](DWORD iSide) {
            return static_cast<CGTAutoHideDockBar*>(manager.FindDockBarByAlignment(iSide, FALSE))->GetStartOffset();
        };
        EXPECT_EQ(c.top, offset(GTSideTop)) << c.firstSides;
        EXPECT_EQ(c.bottom, offset(GTSideBottom)) << c.firstSides;
        EXPECT_EQ(c.left, offset(GTSideLeft)) << c.firstSides;
        EXPECT_EQ(c.right, offset(GTSideRight)) << c.firstSides;
    }
}

namespace {
// A pane that answers a fixed hit code for a dock target.
class TargetPane : public PlainPane {
public:
    TargetPane(CWnd& iParent, const CRect& iRect, UINT iId) : PlainPane(iParent, iRect, iId) {}
    int HitTestDockTarget(CPoint, int) override { return 3; }
};
}  // namespace

TEST(DockManager, ADragFindsThePaneUnderItOrTheFrameEdge)
{
    TestDockingFrame frame;
    CGTDockManager& manager = frame.m_DockManager;
    ASSERT_TRUE(manager.CreateDockBars(GTSideTop | GTSideLeft));
    manager.RecalcLayout();
    // Listed after the layout: a pane is sized by its slider, which it has not here.
    TargetPane pane(frame, CRect(200, 150, 400, 300), 710);
    pane.SetAlignment(GTSideLeft);
    manager.AddBar(&pane);
    FixedBar dragged(frame, CSize(60, 20), 711);
    CRect free;
    manager.GetClientAreaBounds(free);
    frame.ClientToScreen(&free);
    const CPoint onPane = WindowRect(pane).CenterPoint();
    const struct {
        CPoint point;
        DWORD allowed;
        int code;
        BOOL paneTarget;
    } cases[] = {
        {onPane, GTSideAny, 3, TRUE},
        {onPane, GTSideRight, 0, TRUE},
        {CPoint(free.left + 5, free.bottom - 5), GTSideAny, 2, FALSE},
        {CPoint(free.left + 5, free.bottom - 5), GTSideTop, 0, FALSE},
        {CPoint(free.right - 5, free.bottom - 5), GTSideAny, 0, FALSE},
    };
    for (const auto& c : cases) {
        CGTBaseControlBar* target = &dragged;
        EXPECT_EQ(c.code, manager.FindDockTarget(c.point, 0, c.allowed, target, &dragged))
            << c.point.x << "," << c.point.y << " " << c.allowed;
        if (c.paneTarget)
            EXPECT_EQ(&pane, target);
        else
            EXPECT_EQ(nullptr, target);
    }
}
