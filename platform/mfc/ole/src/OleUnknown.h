// IUnknown for the library's COM objects: reference counting that deletes the object at
// zero, and QueryInterface over the interfaces it derives from (plus any base interfaces the
// class adds through QueryBase).
#pragma once
#include <afxole.h>

template <class TDerived, class... TInterfaces>
class COleUnknown : public TInterfaces... {
public:
    COleUnknown() = default;
    COleUnknown(const COleUnknown&) = delete;
    COleUnknown& operator=(const COleUnknown&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown)
            *ppv = static_cast<IUnknown*>(static_cast<FirstInterface*>(this));
        else
            (void)((riid == __uuidof(TInterfaces) ? (*ppv = static_cast<TInterfaces*>(this), true) : false) || ...);
        if (*ppv == nullptr)
            *ppv = static_cast<TDerived*>(this)->QueryBase(riid);
        if (*ppv == nullptr)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_nRef); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG nRef = ::InterlockedDecrement(&m_nRef);
        if (nRef == 0)
            delete static_cast<TDerived*>(this);
        return (ULONG)nRef;
    }

    // Interfaces that the derived ones extend (IOleWindow and the like).
    void* QueryBase(REFIID) { return nullptr; }

protected:
    ~COleUnknown() = default;

private:
    template <class T, class...>
    struct First {
        typedef T type;
    };
    typedef typename First<TInterfaces...>::type FirstInterface;

    LONG m_nRef = 1;
};
