#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include "LayoutTestSupport.h"

namespace {
const LPCWSTR layoutValue = L"DockingCBAndSliders";

std::vector<BYTE> operator+(std::vector<BYTE> iFirst, const std::vector<BYTE>& iSecond)
{
    iFirst.insert(iFirst.end(), iSecond.begin(), iSecond.end());
    return iFirst;
}

BOOL CALLBACK CountMiniFrame(HWND iWindow, LPARAM ioCount)
{
    if (DYNAMIC_DOWNCAST(CGTMiniFrameWnd, CWnd::FromHandlePermanent(iWindow)) != nullptr)
        ++*reinterpret_cast<int*>(ioCount);
    return TRUE;
}

int MiniFrameWindows()
{
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountMiniFrame, reinterpret_cast<LPARAM>(&count));
    return count;
}

// A frame with two panes, one docked on the right as the first tab of a tabbed pane with the
// other, and a third pane floating in its mini frame.
struct TabbedAndFloating {
    TabbedAndFloating()
        : first(frame, CRect(0, 0, 150, 200), 201), second(frame, CRect(0, 0, 150, 200), 202),
          floating(frame, CRect(0, 0, 150, 200), 203)
    {
        frame.ShowWindow(SW_SHOWNOACTIVATE);
        first.DockToFrameWindow(GTSideRight, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        EXPECT_NE(nullptr, second.AttachToTabWnd(&first, GTDockByMouse, TRUE));
        EXPECT_TRUE(floating.FloatAtRect(CRect(300, 200, 450, 350), GTDockByRect, TRUE));
    }
    CGTMiniFrameWnd& MiniFrame() { return *floating.GetParentMiniFrame(); }

    LayoutFrame frame;
    TestPane first;
    TestPane second;
    TestPane floating;
};

std::vector<BYTE> Written(CObject* iObject, int iTimes = 1)
{
    return ArchiveBytes([&](CArchive& ioArchive) {
        for (int i = 0; i < iTimes; ++i)
            ioArchive.WriteObject(iObject);
    });
}
}  // namespace

TEST(DockLayoutRefusal, ARecordOfAnotherKindOrAFrameRecordTwiceMakesNothingAndTheLayoutStillSaves)
{
    ScratchRegistryKey scratch(L"GtDockLayoutRefusal");
    TabbedAndFloating panes;
    ASSERT_TRUE(panes.frame.m_State.SaveState(scratch.Path(), 1));
    const std::vector<BYTE> saved = scratch.Bytes(L"VADEDockManager-1", layoutValue);
    // The tabbed pane's record starts with its class: a mini frame's record stands there.
    const std::string className = "CGTTabbedControlBar";
    const auto name = std::search(saved.begin(), saved.end(), className.begin(), className.end());
    ASSERT_NE(saved.end(), name);
    const std::vector<BYTE> miniFrameForTabbed =
        std::vector<BYTE>(saved.begin(), name - 6) + Written(&panes.MiniFrame());

    const std::vector<std::vector<BYTE>> refused = {
        miniFrameForTabbed,
        Words({0, 0, 1}) + Written(nullptr) + Words({0}),
        Words({0, 0, 2}) + Written(&panes.MiniFrame(), 2) + Words({0}),
    };
    const int framesBefore = MiniFrameWindows();
    for (int round = 0; round < 2; ++round) {
        for (size_t i = 0; i < refused.size(); ++i) {
            scratch.StoreBinary(L"VADEDockManager-2", layoutValue, refused[i]);
            EXPECT_FALSE(panes.frame.m_State.LoadState(scratch.Path(), 2)) << i;
            EXPECT_EQ(framesBefore, MiniFrameWindows()) << i;
            EXPECT_TRUE(panes.frame.m_State.m_lstLoadedFloatFrames.IsEmpty()) << i;
        }
    }
    EXPECT_EQ(1, panes.frame.m_State.m_lstFloatFrames.GetCount());
    EXPECT_TRUE(panes.frame.m_State.SaveState(scratch.Path(), 3));
    EXPECT_EQ(saved, scratch.Bytes(L"VADEDockManager-3", layoutValue));
}
