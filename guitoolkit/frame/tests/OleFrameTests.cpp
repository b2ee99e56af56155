#include <guitoolkit/frame/CGTOleCntrFrameWnd.h>
#include <guitoolkit/frame/CGTOleIPFrameWnd.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <gtest/gtest.h>
#include <memory>

namespace {
// The container's frame: a window no object of this program holds.
class ContainerWindow {
public:
    ContainerWindow()
        : m_Window(::CreateWindowExW(0, L"STATIC", L"Container", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                     nullptr, nullptr))
    {
    }
    ~ContainerWindow() { ::DestroyWindow(m_Window); }
    HWND m_Window;
};

// An in-place frame the test owns, a child of a container's window as in-place frames are.
template <class Frame>
class OwnedFrame : public Frame {
public:
    OwnedFrame()
    {
        static ContainerWindow host;
        this->Create(nullptr, L"In place", WS_CHILD, CRect(0, 0, 300, 200), CWnd::FromHandle(host.m_Window));
    }
    ~OwnedFrame() override
    {
        if (this->m_hWnd != nullptr)
            this->DestroyWindow();
    }
    void Activate() { this->SendMessage(WM_ACTIVATE, WA_ACTIVE); }
    void Deactivate() { this->SendMessage(WM_ACTIVATE, WA_INACTIVE); }

protected:
    void PostNcDestroy() override {}
};

class InPlaceFrames : public ::testing::Test {
protected:
    void TearDown() override { SetActiveInPlaceFrame(nullptr); }
};

TEST_F(InPlaceFrames, TheFirstFrameIsActiveAgainWhenTheSecondIsDeactivatedOrDestroyed)
{
    OwnedFrame<CGTOleIPFrameWnd> first;
    auto second = std::make_unique<OwnedFrame<CGTOleDocIPFrameWnd>>();
    first.Activate();
    second->Activate();
    EXPECT_EQ(GetActiveInPlaceFrame(), second.get());
    second->Deactivate();
    EXPECT_EQ(GetActiveInPlaceFrame(), &first);

    second->Activate();
    second.reset();
    EXPECT_EQ(GetActiveInPlaceFrame(), &first);
}

TEST_F(InPlaceFrames, ARememberedFrameDestroyedMeanwhileLeavesNoneActive)
{
    auto first = std::make_unique<OwnedFrame<CGTOleIPFrameWnd>>();
    OwnedFrame<CGTOleIPFrameWnd> second;
    first->Activate();
    second.Activate();
    first.reset();
    second.Deactivate();
    EXPECT_EQ(GetActiveInPlaceFrame(), nullptr);
}

TEST_F(InPlaceFrames, CreatingTheBarsAgainKeepsTheFirstWrapperOfTheContainersFrame)
{
    ContainerWindow container;
    OwnedFrame<CGTOleIPFrameWnd> frame;
    ASSERT_TRUE(frame.BeginInPlace(container.m_Window, nullptr));
    auto* wrapper = DYNAMIC_DOWNCAST(CGTOleCntrFrameWnd, frame.m_pMainFrame);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_EQ(wrapper->GetSafeHwnd(), container.m_Window);
    EXPECT_TRUE(wrapper->IsCreatedByInPlaceFrame());
    EXPECT_EQ(wrapper->GetDockManager()->GetOwnerFrame(), wrapper);

    ASSERT_TRUE(frame.BeginInPlace(container.m_Window, nullptr));
    EXPECT_EQ(frame.m_pMainFrame, wrapper);
    frame.EndInPlace();
}
}  // namespace
