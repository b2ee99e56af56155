// What a user sees and does in the report view, on a real X display: the layout of a narrow
// window, the period selector, Refresh, a double-click that drills down, and the find dialog.
// The screenshot is kept as report-view.bmp beside the test.
#include "../ReportTestSupport.h"

#include <ReportKinds.h>
#include <TreeObjectKinds.h>

#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/tests/screen/ScreenSupport.h>

#include <gtest/gtest.h>

#include <dlgs.h>
#include <oleacc.h>

#include <string>
#include <vector>

namespace {

const wchar_t* const kUsers[] = {L"alice", L"bob",  L"carol", L"dave", L"erin",  L"frank",   L"grace",
                                 L"heidi", L"ivan", L"judy",  L"ken",  L"laura", L"mallory", L"nick"};

// Users 10, 11, ... of a program, the first with the most time.
_Recordset* ProgramUsers(int iCount)
{
    std::vector<SummaryRow> rows;
    for (int i = 0; i < iCount; ++i)
        rows.push_back({_variant_t(10L + i), _variant_t(kUsers[i]), _variant_t(3600000.0 * (iCount - i) + 60000 * i),
                        _variant_t(1234.0 * (i + 1)), _variant_t(100.0 * i)});
    return Summary(rows);
}

void DoubleClickAt(POINT iPoint)
{
    MoveMouse(0, iPoint);
    INPUT clicks[4] = {};
    for (int i = 0; i < 4; ++i) {
        clicks[i].type = INPUT_MOUSE;
        clicks[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    }
    SendInput(4, clicks, sizeof(INPUT));
    LetItDraw(6);
}

class ReportViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_Window.frame->ShowWindow(SW_SHOW);
        m_Window.frame->SetForegroundWindow();
        m_Program = new CProgramObject(5, L"Word", nullptr);
        m_Item = m_Window.AddObject(ViewerTree::Applications, m_Program);
        for (int i = 0; i < 3; ++i)
            m_Window.AddObject(ViewerTree::Applications, new CAppUserObject(10 + i, kUsers[i], m_Program), m_Item);
        m_Window.Script(Program(L"Word", L"winword.exe"));
        m_Window.Script(ProgramUsers(14));
        m_Window.Tree(ViewerTree::Applications).SelectItem(m_Item);
        LetItDraw(10);
    }

    CRightView& View() { return *m_Window.view; }
    CZVGrid& Grid() { return View().m_wndGrid; }
    CPoint OnScreen(CWnd& iWindow, CPoint iPoint = CPoint(-1, -1))
    {
        CRect rect;
        iWindow.GetClientRect(rect);
        CPoint point = iPoint.x < 0 ? rect.CenterPoint() : iPoint;
        iWindow.ClientToScreen(&point);
        return point;
    }
    void Click(UINT iControl)
    {
        ClickAt(OnScreen(*View().GetDlgItem(iControl), CPoint(5, 5)));
        LetItDraw(4);
    }
    BOOL Enabled(UINT iControl) { return View().GetDlgItem(iControl)->IsWindowEnabled(); }
    size_t Requests() const { return m_Window.server.script.activityRequests.size(); }

    TReportWindow m_Window{CRect(0, 0, 1240, 760)};
    CProgramObject* m_Program = nullptr;
    HTREEITEM m_Item = nullptr;
};

TEST_F(ReportViewTest, TheReportAsAUserSeesIt)
{
    ASSERT_EQ(14, Grid().GetRowCount());
    CGTDibSection shot;
    ASSERT_TRUE(TakeScreenshot(*m_Window.frame, shot));
    SaveBitmap(shot, L"report-view.bmp");
    EXPECT_GT(CountColors(shot), 20u);
    CRect chart, grid;
    View().m_wndChart.GetWindowRect(chart);
    Grid().GetWindowRect(grid);
    EXPECT_EQ(chart.right, grid.right);
    EXPECT_EQ(chart.bottom + 3, grid.top);
    EXPECT_TRUE(View().m_wndChart.IsWindowVisible());
    EXPECT_TRUE(m_Window.app.boxes.empty());
}

TEST_F(ReportViewTest, ANarrowLowWindowScrollsAndKeepsChartAndGridLargeEnough)
{
    View().MoveWindow(200, 0, 300, 200);
    LetItDraw(4);
    CRect client, chart, grid;
    View().GetClientRect(client);
    View().m_wndChart.GetWindowRect(chart);
    Grid().GetWindowRect(grid);
    EXPECT_LE(client.Width(), 300);
    EXPECT_EQ(400, chart.Width());
    EXPECT_EQ(400, grid.Width());
    EXPECT_EQ(150, chart.Height());
    EXPECT_EQ(150, grid.Height());
    EXPECT_TRUE(View().GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(View().GetStyle() & WS_VSCROLL);
    CRect refresh;
    View().GetDlgItem(IDC_REFRESH)->GetWindowRect(refresh);
    View().ScreenToClient(refresh);
    EXPECT_GE(View().GetTotalSize().cx, refresh.right) << "every control of the form can be scrolled to";
}

TEST_F(ReportViewTest, CustomPeriodEnablesThePickersAndRefreshBuildsForIt)
{
    const size_t before = Requests();
    EXPECT_FALSE(Enabled(IDC_DATE_FROM));
    Click(IDC_CUSTOM_PERIOD);
    for (UINT picker : {IDC_TIME_FROM, IDC_DATE_FROM, IDC_TIME_TO, IDC_DATE_TO})
        EXPECT_TRUE(Enabled(picker)) << picker;
    EXPECT_EQ(before, Requests()) << "choosing a period builds nothing";
    Click(IDC_TODAY);
    EXPECT_FALSE(Enabled(IDC_TIME_FROM));
    Click(IDC_CUSTOM_PERIOD);

    const SYSTEMTIME dateFrom = {2026, 3, 0, 2, 0, 0, 0, 0}, timeFrom = {2026, 5, 0, 20, 8, 15, 0, 0},
                     dateTo = {2026, 3, 0, 31, 0, 0, 0, 0}, timeTo = {2026, 5, 0, 20, 17, 45, 30, 0};
    View().GetDlgItem(IDC_DATE_FROM)->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&dateFrom);
    View().GetDlgItem(IDC_TIME_FROM)->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&timeFrom);
    View().GetDlgItem(IDC_DATE_TO)->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&dateTo);
    View().GetDlgItem(IDC_TIME_TO)->SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, (LPARAM)&timeTo);
    m_Window.Script(ProgramUsers(2));
    Click(IDC_REFRESH);

    const ReportPeriod& period = m_Window.app.period.GetPeriod();
    EXPECT_EQ(ReportPeriod::Custom, period.PeriodType);
    EXPECT_EQ(COleDateTime(2026, 3, 2, 8, 15, 0), period.Start);
    EXPECT_EQ(COleDateTime(2026, 3, 31, 17, 45, 30), period.End);
    ASSERT_EQ(before + 1, Requests());
    EXPECT_EQ(COleDateTime(2026, 3, 2, 8, 15, 0).m_dt, m_Window.server.script.activityRequests.back().TimeStart);
    EXPECT_EQ(2, Grid().GetRowCount());
    EXPECT_TRUE(Enabled(IDC_DATE_TO)) << "the build shows the custom period it used";
}

TEST_F(ReportViewTest, ADoubleClickOnARowBuildsTheReportOfThatChild)
{
    const CGTGridRow* bob = Grid().GetRow(1);
    ASSERT_EQ(11u, bob->GetData());
    m_Window.Script(ProgramUsers(3));
    DoubleClickAt(OnScreen(Grid(), bob->GetRect().CenterPoint()));
    const CTreeObject* current = m_Window.frame->Reports(ViewerTree::Applications).GetCurrentObject();
    ASSERT_NE(nullptr, current);
    EXPECT_EQ(11u, current->GetId());
    EXPECT_TRUE(current->GetReport()->IsKindOf(RUNTIME_CLASS(CAppUserReport)));
    const SummaryActivityRequest& request = m_Window.server.script.activityRequests.back();
    EXPECT_EQ(ZorvaneDocument, request.ObjectType);
    EXPECT_EQ(11u, request.UserId);
    EXPECT_EQ(5u, request.ProcessId);
    CString caption;
    View().m_wndCaption.GetWindowText(caption);
    EXPECT_EQ(CString(L"Word (by bob)"), caption);
    EXPECT_EQ(nullptr, m_Program->GetReport()) << "the program's report was released";
}

TEST_F(ReportViewTest, AccessibilityAnswersForTheViewNotForTheFrameAroundIt)
{
    CWnd& view = View();
    CRect window, frame;
    view.GetWindowRect(window);
    m_Window.frame->GetWindowRect(frame);
    ASSERT_NE(frame, window);
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long left = 0, top = 0, width = 0, height = 0;
    ASSERT_EQ(S_OK, view.accLocation(&left, &top, &width, &height, self));
    EXPECT_EQ(window, CRect(CPoint(left, top), CSize(width, height)));
    VARIANT hit;
    EXPECT_EQ(S_OK, view.accHitTest(window.CenterPoint().x, window.CenterPoint().y, &hit));
    EXPECT_EQ(VT_I4, hit.vt);
    EXPECT_EQ(S_FALSE, view.accHitTest(frame.left + 2, frame.bottom - 2, &hit)) << "the frame's corner is not the view";
    long children = -1;
    EXPECT_EQ(S_OK, view.get_accChildCount(&children));
    EXPECT_EQ(0, children);
    EXPECT_EQ(E_POINTER, view.get_accChildCount(nullptr));
}

class FindTest : public ReportViewTest {
protected:
    void Find(LPCWSTR iText, bool iMatchCase = false, bool iDown = true)
    {
        CFindReplaceDialog* dialog = View().m_pFindDialog;
        ASSERT_NE(nullptr, dialog);
        dialog->SetDlgItemText(edt1, iText);
        dialog->CheckDlgButton(chx2, iMatchCase ? BST_CHECKED : BST_UNCHECKED);
        dialog->CheckRadioButton(rad1, rad2, iDown ? rad2 : rad1);
        dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
        LetItDraw(2);
    }
    int Found() const
    {
        const CGTGridRow* row = m_Window.view->m_wndGrid.GetCurSelRow();
        return row ? row->GetRowId() : -1;
    }
    void Open()
    {
        View().SendMessage(WM_COMMAND, ID_EDIT_FIND);
        LetItDraw(4);
    }
};

TEST_F(FindTest, SearchesTheShownTextsFromRowZeroDownwardWithoutWrapping)
{
    // Numbers and dates that are no text of the grid: never found.
    CGTGridRow* numbers = Grid().CreateRow(Grid().GetColumnCount());
    numbers->ReplaceItem(0, new CGTGridItem(_variant_t(1234.0)));
    _variant_t date(46000.0, VT_DATE);
    numbers->ReplaceItem(1, new CGTGridItem(date));
    Grid().AddRow(numbers, FALSE);
    Grid().AdjustLayout();

    Open();
    Find(L"23");
    EXPECT_EQ(0, Found()) << "1234 keyboard events on row 0";
    Find(L"23");
    EXPECT_EQ(9, Found()) << "12340 on row 9";
    Find(L"23");
    EXPECT_EQ(9, Found()) << "no more; the 1234.0 row is not found and nothing wraps";
    Find(L"ALICE", true);
    EXPECT_EQ(9, Found()) << "match case";
    Find(L"ALICE", false, false);
    EXPECT_EQ(0, Found());

    CFindReplaceDialog* dialog = View().m_pFindDialog;
    Open();
    EXPECT_EQ(dialog, View().m_pFindDialog) << "a second Find keeps the open dialog";
    dialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    LetItDraw(4);
    EXPECT_EQ(nullptr, View().m_pFindDialog);

    Grid().SelectRow(Grid().GetRow(3), TRUE);
    Open();
    Find(L"e");
    EXPECT_EQ(4, Found()) << "after the dialog closed, from the current row: erin";
}

}  // namespace
