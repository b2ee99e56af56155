#include <guitoolkit/docking/CGTMainClientAreaWnd.h>
#include <guitoolkit/frame/CGTMDIChildWnd.h>
#include <guitoolkit/frame/CGTMDIFrameWnd.h>
#include <gtest/gtest.h>
#include <memory>

#include <string>

std::string Text(const CRect& iRect)
{
    return "(" + std::to_string(iRect.left) + "," + std::to_string(iRect.top) + ")-(" + std::to_string(iRect.right) +
        "," + std::to_string(iRect.bottom) + ")";
}

namespace {
void PumpMessages()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// An MDI frame the test owns, with plain toolkit children.
class OwnedMdiFrame : public CGTMDIFrameWnd {
public:
    OwnedMdiFrame() { Create(nullptr, L"Documents", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480)); }
    ~OwnedMdiFrame() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    CGTMDIChildWnd* OpenChild(LPCWSTR iTitle, DWORD iStyle = WS_OVERLAPPEDWINDOW)
    {
        auto* child = new CGTMDIChildWnd;
        child->Create(nullptr, iTitle, WS_CHILD | WS_VISIBLE | iStyle, rectDefault, this);
        child->ActivateFrame();
        m_ClientArea.SyncSingleTabs(FALSE);
        return child;
    }
    HWND ClientWindow() const { return m_hWndMDIClient; }

protected:
    void PostNcDestroy() override {}
};

CRect ClientOf(HWND iWindow)
{
    CRect rect;
    ::GetClientRect(iWindow, rect);
    ::MapWindowPoints(iWindow, ::GetParent(iWindow), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
}  // namespace

TEST(MdiFrame, AChildWithoutASystemMenuComesUpMaximisedFillingTheClient)
{
    OwnedMdiFrame frame;
    CGTMDIChildWnd* child = frame.OpenChild(L"Report", WS_CAPTION | WS_THICKFRAME);
    CRect client;
    ::GetClientRect(frame.ClientWindow(), client);
    EXPECT_TRUE(child->IsZoomed());
    EXPECT_EQ(Text(ClientOf(child->GetSafeHwnd())), Text(client));
}

TEST(MdiFrame, EscapeDuringATabDragCancelsIt)
{
    OwnedMdiFrame frame;
    frame.GetClientArea().SwitchTabGroups(TRUE, MDITabSettings());
    frame.OpenChild(L"Users");
    CGTMDIChildWnd* hours = frame.OpenChild(L"Hours");
    frame.RecalcLayout();
    CGTTabWnd* group = hours->GetTabGroup();
    ASSERT_NE(group, nullptr);
    CRect tab;
    group->GetTabRect(group->GetActiveTab(), tab);
    group->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tab.CenterPoint().x, tab.CenterPoint().y));
    ASSERT_EQ(CWnd::GetCapture(), group);

    MSG escape = {hours->GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    hours->PreTranslateMessage(&escape);
    PumpMessages();

    EXPECT_NE(CWnd::GetCapture(), group);
}

TEST(MdiFrame, ClosingTheFrameWithAPreviewInAChildEndsOnlyThePreview)
{
    OwnedMdiFrame frame;
    CGTMDIChildWnd* preview = frame.OpenChild(L"Preview");
    const HWND previewWindow = preview->GetSafeHwnd();
    frame.SetPrintPreviewChild(preview);

    frame.SendMessage(WM_CLOSE);
    PumpMessages();

    EXPECT_FALSE(::IsWindow(previewWindow));
    EXPECT_TRUE(::IsWindow(frame.GetSafeHwnd()));
    EXPECT_FALSE(frame.IsClosing());
}

TEST(MdiFrame, TabGroupsFollowTheToolkitChildren)
{
    OwnedMdiFrame frame;
    frame.GetClientArea().SwitchTabGroups(TRUE, MDITabSettings());
    CGTMDIChildWnd* users = frame.OpenChild(L"Users");
    CGTMDIChildWnd* hours = frame.OpenChild(L"Hours");
    frame.RecalcLayout();
    ASSERT_NE(users->GetTabGroup(), nullptr);
    EXPECT_EQ(users->GetTabGroup(), hours->GetTabGroup());
    EXPECT_EQ(users->GetTabGroup()->GetTabCount(), 2);
    EXPECT_EQ(frame.GetClientArea().GetTabGroups().GetCount(), 1);
    EXPECT_EQ(users->GetStyle() & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), 0u);
}
