// Reports of each kind built in a real report view from the fake server's answers.
#include "ReportTestSupport.h"

#include <CIconGridItem.h>
#include <FormatDuration.h>
#include <ReportChart.h>
#include <ReportErrors.h>
#include <ReportKinds.h>
#include <TreeObjectKinds.h>
#include <ViewerSettings.h>

#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::wstring>;

// 1 January 2026 at midnight to the fixed clock's now, 20 May 2026 15:30.
const COleDateTime kStart(2026, 1, 1, 0, 0, 0), kEnd(2026, 5, 20, 15, 30, 0);

SummaryActivityRequest PeriodRequest(ZorvaneObjectType iType, unsigned long iComputer, unsigned long iUser,
                                     unsigned long iProcess)
{
    return Request(iType, iComputer, iUser, iProcess, kStart, kEnd);
}

std::wstring Bytes(const SummaryActivityRequest& iRequest)
{
    std::wstring text;
    const BYTE* bytes = reinterpret_cast<const BYTE*>(&iRequest);
    for (size_t i = 0; i < sizeof iRequest; ++i)
        text += std::to_wstring(bytes[i]) + L" ";
    return text;
}

class ReportTest : public ::testing::Test {
protected:
    CZVGrid& Grid() { return m_Window.view->m_wndGrid; }
    std::wstring Caption()
    {
        CString text;
        m_Window.view->m_wndCaption.GetWindowText(text);
        return static_cast<LPCWSTR>(text);
    }
    Texts Columns()
    {
        Texts captions;
        for (int i = 0; i < Grid().GetColumnCount(); ++i)
            captions.push_back(static_cast<LPCWSTR>(Grid().GetColumnName(i)));
        return captions;
    }
    // The shown rows, each as its cells' texts joined by '|'.
    Texts Rows()
    {
        Texts rows;
        for (int i = 0; i < Grid().GetRowCount(); ++i) {
            CGTGridRow* row = Grid().GetRow(i);
            std::wstring text;
            for (int c = 0; c < row->GetItemCount(); ++c)
                text += (c ? L"|" : L"") + std::wstring(static_cast<LPCWSTR>(row->GetItem(c)->FormatItem()));
            rows.push_back(text);
        }
        return rows;
    }
    std::vector<ULONG> RowIds()
    {
        std::vector<ULONG> ids;
        for (int i = 0; i < Grid().GetRowCount(); ++i)
            ids.push_back(static_cast<ULONG>(Grid().GetRow(i)->GetData()));
        return ids;
    }
    // The object in the Applications tree, selected: its report is built as a user's click builds it.
    void Select(CTreeObject* iObject)
    {
        const HTREEITEM item = m_Window.AddObject(ViewerTree::Applications, iObject);
        m_Window.Tree(ViewerTree::Applications).SelectItem(item);
    }
    _Recordset* TwoRows()
    {
        return Summary({{_variant_t(8L), _variant_t(L"small"), _variant_t(60000.0), _variant_t(1.0), _variant_t(2.0)},
                        {_variant_t(9L), _variant_t(L"big"), _variant_t(3600000.0), _variant_t(3.0), _variant_t(4.0)}});
    }

    TReportWindow m_Window;
};

TEST_F(ReportTest, EachKindShowsItsColumnsCaptionAndRowsForItsRequest)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    CWorkstationObject* workstation = new CWorkstationObject(4, L"ws-4", nullptr);
    CProgramObject* program = new CProgramObject(5, L"Word", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    m_Window.AddObject(ViewerTree::Computers, workstation);
    m_Window.AddObject(ViewerTree::Applications, program);
    CComputerObject* computer = new CComputerObject(4, L"ws-4", user);
    CCompUserObject* compUser = new CCompUserObject(3, L"alice", workstation);
    const Texts plain = {L"Time Spent", L"Keyboard Events", L"Mouse Events"};
    const struct {
        const char* Name;
        CTreeObject* Object;
        bool AsksForProgram;
        Texts Columns;
        std::wstring Caption;
        SummaryActivityRequest Request;
    } cases[] = {
        {"user", user, false, {L"Computer"}, L"alice", PeriodRequest(ZorvaneComputer, 0, 3, 0)},
        {"workstation", workstation, false, {L"User Name"}, L"ws-4", PeriodRequest(ZorvaneUser, 4, 0, 0)},
        {"program", program, true, {L"User Name"}, L"Word (winword.exe)", PeriodRequest(ZorvaneUser, 0, 0, 5)},
        {"program under computer and user",
         new CApplicationObject(5, L"Word", computer),
         true,
         {L"Window Title"},
         L"Word (alice on ws-4)",
         PeriodRequest(ZorvaneDocument, 4, 3, 5)},
        {"program under user and computer",
         new CWsUsApplicationObject(5, L"Word", compUser),
         true,
         {L"Window Title"},
         L"Word (ws-4 on alice)",
         PeriodRequest(ZorvaneDocument, 4, 3, 5)},
        {"user under a program",
         new CAppUserObject(3, L"alice", program),
         true,
         {L"Window Title"},
         L"Word (by alice)",
         PeriodRequest(ZorvaneDocument, 0, 3, 5)},
    };
    bool programAsked = false;
    for (const auto& c : cases) {
        if (c.Object->GetParent() && !c.Object->GetParent()->GetParent())
            m_Window.AddObject(ViewerTree::Users, c.Object);
        m_Window.server.script.activityRequests.clear();
        if (c.AsksForProgram && !programAsked)
            m_Window.Script(Program(L"Word", L"winword.exe"));
        programAsked = programAsked || c.AsksForProgram;
        m_Window.Script(TwoRows());
        c.Object->ShowReport();
        Texts columns = c.Columns;
        columns.insert(columns.end(), plain.begin(), plain.end());
        EXPECT_EQ(columns, Columns()) << c.Name;
        EXPECT_EQ(columns[0] == L"Window Title" ? 300 : 100, Grid().GetColumnsInfo().GetColumnWidth(0)) << c.Name;
        EXPECT_EQ(c.Caption, Caption()) << c.Name;
        ASSERT_EQ(1u, m_Window.server.script.activityRequests.size()) << c.Name;
        EXPECT_EQ(Bytes(c.Request), Bytes(m_Window.server.script.activityRequests[0])) << c.Name;
        EXPECT_EQ((Texts{L"big|01:00 hours|3|4", L"small|01 minutes|1|2"}), Rows()) << c.Name;
        EXPECT_EQ((std::vector<ULONG>{9, 8}), RowIds()) << c.Name;
        EXPECT_EQ(2u, c.Object->GetReport()->GetChartPoints().size()) << c.Name;
    }
    EXPECT_EQ(1u, m_Window.server.script.objectRequests.size()) << "the program is asked for once";
    EXPECT_TRUE(m_Window.app.boxes.empty());
    // Names are data: an '&' in a description is shown, not taken for a mnemonic.
    EXPECT_TRUE(m_Window.view->m_wndCaption.GetStyle() & SS_NOPREFIX);
}

TEST_F(ReportTest, TheComputerReportShowsProgramsByDescriptionAndIcon)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    CComputerObject* computer = new CComputerObject(4, L"ws-4", user);
    m_Window.AddObject(ViewerTree::Users, computer);
    m_Window.Script(
        Summary({{_variant_t(5L), _variant_t(L"winword.exe"), _variant_t(7200000.0), _variant_t(1.0), _variant_t(1.0)},
                 {_variant_t(6L), _variant_t(L"calc.exe"), _variant_t(60000.0), _variant_t(1.0), _variant_t(1.0)}}));
    m_Window.Script(Program(L"Word", L"winword.exe"));
    m_Window.server.script.results[L"GetSummaryObjectData"] = {S_OK, E_FAIL};
    computer->ShowReport();
    EXPECT_EQ((Texts{L"Program Name", L"Process", L"Time Spent", L"Keyboard Events", L"Mouse Events"}), Columns());
    EXPECT_EQ(300, Grid().GetColumnsInfo().GetColumnWidth(0));
    EXPECT_EQ(L"alice on ws-4", Caption());
    EXPECT_EQ((Texts{L"Word|winword.exe|02:00 hours|1|1", L"calc.exe|calc.exe|01 minutes|1|1"}), Rows());
    EXPECT_EQ((std::vector<ULONG>{5, 6}), RowIds());
    const CIconGridItem* word = DYNAMIC_DOWNCAST(CIconGridItem, Grid().GetRow(0)->GetItem(0));
    ASSERT_NE(nullptr, word);
    EXPECT_NE(nullptr, word->GetIcon());
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CIconGridItem, Grid().GetRow(1)->GetItem(0)));
    const auto& points = computer->GetReport()->GetChartPoints();
    ASSERT_EQ(2u, points.size());
    EXPECT_EQ(CString(L"Word"), points[0].Label);
    EXPECT_EQ(7200000.0, points[0].Value);
}

TEST_F(ReportTest, NullsAndCountsAndTheOrderOfTime)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    m_Window.Script(
        Summary({{Null(), Null(), Null(), Null(), Null()},
                 {_variant_t(7L), _variant_t(L"ws-7"), _variant_t(86400000.0), _variant_t(2.5), _variant_t(3.5)},
                 {_variant_t(8L), _variant_t(L"ws-8"), _variant_t(86340000.0), _variant_t(0.5), _variant_t(1.5)}}));
    user->ShowReport();
    EXPECT_EQ((Texts{L"ws-7|1 day 00 minutes|2|4", L"ws-8|23:59 hours|0|2", L"|00 minutes|0|0"}), Rows());
    EXPECT_EQ((std::vector<ULONG>{7, 8, 0}), RowIds());
    // The first click sorts down, the second up: a day after 23:59 hours, whatever the texts say.
    Grid().SortByHeaderClick(1);
    Grid().SortByHeaderClick(1);
    EXPECT_EQ((std::vector<ULONG>{0, 8, 7}), RowIds());
}

_variant_t Int64(LONGLONG iValue)
{
    _variant_t value;
    value.vt = VT_I8;
    value.llVal = iValue;
    return value;
}

// A server's sums come as 32- or 64-bit integers or as doubles; past 2^31 they are shown
// whole, sort by value and are exported and charted as shown.
TEST_F(ReportTest, CountsAndTimesOfEachNumericTypeShowWhole)
{
    const struct {
        const char* Name;
        DataTypeEnum Type;
        int Size;
        _variant_t Big, Small;
        double BigTime;
        const wchar_t* BigText;
    } cases[] = {
        {"32-bit", adInteger, 4, _variant_t(2147483647L), _variant_t(9L), 2147483647.0, L"2147483647"},
        {"64-bit", adBigInt, 8, Int64(5000000000LL), Int64(9), 5000000000.0, L"5000000000"},
        {"double", adDouble, 8, _variant_t(5000000000.5), _variant_t(9.0), 5000000000.5, L"5000000000"},
    };
    for (const auto& c : cases) {
        CUserObject* user = new CUserObject(3, L"alice", nullptr);
        m_Window.AddObject(ViewerTree::Users, user);
        m_Window.Script(MakeRecordset({{L"ID", adInteger, 4},
                                       {L"Name", adVarWChar, 64},
                                       {L"TimeSpent", c.Type, c.Size},
                                       {L"KeyboardEvents", c.Type, c.Size},
                                       {L"MouseEvents", c.Type, c.Size}},
                                      {_variant_t(8L), _variant_t(L"small"), c.Small, c.Small, c.Small, _variant_t(9L),
                                       _variant_t(L"big"), c.Big, c.Big, c.Big}));
        user->ShowReport();
        const std::wstring time = static_cast<LPCWSTR>(FormatDuration(c.BigTime));
        EXPECT_EQ((Texts{L"big|" + time + L"|" + c.BigText + L"|" + c.BigText, L"small|00 minutes|9|9"}), Rows())
            << c.Name;
        EXPECT_TRUE(m_Window.app.boxes.empty()) << c.Name;
        Grid().SortByHeaderClick(2);
        Grid().SortByHeaderClick(2);
        EXPECT_EQ((std::vector<ULONG>{8, 9}), RowIds()) << c.Name << ": up by value, not by text";
        EXPECT_EQ(std::wstring(c.BigText), std::wstring(CellText(Grid().GetRow(1)->GetItem(3)->GetValue()))) << c.Name;
        ASSERT_EQ(2u, user->GetReport()->GetChartPoints().size()) << c.Name;
        EXPECT_EQ(c.BigTime, user->GetReport()->GetChartPoints()[0].Value) << c.Name;
        user->DeleteReport();
    }
}

TEST_F(ReportTest, ABuildAgainShowsTheRowsOnceAndFreesTheIconItReplaces)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    m_Window.Script(TwoRows());
    user->ShowReport();
    const HICON first = m_Window.view->m_wndIcon.GetIcon();
    ASSERT_NE(nullptr, first);
    m_Window.Script(TwoRows());
    user->GetReport()->Build(0);
    EXPECT_EQ(2u, Rows().size());
    EXPECT_EQ(4, Grid().GetColumnCount());
    EXPECT_EQ(2u, user->GetReport()->GetChartPoints().size());
    ICONINFO info = {};
    EXPECT_FALSE(GetIconInfo(first, &info)) << "the replaced icon is destroyed";
}

TEST_F(ReportTest, DeletingAReportEmptiesTheGridFirst)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    m_Window.Script(TwoRows());
    user->ShowReport();
    ASSERT_EQ(2, Grid().GetRowCount());
    user->DeleteReport();
    EXPECT_EQ(0, Grid().GetRowCount());
}

TEST_F(ReportTest, WithoutConnectionOrParentEachKindStopsWhereItShould)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    CWorkstationObject* workstation = new CWorkstationObject(4, L"ws-4", nullptr);
    CProgramObject* program = new CProgramObject(5, L"Word", nullptr);
    for (CTreeObject* object : std::initializer_list<CTreeObject*>{user, workstation, program})
        m_Window.AddObject(ViewerTree::Applications, object);
    CComputerObject* orphanComputer = new CComputerObject(4, L"ws-4", nullptr);
    CApplicationObject* orphanProgram = new CApplicationObject(5, L"Word", nullptr);
    m_Window.AddObject(ViewerTree::Applications, orphanComputer);
    m_Window.AddObject(ViewerTree::Applications, orphanProgram);
    const struct {
        const char* Name;
        CTreeObject* Object;
        bool Connected;
        bool Icon;
        Texts Columns;
        std::wstring Caption;
    } cases[] = {
        {"user, not connected", user, false, false, {}, L"before"},
        {"workstation, not connected", workstation, false, true, {}, L"before"},
        {"program, not connected",
         program,
         false,
         true,
         {L"User Name", L"Time Spent", L"Keyboard Events", L"Mouse Events"},
         L" ()"},
        {"computer without parent", orphanComputer, true, true, {}, L"before"},
        {"program without parent", orphanProgram, true, false, {}, L"before"},
    };
    for (const auto& c : cases) {
        m_Window.Script(TwoRows());
        user->ShowReport();
        ASSERT_EQ(2, Grid().GetRowCount());
        m_Window.view->m_wndCaption.SetWindowText(L"before");
        const HICON icon = m_Window.view->m_wndIcon.GetIcon();
        if (!c.Connected) {
            m_Window.activation->failure = HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
            m_Window.document->ConnectToServer();
            m_Window.app.boxes.clear();
        }
        m_Window.server.script.activityRequests.clear();
        c.Object->ShowReport();
        EXPECT_EQ(c.Icon, m_Window.view->m_wndIcon.GetIcon() != icon) << c.Name;
        EXPECT_EQ(c.Columns, Columns()) << c.Name;
        EXPECT_EQ(c.Caption, Caption()) << c.Name;
        EXPECT_EQ(0, Grid().GetRowCount()) << c.Name;
        EXPECT_TRUE(c.Object->GetReport()->GetChartPoints().empty()) << c.Name;
        EXPECT_TRUE(m_Window.server.script.activityRequests.empty()) << c.Name;
        if (!c.Connected) {
            for (int i = 0; i < 3; ++i)
                m_Window.Script(Summary({}));
            m_Window.activation->failure = S_OK;
            m_Window.document->ConnectToServer();
        }
    }
    EXPECT_TRUE(m_Window.app.boxes.empty());
}

TEST_F(ReportTest, AFailureShowsOneMessageAndKeepsWhatWasRead)
{
    m_Window.Script(
        Summary({{_variant_t(8L), _variant_t(L"read"), _variant_t(2.0), _variant_t(1.0), _variant_t(1.0)},
                 {_variant_t(9L), _variant_t(L"bad"), _variant_t(1.0), _variant_t(L"many"), _variant_t(1.0)}}));
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    Select(user);
    ASSERT_EQ(1u, m_Window.app.boxes.size());
    EXPECT_FALSE(m_Window.app.boxes[0].text.empty());
    EXPECT_EQ((Texts{L"read|00 minutes|1|1"}), Rows());
    EXPECT_EQ(1, Grid().GetShownCount()) << "the rows read are laid out and shown";
    EXPECT_EQ(user, m_Window.frame->Reports(ViewerTree::Applications).GetCurrentObject());

    m_Window.server.script.errorDescription = L"The summary was refused.";
    m_Window.server.script.results[L"GetSummaryActivityData"] = {E_ACCESSDENIED};
    m_Window.frame->Reports(ViewerTree::Applications).RefreshCurrentReport();
    ASSERT_EQ(2u, m_Window.app.boxes.size());
    EXPECT_EQ(L"The summary was refused.", m_Window.app.boxes[1].text);
    EXPECT_EQ(4, Grid().GetColumnCount());

    m_Window.server.script.errorDescription.clear();
    m_Window.server.script.results[L"GetSummaryActivityData"] = {E_ACCESSDENIED};
    m_Window.frame->Reports(ViewerTree::Applications).RefreshCurrentReport();
    ASSERT_EQ(3u, m_Window.app.boxes.size());
    EXPECT_EQ(static_cast<LPCWSTR>(SystemMessage(E_ACCESSDENIED)), m_Window.app.boxes[2].text);
}

// A lost server is dropped at once: one message, and no later build asks it again.
TEST_F(ReportTest, ALostServerIsDroppedByTheFirstBuildThatMeetsIt)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.server.script.results[L"GetSummaryActivityData"] = {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE)};
    Select(user);
    ASSERT_EQ(1u, m_Window.app.boxes.size());
    EXPECT_EQ(L"`" + std::wstring(ReadServerName()) + L"` is not available.", m_Window.app.boxes[0].text);
    EXPECT_EQ(nullptr, m_Window.document->GetServer());
    const size_t requests = m_Window.server.script.activityRequests.size();
    m_Window.frame->Reports(ViewerTree::Applications).RefreshCurrentReport();
    EXPECT_EQ(requests, m_Window.server.script.activityRequests.size());
    EXPECT_EQ(1u, m_Window.app.boxes.size());
}

TEST_F(ReportTest, TheExportHoldsTheCaptionsAndTheShownCellsAndAFailureIsReported)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    m_Window.AddObject(ViewerTree::Users, user);
    m_Window.Script(TwoRows());
    user->ShowReport();
    m_Window.view->m_wndCaption.SetWindowText(L"a/b\\c: *?\"<>|");
    EXPECT_EQ(CString(L"ab-c .htm"), m_Window.view->DefaultExportName());

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const CString path = CString(folder) + L"zv-report-export.htm";
    m_Window.view->ExportReport(path);
    CFile file(path, CFile::modeRead);
    std::string bytes(static_cast<size_t>(file.GetLength()), '\0');
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    file.Close();
    DeleteFileW(path);
    EXPECT_NE(std::string::npos,
              bytes.find("<td><font size=\"2\"><strong>Mouse Events</strong></font></td>\r\n"
                         "<tr>\r\n<td><font size=\"2\">big</font></td>\r\n"
                         "<td><font size=\"2\">01:00 hours</font></td>\r\n"
                         "<td><font size=\"2\">3</font></td>\r\n"));
    EXPECT_TRUE(m_Window.app.boxes.empty());

    const CString missing = CString(folder) + L"zv-no-such-folder\\report.htm";
    m_Window.view->ExportReport(missing);
    ASSERT_EQ(1u, m_Window.app.boxes.size());
    EXPECT_EQ(L"The report could not be written to '" + std::wstring(missing) + L"': " +
                  std::wstring(SystemMessage(HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND))),
              m_Window.app.boxes[0].text);
}

TEST_F(ReportTest, TheChartWrapperCreatesTheControlByItsClass)
{
    CTChart* chart = DYNAMIC_DOWNCAST(CTChart, RUNTIME_CLASS(CTChart)->CreateObject());
    ASSERT_NE(nullptr, chart);
    ASSERT_TRUE(chart->Create(L"ignored", L"chart", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), m_Window.view, 999));
    COleDispatchDriver dispatch = chart->GetDispatch();
    EXPECT_NE(nullptr, dispatch.m_lpDispatch);
    SetupReportChart(dispatch);
    dispatch.ReleaseDispatch();
    chart->DestroyWindow();
    delete chart;
    CTChart unhosted;
    EXPECT_EQ(nullptr, unhosted.GetDispatch().m_lpDispatch);
}

TEST_F(ReportTest, TenThousandRowsBuildSortByACaptionClickAndExportCompletely)
{
    const int count = 10000;
    CProgramObject* program = new CProgramObject(5, L"Word", nullptr);
    m_Window.Script(Program(L"Word", L"winword.exe"));
    m_Window.Script(LargeSummary(count));
    Select(program);
    ASSERT_EQ(count, Grid().GetRowCount());
    EXPECT_EQ(static_cast<size_t>(count), program->GetReport()->GetChartPoints().size());

    Grid().SortByHeaderClick(1);
    Grid().SortByHeaderClick(1);
    double previous = -1;
    for (int i = 0; i < count; ++i) {
        const VARIANT* key = reinterpret_cast<const VARIANT*>(Grid().GetRow(i)->GetItem(1)->GetData());
        ASSERT_LE(previous, key->dblVal) << i;
        previous = key->dblVal;
    }

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const CString path = CString(folder) + L"zv-large-report.htm";
    m_Window.view->ExportReport(path);
    std::ifstream file(static_cast<LPCWSTR>(path), std::ios::binary);
    std::string line;
    int rows = 0;
    std::string last;
    while (std::getline(file, line)) {
        rows += line == "<tr>\r";
        if (line.find("<td><font size=\"2\">user ") == 0)
            last = line;
    }
    file.close();
    DeleteFileW(path);
    EXPECT_EQ(count, rows);
    const std::wstring lastName = static_cast<LPCWSTR>(Grid().GetRow(count - 1)->GetItem(0)->FormatItem());
    EXPECT_EQ("<td><font size=\"2\">" + std::string(lastName.begin(), lastName.end()) + "</font></td>\r", last);
    EXPECT_TRUE(m_Window.app.boxes.empty());
}

TEST_F(ReportTest, NothingIsBuiltWhileTheServerIsBusyWithAnotherCall)
{
    CUserObject* user = new CUserObject(3, L"alice", nullptr);
    CUserObject* other = new CUserObject(4, L"bob", nullptr);
    Select(user);
    const HTREEITEM otherItem = m_Window.AddObject(ViewerTree::Applications, other);
    CTreeReports& reports = m_Window.frame->Reports(ViewerTree::Applications);
    m_Window.server.script.activityRequests.clear();
    m_Window.server.script.duringSummary = [&] {
        reports.RefreshCurrentReport();
        m_Window.Tree(ViewerTree::Applications).SelectItem(otherItem);
    };
    m_Window.Script(TwoRows());
    reports.RefreshCurrentReport();
    m_Window.server.script.duringSummary = nullptr;
    EXPECT_EQ(1u, m_Window.server.script.activityRequests.size());
    EXPECT_EQ(user, reports.GetCurrentObject());
    EXPECT_EQ(2, Grid().GetRowCount());
}

}  // namespace
