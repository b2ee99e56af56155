#include "ComTypeInfoHolder.h"

#include "RecordMethodInvoker.h"

#include <ModulePath.h>

#include <string>
#include <vector>

namespace {

BOOL CALLBACK AddResourceName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR list)
{
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(
        IS_INTRESOURCE(name) ? std::to_wstring(reinterpret_cast<UINT_PTR>(name)) : std::wstring(name));
    return TRUE;
}

std::vector<std::wstring> TypeLibResources(HMODULE module)
{
    std::vector<std::wstring> names;
    EnumResourceNamesW(module, L"TYPELIB", AddResourceName, reinterpret_cast<LONG_PTR>(&names));
    return names;
}

bool HasLibId(ITypeLib* lib, const GUID& libId)
{
    TLIBATTR* attr = nullptr;
    if (FAILED(lib->GetLibAttr(&attr)))
        return false;
    bool same = attr->guid == libId;
    lib->ReleaseTLibAttr(attr);
    return same;
}

}  // namespace

CComTypeInfoHolder::CComTypeInfoHolder(const IID& iid, const GUID& libId, WORD major, WORD minor)
    : m_iid(iid), m_libId(libId), m_major(major), m_minor(minor)
{
}

CComTypeInfoHolder::~CComTypeInfoHolder()
{
    if (m_vtableInfo)
        m_vtableInfo->Release();
    if (m_info)
        m_info->Release();
}

HRESULT CComTypeInfoHolder::LoadTypeLib(ITypeLib** lib) const
{
    HRESULT hr = LoadRegTypeLib(m_libId, m_major, m_minor, 0, lib);
    if (SUCCEEDED(hr))
        return hr;
    const std::wstring path = ModuleFilePath();
    if (path.empty())
        return hr;
    for (const std::wstring& name : TypeLibResources(GetModuleHandleW(nullptr))) {
        std::wstring resource = path + L"\\" + name;
        if (FAILED(LoadTypeLibEx(resource.c_str(), REGKIND_NONE, lib)))
            continue;
        if (HasLibId(*lib, m_libId))
            return S_OK;
        (*lib)->Release();
        *lib = nullptr;
    }
    return hr;
}

HRESULT CComTypeInfoHolder::Load()
{
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_info)
        return S_OK;
    ITypeLib* lib = nullptr;
    HRESULT hr = LoadTypeLib(&lib);
    if (FAILED(hr))
        return hr;
    ITypeInfo* info = nullptr;
    hr = lib->GetTypeInfoOfGuid(m_iid, &info);
    lib->Release();
    if (FAILED(hr))
        return hr;
    // A dual interface's dispatch view refers to its vtable view as implemented type -1.
    ITypeInfo* vtable = nullptr;
    HREFTYPE ref = 0;
    if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) &&
        SUCCEEDED(info->GetRefTypeInfo(ref, &vtable))) {
        m_vtableInfo = vtable;
    } else {
        info->AddRef();
        m_vtableInfo = info;
    }
    m_info = info;
    return S_OK;
}

HRESULT CComTypeInfoHolder::GetTypeInfo(UINT index, LCID, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    m_info->AddRef();
    *info = m_info;
    return S_OK;
}

HRESULT CComTypeInfoHolder::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    return m_info->GetIDsOfNames(names, count, ids);
}

HRESULT CComTypeInfoHolder::Invoke(void* object, DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    if (riid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    HRESULT hr = Load();
    if (FAILED(hr))
        return hr;
    // The standard Invoke refuses record parameters; such methods are called here.
    CRecordMethodInvoker method(m_vtableInfo, id);
    if (method.TakesRecords())
        return method.Invoke(object, flags, params, result, exception, argError);
    return m_vtableInfo->Invoke(object, id, flags, params, result, exception, argError);
}
