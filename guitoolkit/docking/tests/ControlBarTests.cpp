#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/CGTControlBar.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// Records what the bars ask the look to draw outside their client areas.
class NonClientLook : public CGTVisualManager {
    DECLARE_DYNCREATE(NonClientLook)
public:
    void DrawBarBorder(CDC* iDc, IGTLookBar* iBar, CRect& ioRect) override
    {
        m_Calls.push_back("border");
        CGTVisualManager::DrawBarBorder(iDc, iBar, ioRect);
    }
    void DrawGripper(CDC*, CRect iRect, BOOL iHorizontal, IGTLookBar*) override
    {
        m_Calls.push_back("gripper " + std::to_string(iRect.Width()) + (iHorizontal ? " horizontal" : " vertical"));
    }
    std::vector<std::string> m_Calls;
};
IMPLEMENT_DYNCREATE(NonClientLook, CGTVisualManager)

class TestParent : public CWnd {
public:
    TestParent() { CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr); }
    ~TestParent() override { DestroyWindow(); }
};

class TestBar : public CGTControlBar {
public:
    explicit TestBar(CWnd* iParent, DWORD iBarStyle)
    {
        Create(AfxRegisterWndClass(0), WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 30), iParent, 100, iBarStyle);
    }
    ~TestBar() override { DestroyWindow(); }
};
}  // namespace

TEST(ControlBar, BordersAndMarginsShrinkTheClientArea)
{
    TestParent parent;
    TestBar bar(&parent, CBRS_ALIGN_TOP | CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM);
    bar.SetBorders(2, 3, 4, 5);
    const struct {
        BOOL horizontal;
        CRect expected;
    } cases[] = {
        {TRUE, CRect(3, 3, -4, -6)},
        {FALSE, CRect(4, 2, -5, -5)},
    };
    for (const auto& c : cases) {
        CRect rect(0, 0, 0, 0);
        bar.AdjustClientRectByBorders(rect, c.horizontal);
        EXPECT_EQ(c.expected, rect) << c.horizontal;
    }
    EXPECT_EQ(&parent, bar.GetOwner());
    EXPECT_EQ(DWORD(CBRS_ALIGN_TOP | CBRS_BORDER_LEFT | CBRS_BORDER_BOTTOM), bar.GetBarStyle());
}

TEST(ControlBar, StretchesAlongItsSideAndLiesFlatWhenNotDocked)
{
    TestParent parent;
    TestBar bar(&parent, CBRS_ALIGN_LEFT);
    EXPECT_EQ(CSize(32767, 0), bar.CalcFixedLayout(TRUE, TRUE));
    EXPECT_EQ(CSize(0, 32767), bar.CalcFixedLayout(TRUE, FALSE));
    EXPECT_EQ(CSize(0, 0), bar.CalcFixedLayout(FALSE, TRUE));
    EXPECT_EQ(DWORD(CBRS_ALIGN_LEFT), bar.GetCurrentAlignment());
    EXPECT_TRUE(bar.IsHorizontal());
}

TEST(ControlBar, TheLookDrawsTheBorderAndTheGripper)
{
    CGTVisualManager::SelectManagerClass(RUNTIME_CLASS(NonClientLook));
    auto* look = static_cast<NonClientLook*>(CGTVisualManager::GetCurrent());
    TestParent parent;
    const struct {
        DWORD style;
        std::vector<std::string> calls;
    } cases[] = {
        {CBRS_ALIGN_TOP | CBRS_BORDER_ANY | CBRS_GRIPPER, {"border", "gripper 6 horizontal"}},
        {CBRS_ALIGN_TOP | CBRS_BORDER_ANY, {"border"}},
    };
    for (const auto& c : cases) {
        TestBar bar(&parent, c.style);
        bar.SetBorders();
        bar.SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOZORDER | SWP_FRAMECHANGED);
        CRect client;
        bar.GetClientRect(&client);
        EXPECT_EQ(200 - 2 - (c.style & CBRS_GRIPPER ? 6 : 0), client.Width());
        look->m_Calls.clear();
        bar.SendMessage(WM_NCPAINT, 1);
        EXPECT_EQ(c.calls, look->m_Calls);
    }
    CGTVisualManager::SelectManagerClass(nullptr);
}
