#include <guitoolkit/core/tests/ScratchRegistryKey.h>
#include <guitoolkit/docking/CGTDockingCBWrapper.h>
#include <gtest/gtest.h>
#include "PaneTestSupport.h"

namespace {
// A wrapper round a plain window, both of the given control id.
struct Wrapped {
    Wrapped(CWnd& iParent, UINT iId, LPCWSTR iCaption)
    {
        wrapper.Create(iCaption, &iParent, CRect(0, 0, 150, 200), TRUE, iId, WS_CHILD | WS_VISIBLE | GTSideLeft);
        content.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &iParent, iId);
        wrapper.SetWrappedWnd(&content);
    }
    ~Wrapped()
    {
        content.DestroyWindow();
        wrapper.DestroyWindow();
    }
    CString Caption() const
    {
        CString text;
        wrapper.GetWindowText(text);
        return text;
    }

    CGTDockingCBWrapper wrapper;
    CWnd content;
};
}  // namespace

TEST(DockingWrapper, TheCaptionComesBackUnderTheControlIdOrTheGivenOne)
{
    ScratchRegistryKey scratch(L"GtWrapperName");
    PaneFrame frame;
    Wrapped saved(frame, 410, L"Tree");
    saved.wrapper.SetWindowText(L"Renamed tree");
    ASSERT_TRUE(saved.wrapper.SaveState(scratch.Path(), -1));
    ASSERT_TRUE(saved.wrapper.SaveState(scratch.Path(), 7, 26));

    Wrapped byControlId(frame, 410, L"Tree");
    EXPECT_TRUE(byControlId.wrapper.LoadState(scratch.Path(), -1));
    EXPECT_EQ(CString(L"Renamed tree"), byControlId.Caption());
    Wrapped byIndex(frame, 411, L"Tree");
    EXPECT_TRUE(byIndex.wrapper.LoadState(scratch.Path(), 7, 26));
    EXPECT_EQ(CString(L"Renamed tree"), byIndex.Caption());

    Wrapped missing(frame, 412, L"Kept");
    EXPECT_FALSE(missing.wrapper.LoadState(scratch.Path(), -1));
    EXPECT_EQ(CString(L"Kept"), missing.Caption());
}

TEST(DockingWrapper, AnEmptyStoredNameKeepsTheCaption)
{
    ScratchRegistryKey scratch(L"GtWrapperEmpty");
    PaneFrame frame;
    Wrapped saved(frame, 420, L"");
    ASSERT_TRUE(saved.wrapper.SaveState(scratch.Path(), -1));

    Wrapped loaded(frame, 420, L"Own caption");
    EXPECT_TRUE(loaded.wrapper.LoadState(scratch.Path(), -1));
    EXPECT_EQ(CString(L"Own caption"), loaded.Caption());
}

TEST(DockingWrapper, AWrappedPlainWindowFillsThePaneAndDocksOnEverySide)
{
    for (DWORD side : {GTSideLeft, GTSideTop, GTSideRight, GTSideBottom}) {
        PaneFrame frame;
        Wrapped wrapped(frame, 430, L"Plain");
        EXPECT_EQ(&wrapped.wrapper, wrapped.content.GetParent());
        EXPECT_EQ(static_cast<DWORD>(GTSideAny), wrapped.wrapper.GetEnabledAlignment());
        ASSERT_TRUE(wrapped.wrapper.DockToFrameWindow(side, nullptr, GTDockByMouse, nullptr, -1, FALSE)) << side;
        EXPECT_EQ(side, wrapped.wrapper.GetCurrentAlignment());
        CRect client, content;
        wrapped.wrapper.GetClientRect(client);
        wrapped.content.GetWindowRect(content);
        EXPECT_EQ(client.Size(), content.Size()) << side;
    }
}
