#include <gtest/gtest.h>
#include "MiniFrameSupport.h"

namespace {
struct StoredRecord {
    DWORD style;
    RECT rect;
    DWORD visible;
    int barId;
    DWORD flags;
    DWORD pinned;
};
static_assert(sizeof(StoredRecord) == 36, "the record is 36 bytes");

StoredRecord Store(CGTMiniFrameWnd& ioFrame)
{
    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        ioFrame.Serialize(archive);
    }
    StoredRecord record = {};
    EXPECT_EQ(sizeof(record), file.GetLength());
    file.SeekToBegin();
    file.Read(&record, sizeof(record));
    return record;
}

// A frame read from bytes as the dock manager reads it, owned by the loading frame.
CGTMiniFrameWnd* Load(CWnd& iOwner, const void* iBytes, UINT iSize)
{
    CMemFile file(static_cast<BYTE*>(const_cast<void*>(iBytes)), iSize);
    CArchive archive(&file, CArchive::load);
    CGTMiniFrameWnd::s_LoadingFrame = &iOwner;
    auto* frame = new CGTMiniFrameWnd;
    try {
        frame->Serialize(archive);
    } catch (...) {
        CGTMiniFrameWnd::s_LoadingFrame = nullptr;
        delete frame;
        throw;
    }
    CGTMiniFrameWnd::s_LoadingFrame = nullptr;
    return frame;
}
}  // namespace

TEST(MiniFrameRecord, TheRecordRoundTripsAndTheLoadedFrameTakesItsBarBack)
{
    FloatingBar floating;
    floating.mini->ApplyCaptionButtonFlags(0x03);
    floating.mini->SetPinned(TRUE);
    const StoredRecord record = Store(*floating.mini);
    EXPECT_EQ(WindowRect(*floating.mini), CRect(record.rect));
    EXPECT_EQ(1u, record.visible);
    EXPECT_EQ(640, record.barId);
    EXPECT_EQ(0x03u, record.flags);
    EXPECT_EQ(1u, record.pinned);

    const HWND old = floating.mini->GetSafeHwnd();
    CGTMiniFrameWnd* loaded = Load(floating.frame, &record, sizeof(record));
    EXPECT_EQ(CRect(record.rect), WindowRect(*loaded));
    EXPECT_TRUE(loaded->IsPinned());
    loaded->ReattachLoadedBar(floating.frame.m_DockManager);
    PumpMessages();
    EXPECT_EQ(&floating.bar, loaded->GetBar());
    EXPECT_EQ(loaded, floating.bar.GetParentMiniFrame());
    EXPECT_NE(nullptr, loaded->FindCaptionButton(GTHitPin));
    EXPECT_FALSE(::IsWindow(old));
}

TEST(MiniFrameRecord, ARolledUpFrameStoresItsFullHeight)
{
    FloatingBar floating(CRect(300, 200, 500, 350), GTBehaviourAll | GTBehaviourAutoRollUp);
    CGTMiniFrameWnd& mini = *floating.mini;
    const CRect full = WindowRect(mini);
    floating.cursor.m_Position = CPoint(10, 10);
    mini.UpdateRollState();
    ASSERT_LT(WindowRect(mini).Height(), full.Height());
    EXPECT_EQ(full, CRect(Store(mini).rect));
}

TEST(MiniFrameRecord, AChildStyleAndAnOffScreenRectangleComeBackAsAPopupOnScreen)
{
    TestDockingFrame frame;
    const StoredRecord record = {WS_CHILD | WS_CAPTION | WS_CLIPCHILDREN, {-5000, -4000, -4800, -3900}, 0, 0, 0, 0};
    CGTMiniFrameWnd* loaded = Load(frame, &record, sizeof(record));
    const DWORD style = loaded->GetStyle();
    EXPECT_EQ(DWORD(WS_POPUP), style & (WS_POPUP | WS_CHILD));
    EXPECT_EQ(0u, style & WS_CAPTION);
    EXPECT_NE(0u, style & WS_CLIPCHILDREN);
    const CRect rect = WindowRect(*loaded);
    EXPECT_EQ(CSize(200, 100), rect.Size());
    CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CRect onScreen;
    EXPECT_TRUE(onScreen.IntersectRect(rect, screen));
    const HWND window = loaded->GetSafeHwnd();
    loaded->ReattachLoadedBar(frame.m_DockManager);
    EXPECT_FALSE(::IsWindow(window));
}

TEST(MiniFrameRecord, AShortRectangleRaisesEndOfFileAndAnotherClassIsRefused)
{
    TestDockingFrame frame;
    const BYTE shortRecord[12] = {};
    try {
        Load(frame, shortRecord, sizeof(shortRecord));
        ADD_FAILURE() << "no exception";
    } catch (CArchiveException* error) {
        EXPECT_EQ(CArchiveException::endOfFile, error->m_cause);
        error->Delete();
    }

    CMemFile file;
    {
        CArchive archive(&file, CArchive::store);
        CObList other;
        archive << &other;
    }
    file.SeekToBegin();
    CArchive archive(&file, CArchive::load);
    CGTMiniFrameWnd* read = nullptr;
    try {
        archive >> read;
        ADD_FAILURE() << "no exception";
    } catch (CArchiveException* error) {
        EXPECT_EQ(CArchiveException::badClass, error->m_cause);
        error->Delete();
    }
}
