#include "Dispatch.h"

#include <algorithm>

#include "ChartClass.h"
#include "ChartError.h"

namespace {

bool NamedArgumentsFit(const DISPPARAMS& iParams, WORD iKind)
{
    if (iParams.cNamedArgs == 0)
        return true;
    return iKind == DISPATCH_PROPERTYPUT && iParams.cNamedArgs == 1 && iParams.rgdispidNamedArgs &&
        iParams.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT;
}

// The arguments in call order, converted to the member's types; rgvarg holds them last first.
HRESULT ConvertArguments(const DISPPARAMS& iParams, const DispatchMember& iMember, std::vector<Variant>& oArguments,
                         UINT* oArgumentError)
{
    const UINT count = iParams.cArgs;
    oArguments.resize(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT position = count - 1 - i;
        HRESULT hr = VariantChangeType(&oArguments[i].Get(), &iParams.rgvarg[position], 0, iMember.Parameters[i]);
        if (FAILED(hr)) {
            if (oArgumentError)
                *oArgumentError = position;
            return hr;
        }
    }
    return S_OK;
}

void Describe(const ChartError& iError, EXCEPINFO* oException)
{
    if (!oException)
        return;
    *oException = EXCEPINFO{};
    oException->scode = iError.Code();
    oException->bstrSource = SysAllocString(kChartIndependentProgId);
    oException->bstrDescription = SysAllocString(iError.Text().c_str());
}

}  // namespace

HRESULT TableDispatch::GetTypeInfoCount(UINT* oCount)
{
    if (!oCount)
        return E_POINTER;
    *oCount = 0;
    return S_OK;
}

HRESULT TableDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** oInfo)
{
    if (oInfo)
        *oInfo = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT TableDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT iCount, LCID, DISPID* oIds)
{
    if (oIds)
        std::fill(oIds, oIds + iCount, DISPID_UNKNOWN);
    return DISP_E_UNKNOWNNAME;
}

HRESULT TableDispatch::Invoke(DISPID iId, REFIID iIid, LCID, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult,
                              EXCEPINFO* oException, UINT* oArgumentError)
{
    if (iIid != IID_NULL)
        return DISP_E_UNKNOWNINTERFACE;
    if (!iParams || (iParams->cArgs > 0 && !iParams->rgvarg))
        return E_INVALIDARG;
    auto member = std::find_if(m_Members.begin(), m_Members.end(), [&](const DispatchMember& iMember) {
        return iMember.Id == iId && (iMember.Kind & iFlags) != 0;
    });
    if (member == m_Members.end())
        return DISP_E_MEMBERNOTFOUND;
    if (!NamedArgumentsFit(*iParams, member->Kind))
        return DISP_E_NONAMEDARGS;
    if (iParams->cArgs != member->Parameters.size())
        return DISP_E_BADPARAMCOUNT;
    std::vector<Variant> arguments;
    HRESULT hr = ConvertArguments(*iParams, *member, arguments, oArgumentError);
    if (FAILED(hr))
        return hr;
    if (oResult)
        VariantInit(oResult);
    try {
        DispatchCall call(arguments, oResult);
        member->Handler(call);
        return S_OK;
    } catch (const ChartError& error) {
        Describe(error, oException);
        return DISP_E_EXCEPTION;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}
