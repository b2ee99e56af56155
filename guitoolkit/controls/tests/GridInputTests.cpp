#include "GridTestSupport.h"
#include <guitoolkit/core/tests/FakeSeams.h>

namespace {

using Notices = std::vector<GridNotice>;
const UINT DoubleClicked = (UINT)NM_DBLCLK;
const UINT RowDoubleClick = 1;

GridNotice Sel(UINT iCode, CGTGridRange iRange, BOOL iSelect = TRUE)
{
    return {iCode, iRange, iSelect};
}

// Both notifications of one range.
Notices Both(CGTGridRange iRange, BOOL iSelect = TRUE)
{
    return {Sel(GTGridSelChanging, iRange, iSelect), Sel(GTGridSelChanged, iRange, iSelect)};
}

Notices Join(std::initializer_list<Notices> iParts)
{
    Notices all;
    for (const Notices& part : iParts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

void Pump()
{
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

void Post(CWnd& iWnd, UINT iMessage, WPARAM iFlags, CPoint iPoint)
{
    iWnd.PostMessage(iMessage, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
}

// Press and release posted together, so that no timer comes between them.
void Click(CWnd& iWnd, CPoint iPoint, WPARAM iKeys = 0)
{
    Post(iWnd, WM_LBUTTONDOWN, MK_LBUTTON | iKeys, iPoint);
    Post(iWnd, WM_LBUTTONUP, iKeys, iPoint);
    Pump();
}

// A grid whose cells never open an editor, and a row that notes its double clicks.
class NoEditGrid : public CGTGridCtrl {
public:
    BOOL IsEditable() const override { return FALSE; }
};

class NotingRow : public CGTGridRow {
public:
    NotingRow(GridParent& iParent) : CGTGridRow(2, 0), m_Parent(iParent) {}
    BOOL OnDblClk(CPoint) override
    {
        m_Parent.m_Notices.push_back({RowDoubleClick, {0, 0, 0, 0}, FALSE});
        return TRUE;
    }
    GridParent& m_Parent;
};

class GridInput : public GridWindowFixture<NoEditGrid> {
protected:
    void SetUp() override
    {
        GridWindowFixture::SetUp();
        AddRows(6);
    }
    std::vector<CGTGridRange> Ranges() const
    {
        std::vector<CGTGridRange> ranges;
        for (POSITION position = m_Grid.GetSelection().GetHeadPosition(); position != nullptr;)
            ranges.push_back(m_Grid.GetSelection().GetNext(position));
        return ranges;
    }
};

}  // namespace

TEST_F(GridInput, ClicksReplaceAddAndExtendTheSelection)
{
    struct Step {
        const char* name;
        CPoint cell;
        WPARAM keys;
        Notices notices;
    };
    const CGTGridRange first = {0, 1, 0, 1};
    const CGTGridRange second = {1, 2, 1, 2};
    const CGTGridRange added = {0, 4, 0, 4};
    const CGTGridRange extended = {0, 4, 1, 5};
    const Step steps[] = {
        {"a click", {1, 0}, 0, Both(first)},
        {"another click replaces it", {2, 1}, 0, Join({Both(first, FALSE), Both(second)})},
        {"Ctrl adds a range", {4, 0}, MK_CONTROL, Join({Both(second), Both(added)})},
        {"Shift extends the last range from the anchor", {5, 1}, MK_SHIFT, Join({Both(second), Both(extended)})},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        m_Parent.m_Notices.clear();
        Click(m_Grid, CellPoint(step.cell.x, step.cell.y), step.keys);
        EXPECT_EQ(step.notices, m_Parent.m_Notices);
    }
    EXPECT_EQ(4, m_Grid.GetAnchor().m_Row);
    EXPECT_EQ(5, m_Grid.GetCurrentCell().m_Row);

    m_Parent.m_Notices.clear();
    EXPECT_FALSE(m_Grid.SetCurSel(5, 1, GTGridSelectKeyboard)) << "the current cell again, a key move alone";
    EXPECT_TRUE(m_Parent.m_Notices.empty());
}

TEST_F(GridInput, WholeRowSingleSelectionIgnoresCtrlAndShift)
{
    m_Grid.SetWholeRowSelection(TRUE);
    m_Grid.SetSingleSelection(TRUE);
    for (WPARAM keys : {(WPARAM)0, (WPARAM)MK_CONTROL, (WPARAM)MK_SHIFT}) {
        SCOPED_TRACE(keys);
        const int row = 1 + (int)keys / 4;
        Click(m_Grid, CellPoint(row, 1), keys);
        ASSERT_EQ(1u, Ranges().size());
        EXPECT_EQ(row, Ranges()[0].m_Top);
        EXPECT_EQ(row, Ranges()[0].m_Bottom);
        EXPECT_EQ(0, Ranges()[0].m_Left) << "every column";
        EXPECT_EQ(1, Ranges()[0].m_Right);
        EXPECT_EQ(m_Grid.GetRow(row), m_Grid.GetCurSelRow());
    }
}

TEST_F(GridInput, ADragSelectionStartsAtSixPixels)
{
    for (int distance : {5, 6}) {
        SCOPED_TRACE(distance);
        const CRect cell = m_Grid.GetRow(0)->GetItem(0)->GetRect();
        const CPoint press(cell.CenterPoint().x, cell.bottom - 2);
        Post(m_Grid, WM_LBUTTONDOWN, MK_LBUTTON, press);
        Post(m_Grid, WM_MOUSEMOVE, MK_LBUTTON, press + CPoint(0, distance));
        Post(m_Grid, WM_LBUTTONUP, 0, press + CPoint(0, distance));
        Pump();
        ASSERT_EQ(1u, Ranges().size());
        EXPECT_EQ(distance == 6 ? 1 : 0, Ranges()[0].m_Bottom);
        EXPECT_EQ(nullptr, CWnd::GetCapture());
    }
}

TEST_F(GridInput, ADoubleClickNotifiesAfterTheRowHandledIt)
{
    NotingRow* row = new NotingRow(m_Parent);
    row->AddItem(new CGTGridItem(CellValue(L"noting").Get()));
    row->AddItem(new CGTGridItem(CellValue(9).Get()));
    m_Grid.AddRow(row, FALSE);
    m_Grid.AdjustLayout();
    Click(m_Grid, CellPoint(6, 0));
    m_Parent.m_Notices.clear();
    Post(m_Grid, WM_LBUTTONDBLCLK, MK_LBUTTON, CellPoint(6, 0));
    Pump();
    EXPECT_EQ((Notices{{RowDoubleClick, {0, 0, 0, 0}, FALSE}, {DoubleClicked, {0, 0, 0, 0}, FALSE}}),
              m_Parent.m_Notices);
}

TEST_F(GridInput, EscapeDuringAResizeRestoresTheWidth)
{
    FakeKeyState keys;
    keys.Press(VK_LBUTTON);
    const CRect caption = m_Grid.GetColumnRect(1);
    const CPoint edge(caption.right, caption.CenterPoint().y);
    Post(m_Grid, WM_LBUTTONDOWN, MK_LBUTTON, edge);
    Post(m_Grid, WM_MOUSEMOVE, MK_LBUTTON, edge + CPoint(30, 0));
    Pump();
    EXPECT_EQ(130, m_Grid.GetColumnsInfo().GetColumnWidth(1)) << "the width follows the mouse";
    EXPECT_EQ(&m_Grid, CWnd::GetCapture());
    Post(m_Grid, WM_KEYDOWN, VK_ESCAPE, CPoint(0, 0));
    Pump();
    EXPECT_EQ(100, m_Grid.GetColumnsInfo().GetColumnWidth(1));
    EXPECT_EQ(nullptr, CWnd::GetCapture());
}

TEST(GridClicks, APressHeldForTheTimerIsNoClick)
{
    for (BOOL held : {TRUE, FALSE}) {
        SCOPED_TRACE(held);
        GridParent parent;
        CGTGridCtrl grid;
        grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 400, 300), &parent, 1);
        grid.InsertColumn(0, L"Name", 150);
        grid.AddRow(NewRow({L"edit me"}), FALSE);
        grid.AdjustLayout();
        const CPoint point = grid.GetRow(0)->GetItem(0)->GetRect().CenterPoint();
        Post(grid, WM_LBUTTONDOWN, MK_LBUTTON, point);
        if (held)
            grid.PostMessage(WM_TIMER, 1);
        Post(grid, WM_LBUTTONUP, 0, point);
        Pump();
        EXPECT_EQ(!held, grid.GetRow(0)->IsInEdit());
        grid.EndEditItem(FALSE);
    }
}

TEST_F(GridInput, KeysMoveTheCurrentRow)
{
    m_Grid.SetWholeRowSelection(TRUE);
    struct Step {
        UINT key;
        BOOL shift;
        int current;
        int top;  // of the last range
    };
    const Step steps[] = {
        {VK_NEXT, FALSE, 0, 0},                         // no current row yet: the first one
        {VK_DOWN, FALSE, 1, 1}, {VK_DOWN, TRUE, 2, 1},  // Shift extends from the anchor
        {VK_END, FALSE, 5, 5},  {VK_UP, FALSE, 4, 4},
        {VK_HOME, TRUE, 0, 0},  {VK_NEXT, FALSE, 5, 5},  // a page is more than the rows that are left
    };
    FakeKeyState keys;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.key);
        if (step.shift)
            keys.Press(VK_SHIFT);
        m_Grid.SendMessage(WM_KEYDOWN, step.key);
        keys.Release(VK_SHIFT);
        EXPECT_EQ(step.current, m_Grid.GetCurrentCell().m_Row);
        ASSERT_FALSE(m_Grid.GetSelection().IsEmpty());
        EXPECT_EQ(step.top, m_Grid.GetSelection().GetTail().m_Top);
    }
}

namespace {

// Every window the thread creates while it lives fails its WM_CREATE, as a window whose
// creation fails half-way does: it gets WM_NCDESTROY.
class WindowRefusal {
public:
    WindowRefusal() : m_Hook(::SetWindowsHookExW(WH_CBT, &Hook, nullptr, ::GetCurrentThreadId())) {}
    ~WindowRefusal() { ::UnhookWindowsHookEx(m_Hook); }

private:
    static LRESULT CALLBACK Hook(int iCode, WPARAM iWParam, LPARAM iLParam)
    {
        if (iCode == HCBT_CREATEWND) {
            const HWND window = (HWND)iWParam;
            ::SetPropW(window, L"Refused", (HANDLE)::GetWindowLongPtrW(window, GWLP_WNDPROC));
            ::SetWindowLongPtrW(window, GWLP_WNDPROC, (LONG_PTR)&Refuse);
        }
        return ::CallNextHookEx(nullptr, iCode, iWParam, iLParam);
    }
    static LRESULT CALLBACK Refuse(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
    {
        if (iMessage == WM_CREATE)
            return -1;
        return ::CallWindowProcW((WNDPROC)::GetPropW(iWindow, L"Refused"), iWindow, iMessage, iWParam, iLParam);
    }
    HHOOK m_Hook;
};

}  // namespace

TEST_F(GridWindowTest, PopupsThatFailToOpenAreFreedOnceAndLeaveNothingBehind)
{
    FakeKeyState keys;
    keys.Press(VK_LBUTTON);
    const CRect caption = m_Grid.GetColumnRect(0);
    m_Grid.SetDragPoint(caption.CenterPoint());
    ASSERT_TRUE(m_Grid.StartDragColumn(0, caption, FALSE, FALSE));
    {
        WindowRefusal refusal;
        m_Grid.TrackDragColumn(caption.CenterPoint() + CPoint(20, 0));
        m_Grid.ShowColumnChooser(TRUE);
    }
    EXPECT_EQ(nullptr, m_Grid.GetColumnChooser());
    EXPECT_FALSE(m_Grid.IsColumnChooserShown());
    m_Grid.TrackDragColumn(caption.CenterPoint() + CPoint(30, 0));
    m_Grid.StopDragColumn(CPoint(-1, -1));
    m_Grid.ShowColumnChooser(TRUE);
    EXPECT_NE(nullptr, m_Grid.GetColumnChooser());
}
