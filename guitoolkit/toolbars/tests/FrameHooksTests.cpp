#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <gtest/gtest.h>
#include <vector>
#include "ToolbarTestSupport.h"

namespace {
// A frame with the toolbar hooks: it answers every tooltip with 42, refuses popups and keeps
// the menu bars that join it.
class HookedFrame : public StackFrame, public IGTToolbarFrame {
public:
    BOOL OnShowPopupMenu(CGTPopupMenu*) override { return FALSE; }
    void OnPopupMenuClosed(CGTPopupMenu*) override {}
    void OnDrawMenuLogo(CDC*, CGTPopupMenu*, const CRect&) override {}
    CGTToolBar* FindTearOffBar(UINT) override { return nullptr; }
    int OnButtonTooltip(CGTToolbarButton* iButton, TOOLINFO*) override
    {
        m_Asked.push_back(iButton);
        return 42;
    }
    LRESULT OnToolbarNotify(WPARAM, LPARAM) override { return 0; }
    BOOL GetCommandDescription(UINT, CString&) override { return FALSE; }
    BOOL IsUserDefinedToolbar(const CGTToolBar*) override { return FALSE; }
    void SetMenuBar(CGTMenuBar* iBar) override { m_Bars.push_back(iBar); }
    BOOL OnDrawMenuImage(CDC*, const CGTToolbarButton*, const CRect&) override
    {
        ++m_ImagesAsked;
        return TRUE;
    }
    std::vector<CGTToolbarButton*> m_Asked;
    int m_ImagesAsked = 0;
    std::vector<CWnd*> m_Bars;
};

// Records the image block the loaders hand on.
class BlockRecordingBar : public CGTToolBar {
public:
    BOOL LoadBitmapEx(const GTToolBarImageIds& iIds, BOOL iLocked) override { return Record(0, iIds, iLocked); }
    BOOL LoadToolBarEx(UINT iResourceId, const GTToolBarImageIds& iIds, BOOL iLocked) override
    {
        return Record(iResourceId, iIds, iLocked);
    }
    BOOL Record(UINT iResourceId, const GTToolBarImageIds& iIds, BOOL iLocked)
    {
        m_Block = {iResourceId, iIds.cold,          iIds.images, iIds.disabled,     iIds.largeCold,
                   iIds.large,  iIds.largeDisabled, iIds.menu,   iIds.disabledMenu, static_cast<UINT>(iLocked)};
        return TRUE;
    }
    std::vector<UINT> m_Block;
};
}  // namespace

TEST(ToolbarFrame, ButtonsAskTheFrameThatHasTheHooks)
{
    HookedFrame hooked;
    StackFrame plain;
    ASSERT_TRUE(hooked.Create(nullptr, L"Hooked", WS_OVERLAPPEDWINDOW));
    ASSERT_TRUE(plain.Create(nullptr, L"Plain", WS_OVERLAPPEDWINDOW));
    CGTToolBar hookedBar;
    CGTToolBar plainBar;
    ASSERT_TRUE(hookedBar.CreateEx(&hooked));
    ASSERT_TRUE(plainBar.CreateEx(&plain));
    CGTToolbarButton button(0x7300, 0, L"Go", FALSE, TRUE);
    TOOLINFO info = {};

    EXPECT_EQ(42, button.GetTooltipText(&hookedBar, &info));
    EXPECT_EQ((std::vector<CGTToolbarButton*>{&button}), hooked.m_Asked);
    EXPECT_EQ(0, button.GetTooltipText(&plainBar, &info));
    EXPECT_FALSE(FrameAcceptsPopupMenu(&hooked, nullptr));
    EXPECT_TRUE(FrameAcceptsPopupMenu(&plain, nullptr));
    EXPECT_TRUE(FrameAcceptsPopupMenu(nullptr, nullptr));

    // An active in-place frame answers for every window.
    EXPECT_EQ(&plain, GetActiveTopLevelFrame(&plainBar));
    SetActiveInPlaceFrame(&hooked);
    EXPECT_EQ(&hooked, GetActiveTopLevelFrame(&plainBar));
    EXPECT_EQ(42, button.GetTooltipText(&plainBar, &info));
    SetActiveInPlaceFrame(nullptr);
    EXPECT_EQ(&plain, GetActiveTopLevelFrame(&plainBar));

    hookedBar.DestroyWindow();
    plainBar.DestroyWindow();
    hooked.DestroyWindow();
    plain.DestroyWindow();
}

TEST(ToolbarFrame, TheFrameDrawsMenuImagesWhereNoneIsOrAlwaysWhenSwitchedOn)
{
    HookedFrame hooked;
    ASSERT_TRUE(hooked.Create(nullptr, L"Hooked", WS_OVERLAPPEDWINDOW));
    CGTToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&hooked));
    auto* item = new CGTToolbarMenuButton(0x7301, nullptr, -1, L"Report");
    bar.InsertButton(item);
    CClientDC screen(nullptr);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap surface;
    surface.CreateCompatibleBitmap(&screen, 120, 24);
    CBitmap* previous = dc.SelectObject(&surface);
    const auto imagesAsked = [&](BOOL iAlways) {
        IGTToolbarFrame::s_AlwaysDrawMenuImages = iAlways;
        hooked.m_ImagesAsked = 0;
        item->DrawMenuItem(&dc, CRect(0, 0, 120, 24), FALSE, FALSE);
        IGTToolbarFrame::s_AlwaysDrawMenuImages = FALSE;
        return hooked.m_ImagesAsked;
    };
    // Without an image of its own the item asks the frame; with one, only when switched on.
    EXPECT_EQ(1, imagesAsked(FALSE));
    CGTDockingValues::TabCommandIcons().SetAt(0x7301, ::LoadIconW(nullptr, IDI_APPLICATION));
    EXPECT_EQ(0, imagesAsked(FALSE));
    EXPECT_EQ(1, imagesAsked(TRUE));
    CGTDockingValues::TabCommandIcons().RemoveKey(0x7301);
    dc.SelectObject(previous);
    bar.DestroyWindow();
    hooked.DestroyWindow();
}

TEST(ToolBar, LoadersHandOnTheirImagesInTheBlockOrder)
{
    BlockRecordingBar bar;
    EXPECT_TRUE(bar.LoadBitmap(1, 2, 3, TRUE, 4, 5));
    EXPECT_EQ((std::vector<UINT>{0, 2, 1, 4, 0, 0, 0, 3, 5, TRUE}), bar.m_Block);
    EXPECT_TRUE(bar.LoadToolBar(10, 2, 3, FALSE, 4, 5, 6));
    EXPECT_EQ((std::vector<UINT>{10, 2, 6, 4, 0, 0, 0, 3, 5, FALSE}), bar.m_Block);
}

TEST(ToolbarFrame, TheMenuBarJoinsTheFrameThatHasTheHooks)
{
    HookedFrame frame;
    ASSERT_TRUE(frame.Create(nullptr, L"Hooked", WS_OVERLAPPEDWINDOW));
    CGTMenuBar menuBar;
    ASSERT_TRUE(menuBar.CreateEx(&frame));
    EXPECT_EQ(std::vector<CWnd*>{&menuBar}, frame.m_Bars);
    CString name;
    menuBar.GetWindowText(name);
    EXPECT_EQ(CString(L"Menu Bar"), name);
    menuBar.DestroyWindow();
    frame.DestroyWindow();
}
