// Scroll views: bars only while the drawing is larger than the pane, positions kept inside
// the range, and the origin of the drawing moved to the position.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace {
class CDrawingView : public CScrollView {
    DECLARE_DYNCREATE(CDrawingView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(CDrawingView, CScrollView)

struct ScrollFixture : public ::testing::Test {
    CFrameWnd* pFrame = nullptr;
    CDrawingView* pView = nullptr;

    void SetUp() override
    {
        pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CDrawingView);
        ASSERT_TRUE(pFrame->Create(nullptr, L"Scroll", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300), nullptr, nullptr, 0,
                                   &context));
        pView = static_cast<CDrawingView*>(pFrame->GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE));
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override { pFrame->DestroyWindow(); }

    bool Bar(DWORD dwStyle) const { return (pView->GetStyle() & dwStyle) != 0; }
};
}  // namespace

TEST_F(ScrollFixture, BarsShowOnlyWhileTheDrawingIsLargerThanThePane)
{
    CRect pane;
    pView->GetClientRect(&pane);
    struct Case {
        CSize total;
        bool bHorz, bVert;
    };
    const Case cases[] = {
        {CSize(pane.Width() / 2, pane.Height() / 2), false, false},
        {CSize(pane.Width() * 3, pane.Height() / 2), true, false},
        {CSize(pane.Width() / 2, pane.Height() * 3), false, true},
        {CSize(pane.Width() * 3, pane.Height() * 3), true, true},
        // Fits only without the other bar: once one bar is needed, so is the other.
        {CSize(pane.Width() * 3, pane.Height() - 2), true, true},
        {pane.Size(), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.total.cx << "x" << c.total.cy);
        pView->SetScrollSizes(MM_TEXT, c.total);
        EXPECT_EQ(Bar(WS_HSCROLL), c.bHorz);
        EXPECT_EQ(Bar(WS_VSCROLL), c.bVert);
    }
}

TEST_F(ScrollFixture, ThePositionStaysInRangeAndMovesTheOrigin)
{
    pView->SetScrollSizes(MM_TEXT, CSize(2000, 1500));
    pView->ScrollToPosition(CPoint(50, 60));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(50, 60));
    CClientDC dc(pView);
    pView->OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-50, -60));

    // Beyond the end: the last page.
    pView->ScrollToPosition(CPoint(5000, 5000));
    CRect pane;
    pView->GetClientRect(&pane);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(2000 - pane.Width(), 1500 - pane.Height()));

    // Scrolling by the bars' own commands.
    pView->ScrollToPosition(CPoint(0, 0));
    pView->SendMessage(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 150));
    pView->SendMessage(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(20, 150));

    // A drawing that fits again goes back to the start.
    pView->SetScrollSizes(MM_TEXT, CSize(10, 10));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));
}
