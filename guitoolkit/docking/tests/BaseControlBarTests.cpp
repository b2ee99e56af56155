#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>
#include <gtest/gtest.h>
#include "DockingTestSupport.h"

namespace {
// The bytes a bar's Serialize writes, and a bar loaded from given bytes.
std::vector<BYTE> Stored(CGTBaseControlBar& ioBar)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        ioBar.Serialize(archive);
    }
    const ULONGLONG length = file.GetLength();
    BYTE* bytes = file.Detach();
    std::vector<BYTE> result(bytes, bytes + length);
    free(bytes);
    return result;
}

void Load(CGTBaseControlBar& ioBar, std::vector<BYTE> iBytes)
{
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    ioBar.Serialize(archive);
}

DWORD StoredDword(const ScratchRegistryKey& iKey, LPCWSTR iSubKey, LPCWSTR iName)
{
    const std::vector<BYTE> bytes = iKey.Bytes(iSubKey, iName);
    return bytes.size() == 4 ? *reinterpret_cast<const DWORD*>(bytes.data()) : 0xDEADBEEF;
}
}  // namespace

TEST(BaseControlBar, VisibilityRoundTripsUnderTheBarNumberAndTheSubIdInHex)
{
    ScratchRegistryKey scratch(L"GtBaseBarState");
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 5);
    ASSERT_TRUE(bar.SaveState(scratch.Path(), -1, 26));
    EXPECT_EQ(1u, StoredDword(scratch, L"VADEBaseControlBar-51a", L"IsVisible"));

    bar.ShowWindow(SW_HIDE);
    ASSERT_TRUE(bar.SaveState(scratch.Path(), 7));
    EXPECT_EQ(0u, StoredDword(scratch, L"VADEBaseControlBar-7", L"IsVisible"));

    FixedBar loaded(frame, CSize(50, 20), 9);
    EXPECT_FALSE(loaded.IsStateLoaded());
    ASSERT_TRUE(loaded.LoadState(scratch.Path(), 5, 26));
    EXPECT_TRUE(loaded.GetRememberedVisibility());
    EXPECT_TRUE(loaded.IsStateLoaded());
}

TEST(BaseControlBar, AMissingValueKeepsTheFieldAndAMissingKeyChangesNothing)
{
    ScratchRegistryKey scratch(L"GtBaseBarMissing");
    ::RegSetKeyValueW(HKEY_CURRENT_USER, scratch.Path() + L"VADEBaseControlBar-3", L"Other", REG_DWORD, "\0\0\0\0", 4);
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 3);
    Load(bar, {0x00, 0x20, 0, 0, 1, 0, 0, 0});
    ASSERT_TRUE(bar.GetRememberedVisibility());

    EXPECT_TRUE(bar.CGTBaseControlBar::LoadState(scratch.Path()));
    EXPECT_TRUE(bar.GetRememberedVisibility());
    EXPECT_TRUE(bar.IsStateLoaded());

    FixedBar other(frame, CSize(50, 20), 4);
    EXPECT_FALSE(other.CGTBaseControlBar::LoadState(scratch.Path()));
    EXPECT_FALSE(other.IsStateLoaded());
    EXPECT_FALSE(other.GetRememberedVisibility());
}

TEST(BaseControlBar, SavingAnswersFalseWhenTheKeyCannotBeCreated)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 5);
    // A key name longer than the registry allows.
    const CString path = L"Software\\ZorvaneTests\\" + CString(L'x', 300) + L"\\";
    EXPECT_FALSE(bar.CGTBaseControlBar::SaveState(path));
    EXPECT_FALSE(bar.SaveState(path));
}

TEST(BaseControlBar, TheRecordIsTheSideAndTheVisibilityAndLoadingReplacesTheSide)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20));
    bar.SetStyleWord(GTSideTop | GTStyleBorderAny | GTStyleGripper);
    EXPECT_EQ((std::vector<BYTE>{0x00, 0x20, 0, 0, 1, 0, 0, 0}), Stored(bar));

    Load(bar, {0x00, 0x10, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(DWORD(GTSideLeft | GTStyleBorderAny | GTStyleGripper), bar.GetStyleWord());
    EXPECT_FALSE(bar.GetRememberedVisibility());
    EXPECT_THROW(Load(bar, {0x00, 0x10, 0, 0}), CArchiveException*);
}

TEST(BaseControlBar, AlignmentStyleWordsAndBehaviourQueries)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20), 100, GTBehaviourCanFloat | GTBehaviourCanHide);
    bar.SetStyleWord(GTSideLeft | GTStyleBorderLeft);
    EXPECT_FALSE(bar.IsHorizontal());
    bar.SetAlignment(GTSideBottom | GTStyleFloating);
    EXPECT_EQ(DWORD(GTSideBottom | GTStyleBorderLeft), bar.GetStyleWord());
    EXPECT_TRUE(bar.IsHorizontal());
    EXPECT_TRUE(bar.CanFloat());
    EXPECT_TRUE(bar.CanHide());
    EXPECT_FALSE(bar.CanAutoHide());
    EXPECT_FALSE(bar.CanDockWithoutFloating());
    EXPECT_EQ(GTDockingStandard, bar.GetDockingMode());
    bar.SetDockingMode(GTDockingImmediate);
    EXPECT_EQ(GTDockingImmediate, bar.GetDockingMode());
    EXPECT_EQ(&frame, bar.FindOwnerFrame());
    EXPECT_EQ(&frame.m_DockManager, bar.GetOwnerDockManager());
}

TEST(BaseControlBar, TheStretchLimitOfThePlainBarRunsAlongTheStretchedSide)
{
    TestDockingFrame frame;
    CGTControlBar bar;
    ASSERT_TRUE(bar.CreateEx(0, nullptr, WS_CHILD, CRect(0, 0, 40, 20), &frame, 100));
    const struct {
        BOOL stretch, horizontal;
        CSize size;
    } cases[] = {{TRUE, TRUE, {32767, 0}}, {TRUE, FALSE, {0, 32767}}, {FALSE, TRUE, {0, 0}}, {FALSE, FALSE, {0, 0}}};
    for (const auto& c : cases)
        EXPECT_EQ(c.size, bar.CalcFixedLayout(c.stretch, c.horizontal)) << c.stretch << c.horizontal;
    bar.DestroyWindow();
}

TEST(BaseControlBar, MovingToTheRectangleItHasMovesNothingAndKeepsTheBatch)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20));
    bar.MoveWindow(10, 10, 50, 20);
    HDWP batch = ::BeginDeferWindowPos(1);
    EXPECT_EQ(batch, bar.MoveToRectInParent(CRect(10, 10, 60, 30), TRUE, batch));
    HDWP moved = bar.MoveToRectInParent(CRect(20, 10, 70, 30), TRUE, batch);
    ASSERT_NE(nullptr, moved);
    ::EndDeferWindowPos(moved);
    EXPECT_EQ(CRect(20, 10, 70, 30), bar.Place());
    EXPECT_EQ(nullptr, bar.MoveToRectInParent(CRect(0, 0, 50, 20)));
    EXPECT_EQ(CRect(0, 0, 50, 20), bar.Place());
}

TEST(BaseControlBar, TheOnlyBarOfAMiniFrameHidesItsFrameAndAsksItToCheckItself)
{
    TestDockingFrame frame;
    auto* alone = new CountingMiniFrame(frame, 1);
    FixedBar bar(*alone, CSize(50, 20));
    EXPECT_TRUE(bar.IsOnlyBarInMiniFrame());
    EXPECT_EQ(alone, bar.GetParentMiniFrame());

    bar.ShowBar(FALSE, FALSE, FALSE);
    PumpMessages();
    EXPECT_FALSE(bar.IsWindowVisible());
    EXPECT_FALSE(alone->IsWindowVisible());
    EXPECT_EQ(1, alone->m_Checks);

    alone->m_Bars = 2;
    EXPECT_FALSE(bar.IsOnlyBarInMiniFrame());
    FixedBar docked(frame, CSize(50, 20));
    EXPECT_FALSE(docked.IsOnlyBarInMiniFrame());
    EXPECT_EQ(nullptr, docked.GetParentMiniFrame());
    bar.DestroyWindow();
    alone->DestroyWindow();
}

TEST(BaseControlBar, AShownBarInNoRowReLaysOutItsFrameUnlessDelayed)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20));
    const int before = frame.m_Layouts;
    bar.ShowBar(FALSE, TRUE, FALSE);
    EXPECT_FALSE(bar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(before, frame.m_Layouts);
    bar.ShowBar(TRUE, FALSE, FALSE);
    EXPECT_TRUE(bar.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(before + 1, frame.m_Layouts);
}

TEST(BaseControlBar, WhileALayoutIsAppliedABarAnswersItsRememberedVisibility)
{
    TestDockingFrame frame;
    FixedBar bar(frame, CSize(50, 20));
    EXPECT_TRUE(bar.IsVisible());
    CGTDockManager::s_bApplyingState = TRUE;
    EXPECT_FALSE(bar.IsVisible());
    CGTDockManager::s_bApplyingState = FALSE;
}
