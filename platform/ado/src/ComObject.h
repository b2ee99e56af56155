#pragma once
#include <ado.h>
#include <wrl/client.h>

#include <atomic>
#include <utility>

#include "AdoError.h"

namespace ado {

template <class T>
using ComPtr = Microsoft::WRL::ComPtr<T>;

// Objects of this module still alive, for the DLL's unload check.
std::atomic<long>& LiveObjects();

// The type information of one interface of the registered type library.
HRESULT LoadTypeInfo(REFIID iid, ITypeInfo** info);

// Reference counting, QueryInterface, IDispatch from the type library and ISupportErrorInfo
// for an object with one dual interface and, optionally, further plain interfaces.
template <class Interface, class... Extra>
class DispatchObject : public Interface, public ISupportErrorInfo, public Extra... {
public:
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(Interface)) {
            *out = static_cast<Interface*>(this);
        } else if (riid == IID_ISupportErrorInfo) {
            *out = static_cast<ISupportErrorInfo*>(this);
        } else {
            static_cast<void>((Offer<Extra>(riid, out) || ...));
        }
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        ULONG left = --references_;
        if (left == 0)
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override
    {
        if (!info)
            return E_POINTER;
        *info = nullptr;
        return index == 0 ? LoadTypeInfo(__uuidof(Interface), info) : DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        ComPtr<ITypeInfo> info;
        HRESULT hr = LoadTypeInfo(__uuidof(Interface), &info);
        return FAILED(hr) ? hr : info->GetIDsOfNames(names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override
    {
        ComPtr<ITypeInfo> info;
        HRESULT hr = LoadTypeInfo(__uuidof(Interface), &info);
        if (FAILED(hr))
            return hr;
        return info->Invoke(static_cast<Interface*>(this), id, flags, params, result, exception, argumentError);
    }

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == __uuidof(Interface) ? S_OK : S_FALSE;
    }

protected:
    DispatchObject() { ++LiveObjects(); }

    template <class Offered>
    bool Offer(REFIID riid, void** out)
    {
        if (riid != __uuidof(Offered))
            return false;
        *out = static_cast<Offered*>(this);
        return true;
    }
    virtual ~DispatchObject() { --LiveObjects(); }

private:
    std::atomic<ULONG> references_{1};
};

// A new object that the returned pointer owns (objects start with one reference).
template <class T, class... Args>
ComPtr<T> Make(Args&&... args)
{
    ComPtr<T> object;
    object.Attach(new T(std::forward<Args>(args)...));
    return object;
}

}  // namespace ado
