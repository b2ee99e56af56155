#include <RecordsetSource.h>

#include "TestSupport.h"

namespace ado::test {
namespace {

std::wstring ReadKey(const std::wstring& iKey, const wchar_t* iName)
{
    wchar_t value[MAX_PATH] = {};
    DWORD size = sizeof value;
    LONG status = RegGetValueW(HKEY_CLASSES_ROOT, iKey.c_str(), iName, RRF_RT_REG_SZ, nullptr, value, &size);
    return status == ERROR_SUCCESS ? value : L"<absent>";
}

std::wstring GuidText(REFGUID iGuid)
{
    wchar_t text[40];
    StringFromGUID2(iGuid, text, 40);
    return text;
}

// Registers the server DLL, and the test server as a local server, for the whole program.
class RemoteRecordsetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_EQ(S_OK, RegisterServer((ProgramFolder() + kServerDll).c_str())) << LastErrorText();
        std::wstring server = ProgramFolder() + L"ado_test_server.exe";
        ComPtr<ITypeLib> library;
        ASSERT_EQ(S_OK, LoadTypeLibEx(server.c_str(), REGKIND_REGISTER, &library));
        HKEY key = nullptr;
        std::wstring keyName = L"CLSID\\" + GuidText(CLSID_RecordsetSource) + L"\\LocalServer32";
        ASSERT_EQ(
            ERROR_SUCCESS,
            RegCreateKeyExW(HKEY_CLASSES_ROOT, keyName.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr));
        std::wstring command = L"\"" + server + L"\"";
        RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    static void TearDownTestSuite()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (L"CLSID\\" + GuidText(CLSID_RecordsetSource)).c_str());
        UnRegisterTypeLib(LIBID_RecordsetSourceLib, 1, 0, 0, kTypeLibKind);
        EXPECT_EQ(S_OK, UnregisterServer());
        EXPECT_EQ(L"<absent>", ReadKey(L"CLSID\\" + GuidText(CLSID_Recordset), nullptr));
    }
};

TEST_F(RemoteRecordsetTest, RegistrationNamesTheDllFreeThreadedAndTheTypeLibrary)
{
    std::wstring key = L"CLSID\\" + GuidText(CLSID_Recordset) + L"\\InprocServer32";
    EXPECT_EQ(ProgramFolder() + kServerDll, ReadKey(key, nullptr));
    EXPECT_EQ(L"Both", ReadKey(key, L"ThreadingModel"));

    // Dispatch access goes through the registered type library.
    auto rows = Create<_Recordset>(CLSID_Recordset);
    ComPtr<IDispatch> dispatch;
    ASSERT_EQ(S_OK, rows.As(&dispatch));
    LPOLESTR name = const_cast<LPOLESTR>(L"State");
    DISPID id = 0;
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, &name, 1, 0x409, &id));
    DISPPARAMS none = {};
    Variant state;
    EXPECT_EQ(S_OK,
              dispatch->Invoke(id, IID_NULL, 0x409, DISPATCH_PROPERTYGET, &none, state.Receive(), nullptr, nullptr));
    EXPECT_EQ(VT_I4, state.Type());
    EXPECT_EQ(adStateClosed, state.Get().lVal);

    // Automation arguments are automation types, not records.
    ComPtr<ITypeInfo> info;
    ASSERT_EQ(S_OK, LoadTypeInfo(IID__Parameter, &info));
    ComPtr<ITypeInfo> interfaceInfo = info;
    HREFTYPE dual;
    if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &dual)))
        info->GetRefTypeInfo(dual, &interfaceInfo);
    MEMBERID valueId = 0;
    LPOLESTR valueName = const_cast<LPOLESTR>(L"AppendChunk");
    ASSERT_EQ(S_OK, interfaceInfo->GetIDsOfNames(&valueName, 1, &valueId));
    TYPEATTR* attributes = nullptr;
    interfaceInfo->GetTypeAttr(&attributes);
    bool found = false;
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
        FUNCDESC* function = nullptr;
        interfaceInfo->GetFuncDesc(i, &function);
        if (function->memid == valueId) {
            found = true;
            EXPECT_EQ(VT_VARIANT, function->lprgelemdescParam[0].tdesc.vt);
        }
        interfaceInfo->ReleaseFuncDesc(function);
    }
    interfaceInfo->ReleaseTypeAttr(attributes);
    EXPECT_TRUE(found);
}

TEST_F(RemoteRecordsetTest, RecordsetFromAnotherProcessArrivesWholeAfterTheSenderIsGone)
{
    ComPtr<IRecordsetSource> source;
    ASSERT_EQ(S_OK,
              CoCreateInstance(CLSID_RecordsetSource, nullptr, CLSCTX_LOCAL_SERVER, IID_IRecordsetSource,
                               reinterpret_cast<void**>(source.GetAddressOf())));
    long processId = 0;
    ASSERT_EQ(S_OK, source->GetProcessId(&processId));
    ASSERT_NE(static_cast<long>(GetCurrentProcessId()), processId);
    HANDLE server = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(processId));
    ASSERT_TRUE(server);
    const long kRows = 20000;
    ComPtr<_Recordset> rows;
    ASSERT_EQ(S_OK, source->GetRows(kRows, &rows));
    source.Reset();
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(server, 30000));
    CloseHandle(server);

    ASSERT_TRUE(rows);
    long count = 0;
    ASSERT_EQ(S_OK, rows->get_RecordCount(&count));
    EXPECT_EQ(kRows, count);
    ASSERT_EQ(S_OK, rows->put_Sort(Text(L"TimeSpent Desc")));
    ComPtr<Fields> fields;
    ASSERT_EQ(S_OK, rows->get_Fields(&fields));
    ComPtr<Field> id, name;
    ASSERT_EQ(S_OK, fields->get_Item(Variant::Text(L"id").Get(), &id));
    ASSERT_EQ(S_OK, fields->get_Item(Variant::Text(L"Name").Get(), &name));
    long expected = kRows, mismatches = 0;
    for (VARIANT_BOOL eof = VARIANT_FALSE; rows->get_EOF(&eof) == S_OK && !eof; rows->MoveNext()) {
        Variant idValue, nameValue;
        id->get_Value(idValue.Receive());
        name->get_Value(nameValue.Receive());
        if (idValue.Get().lVal != expected ||
            FromBstr(nameValue.Get().bstrVal) != L"row " + std::to_wstring(expected)) {
            ++mismatches;
        }
        --expected;
    }
    EXPECT_EQ(0, expected);
    EXPECT_EQ(0, mismatches);
}

}  // namespace
}  // namespace ado::test
