#include "TestObjects.h"

#include <AtlModule.h>
#include <ComClassFactorySingleton71.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Arguments in the order a script writes them; DISPPARAMS holds them last first.
class Arguments {
public:
    explicit Arguments(std::vector<VARIANT> iArgs) : m_Args(iArgs.rbegin(), iArgs.rend())
    {
        m_Params.rgvarg = m_Args.data();
        m_Params.cArgs = static_cast<UINT>(m_Args.size());
    }
    ~Arguments()
    {
        for (VARIANT& arg : m_Args)
            VariantClear(&arg);
    }
    DISPPARAMS* Params() { return &m_Params; }

private:
    std::vector<VARIANT> m_Args;
    DISPPARAMS m_Params{};
};

VARIANT Long(long iValue)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = iValue;
    return v;
}

VARIANT Short(short iValue)
{
    VARIANT v;
    V_VT(&v) = VT_I2;
    V_I2(&v) = iValue;
    return v;
}

VARIANT Text(const wchar_t* iText)
{
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(iText);
    return v;
}

VARIANT RecordRef(AtlTestRecord* iRecord, IRecordInfo* iInfo)
{
    VARIANT v;
    V_VT(&v) = VT_RECORD | VT_BYREF;
    V_RECORD(&v) = iRecord;
    V_RECORDINFO(&v) = iInfo;
    if (iInfo)
        iInfo->AddRef();
    return v;
}

class DispatchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        IUnknown* unknown = nullptr;
        ASSERT_EQ(S_OK, CComClassFactorySingleton71<CAtlTestObject>::CreateClassObject(&unknown));
        ASSERT_EQ(S_OK, unknown->QueryInterface(IID_IClassFactory, reinterpret_cast<void**>(&factory)));
        unknown->Release();
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    }
    void TearDown() override
    {
        if (dispatch)
            dispatch->Release();
        if (factory)
            factory->Release();
        CoUninitialize();
    }

    DISPID Id(IDispatch* iTarget, const wchar_t* iName)
    {
        LPOLESTR names[] = {const_cast<LPOLESTR>(iName)};
        DISPID id = DISPID_UNKNOWN;
        EXPECT_EQ(S_OK, iTarget->GetIDsOfNames(IID_NULL, names, 1, 0, &id)) << iName;
        return id;
    }

    HRESULT Call(const wchar_t* iName, Arguments& iArgs, VARIANT* oResult, UINT* oArgError = nullptr,
                 EXCEPINFO* oException = nullptr, WORD iFlags = DISPATCH_METHOD)
    {
        return dispatch->Invoke(Id(dispatch, iName), IID_NULL, 0, iFlags, iArgs.Params(), oResult, oException,
                                oArgError);
    }

    // A record type as a script engine gets it, from the type library.
    IRecordInfo* RecordInfo(const wchar_t* iName)
    {
        ITypeInfo* method = nullptr;
        EXPECT_EQ(S_OK, dispatch->GetTypeInfo(0, 0, &method));
        ITypeLib* lib = nullptr;
        UINT index = 0;
        EXPECT_EQ(S_OK, method->GetContainingTypeLib(&lib, &index));
        method->Release();
        IRecordInfo* info = nullptr;
        for (UINT i = 0; lib && i < lib->GetTypeInfoCount() && !info; ++i) {
            TYPEKIND kind;
            ITypeInfo* type = nullptr;
            BSTR typeName = nullptr;
            if (SUCCEEDED(lib->GetTypeInfoType(i, &kind)) && kind == TKIND_RECORD &&
                SUCCEEDED(lib->GetDocumentation(i, &typeName, nullptr, nullptr, nullptr)) &&
                std::wstring(typeName) == iName && SUCCEEDED(lib->GetTypeInfo(i, &type))) {
                EXPECT_EQ(S_OK, GetRecordInfoFromTypeInfo(type, &info));
                type->Release();
            }
            SysFreeString(typeName);
        }
        if (lib)
            lib->Release();
        return info;
    }

    // A record type named like AtlTestRecord, with the same fields, in another type library;
    // with or without a GUID of its own.
    IRecordInfo* ForeignRecordInfo(bool iWithGuid)
    {
        ICreateTypeLib2* lib = nullptr;
        EXPECT_EQ(S_OK, CreateTypeLib2(sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32, L"foreign.tlb", &lib));
        const GUID libraryGuid = {0x5d0c9a41, 0x2b7e, 0x4f1a, {0x9c, 0x3e, 0x61, 0x0d, 0x8a, 0x47, 0x22, 0x19}};
        const GUID recordGuid = {0x5d0c9a42, 0x2b7e, 0x4f1a, {0x9c, 0x3e, 0x61, 0x0d, 0x8a, 0x47, 0x22, 0x19}};
        lib->SetGuid(libraryGuid);
        ICreateTypeInfo* record = nullptr;
        EXPECT_EQ(S_OK, lib->CreateTypeInfo(const_cast<LPOLESTR>(L"AtlTestRecord"), TKIND_RECORD, &record));
        if (iWithGuid)
            record->SetGuid(recordGuid);
        const VARTYPE fields[] = {VT_I4, VT_DATE, VT_UI4};
        const wchar_t* names[] = {L"Count", L"When", L"Flags"};
        for (UINT i = 0; i < 3; ++i) {
            VARDESC field{};
            field.memid = 0x40000000 + i;
            field.varkind = VAR_PERINSTANCE;
            field.elemdescVar.tdesc.vt = fields[i];
            EXPECT_EQ(S_OK, record->AddVarDesc(i, &field));
            record->SetVarName(i, const_cast<LPOLESTR>(names[i]));
        }
        EXPECT_EQ(S_OK, record->LayOut());
        ITypeInfo* type = nullptr;
        EXPECT_EQ(S_OK, record->QueryInterface(IID_ITypeInfo, reinterpret_cast<void**>(&type)));
        IRecordInfo* info = nullptr;
        EXPECT_EQ(S_OK, GetRecordInfoFromTypeInfo(type, &info));
        type->Release();
        record->Release();
        lib->Release();
        return info;
    }

    CAtlModule module;
    IClassFactory* factory = nullptr;
    IDispatch* dispatch = nullptr;
};

TEST_F(DispatchTest, TypeInformationComesFromTheTypeLibrary)
{
    UINT count = 0;
    EXPECT_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(1u, count);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, 0, &info));
    BSTR name = nullptr;
    ASSERT_EQ(S_OK, info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr));
    EXPECT_STREQ(L"IAtlTest", name);
    SysFreeString(name);
    info->Release();
    EXPECT_EQ(DISP_E_BADINDEX, dispatch->GetTypeInfo(1, 0, &info));

    EXPECT_EQ(0x60020000, Id(dispatch, L"Add"));
    EXPECT_EQ(0x60020002, Id(dispatch, L"scale"));
    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"Subtract")};
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, unknown, 1, 0, &id));
    EXPECT_EQ(DISP_E_UNKNOWNINTERFACE, dispatch->GetIDsOfNames(IID_IAtlTest, unknown, 1, 0, &id));
}

TEST_F(DispatchTest, InvokeConvertsPlainArgumentsToTheirTypes)
{
    Arguments args({Text(L"40"), Short(2)});
    VARIANT result;
    VariantInit(&result);
    ASSERT_EQ(S_OK, Call(L"Add", args, &result));
    EXPECT_EQ(VT_I4, V_VT(&result));
    EXPECT_EQ(42, V_I4(&result));
}

TEST_F(DispatchTest, InvokePassesRecordsInPlaceAndAnswersTheRetval)
{
    IRecordInfo* info = RecordInfo(L"AtlTestRecord");
    ASSERT_NE(nullptr, info);
    {
        AtlTestRecord record{7, 39000.5, 4};
        Arguments args({RecordRef(&record, info), Short(3)});
        VARIANT result;
        VariantInit(&result);
        ASSERT_EQ(S_OK, Call(L"Scale", args, &result));
        EXPECT_EQ(21, record.Count);
        EXPECT_EQ(39000.5, record.When);
        EXPECT_EQ(5u, record.Flags);

        ASSERT_EQ(VT_DISPATCH, V_VT(&result));
        IAtlTestItem* item = nullptr;
        ASSERT_EQ(S_OK, V_DISPATCH(&result)->QueryInterface(IID_IAtlTestItem, reinterpret_cast<void**>(&item)));
        long value = 0;
        EXPECT_EQ(S_OK, item->Value(&value));
        EXPECT_EQ(21, value);
        // The second interface answers IDispatch from its own type information.
        IDispatch* itemDispatch = item;
        VARIANT itemValue;
        VariantInit(&itemValue);
        DISPPARAMS none{};
        EXPECT_EQ(S_OK,
                  itemDispatch->Invoke(Id(itemDispatch, L"Value"), IID_NULL, 0, DISPATCH_METHOD, &none, &itemValue,
                                       nullptr, nullptr));
        EXPECT_EQ(21, V_I4(&itemValue));
        item->Release();
        VariantClear(&result);
    }
    info->Release();
}

TEST_F(DispatchTest, RecordMethodRefusesBadCallsWithTheirDispatchErrors)
{
    AtlTestRecord record{7, 0, 0};
    IRecordInfo* info = RecordInfo(L"AtlTestRecord");
    IRecordInfo* otherRecord = RecordInfo(L"_GUID");
    IRecordInfo* foreignRecord = ForeignRecordInfo(false);
    IRecordInfo* foreignRecordWithGuid = ForeignRecordInfo(true);
    ASSERT_NE(nullptr, info);
    ASSERT_NE(nullptr, otherRecord);
    ASSERT_NE(nullptr, foreignRecord);
    ASSERT_NE(nullptr, foreignRecordWithGuid);
    struct Case {
        const char* what;
        std::vector<VARIANT> args;
        WORD flags;
        HRESULT expected;
        UINT argError;
    };
    std::vector<Case> cases = {
        {"one argument missing", {RecordRef(&record, info)}, DISPATCH_METHOD, DISP_E_BADPARAMCOUNT, ~0u},
        {"a number for the record", {Long(1), Long(2)}, DISPATCH_METHOD, DISP_E_TYPEMISMATCH, 1},
        {"a record without its record information",
         {RecordRef(&record, nullptr), Long(2)},
         DISPATCH_METHOD,
         DISP_E_TYPEMISMATCH,
         1},
        {"a record of another type",
         {RecordRef(&record, otherRecord), Long(2)},
         DISPATCH_METHOD,
         DISP_E_TYPEMISMATCH,
         1},
        {"a record of another library under the same name",
         {RecordRef(&record, foreignRecord), Long(2)},
         DISPATCH_METHOD,
         DISP_E_TYPEMISMATCH,
         1},
        {"a record with a GUID of its own under the same name",
         {RecordRef(&record, foreignRecordWithGuid), Long(2)},
         DISPATCH_METHOD,
         DISP_E_TYPEMISMATCH,
         1},
        {"text that is no number", {RecordRef(&record, info), Text(L"three")}, DISPATCH_METHOD, DISP_E_TYPEMISMATCH, 0},
        {"read as a property", {RecordRef(&record, info), Long(2)}, DISPATCH_PROPERTYGET, DISP_E_MEMBERNOTFOUND, ~0u},
        {"the method fails", {RecordRef(&record, info), Long(0)}, DISPATCH_METHOD, DISP_E_EXCEPTION, ~0u},
    };
    for (Case& c : cases) {
        Arguments args(c.args);
        VARIANT result;
        VariantInit(&result);
        UINT argError = ~0u;
        EXCEPINFO exception{};
        EXPECT_EQ(c.expected, Call(L"Scale", args, &result, &argError, &exception, c.flags)) << c.what;
        EXPECT_EQ(c.argError, argError) << c.what;
        EXPECT_EQ(VT_EMPTY, V_VT(&result)) << c.what;
        EXPECT_EQ(c.expected == DISP_E_EXCEPTION ? E_INVALIDARG : S_OK, exception.scode) << c.what;
    }
    EXPECT_EQ(7, record.Count);
    foreignRecordWithGuid->Release();
    foreignRecord->Release();
    otherRecord->Release();
    info->Release();

    Arguments named({RecordRef(&record, nullptr), Long(2)});
    named.Params()->cNamedArgs = 1;
    DISPID names[1] = {0};
    named.Params()->rgdispidNamedArgs = names;
    VARIANT result;
    VariantInit(&result);
    EXPECT_EQ(DISP_E_NONAMEDARGS, Call(L"Scale", named, &result));
}

}  // namespace
