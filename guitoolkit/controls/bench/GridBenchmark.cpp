// gtgridbench: how fast the grid is with a large report, never a test.
//   gtgridbench.exe [ROWS [RUNS]]   (100000 rows, 3 runs unless told otherwise)
// Fills ROWS rows of four columns (a text, a duration whose cells sort by a key, two counts),
// lays them out, sorts them by two clicks on the duration's caption (descending, then
// ascending) and paints the grid, beside std::stable_sort of the same keys each way. Each
// result is one line: a name, a tab and the median milliseconds of the runs.
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTDibSection.h>
#include "BenchTiming.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

// Cells whose data points at a sort key compare by their keys, as the report grid's do.
class KeyedGrid : public CGTGridCtrl {
public:
    int CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2) override
    {
        const VARIANT* key1 = (const VARIANT*)iItem1->GetData();
        const VARIANT* key2 = (const VARIANT*)iItem2->GetData();
        if (key1 == nullptr || key2 == nullptr)
            return CGTGridCtrl::CompareItems(iItem1, iItem2);
        return key1->dblVal < key2->dblVal ? -1 : (key1->dblVal > key2->dblVal ? 1 : 0);
    }
};

VARIANT Text(const CString& iText)
{
    VARIANT value;
    value.vt = VT_BSTR;
    value.bstrVal = ::SysAllocString(iText);
    return value;
}

VARIANT Number(int iNumber)
{
    VARIANT value;
    value.vt = VT_I4;
    value.lVal = iNumber;
    return value;
}

struct Results {
    std::vector<double> fill, layout, descending, ascending, paint, floorDescending, floorAscending;
};

void Run(int iRows, Results& ioResults)
{
    std::vector<VARIANT> keys(iRows);
    for (int i = 0; i < iRows; ++i) {
        keys[i].vt = VT_R8;
        keys[i].dblVal = double((i * 7919LL) % 36000000);
    }
    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP, CRect(0, 0, 820, 620), nullptr, 0);
    KeyedGrid grid;
    grid.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 800, 600), &parent, 1);
    grid.InsertColumn(0, L"Program", 200);
    grid.InsertColumn(1, L"Time", 100);
    grid.InsertColumn(2, L"Keys", 80);
    grid.InsertColumn(3, L"Mouse", 80);

    ioResults.fill.push_back(Milliseconds([&] {
        for (int i = 0; i < iRows; ++i) {
            CGTGridRow* row = new CGTGridRow(4, 0);
            CString name;
            name.Format(L"program%d.exe", (i * 31) % 500);
            const int seconds = int(keys[i].dblVal / 1000);
            CString time;
            time.Format(L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
            VARIANT values[4] = {Text(name), Text(time), Number((i * 13) % 5000), Number((i * 17) % 3000)};
            for (int column = 0; column < 4; ++column) {
                row->AddItem(new CGTGridItem(values[column], column == 1 ? (DWORD_PTR)&keys[i] : 0));
                ::VariantClear(&values[column]);
            }
            grid.AddRow(row, FALSE);
        }
    }));
    ioResults.layout.push_back(Milliseconds([&] { grid.AdjustLayout(); }));
    ioResults.descending.push_back(Milliseconds([&] { grid.SortByHeaderClick(1); }));
    ioResults.ascending.push_back(Milliseconds([&] { grid.SortByHeaderClick(1); }));

    CGTDibSection dib;
    dib.Create(800, 600);
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* old = dc.SelectObject(CBitmap::FromHandle(dib.Handle()));
    ioResults.paint.push_back(Milliseconds([&] { grid.Paint(dc); }));
    dc.SelectObject(old);

    std::vector<double> values(iRows);
    for (int i = 0; i < iRows; ++i)
        values[i] = keys[i].dblVal;
    std::vector<double> sorted = values;
    ioResults.floorDescending.push_back(
        Milliseconds([&] { std::stable_sort(sorted.begin(), sorted.end(), std::greater<double>()); }));
    sorted = values;
    ioResults.floorAscending.push_back(Milliseconds([&] { std::stable_sort(sorted.begin(), sorted.end()); }));
    grid.DestroyWindow();
    parent.DestroyWindow();
}

}  // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? atoi(argv[2]) : 3;
    if (rows < 1 || runs < 1) {
        fprintf(stderr, "usage: gtgridbench.exe [ROWS [RUNS]], both at least 1\n");
        return 2;
    }
    Results results;
    for (int run = 0; run < runs; ++run)
        Run(rows, results);
    printf("grid-rows\t%d\n", rows);
    printf("grid-fill\t%.1f\n", Median(results.fill));
    printf("grid-layout\t%.1f\n", Median(results.layout));
    printf("grid-sort-descending\t%.1f\t%.1f\n", Median(results.descending), Median(results.floorDescending));
    printf("grid-sort-ascending\t%.1f\t%.1f\n", Median(results.ascending), Median(results.floorAscending));
    printf("grid-paint\t%.1f\n", Median(results.paint));
    return 0;
}
