// The dispatch driver against a recording IDispatch: arguments of every VTS_ type, puts,
// results converted to the type asked, exceptions and failures, and reference counts.
#include "OleTestSupport.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {
HRESULT AnswerWith(const VARIANT& value, VARIANT* pResult)
{
    return pResult != nullptr ? ::VariantCopy(pResult, const_cast<VARIANT*>(&value)) : S_OK;
}

struct DispatchFixture : public ::testing::Test {
    CRecordingDispatch target;
    CRecordingDispatch argument;  // an object passed as an argument or handed out as a result
    COleDispatchDriver driver;

    void SetUp() override
    {
        target.AddRef();
        driver.AttachDispatch(&target);
    }
    void TearDown() override
    {
        driver.ReleaseDispatch();
        target.ClearCalls();
        EXPECT_EQ(target.m_nRef, 1);
        EXPECT_EQ(argument.m_nRef, 1);
    }
};
}  // namespace

TEST_F(DispatchFixture, ArgumentsOfEveryTypeArriveInOrderWithTheirTypeAndValue)
{
    CY cy;
    cy.int64 = 12345;
    COleVariant varArg(L"variant");
    static BYTE params[] = VTS_I2 VTS_I4 VTS_R4 VTS_R8 VTS_CY VTS_DATE VTS_BSTR VTS_DISPATCH VTS_SCODE VTS_BOOL
        VTS_VARIANT VTS_UNKNOWN VTS_I1 VTS_UI1 VTS_UI2 VTS_UI4 VTS_I8 VTS_UI8;
    driver.InvokeHelper(7, DISPATCH_METHOD, VT_EMPTY, nullptr, params, (short)-2, 100000L, 1.5f, 2.25, cy, 45000.5,
                        L"text", static_cast<IDispatch*>(&argument), E_FAIL, TRUE, (const VARIANT*)&varArg,
                        static_cast<IUnknown*>(&argument), (char)-3, (BYTE)200, (WORD)60000, 0xFFFFFFF0UL, -5LL,
                        18000000000ULL);

    ASSERT_EQ(target.m_calls.size(), 1u);
    const CRecordingDispatch::Call& call = target.m_calls[0];
    EXPECT_EQ(call.dispid, 7);
    EXPECT_EQ(call.wFlags, DISPATCH_METHOD);
    EXPECT_TRUE(call.named.empty());
    struct Expected {
        VARTYPE vt;
        std::function<bool(const VARIANT&)> matches;
    };
    const Expected expected[] = {
        {VT_I2, [](const VARIANT& v) { return v.iVal == -2; }},
        {VT_I4, [](const VARIANT& v) { return v.lVal == 100000; }},
        {VT_R4, [](const VARIANT& v) { return v.fltVal == 1.5f; }},
        {VT_R8, [](const VARIANT& v) { return v.dblVal == 2.25; }},
        {VT_CY, [](const VARIANT& v) { return v.cyVal.int64 == 12345; }},
        {VT_DATE, [](const VARIANT& v) { return v.date == 45000.5; }},
        {VT_BSTR, [](const VARIANT& v) { return CString(v.bstrVal) == L"text"; }},
        {VT_DISPATCH, [this](const VARIANT& v) { return v.pdispVal == &argument; }},
        {VT_ERROR, [](const VARIANT& v) { return v.scode == E_FAIL; }},
        {VT_BOOL, [](const VARIANT& v) { return v.boolVal == VARIANT_TRUE; }},
        {VT_BSTR, [](const VARIANT& v) { return CString(v.bstrVal) == L"variant"; }},
        {VT_UNKNOWN, [this](const VARIANT& v) { return v.punkVal == static_cast<IUnknown*>(&argument); }},
        {VT_I1, [](const VARIANT& v) { return v.cVal == -3; }},
        {VT_UI1, [](const VARIANT& v) { return v.bVal == 200; }},
        {VT_UI2, [](const VARIANT& v) { return v.uiVal == 60000; }},
        {VT_UI4, [](const VARIANT& v) { return v.ulVal == 0xFFFFFFF0UL; }},
        {VT_I8, [](const VARIANT& v) { return v.llVal == -5; }},
        {VT_UI8, [](const VARIANT& v) { return v.ullVal == 18000000000ULL; }},
    };
    ASSERT_EQ(call.args.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); i++) {
        EXPECT_EQ(call.args[i].vt, expected[i].vt) << "argument " << i;
        EXPECT_TRUE(expected[i].matches(call.args[i])) << "argument " << i;
    }
}

TEST_F(DispatchFixture, PutsCarryThePropertyPutNameAndGetsAskForAResult)
{
    driver.SetProperty(15, VT_UI4, 0x00FFFFFFUL);
    static BYTE params[] = VTS_BOOL;
    driver.InvokeHelper(30, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, params, FALSE);
    long nValue = 0;
    target.m_answer = [](const CRecordingDispatch::Call&, VARIANT* pResult, EXCEPINFO*) {
        return AnswerWith(COleVariant(90L), pResult);
    };
    driver.GetProperty(1, VT_I4, &nValue);

    ASSERT_EQ(target.m_calls.size(), 3u);
    for (size_t i = 0; i < 2; i++) {
        const CRecordingDispatch::Call& put = target.m_calls[i];
        EXPECT_EQ(put.wFlags, DISPATCH_PROPERTYPUT);
        ASSERT_EQ(put.named.size(), 1u);
        EXPECT_EQ(put.named[0], DISPID_PROPERTYPUT);
        EXPECT_EQ(put.args.size(), 1u);
        EXPECT_FALSE(put.bWantsResult);
    }
    EXPECT_EQ(target.m_calls[0].args[0].vt, VT_UI4);
    EXPECT_EQ(target.m_calls[0].args[0].ulVal, 0x00FFFFFFUL);
    EXPECT_EQ(target.m_calls[1].args[0].boolVal, VARIANT_FALSE);
    EXPECT_EQ(target.m_calls[2].wFlags, DISPATCH_PROPERTYGET);
    EXPECT_TRUE(target.m_calls[2].args.empty());
    EXPECT_TRUE(target.m_calls[2].bWantsResult);
    EXPECT_EQ(nValue, 90);
}

TEST_F(DispatchFixture, ResultsAreConvertedToTheTypeAsked)
{
    target.m_answer = [](const CRecordingDispatch::Call&, VARIANT* pResult, EXCEPINFO*) {
        return AnswerWith(COleVariant(123L), pResult);
    };
    CString strResult;
    double dblResult = 0;
    BOOL bResult = FALSE;
    short nResult = 0;
    COleVariant varResult;
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_BSTR, &strResult, nullptr);
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_R8, &dblResult, nullptr);
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_BOOL, &bResult, nullptr);
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_I2, &nResult, nullptr);
    driver.InvokeHelper(1, DISPATCH_METHOD, VT_VARIANT, (VARIANT*)&varResult, nullptr);
    EXPECT_EQ(strResult, CString(L"123"));
    EXPECT_EQ(dblResult, 123.0);
    EXPECT_TRUE(bResult);
    EXPECT_EQ(nResult, 123);
    EXPECT_EQ(varResult.vt, VT_I4);
    EXPECT_EQ(varResult.lVal, 123);
}

TEST_F(DispatchFixture, ObjectResultsBelongToTheCallerAndUnusedOnesAreReleased)
{
    target.m_answer = [this](const CRecordingDispatch::Call&, VARIANT* pResult, EXCEPINFO*) {
        argument.AddRef();
        pResult->vt = VT_DISPATCH;
        pResult->pdispVal = &argument;
        return S_OK;
    };
    {
        LPDISPATCH lpObject = nullptr;
        driver.GetProperty(17, VT_DISPATCH, &lpObject);
        EXPECT_EQ(lpObject, &argument);
        EXPECT_EQ(argument.m_nRef, 2);
        COleDispatchDriver object(lpObject);
        COleDispatchDriver copy(object);  // a copy holds a reference of its own
        EXPECT_EQ(argument.m_nRef, 3);
    }
    EXPECT_EQ(argument.m_nRef, 1);
    // A method whose result the caller does not want.
    driver.InvokeHelper(28, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
    EXPECT_EQ(argument.m_nRef, 1);
}

TEST_F(DispatchFixture, TheObjectsExceptionBecomesADispatchExceptionAndArgumentsAreFreed)
{
    target.m_answer = [](const CRecordingDispatch::Call&, VARIANT*, EXCEPINFO* pExcepInfo) {
        pExcepInfo->bstrDescription = ::SysAllocString(L"The index 9 is out of range.");
        pExcepInfo->bstrSource = ::SysAllocString(L"Chart");
        pExcepInfo->scode = E_INVALIDARG;
        return DISP_E_EXCEPTION;
    };
    static BYTE params[] = VTS_DISPATCH VTS_BSTR;
    try {
        driver.InvokeHelper(56, DISPATCH_METHOD, VT_EMPTY, nullptr, params, static_cast<IDispatch*>(&argument),
                            L"label");
        FAIL() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(e->m_strDescription, CString(L"The index 9 is out of range."));
        EXPECT_EQ(e->m_strSource, CString(L"Chart"));
        EXPECT_EQ(e->m_scError, E_INVALIDARG);
        e->Delete();
    }
    target.ClearCalls();
    EXPECT_EQ(argument.m_nRef, 1);
}

TEST_F(DispatchFixture, FailuresBecomeOleExceptionsWithTheirCode)
{
    struct Case {
        const char* name;
        std::function<void()> call;
        SCODE sc;
    };
    target.m_answer = [](const CRecordingDispatch::Call& call, VARIANT* pResult, EXCEPINFO*) {
        if (call.dispid == 2)
            return AnswerWith(COleVariant(L"not a number"), pResult);
        return call.dispid == 1 ? DISP_E_MEMBERNOTFOUND : S_OK;
    };
    COleDispatchDriver empty;
    CWnd plainWindow;
    long nResult = 0;
    static BYTE badParams[] = VTS_DISPATCH "\x7F";
    const Case cases[] = {
        {"member not found", [&] { driver.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); },
         DISP_E_MEMBERNOTFOUND},
        {"result that does not convert", [&] { driver.GetProperty(2, VT_I4, &nResult); }, DISP_E_TYPEMISMATCH},
        {"argument type not known",
         [&] {
             driver.InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, badParams, static_cast<IDispatch*>(&argument),
                                 1);
         },
         E_INVALIDARG},
        {"result type not known", [&] { driver.InvokeHelper(3, DISPATCH_METHOD, VT_RECORD, &nResult, nullptr); },
         E_INVALIDARG},
        {"driver without an object", [&] { empty.SetProperty(1, VT_I4, 1L); }, E_POINTER},
        {"window that hosts no control", [&] { plainWindow.GetProperty(1, VT_I4, &nResult); }, E_POINTER},
    };
    for (const Case& c : cases) {
        try {
            c.call();
            ADD_FAILURE() << c.name << ": no exception";
        } catch (COleException* e) {
            EXPECT_EQ(e->m_sc, c.sc) << c.name;
            e->Delete();
        }
    }
    // The calls that failed before reaching the object never reached it.
    ASSERT_EQ(target.m_calls.size(), 2u);
}
