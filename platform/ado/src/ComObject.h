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
HRESULT LoadTypeInfo(REFIID iInterface, ITypeInfo** oInfo);

// Reference counting, QueryInterface, IDispatch from the type library and ISupportErrorInfo
// for an object with one dual interface and, optionally, further plain interfaces.
template <class Interface, class... Extra>
class DispatchObject : public Interface, public ISupportErrorInfo, public Extra... {
public:
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iInterface, void** oObject) override
    {
        if (!oObject)
            return E_POINTER;
        *oObject = nullptr;
        if (iInterface == IID_IUnknown || iInterface == IID_IDispatch || iInterface == __uuidof(Interface)) {
            *oObject = static_cast<Interface*>(this);
        } else if (iInterface == IID_ISupportErrorInfo) {
            *oObject = static_cast<ISupportErrorInfo*>(this);
        } else {
            static_cast<void>((Offer<Extra>(iInterface, oObject) || ...));
        }
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
            delete this;
        return left;
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* oCount) override
    {
        if (!oCount)
            return E_POINTER;
        *oCount = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iIndex, LCID, ITypeInfo** oInfo) override
    {
        if (!oInfo)
            return E_POINTER;
        *oInfo = nullptr;
        return iIndex == 0 ? LoadTypeInfo(__uuidof(Interface), oInfo) : DISP_E_BADINDEX;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* iNames, UINT iCount, LCID, DISPID* oIds) override
    {
        ComPtr<ITypeInfo> info;
        HRESULT hr = LoadTypeInfo(__uuidof(Interface), &info);
        return FAILED(hr) ? hr : info->GetIDsOfNames(iNames, iCount, oIds);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID iId, REFIID, LCID, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult,
                                     EXCEPINFO* oException, UINT* oArgumentError) override
    {
        ComPtr<ITypeInfo> info;
        HRESULT hr = LoadTypeInfo(__uuidof(Interface), &info);
        if (FAILED(hr))
            return hr;
        return info->Invoke(static_cast<Interface*>(this), iId, iFlags, iParams, oResult, oException, oArgumentError);
    }

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iInterface) override
    {
        return iInterface == __uuidof(Interface) ? S_OK : S_FALSE;
    }

protected:
    DispatchObject() { ++LiveObjects(); }

    template <class Offered>
    bool Offer(REFIID iInterface, void** oObject)
    {
        if (iInterface != __uuidof(Offered))
            return false;
        *oObject = static_cast<Offered*>(this);
        return true;
    }
    virtual ~DispatchObject() { --LiveObjects(); }

private:
    std::atomic<ULONG> m_References{1};
};

// A new object that the returned pointer owns (objects start with one reference).
template <class T, class... Args>
ComPtr<T> Make(Args&&... iArgs)
{
    ComPtr<T> object;
    object.Attach(new T(std::forward<Args>(iArgs)...));
    return object;
}

}  // namespace ado
