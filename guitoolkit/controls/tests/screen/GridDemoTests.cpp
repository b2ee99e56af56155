// What a user sees and does with the grid, on a real X display: a few hundred rows of
// texts, numbers and dates under a grouping area, sorted by a click on a caption and grouped
// by dragging a caption onto the grouping area; columns dragged into the field chooser and
// back. The screenshots are kept as grid-demo.bmp, grid-chooser-empty.bmp and
// grid-chooser.bmp beside the test.
#include "../GridTestSupport.h"
#include "ScreenSupport.h"
#include <guitoolkit/controls/CGTGridColumnChooser.h>

namespace {

const wchar_t* const Programs[] = {L"Spreadsheet", L"Mail", L"Browser", L"Editor", L"Terminal", L"Calendar"};

// A captioned window filled by a grid of 300 rows.
class DemoWindow : public CWnd {
public:
    DemoWindow()
    {
        CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                 L"Grid demo", WS_POPUP | WS_VISIBLE, CRect(40, 40, 680, 480), nullptr, 0);
        CRect client;
        GetClientRect(client);
        m_Grid.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, client, this, 1234);
        m_Grid.InsertColumn(0, L"Program", 160);
        m_Grid.InsertColumn(1, L"Hours", 90);
        m_Grid.InsertColumn(2, L"Keys", 90);
        m_Grid.InsertColumn(3, L"Last used", 150);
        m_Grid.GetColumnsInfo().SetColumnAlign(1, 1);
        m_Grid.GetColumnsInfo().SetColumnAlign(2, 1);
        for (int i = 0; i < 300; ++i) {
            CGTGridRow* row = NewRow({Programs[(i * 7) % 6], (i * 37) % 101, (i * 7919) % 5000});
            VARIANT date;
            date.vt = VT_DATE;
            date.date = 45292.0 + (i * 13) % 365 + ((i * 17) % 24) / 24.0;
            row->AddItem(new CGTGridItem(date));
            m_Grid.AddRow(row, FALSE);
        }
        m_Grid.ShowGroupArea(TRUE);
        SetForegroundWindow();
        LetItDraw(10);
    }
    ~DemoWindow() override { DestroyWindow(); }

    // The screen point of a header caption's middle.
    CPoint Caption(int iColumn)
    {
        CPoint point = m_Grid.GetColumnRect(iColumn).CenterPoint();
        m_Grid.ClientToScreen(&point);
        return point;
    }
    int Value(int iShown, int iColumn) { return m_Grid.GetShownRow(iShown)->GetItem(iColumn)->GetValue().lVal; }

    CGTGridCtrl m_Grid;
    int m_ChooserHidden = 0;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == GTM_GRID_ON_HIDE_COLUMNCHOOSER)
            ++m_ChooserHidden;
        return CWnd::WindowProc(iMessage, iWParam, iLParam);
    }
};

}  // namespace

TEST(GridDemo, ACaptionClickSortsAndADraggedCaptionGroups)
{
    DemoWindow demo;
    ClickAt(demo.Caption(1));
    EXPECT_EQ(-1, demo.m_Grid.GetColumnsInfo().GetColumnSortDirection(1)) << "the first click sorts descending";
    ASSERT_EQ(300, demo.m_Grid.GetShownCount());
    for (int i = 1; i < 300; ++i)
        ASSERT_GE(demo.Value(i - 1, 1), demo.Value(i, 1)) << i;

    CPoint band(demo.m_Grid.GetGroupAreaHeight() * 3, demo.m_Grid.GetGroupAreaHeight() / 2);
    demo.m_Grid.ClientToScreen(&band);
    DragFromTo(demo.Caption(0), band);
    LetItDraw(10);
    EXPECT_EQ(1, demo.m_Grid.GetColumnsInfo().GetGroupColumnCount());
    EXPECT_EQ(6, demo.m_Grid.GetGroupRowCount()) << "one caption row per program";
    ASSERT_TRUE(demo.m_Grid.GetShownRow(0)->IsGroupCaption());
    EXPECT_STREQ(L"Program: Browser", demo.m_Grid.GetShownRow(0)->GetItem(0)->FormatItem());
    for (int i = 2; demo.m_Grid.GetShownRow(i)->GetGroupRow() == demo.m_Grid.GetShownRow(0); ++i)
        ASSERT_GE(demo.Value(i - 1, 1), demo.Value(i, 1)) << "still sorted inside the group";

    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(demo, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"grid-demo.bmp"));
    EXPECT_GT(CountColors(shot), 8u) << "not blank";
}

TEST(GridDemo, CaptionsDraggedIntoTheChooserAndBack)
{
    DemoWindow demo;
    demo.m_Grid.ShowColumnChooser(TRUE);
    LetItDraw(10);
    CGTGridColumnChooser* chooser = demo.m_Grid.GetColumnChooser();
    ASSERT_NE(nullptr, chooser);
    EXPECT_TRUE(chooser->IsEmpty()) << "\"(no fields available)\"";
    EXPECT_FALSE(chooser->GetList().IsWindowVisible());
    CGTDibSection empty;
    ASSERT_TRUE(TakeScreenshot(*chooser, empty));
    ASSERT_TRUE(SaveBitmap(empty, L"grid-chooser-empty.bmp"));

    CRect place;
    chooser->GetWindowRect(place);
    DragFromTo(demo.Caption(2), place.CenterPoint());
    LetItDraw(10);
    EXPECT_FALSE(demo.m_Grid.GetColumnsInfo().IsColumnVisible(2)) << "hidden";
    EXPECT_FALSE(chooser->IsEmpty());
    ASSERT_EQ(1, chooser->GetList().GetCount());
    EXPECT_TRUE(chooser->GetList().IsWindowVisible());
    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(*chooser, shot));
    ASSERT_TRUE(SaveBitmap(shot, L"grid-chooser.bmp"));

    CRect entry;
    chooser->GetList().GetItemRect(0, entry);
    chooser->GetList().ClientToScreen(entry);
    CPoint target = demo.Caption(1);
    target.x += demo.m_Grid.GetColumnRect(1).Width() / 2 - 4;
    DragFromTo(entry.CenterPoint(), target);
    LetItDraw(10);
    EXPECT_TRUE(demo.m_Grid.GetColumnsInfo().IsColumnVisible(2)) << "shown again";
    EXPECT_EQ(2, demo.m_Grid.GetColumnsInfo().IndexToOrder(2)) << "after the caption it was dropped on";
    EXPECT_TRUE(chooser->IsEmpty());

    chooser->SetWindowPos(nullptr, place.left + 30, place.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    chooser->GetWindowRect(place);
    chooser->SendMessage(WM_SYSCOMMAND, SC_CLOSE);
    LetItDraw(4);
    EXPECT_FALSE(chooser->IsWindowVisible());
    EXPECT_FALSE(demo.m_Grid.IsColumnChooserShown());
    EXPECT_EQ(1, demo.m_ChooserHidden) << "the owner is told";
    demo.m_Grid.ShowColumnChooser(TRUE);
    LetItDraw(4);
    CRect again;
    chooser->GetWindowRect(again);
    EXPECT_TRUE(chooser->IsWindowVisible());
    EXPECT_EQ(place, again) << "where it was";
}
