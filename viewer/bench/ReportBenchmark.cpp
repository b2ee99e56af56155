// zvreportbench: how fast a large report is, never a test.
//   zvreportbench.exe [ROWS [RUNS]]   (10000 rows, 3 runs unless told otherwise)
// Builds a program's report of ROWS users from the fake server in a real report view (the
// server's answer is made beforehand), sorts it by two clicks on the time's caption
// (descending, then ascending) and exports it as an HTML page. Each result is one line: a
// name, a tab and the median milliseconds of the runs.
#include "../tests/ReportTestSupport.h"

#include <TreeObjectKinds.h>

#include <guitoolkit/controls/bench/BenchTiming.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Results {
    std::vector<double> build, descending, ascending, exported;
};

void Run(int iRows, Results& ioResults)
{
    TReportWindow window;
    CProgramObject* program = new CProgramObject(5, L"Word", nullptr);
    const HTREEITEM item = window.AddObject(ViewerTree::Applications, program);
    window.Script(Program(L"Word", L"winword.exe"));
    window.Script(LargeSummary(iRows));
    CZVGrid& grid = window.view->m_wndGrid;
    ioResults.build.push_back(Milliseconds([&] { window.Tree(ViewerTree::Applications).SelectItem(item); }));
    ioResults.descending.push_back(Milliseconds([&] { grid.SortByHeaderClick(1); }));
    ioResults.ascending.push_back(Milliseconds([&] { grid.SortByHeaderClick(1); }));
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const CString path = CString(folder) + L"zvreportbench.htm";
    ioResults.exported.push_back(Milliseconds([&] { window.view->ExportReport(path); }));
    DeleteFileW(path);
}

}  // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    if (rows < 1 || runs < 1) {
        fprintf(stderr, "usage: zvreportbench.exe [ROWS [RUNS]], both at least 1\n");
        return 2;
    }
    const TChartControl chart;
    if (!chart.IsRegistered()) {
        fprintf(stderr, "zvreportbench: the chart control could not be registered\n");
        return 1;
    }
    Results results;
    for (int run = 0; run < runs; ++run)
        Run(rows, results);
    printf("report-rows\t%d\n", rows);
    printf("report-build\t%.1f\n", Median(results.build));
    printf("report-sort-descending\t%.1f\n", Median(results.descending));
    printf("report-sort-ascending\t%.1f\n", Median(results.ascending));
    printf("report-export\t%.1f\n", Median(results.exported));
    return 0;
}
