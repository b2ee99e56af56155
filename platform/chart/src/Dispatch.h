#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <vector>

#include "DispatchType.h"
#include "Variant.h"

// The arguments of one call, already of the member's types and in call order, and its result.
class DispatchCall {
public:
    DispatchCall(const std::vector<Variant>& iArguments, VARIANT* oResult) : m_Arguments(iArguments), m_Result(oResult)
    {
    }

    template <class T>
    T Arg(size_t iIndex) const
    {
        return DispatchType<T>::Read(m_Arguments[iIndex].Get());
    }
    // A caller that wants no result gets none.
    template <class T>
    void Return(T iValue)
    {
        if (m_Result)
            DispatchType<T>::Write(std::move(iValue), *m_Result);
    }

private:
    const std::vector<Variant>& m_Arguments;
    VARIANT* m_Result;
};

// One member of a dispatch object. A handler refuses a call by throwing ChartError.
struct DispatchMember {
    DISPID Id;
    WORD Kind;  // DISPATCH_METHOD, DISPATCH_PROPERTYGET or DISPATCH_PROPERTYPUT
    std::vector<VARTYPE> Parameters;
    std::function<void(DispatchCall&)> Handler;
};
using DispatchMembers = std::vector<DispatchMember>;

// IDispatch over a table of members, reached by dispatch id only: no type information, no
// names. Calls that do not fit the table get IDispatch's own codes; refusals by a handler
// arrive as DISP_E_EXCEPTION with their text. The IUnknown side is the deriving class's.
class TableDispatch : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* oCount) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT iIndex, LCID iLocale, ITypeInfo** oInfo) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iIid, LPOLESTR* iNames, UINT iCount, LCID iLocale,
                                            DISPID* oIds) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID iId, REFIID iIid, LCID iLocale, WORD iFlags, DISPPARAMS* iParams,
                                     VARIANT* oResult, EXCEPINFO* oException, UINT* oArgumentError) override;

protected:
    TableDispatch() = default;
    virtual ~TableDispatch() = default;

    DispatchMembers m_Members;
};
