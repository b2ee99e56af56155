#include "Report.h"

#include "CCountGridItem.h"
#include "CIconGridItem.h"
#include "CZVViewerDoc.h"
#include "FormatDuration.h"
#include "ReportChart.h"
#include "ReportPeriodHost.h"
#include "RightView.h"
#include "TreeObject.h"

#include <csl/DbQuery/DbFieldToInt.h>
#include <csl/DbQuery/DbFieldValues.h>
#include <csl/DbQuery/TDbRecordset.h>

#include <guitoolkit/controls/CGTGridRow.h>

#include <cstring>
#include <memory>

IMPLEMENT_DYNAMIC(CReport, CCmdTarget)

const CReport::Column CReport::kTime = {IDS_TIME_SPENT, 100};
const CReport::Column CReport::kKeys = {IDS_KEYBOARD_EVENTS, 100};
const CReport::Column CReport::kMice = {IDS_MOUSE_EVENTS, 100};

namespace {

// A name that is NULL is an empty text, never a null string.
_variant_t Text(const _bstr_t& iText)
{
    return _variant_t(iText.length() ? iText : _bstr_t(L""));
}

// A count as the server sends it, a 32- or 64-bit integer or a double, as a 64-bit integer:
// a double to the nearest (halves to even), NULL as 0. A sum past 2^31 stays whole.
LONGLONG Count(Field* iField)
{
    Field* field = AdoRequired(iField);
    _variant_t count;
    AdoCheck(field, field->get_Value(count.GetAddress()));
    if (count.vt == VT_EMPTY || count.vt == VT_NULL)
        return 0;
    const HRESULT result = VariantChangeType(&count, &count, 0, VT_I8);
    if (FAILED(result))
        _com_issue_error(result);
    return count.llVal;
}

// The row takes the cell without drawing it: the row is not in the grid yet, which is laid
// out and painted once after all rows (a redraw per cell made 10,000 rows take seconds). A
// cell the row refuses is deleted.
void PutItem(CGTGridRow& ioRow, int iColumn, CGTGridItem* iItem)
{
    if (!ioRow.ReplaceItem(iColumn, iItem, FALSE))
        delete iItem;
}

}  // namespace

// The record's columns, looked up once per build; they follow the recordset's current row.
struct CReport::Fields {
    FieldPtr Id, Name, Time, Keys, Mice;
};

CReport::CReport(CRightView* iView, CTreeObject* iOwner) : m_View(iView), m_Owner(iOwner) {}

CReport::~CReport()
{
    if (m_View && !m_TimeValues.empty())
        m_View->m_wndGrid.RemoveAll();
    ClearTimeValues();
}

void CReport::ClearTimeValues()
{
    for (VARIANT* value : m_TimeValues) {
        VariantClear(value);
        delete value;
    }
    m_TimeValues.clear();
}

void CReport::Build(int)
{
    if (!m_View)
        return;
    m_View->m_wndGrid.RemoveAll();
    ClearTimeValues();
    ReportPeriod period = {};
    if (CPeriodSettings* settings = GetAppReportPeriod()) {
        settings->ComputePeriod(period);
        m_View->ShowPeriod(period);
    }
    CRightView::ForgetFoundRow();
    m_View->m_wndGrid.DeleteAllColumns();
    m_View->m_wndGrid.AdjustLayout();
    SetupChart();
}

void CReport::SetupChart()
{
    m_ChartPoints.clear();
    COleDispatchDriver chart = m_View->m_wndChart.GetDispatch();
    SetupReportChart(chart);
}

void CReport::OutputChart()
{
    COleDispatchDriver chart = m_View->m_wndChart.GetDispatch();
    OutputReportChart(chart, m_ChartPoints);
}

void CReport::SetChartTitle()
{
    COleDispatchDriver chart = m_View->m_wndChart.GetDispatch();
    SetReportChartTitle(chart);
}

void CReport::ShowTitleIcon(CZVViewerDoc& ioDocument, int iLargeImage)
{
    m_View->SetTitleIcon(ImageList_GetIcon(ioDocument.GetLargeImageList(), iLargeImage, 0));
}

void CReport::InsertColumns(std::initializer_list<Column> iColumns)
{
    int position = 0;
    for (const Column& column : iColumns) {
        CString caption;
        caption.LoadString(column.Caption);
        m_View->m_wndGrid.InsertColumn(position++, caption, column.Width, -1);
    }
}

void CReport::SetCaption(const CString& iCaption)
{
    m_View->m_wndCaption.SetWindowText(iCaption);
}

SummaryActivityRequest CReport::NewRequest() const
{
    SummaryActivityRequest request;
    std::memset(&request, 0, sizeof request);
    request.TimeStart = m_View->m_dateFrom;
    request.TimeEnd = m_View->m_dateTo;
    return request;
}

ProcessInfoRecord CReport::ProgramRecord(CZVViewerDoc& ioDocument, const CTreeObject* iProgram)
{
    ProcessInfoRecord record = {iProgram ? iProgram->GetId() : 0};
    if (!iProgram || !ioDocument.GetProcessInfo(record)) {
        record = {record.Id};
        record.LargeImage = ioDocument.GetLargeIconIndex(IDI_PROGRAM);
    }
    return record;
}

void CReport::ReadRecords(CZVViewerDoc& ioDocument, const SummaryActivityRequest& iRequest, BOOL iPrograms)
{
    const IZorvanePtr server = ioDocument.GetServer();
    if (!server)
        return;
    const CZVViewerDoc::ServerCallScope call(ioDocument);
    SummaryActivityRequest request = iRequest;
    _Recordset* answer = nullptr;
    const HRESULT result = server->GetSummaryActivityData(&request, &answer);
    if (FAILED(result) && ioDocument.OnServerError(result))
        return;
    if (FAILED(result))
        _com_issue_errorex(result, server, IID_IZorvane);
    TDbRecordset rows((_RecordsetPtr(answer, false)));
    rows.SetSort(L"TimeSpent Desc");
    _Recordset* recordset = AdoRequired(rows.GetRecordset().GetInterfacePtr());
    const Fields fields = {DbGetField(recordset, L"Id"), DbGetField(recordset, L"Name"),
                           DbGetField(recordset, L"TimeSpent"), DbGetField(recordset, L"KeyboardEvents"),
                           DbGetField(recordset, L"MouseEvents")};
    // The rows read before a failure are shown, which takes a layout.
    try {
        for (; !rows.IsEOF(); rows.MoveNext())
            AddRecord(fields, iPrograms, ioDocument);
    } catch (...) {
        m_View->m_wndGrid.AdjustLayout();
        throw;
    }
    if (iPrograms) {
        OutputChart();
        SetChartTitle();
        m_View->m_wndGrid.AdjustLayout();
    } else {
        m_View->m_wndGrid.AdjustLayout();
        OutputChart();
        SetChartTitle();
    }
}

void CReport::AddRecord(const Fields& iFields, BOOL iPrograms, CZVViewerDoc& ioDocument)
{
    CZVGrid& grid = m_View->m_wndGrid;
    std::unique_ptr<CGTGridRow> row(grid.CreateRow(grid.GetColumnCount()));
    const _variant_t name = Text(DbFieldAsText(iFields.Name));
    const ULONG id = DbFieldAsULong(iFields.Id);
    const double time = DbFieldAsDouble(iFields.Time);
    const LONGLONG keys = Count(iFields.Keys);
    const LONGLONG mice = Count(iFields.Mice);
    CString label = name.bstrVal;
    int column = 0;
    if (iPrograms) {
        ProcessInfoRecord program = {id};
        if (ioDocument.GetProcessInfo(program)) {
            label = program.Description;
            HICON icon = ImageList_GetIcon(ioDocument.GetSmallImageList(), program.SmallImage, 0);
            PutItem(*row, column++, new CIconGridItem(_variant_t(label), icon));
        } else {
            PutItem(*row, column++, new CGTGridItem(name));
        }
    }
    PutItem(*row, column++, new CGTGridItem(name));
    PutItem(*row, column++, NewTimeItem(time));
    PutItem(*row, column++, new CCountGridItem(keys));
    PutItem(*row, column++, new CCountGridItem(mice));
    row->SetData(id);
    if (grid.AddRow(row.get(), FALSE) < 0)
        return;
    row.release();
    m_ChartPoints.push_back({label, time});
}

CGTGridItem* CReport::NewTimeItem(double iMilliseconds)
{
    std::unique_ptr<VARIANT> value(new VARIANT);
    VariantInit(value.get());
    value->vt = VT_R8;
    value->dblVal = iMilliseconds;
    m_TimeValues.push_back(value.get());
    VARIANT* key = value.release();
    return new CGTGridItem(_variant_t(FormatDuration(iMilliseconds)), reinterpret_cast<DWORD_PTR>(key));
}
