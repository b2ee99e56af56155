#include "ComTypeInfoHolder.h"

#include "RecordMethodInvoker.h"

#include <ModulePath.h>

#include <string>
#include <vector>

namespace {

BOOL CALLBACK AddResourceName(HMODULE, LPCWSTR, LPWSTR iName, LONG_PTR iList)
{
    reinterpret_cast<std::vector<std::wstring>*>(iList)->push_back(
        IS_INTRESOURCE(iName) ? std::to_wstring(reinterpret_cast<UINT_PTR>(iName)) : std::wstring(iName));
    return TRUE;
}

std::vector<std::wstring> TypeLibResources(HMODULE iModule)
{
    std::vector<std::wstring> names;
    EnumResourceNamesW(iModule, L"TYPELIB", AddResourceName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

bool HasLibId(ITypeLib* iLib, const GUID& iLibId)
{
    TLIBATTR* attr = nullptr;
    if (FAILED(iLib->GetLibAttr(&attr)))
        return false;
    bool same = attr->guid == iLibId;
    iLib->ReleaseTLibAttr(attr);
    return same;
}

}  // namespace

CComTypeInfoHolder::CComTypeInfoHolder(const IID& iInterface, const GUID& iLibId, WORD iMajor, WORD iMinor)
    : m_Iid(iInterface), m_LibId(iLibId), m_Major(iMajor), m_Minor(iMinor)
{
}

CComTypeInfoHolder::~CComTypeInfoHolder()
{
    if (m_VtableInfo)
        m_VtableInfo->Release();
    if (m_Info)
        m_Info->Release();
}

HRESULT CComTypeInfoHolder::LoadTypeLib(ITypeLib** oLib) const
{
    HRESULT hr = LoadRegTypeLib(m_LibId, m_Major, m_Minor, 0, oLib);
    if (SUCCEEDED(hr))
        return hr;
    const std::wstring path = ModuleFilePath();
    if (path.empty())
        return hr;
    for (const std::wstring& name : TypeLibResources(GetModuleHandleW(nullptr))) {
        std::wstring resource = path + L"\\" + name;
        if (FAILED(LoadTypeLibEx(resource.c_str(), REGKIND_NONE, oLib)))
            continue;
        if (HasLibId(*oLib, m_LibId))
            return S_OK;
        (*oLib)->Release();
        *oLib = nullptr;
    }
    return hr;
}

HRESULT CComTypeInfoHolder::Load()
{
    std::lock_guard<std::mutex> guard(m_Lock);
    if (m_Info)
        return S_OK;
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLib(&lib);
    if (FAILED(hr))
        return hr;
    ITypeInfo* info = nullptr;
    hr = lib->GetTypeInfoOfGuid(m_Iid, &info);
    lib->Release();
    if (FAILED(hr))
        return hr;
    // A dual interface's dispatch view refers to its vtable view as implemented type -1.
    ITypeInfo* vtable = nullptr;
    HREFTYPE ref = 0;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) &&
        SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        m_VtableInfo = vtable;
    } else {
        info->AddRef();
        m_VtableInfo = info;
    }
    m_Info = info;
    return S_OK;
}

HRESULT CComTypeInfoHolder::GetTypeInfo(UINT iIndex, LCID, ITypeInfo** oInfo)
{
    if (!oInfo)
        return E_POINTER;
    *oInfo = nullptr;
    if (iIndex != 0)
        return DISP_E_BADINDEX;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    m_Info->AddRef();
    *oInfo = m_Info;
    return S_OK;
}

HRESULT CComTypeInfoHolder::GetIDsOfNames(REFIID iInterface, LPOLESTR* iNames, UINT iCount, LCID, DISPID* oIds)
{
    if (iInterface != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    return m_Info->GetIDsOfNames(iNames, iCount, oIds);
}

HRESULT CComTypeInfoHolder::Invoke(void* iObject, DISPID iId, REFIID iInterface, LCID, WORD iFlags, DISPPARAMS* iParams,
                                   VARIANT* oResult, EXCEPINFO* oException, UINT* oArgError)
{
    if (iInterface != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    // The standard Invoke refuses record parameters; such methods are called here.
    CRecordMethodInvoker method(m_VtableInfo, iId);
    if (method.TakesRecords())
        return method.Invoke(iObject, iFlags, iParams, oResult, oException, oArgError);
    return m_VtableInfo->Invoke(iObject, iId, iFlags, iParams, oResult, oException, oArgError);
}
