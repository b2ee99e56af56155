#include "ActivityTestSupport.h"

#include <csl/DbQuery/AdoPtr.h>

#include <comdef.h>

#include <memory>

DATE Date(int iYear, int iMonth, int iDay, int iHour, int iMinute)
{
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(iYear);
    time.wMonth = static_cast<WORD>(iMonth);
    time.wDay = static_cast<WORD>(iDay);
    time.wHour = static_cast<WORD>(iHour);
    time.wMinute = static_cast<WORD>(iMinute);
    DATE date = 0;
    SystemTimeToVariantTime(&time, &date);
    return date;
}

SummaryActivityRequest Request(ZorvaneObjectType iType, DATE iStart, DATE iEnd)
{
    SummaryActivityRequest request = {};
    request.ObjectType = iType;
    request.TimeStart = iStart;
    request.TimeEnd = iEnd;
    return request;
}

namespace {

std::string ValueText(const _variant_t& iValue)
{
    if (iValue.vt == VT_NULL || iValue.vt == VT_EMPTY)
        return "NULL";
    _variant_t value(iValue);
    if (value.vt == VT_R8 || value.vt == VT_DECIMAL || value.vt == VT_I8)
        value.ChangeType(VT_I4);
    value.ChangeType(VT_BSTR);
    return static_cast<const char*>(_bstr_t(value.bstrVal));
}

_variant_t FieldValue(_Recordset* iData, const wchar_t* iName)
{
    Fields* fields = nullptr;
    AdoCheck(iData, iData->get_Fields(&fields));
    const FieldsPtr owner(fields, false);
    Field* field = nullptr;
    AdoCheck(fields, fields->get_Item(_variant_t(iName), &field));
    const FieldPtr fieldOwner(field, false);
    _variant_t value;
    AdoCheck(field, field->get_Value(value.GetAddress()));
    return value;
}

}  // namespace

std::vector<std::string> Rows(_Recordset* iData, std::initializer_list<const wchar_t*> iColumns)
{
    std::vector<std::string> rows;
    for (VARIANT_BOOL atEnd = VARIANT_FALSE; iData->get_EOF(&atEnd) == S_OK && !atEnd; iData->MoveNext()) {
        std::string row;
        for (const wchar_t* column : iColumns)
            row += (row.empty() ? "" : "|") + ValueText(FieldValue(iData, column));
        rows.push_back(row);
    }
    return rows;
}

void ActivityTest::SetUp()
{
    ServerTest::SetUp();
    if (HasFatalFailure())
        return;
    server = StartServer();
    ASSERT_FALSE(HasFailure()) << "The server did not start";
    SetCaller(TTestCallerToken::Administrator);
}

void ActivityTest::TearDown()
{
    server.reset();
    ServerTest::TearDown();
}

long ActivityTest::Report(DATE iStart, const wchar_t* iComputer, const wchar_t* iUser, const wchar_t* iProcess,
                          long iTime, long iKeyboard, long iMouse, const wchar_t* iTitle)
{
    long needMore = -1;
    EXPECT_EQ(S_OK,
              (*server)->ReportActivity(iStart, _bstr_t(iComputer), _bstr_t(iUser), _bstr_t(iProcess), iTime, iKeyboard,
                                        iMouse, _bstr_t(iTitle), &needMore))
        << log->Text();
    return needMore;
}

HRESULT ActivityTest::Summary(SummaryActivityRequest& ioRequest, _Recordset** oData)
{
    return (*server)->GetSummaryActivityData(&ioRequest, oData);
}

HRESULT ActivityTest::Totals(SummaryObjectRequest& ioRequest, _Recordset** oData)
{
    return (*server)->GetSummaryObjectData(&ioRequest, oData);
}

void ActivityTest::SetCaller(TTestCallerToken::TKind iKind)
{
    (*server)->SetCallerToken(std::unique_ptr<ICallerToken>(new TTestCallerToken(iKind)));
}
