#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <gtest/gtest.h>
#include "LayoutTestSupport.h"

namespace {
const LPCWSTR layoutValue = L"DockingCBAndSliders";

template <class Record>
std::vector<BYTE> Stored(Record& ioRecord)
{
    return ArchiveBytes([&](CArchive& ioArchive) { ioRecord.Serialize(ioArchive); });
}

// The cause of the archive exception that loading the bytes raises; -1 for none.
template <class Record>
int LoadCause(Record& ioRecord, std::vector<BYTE> iBytes)
{
    CMemFile file(iBytes.data(), static_cast<UINT>(iBytes.size()));
    CArchive archive(&file, CArchive::load);
    try {
        ioRecord.Serialize(archive);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

std::vector<BYTE> operator+(std::vector<BYTE> iFirst, const std::vector<BYTE>& iSecond)
{
    iFirst.insert(iFirst.end(), iSecond.begin(), iSecond.end());
    return iFirst;
}

std::vector<UINT> GroupIds(const VADE_AUTOHIDEBAR_SAVE_INFO& iRecord)
{
    std::vector<UINT> ids;
    for (POSITION position = iRecord.m_lstGroupIds.GetHeadPosition(); position != nullptr;)
        ids.push_back(iRecord.m_lstGroupIds.GetNext(position));
    return ids;
}

// A frame with one pane docked at its left edge, its layout saved under id 1.
struct SavedDockedPane {
    SavedDockedPane() : scratch(L"GtDockLayoutFailures"), pane(frame, CRect(0, 0, 150, 250), 200)
    {
        pane.DockToFrameWindow(GTSideLeft, nullptr, GTDockByMouse, nullptr, -1, FALSE);
        EXPECT_TRUE(frame.m_State.SaveState(scratch.Path(), 1));
        bytes = scratch.Bytes(L"VADEDockManager-1", layoutValue);
    }
    BOOL LoadFrom(const std::vector<BYTE>& iBytes)
    {
        scratch.StoreBinary(L"VADEDockManager-2", layoutValue, iBytes);
        return frame.m_State.LoadState(scratch.Path(), 2);
    }

    ScratchRegistryKey scratch;
    LayoutFrame frame;
    TestPane pane;
    std::vector<BYTE> bytes;
};
}  // namespace

TEST(DockManagerState, AnEmptyFrameStoresFourZeroCountsUnderItsId)
{
    ScratchRegistryKey scratch(L"GtDockLayoutEmpty");
    LayoutFrame frame;
    ASSERT_TRUE(frame.m_State.SaveState(scratch.Path(), 3));
    EXPECT_EQ(Words({0, 0, 0, 0}), scratch.Bytes(L"VADEDockManager-3", layoutValue));
}

TEST(DockManagerState, AnAutoHideRecordKeepsItsWordsDropsUnnamedGroupIdsAndNeedsAWholeRectangle)
{
    VADE_AUTOHIDEBAR_SAVE_INFO record;
    record.m_nPaneId = 200;
    record.m_dwSide = GTSideLeft;
    record.m_bShown = TRUE;
    record.m_rectPane = CRect(0, 0, 10, 20);
    record.m_bLastInGroup = FALSE;
    EXPECT_EQ(Words({200, 0x1000, 1, 0, 0, 0, 10, 20, 1, 0, 1}), Stored(record));

    VADE_AUTOHIDEBAR_SAVE_INFO loaded;
    EXPECT_EQ(-1, LoadCause(loaded, Words({201, 0x2000, 0, 3, 5, -1, 7, 1, 2, 3, 4, 0, 1, 0})));
    EXPECT_EQ((std::vector<UINT>{5, 7}), GroupIds(loaded));
    EXPECT_EQ(CRect(1, 2, 3, 4), loaded.m_rectPane);
    EXPECT_EQ((std::vector<BOOL>{0, 1, 0}),
              (std::vector<BOOL>{loaded.m_bFirstInGroup, loaded.m_bLastInGroup, loaded.m_bActiveInGroup}));

    std::vector<BYTE> cut = Words({201, 0x2000, 0, 0, 1, 2, 3});
    EXPECT_EQ(CArchiveException::endOfFile, LoadCause(loaded, cut));
}

TEST(DockManagerState, AnAutoHiddenPaneIsSavedFromItsWindowAndSide)
{
    ScratchRegistryKey scratch(L"GtDockLayoutAutoHide");
    LayoutFrame frame;
    TestPane pane(frame, CRect(5, 6, 125, 206), 200);
    CGTSlider* slider = CGTSlider::CreateDefaultSlider(GTSideLeft, &frame);
    slider->AddControlBar(&pane);
    frame.m_State.AddBar(slider, TRUE, TRUE);
    ASSERT_TRUE(frame.m_State.SaveState(scratch.Path(), 1));

    const CRect rect = WindowRect(pane);
    EXPECT_EQ(Words({0, 0, 0, 1, 200, 0x1000, 1, 0, rect.left, rect.top, rect.right, rect.bottom, 1, 1, 1}),
              scratch.Bytes(L"VADEDockManager-1", layoutValue));
}

TEST(DockManagerState, AVanishedTabbedPaneIsSkippedInStepAndAMissingKeyLeavesWhatWasRead)
{
    ScratchRegistryKey scratch(L"GtDockLayoutLoad");
    LayoutFrame frame;
    CGTTabbedControlBar tabbed;
    tabbed.Create(L"Tabs", &frame, CRect(0, 0, 100, 100), TRUE, 400, WS_CHILD | WS_VISIBLE | GTSideLeft, 0x20, 0);
    frame.m_State.AddBar(&tabbed);
    CGTTabWnd noTabs;
    VADE_AUTOHIDEBAR_SAVE_INFO record;
    record.m_nPaneId = 300;
    scratch.StoreBinary(L"VADEDockManager-1", layoutValue,
                        Words({2, 77}) + Stored(noTabs) + Words({400}) + Stored(noTabs) + Words({0, 0, 1}) +
                            Stored(record));

    ASSERT_TRUE(frame.m_State.LoadState(scratch.Path(), 1));
    ASSERT_EQ(1, frame.m_State.m_lstLoadedTabbedPanes.GetCount());
    EXPECT_EQ(&tabbed, frame.m_State.m_lstLoadedTabbedPanes.GetHead());

    // A tabbed pane that cannot float is saved with its tab window's record.
    ASSERT_TRUE(frame.m_State.SaveState(scratch.Path(), 3));
    EXPECT_EQ(Words({1, 400}) + Stored(*tabbed.GetTabWindow()) + Words({0, 0, 0}),
              scratch.Bytes(L"VADEDockManager-3", layoutValue));
    ASSERT_EQ(1, frame.m_State.m_lstLoadedAutoHideInfo.GetCount());
    EXPECT_EQ(300, frame.m_State.m_lstLoadedAutoHideInfo.GetHead().m_nPaneId);

    EXPECT_FALSE(frame.m_State.LoadState(scratch.Path(), 2));
    EXPECT_EQ(1, frame.m_State.m_lstLoadedAutoHideInfo.GetCount());
}

TEST(DockManagerState, ALoadThatFailsLeavesNoSliderOrMovedPaneAndNothingRead)
{
    SavedDockedPane saved;
    // It ends with no mini frames and no auto-hidden panes.
    ASSERT_EQ(Words({0, 0}), std::vector<BYTE>(saved.bytes.end() - 8, saved.bytes.end()));
    CObList foreign;
    const std::vector<BYTE> head(saved.bytes.begin(), saved.bytes.end() - 8);
    const std::vector<std::vector<BYTE>> failures = {
        std::vector<BYTE>(saved.bytes.begin(), saved.bytes.end() - 2),
        head + Words({1}) + ArchiveBytes([&](CArchive& ioArchive) { ioArchive.WriteObject(&foreign); }) + Words({0}),
    };
    const HWND slider = saved.pane.GetDefaultSlider();
    const CRect place = saved.pane.Place();
    for (const std::vector<BYTE>& bytes : failures) {
        EXPECT_FALSE(saved.LoadFrom(bytes));
        EXPECT_EQ(1, SliderCount(saved.frame));
        EXPECT_EQ(slider, saved.pane.GetDefaultSlider());
        EXPECT_EQ(&saved.frame, saved.pane.GetParent());
        EXPECT_EQ(place, saved.pane.Place());
        EXPECT_TRUE(saved.frame.m_State.m_lstLoadedDockedBars.IsEmpty());
        EXPECT_TRUE(saved.frame.m_State.m_lstLoadedFloatFrames.IsEmpty());
        saved.frame.m_State.ApplyLoadedState();
        EXPECT_EQ(&saved.frame, saved.pane.GetParent());
        EXPECT_EQ(place, saved.pane.Place());
    }
    // The same bytes whole load: the slider they make waits to be applied.
    ASSERT_TRUE(saved.LoadFrom(saved.bytes));
    EXPECT_EQ(2, SliderCount(saved.frame));
    EXPECT_EQ(2, saved.frame.m_State.m_lstLoadedDockedBars.GetCount());
}

TEST(DockManagerState, PaneEntriesBeforeTheirSliderWaitForItAndUnknownOnesAreDropped)
{
    SavedDockedPane saved;
    // No tabbed panes, two docked entries (the slider with its record, then the pane), no mini
    // frames, no auto-hidden panes.
    const std::vector<BYTE>& bytes = saved.bytes;
    ASSERT_EQ(Words({0, 2, 0}), std::vector<BYTE>(bytes.begin(), bytes.begin() + 12));
    ASSERT_EQ(Words({1, 200, 0, 0}), std::vector<BYTE>(bytes.end() - 16, bytes.end()));
    const std::vector<BYTE> sliderRecord(bytes.begin() + 12, bytes.end() - 16);

    ASSERT_TRUE(saved.LoadFrom(Words({0, 3, 1, 999, 1, 200, 0}) + sliderRecord + Words({0, 0})));
    const CObList& loaded = saved.frame.m_State.m_lstLoadedDockedBars;
    ASSERT_EQ(2, loaded.GetCount());
    EXPECT_TRUE(loaded.GetHead()->IsKindOf(RUNTIME_CLASS(CGTSlider)));
    EXPECT_EQ(&saved.pane, loaded.GetTail());
}
