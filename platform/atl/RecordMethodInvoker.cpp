#include "RecordMethodInvoker.h"

#include <string>
#include <vector>

namespace {

using RecordType = CRecordMethodInvoker::RecordType;

// What a type description stands for once aliases are followed.
struct Resolved {
    TYPEKIND Kind;  // TKIND_RECORD, TKIND_INTERFACE (any interface pointer) or TKIND_ALIAS (plain)
    VARTYPE Vt;
    RecordType Record;  // of a record
};

HRESULT Resolve(ITypeInfo* iInfo, const TYPEDESC& iDesc, Resolved* oResolved);

std::wstring Name(ITypeInfo* iType)
{
    BSTR name = nullptr;
    if (FAILED(iType->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
        return L"";
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

GUID LibraryGuid(ITypeInfo* iType)
{
    ITypeLib* lib = nullptr;
    UINT index = 0;
    GUID guid = GUID_NULL;
    if (FAILED(iType->GetContainingTypeLib(&lib, &index)))
        return guid;
    TLIBATTR* attr = nullptr;
    if (SUCCEEDED(lib->GetLibAttr(&attr))) {
        guid = attr->guid;
        lib->ReleaseTLibAttr(attr);
    }
    lib->Release();
    return guid;
}

// A name alone would let a record of another library be taken for the declared one, and be
// written as if it had the declared layout.
RecordType RecordTypeOf(ITypeInfo* iType, const GUID& iGuid)
{
    if (iGuid != GUID_NULL)
        return {iGuid, GUID_NULL, L""};
    return {GUID_NULL, LibraryGuid(iType), Name(iType)};
}

HRESULT ResolveUserDefined(ITypeInfo* iInfo, HREFTYPE iRef, Resolved* oResolved)
{
    ITypeInfo* type = nullptr;
    HRESULT hr = iInfo->GetRefTypeInfo(iRef, &type);
    if (FAILED(hr))
        return hr;
    TYPEATTR* attr = nullptr;
    hr = type->GetTypeAttr(&attr);
    if (SUCCEEDED(hr)) {
        switch (attr->typekind) {
        case TKIND_ALIAS:
            hr = Resolve(type, attr->tdescAlias, oResolved);
            break;
        case TKIND_ENUM:
            *oResolved = {TKIND_ALIAS, VT_I4, {}};
            break;
        case TKIND_RECORD:
            *oResolved = {TKIND_RECORD, VT_RECORD, RecordTypeOf(type, attr->guid)};
            break;
        case TKIND_DISPATCH:
            *oResolved = {TKIND_INTERFACE, VT_DISPATCH, {}};
            break;
        case TKIND_INTERFACE:
            *oResolved = {TKIND_INTERFACE, (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN, {}};
            break;
        default:
            hr = DISP_E_BADVARTYPE;
        }
        type->ReleaseTypeAttr(attr);
    }
    type->Release();
    return hr;
}

HRESULT Resolve(ITypeInfo* iInfo, const TYPEDESC& iDesc, Resolved* oResolved)
{
    if (iDesc.vt == VT_USERDEFINED)
        return ResolveUserDefined(iInfo, iDesc.hreftype, oResolved);
    if (iDesc.vt == VT_PTR && iDesc.lptdesc->vt == VT_USERDEFINED) {
        // A pointer to an interface is the interface's value.
        HRESULT hr = ResolveUserDefined(iInfo, iDesc.lptdesc->hreftype, oResolved);
        if (SUCCEEDED(hr) && oResolved->Kind != TKIND_INTERFACE)
            hr = DISP_E_BADVARTYPE;
        return hr;
    }
    if (iDesc.vt == VT_SAFEARRAY) {
        HRESULT hr = Resolve(iInfo, *iDesc.lptdesc, oResolved);
        if (SUCCEEDED(hr))
            *oResolved = {TKIND_ALIAS, static_cast<VARTYPE>(VT_ARRAY | oResolved->Vt), {}};
        return hr;
    }
    *oResolved = {TKIND_ALIAS, iDesc.vt, {}};
    return S_OK;
}

bool PointsToRecord(ITypeInfo* iInfo, const TYPEDESC& iDesc)
{
    Resolved resolved{};
    return iDesc.vt == VT_PTR && SUCCEEDED(Resolve(iInfo, *iDesc.lptdesc, &resolved)) && resolved.Kind == TKIND_RECORD;
}

// The caller's argument, seen through a VT_VARIANT | VT_BYREF wrapper.
const VARIANT& Argument(const VARIANTARG& iArg)
{
    return V_VT(&iArg) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&iArg) ? *V_VARIANTREF(&iArg) : iArg;
}

// The caller's record with its record information, which must be of the declared type. (A
// record that lost its information on the way, as Wine's marshaller loses it, is refused.)
bool RecordMatches(const VARIANT& iArg, const RecordType& iDeclared)
{
    if ((V_VT(&iArg) & ~VT_BYREF) != VT_RECORD || !V_RECORD(&iArg) || !V_RECORDINFO(&iArg))
        return false;
    IRecordInfo* info = V_RECORDINFO(&iArg);
    GUID guid = GUID_NULL;
    ITypeInfo* type = nullptr;
    if (FAILED(info->GetGuid(&guid)) || FAILED(info->GetTypeInfo(&type)) || !type)
        return false;
    const bool same = RecordTypeOf(type, guid) == iDeclared;
    type->Release();
    return same;
}

void SetReference(VARIANT* oSlot, void* iPointer)
{
    V_VT(oSlot) = VT_BYREF | VT_UI1;
    V_BYREF(oSlot) = iPointer;
}

// The arguments of one call in declaration order, as DispCallFunc takes them; cleared when the
// call is over.
struct CallArguments {
    explicit CallArguments(UINT iCount) : Values(iCount), Pointers(iCount), Types(iCount, VT_BYREF | VT_UI1)
    {
        for (UINT i = 0; i < iCount; ++i) {
            VariantInit(&Values[i]);
            Pointers[i] = &Values[i];
        }
    }
    ~CallArguments()
    {
        for (VARIANT& value : Values)
            VariantClear(&value);
    }
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;

    std::vector<VARIANT> Values;
    std::vector<VARIANTARG*> Pointers;
    std::vector<VARTYPE> Types;
};

// Puts the caller's argument into the slot as the parameter travels; false when it does not fit.
bool BindArgument(const CRecordMethodInvoker::Parameter& iParameter, const VARIANTARG& iRaw, VARIANT* oSlot,
                  VARTYPE* oType)
{
    const VARIANT& arg = Argument(iRaw);
    switch (iParameter.Passing) {
    case CRecordMethodInvoker::Passing::Record:
        if (!RecordMatches(arg, iParameter.Record))
            return false;
        SetReference(oSlot, V_RECORD(&arg));
        return true;
    case CRecordMethodInvoker::Passing::Reference: {
        const VARTYPE wanted = VT_BYREF | iParameter.Vt;
        const VARIANT* given = V_VT(&iRaw) == wanted ? &iRaw : &arg;
        if (V_VT(given) != wanted)
            return false;
        SetReference(oSlot, V_BYREF(given));
        return true;
    }
    case CRecordMethodInvoker::Passing::Value:
        *oType = iParameter.Vt;
        return SUCCEEDED(VariantChangeType(oSlot, const_cast<VARIANT*>(&arg), 0, iParameter.Vt));
    }
    return false;
}

}  // namespace

CRecordMethodInvoker::CRecordMethodInvoker(ITypeInfo* iInfo, DISPID iId) : m_Info(iInfo)
{
    TYPEATTR* attr = nullptr;
    if (FAILED(iInfo->GetTypeAttr(&attr)))
        return;
    for (UINT i = 0; i < attr->cFuncs && !m_Func; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(iInfo->GetFuncDesc(i, &func)))
            continue;
        if (func->memid == iId && func->invkind == INVOKE_FUNC)
            m_Func = func;
        else
            iInfo->ReleaseFuncDesc(func);
    }
    iInfo->ReleaseTypeAttr(attr);
    for (SHORT i = 0; m_Func && i < m_Func->cParams && !m_TakesRecords; ++i)
        m_TakesRecords = PointsToRecord(iInfo, m_Func->lprgelemdescParam[i].tdesc);
}

CRecordMethodInvoker::~CRecordMethodInvoker()
{
    if (m_Func)
        m_Info->ReleaseFuncDesc(m_Func);
}

HRESULT CRecordMethodInvoker::Classify(const TYPEDESC& iDesc, Parameter* oParameter) const
{
    Resolved resolved{};
    if (iDesc.vt != VT_PTR) {
        HRESULT hr = Resolve(m_Info, iDesc, &resolved);
        if (SUCCEEDED(hr) && resolved.Kind == TKIND_RECORD)
            hr = DISP_E_BADVARTYPE;
        *oParameter = {Passing::Value, resolved.Vt, {}};
        return hr;
    }
    HRESULT hr = Resolve(m_Info, *iDesc.lptdesc, &resolved);
    if (FAILED(hr))
        return hr;
    if (resolved.Kind == TKIND_RECORD)
        *oParameter = {Passing::Record, VT_RECORD, resolved.Record};
    else if (resolved.Kind == TKIND_INTERFACE && iDesc.lptdesc->vt == VT_USERDEFINED)
        *oParameter = {Passing::Value, resolved.Vt, {}};
    else
        *oParameter = {Passing::Reference, resolved.Vt, {}};
    return S_OK;
}

HRESULT CRecordMethodInvoker::Invoke(void* iObject, WORD iFlags, DISPPARAMS* iParams, VARIANT* oResult,
                                     EXCEPINFO* oException, UINT* oArgError)
{
    if (!(iFlags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!iParams)
        return E_INVALIDARG;
    if (iParams->cNamedArgs)
        return DISP_E_NONAMEDARGS;
    const UINT count = m_Func->cParams;
    const bool hasRetval =
        count > 0 && (m_Func->lprgelemdescParam[count - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    if (iParams->cArgs != count - (hasRetval ? 1 : 0))
        return DISP_E_BADPARAMCOUNT;

    CallArguments arguments(count);
    VARIANT retval;
    VariantInit(&retval);
    VARTYPE retvalType = VT_EMPTY;
    for (UINT i = 0; i < count; ++i) {
        Parameter parameter{};
        HRESULT hr = Classify(m_Func->lprgelemdescParam[i].tdesc, &parameter);
        if (FAILED(hr))
            return hr;
        if (hasRetval && i == count - 1) {
            retvalType = parameter.Vt;
            SetReference(&arguments.Values[i], &V_BYREF(&retval));
            continue;
        }
        // The caller's arguments come last to first.
        const UINT index = iParams->cArgs - 1 - i;
        if (!BindArgument(parameter, iParams->rgvarg[index], &arguments.Values[i], &arguments.Types[i])) {
            if (oArgError)
                *oArgError = index;
            return DISP_E_TYPEMISMATCH;
        }
    }

    VARIANT returned;
    VariantInit(&returned);
    const VARTYPE returnType = m_Func->elemdescFunc.tdesc.vt;
    // The call itself answers the HRESULT as a plain error code.
    HRESULT hr = DispCallFunc(iObject, m_Func->oVft, m_Func->callconv, returnType == VT_HRESULT ? VT_ERROR : returnType,
                              count, arguments.Types.data(), arguments.Pointers.data(), &returned);
    if (FAILED(hr))
        return hr;
    if (returnType == VT_HRESULT && FAILED(V_ERROR(&returned))) {
        if (oException) {
            ZeroMemory(oException, sizeof(*oException));
            oException->scode = V_ERROR(&returned);
        }
        return DISP_E_EXCEPTION;
    }
    if (retvalType != VT_EMPTY) {
        V_VT(&retval) = retvalType;
        if (oResult)
            *oResult = retval;
        else
            VariantClear(&retval);
    }
    return S_OK;
}
