#include <guitoolkit/docking/RebarFrameState.h>
#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"
#include <memory>
#include <vector>

namespace {
// A frame on the stack: its window's end does not delete it.
class StackFrame : public CFrameWnd {
protected:
    void PostNcDestroy() override {}
};

// A rebar of the frame with one band holding a static control.
class OneBandRebar : public CGTReBar {
public:
    OneBandRebar(CWnd& iFrame, UINT iId)
    {
        Create(&iFrame, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_TOP, iId);
        m_Child.CreateEx(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), this, iId + 100);
        AddBand(*this, m_Child, CSize(40, 20));
    }
    CWnd m_Child;
};
}  // namespace

TEST(ReBar, EveryRebarOfTheFrameKeepsItsBands)
{
    ScratchRegistryKey scratch(L"GtRebarWalk");
    StackFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Frame", WS_OVERLAPPEDWINDOW));
    CWnd plain;
    ASSERT_TRUE(plain.CreateEx(0, L"STATIC", L"", WS_CHILD, CRect(0, 0, 10, 10), &frame, 0xE806));
    {
        OneBandRebar first(frame, 0xE804);
        OneBandRebar second(frame, 0xE805);
        ASSERT_EQ(1, first.GetReBarControl().SendMessage(RB_GETBANDCOUNT));
        // The bar style keeps the side; the rebar never behaves as a docking pane.
        EXPECT_EQ(static_cast<DWORD>(CBRS_TOP), first.GetBarStyle());
        EXPECT_EQ(0u, first.GetBehaviourStyle());

        EXPECT_TRUE(SaveRebarState(scratch.Path(), &frame));
        EXPECT_TRUE(scratch.HasKey(L"RIRRebar-59396"));
        EXPECT_TRUE(scratch.HasKey(L"RIRRebar-59397"));
        EXPECT_FALSE(scratch.HasKey(L"RIRRebar-59398"));
        EXPECT_TRUE(LoadRebarState(scratch.Path(), &frame));

        // A rebar without a stored layout ends the walk.
        ::RegDeleteTreeW(HKEY_CURRENT_USER, scratch.Path() + L"RIRRebar-59397");
        EXPECT_FALSE(LoadRebarState(scratch.Path(), &frame));
        first.DestroyWindow();
        second.DestroyWindow();
    }
    EXPECT_TRUE(LoadRebarState(scratch.Path(), &frame));
    EXPECT_TRUE(SaveRebarState(scratch.Path(), nullptr));
    frame.DestroyWindow();
}
