// A local server for the cross-process test: its one object answers GetRows with a recordset
// read from a SQLite file, and the process ends when the client lets the object go.
#include <RecordsetSource.h>

#include "ComObject.h"
#include "PlatformAdo.h"
#include "Variant.h"

#include <string>

namespace {

using ado::ComPtr;

HANDLE g_released = nullptr;

ComPtr<_Recordset> ReadRows(long iCount)
{
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"src", 0, file);
    ComPtr<_Connection> connection;
    ado::CreateInstance(CLSID_Connection, IID__Connection, reinterpret_cast<void**>(connection.GetAddressOf()));
    BSTR text = ado::MakeBstr(std::wstring(L"Provider=SQLite;Data Source=") + file);
    HRESULT hr = connection->Open(text, nullptr, nullptr, adConnectUnspecified);
    SysFreeString(text);
    if (FAILED(hr))
        return nullptr;
    ComPtr<_Command> command;
    ado::CreateInstance(CLSID_Command, IID__Command, reinterpret_cast<void**>(command.GetAddressOf()));
    command->putref_ActiveConnection(connection.Get());
    text = ado::MakeBstr(L"WITH RECURSIVE N(X) AS (SELECT 1 UNION ALL SELECT X + 1 FROM N WHERE X < ?) "
                         L"SELECT X AS ID, 'row ' || X AS Name, X * 1.5 AS TimeSpent FROM N");
    command->put_CommandText(text);
    SysFreeString(text);
    ComPtr<_Parameter> parameter;
    text = ado::MakeBstr(L"");
    command->CreateParameter(text, adInteger, adParamInput, 4, ado::Variant::Int(iCount).Get(), &parameter);
    SysFreeString(text);
    ComPtr<Parameters> parameters;
    command->get_Parameters(&parameters);
    parameters->Append(parameter.Get());
    ComPtr<_Recordset> rows;
    command->Execute(nullptr, nullptr, adCmdText, &rows);
    connection->Close();
    DeleteFileW(file);
    return rows;
}

class Source : public IRecordsetSource {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iInterface, void** oObject) override
    {
        if (!oObject)
            return E_POINTER;
        *oObject = iInterface == IID_IUnknown || iInterface == IID_IDispatch || iInterface == IID_IRecordsetSource
            ? static_cast<IRecordsetSource*>(this)
            : nullptr;
        if (!*oObject)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_References; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --m_References;
        if (left == 0)
            SetEvent(g_released);
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetRows(long iCount, _Recordset** oRows) override
    {
        if (!oRows)
            return E_POINTER;
        *oRows = ReadRows(iCount).Detach();
        return *oRows ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE GetProcessId(long* oId) override
    {
        if (!oId)
            return E_POINTER;
        *oId = static_cast<long>(GetCurrentProcessId());
        return S_OK;
    }

private:
    std::atomic<ULONG> m_References{0};
};

class Factory : public IClassFactory {
public:
    explicit Factory(Source& iSource) : m_Source(iSource) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iInterface, void** oObject) override
    {
        *oObject = iInterface == IID_IUnknown || iInterface == IID_IClassFactory ? this : nullptr;
        return *oObject ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* iOuter, REFIID iInterface, void** oObject) override
    {
        return iOuter ? CLASS_E_NOAGGREGATION : m_Source.QueryInterface(iInterface, oObject);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
    Source& m_Source;
};

}  // namespace

int main()
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    g_released = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    Source source;
    Factory factory(source);
    DWORD cookie = 0;
    HRESULT hr = CoRegisterClassObject(CLSID_RecordsetSource, &factory, CLSCTX_LOCAL_SERVER, REGCLS_SINGLEUSE, &cookie);
    if (SUCCEEDED(hr)) {
        WaitForSingleObject(g_released, 60000);
        CoRevokeClassObject(cookie);
    }
    CoUninitialize();
    return SUCCEEDED(hr) ? 0 : 1;
}
