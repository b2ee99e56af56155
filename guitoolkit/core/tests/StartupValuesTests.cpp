#include <guitoolkit/core/CGTColorValues.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTGridValues.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <gtest/gtest.h>
#include <functional>

TEST(StartupValues, EachRegisteredMessageIsRegisteredUnderItsName)
{
    for (const CGTRegisteredMessage& message :
         {std::cref(GTM_GRID_ITEM_CHANGED), std::cref(GTM_GRID_ON_HIDE_COLUMNCHOOSER), std::cref(GTM_ON_HSCROLL),
          std::cref(GTM_GETDRAGBOUNDS), std::cref(GTM_ON_DRAGCOMPLETE), std::cref(GTM_ON_TABGROUPMOUSEMOVE),
          std::cref(GTM_ON_CANCELTABMOVE), std::cref(GTM_ON_MOVETABCOMPLETE), std::cref(GTM_ON_RENAME_TAB),
          std::cref(GTM_ONCHANGE_ACTIVE_TAB), std::cref(GTM_ON_MOVE_TAB), std::cref(GTM_ON_CHANGING_ACTIVE_TAB),
          std::cref(GTM_ON_GET_TAB_TOOLTIP), std::cref(GTM_ON_PRESS_CLOSE_BUTTON), std::cref(GTMSG_CHECKEMPTYMINIFRAME),
          std::cref(GTM_ON_MOVETOTABGROUP), std::cref(GTM_APPBAR_CALLBACK)}) {
        const UINT expected = ::RegisterWindowMessageW(message.Name());
        EXPECT_GE(expected, 0xC000u) << message.Name();
        EXPECT_EQ(expected, static_cast<UINT>(message)) << message.Name();
        EXPECT_EQ(expected, *&message) << message.Name();
    }
    EXPECT_STREQ(L"GTM_ONCHANGE_ACTIVE_TAB", GTM_ONCHANGE_ACTIVE_TAB.Name());
}

namespace {
// A message name the system refuses to register.
const CGTRegisteredMessage unregistrable(L"");

class RegisteredMessageWindow : public CWnd {
public:
    int received = 0;
    LRESULT OnUnregistrable(WPARAM, LPARAM)
    {
        ++received;
        return 5;
    }
    LRESULT OnTabChanged(WPARAM wParam, LPARAM)
    {
        received += 10;
        return static_cast<LRESULT>(wParam) + 1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RegisteredMessageWindow, CWnd)
    ON_REGISTERED_MESSAGE(unregistrable, &RegisteredMessageWindow::OnUnregistrable)
    ON_REGISTERED_MESSAGE(GTM_ONCHANGE_ACTIVE_TAB, &RegisteredMessageWindow::OnTabChanged)
END_MESSAGE_MAP()
}  // namespace

TEST(StartupValues, AMessageThatCouldNotBeRegisteredMatchesNothing)
{
    EXPECT_EQ(0u, static_cast<UINT>(unregistrable));
    RegisteredMessageWindow window;
    ASSERT_TRUE(window.CreateEx(0, L"STATIC", L"", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    window.SendMessage(WM_NULL, 0, 0);
    EXPECT_EQ(0, window.received);
    EXPECT_EQ(4, window.SendMessage(GTM_ONCHANGE_ACTIVE_TAB, 3, 0));
    EXPECT_EQ(10, window.received);
    window.DestroyWindow();
}

TEST(StartupValues, SectionsFormatsAndNamesHaveTheirStartValues)
{
    EXPECT_STREQ(L"VADEGrids", CGTGridValues::StateSection());
    EXPECT_STREQ(L"%d", CGTGridValues::FormatShort());
    EXPECT_STREQ(L"%ld", CGTGridValues::FormatLong());
    EXPECT_STREQ(L"%f", CGTGridValues::FormatFloat());
    EXPECT_STREQ(L"%lf", CGTGridValues::FormatDouble());
    EXPECT_TRUE(CGTGridValues::HeaderDragWindowClass().IsEmpty());
    EXPECT_STREQ(L"VADEDockManagers", CGTDockingValues::DockManagerSection());
    EXPECT_STREQ(L"RIRControlBars", CGTDockingValues::ControlBarSection());
    EXPECT_STREQ(L"VADEOutlookCustomPages", CGTDockingValues::OutlookCustomPagesValue());
    EXPECT_TRUE(CGTDockingValues::TabAutoColors().IsEmpty());
    EXPECT_TRUE(CGTColorValues::ColorNames().IsEmpty());
    EXPECT_EQ(0, CGTDockingValues::OutlookPaneImages().count);
    EXPECT_EQ(::GetSystemMetrics(SM_CXDRAG), CGTDockingValues::DragThreshold().cx);
    EXPECT_EQ(::GetSystemMetrics(SM_CYDRAG), CGTDockingValues::DragThreshold().cy);
}

TEST(StartupValues, TheTwoUnsignedFormatsAreSeparateStrings)
{
    EXPECT_STREQ(L"%u", CGTGridValues::FormatUnsignedShort());
    EXPECT_STREQ(L"%u", CGTGridValues::FormatUnsignedLong());
    CGTGridValues::FormatUnsignedShort() = L"%hu";
    EXPECT_STREQ(L"%u", CGTGridValues::FormatUnsignedLong());
    CGTGridValues::FormatUnsignedShort() = L"%u";
}
