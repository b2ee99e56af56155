#pragma once
#include "ServerTestSupport.h"

#include <csl/tests/TestCallerToken.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

// An automation date of the local clock.
DATE Date(int iYear, int iMonth, int iDay, int iHour = 0, int iMinute = 0);

// A request for the summary of one kind of object over a period (0: open-ended).
SummaryActivityRequest Request(ZorvaneObjectType iType, DATE iStart = 0, DATE iEnd = 0);

// The rows of a result, one text per row: the named columns' values joined by "|", NULL as
// "NULL" and whole numbers without decimals.
std::vector<std::string> Rows(_Recordset* iData, std::initializer_list<const wchar_t*> iColumns);

// A server connected to a fresh database, with the log captured.
class ActivityTest : public ServerTest {
protected:
    ActivityTest() : ServerTest(L"activity.db") {}
    void SetUp() override;
    void TearDown() override;

    // ReportActivity with a title, answering oNeedMoreInformation; fails the test on an error.
    long Report(DATE iStart, const wchar_t* iComputer, const wchar_t* iUser, const wchar_t* iProcess, long iTime,
                long iKeyboard, long iMouse, const wchar_t* iTitle);
    HRESULT Summary(SummaryActivityRequest& ioRequest, _Recordset** oData);
    HRESULT Totals(SummaryObjectRequest& ioRequest, _Recordset** oData);
    void SetCaller(TTestCallerToken::TKind iKind);

    std::unique_ptr<TServerInstance> server;
};
