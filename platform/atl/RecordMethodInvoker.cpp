#include "RecordMethodInvoker.h"

#include <string>
#include <vector>

namespace {

using RecordType = CRecordMethodInvoker::RecordType;

// What a type description stands for once aliases are followed.
struct Resolved {
    TYPEKIND kind;  // TKIND_RECORD, TKIND_INTERFACE (any interface pointer) or TKIND_ALIAS (plain)
    VARTYPE vt;
    RecordType record;  // of a record
};

HRESULT Resolve(ITypeInfo* info, const TYPEDESC& desc, Resolved* resolved);

std::wstring Name(ITypeInfo* type)
{
    BSTR name = nullptr;
    if (FAILED(type->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr)))
        return L"";
    std::wstring text = name ? name : L"";
    SysFreeString(name);
    return text;
}

GUID LibraryGuid(ITypeInfo* type)
{
    ITypeLib* lib = nullptr;
    UINT index = 0;
    GUID guid = GUID_NULL;
    if (FAILED(type->GetContainingTypeLib(&lib, &index)))
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
RecordType RecordTypeOf(ITypeInfo* type, const GUID& guid)
{
    if (guid != GUID_NULL)
        return {guid, GUID_NULL, L""};
    return {GUID_NULL, LibraryGuid(type), Name(type)};
}

HRESULT ResolveUserDefined(ITypeInfo* info, HREFTYPE ref, Resolved* resolved)
{
    ITypeInfo* type = nullptr;
    HRESULT hr = info->GetRefTypeInfo(ref, &type);
    if (FAILED(hr))
        return hr;
    TYPEATTR* attr = nullptr;
    hr = type->GetTypeAttr(&attr);
    if (SUCCEEDED(hr)) {
        switch (attr->typekind) {
        case TKIND_ALIAS:
            hr = Resolve(type, attr->tdescAlias, resolved);
            break;
        case TKIND_ENUM:
            *resolved = {TKIND_ALIAS, VT_I4, {}};
            break;
        case TKIND_RECORD:
            *resolved = {TKIND_RECORD, VT_RECORD, RecordTypeOf(type, attr->guid)};
            break;
        case TKIND_DISPATCH:
            *resolved = {TKIND_INTERFACE, VT_DISPATCH, {}};
            break;
        case TKIND_INTERFACE:
            *resolved = {TKIND_INTERFACE, (attr->wTypeFlags & TYPEFLAG_FDISPATCHABLE) ? VT_DISPATCH : VT_UNKNOWN, {}};
            break;
        default:
            hr = DISP_E_BADVARTYPE;
        }
        type->ReleaseTypeAttr(attr);
    }
    type->Release();
    return hr;
}

HRESULT Resolve(ITypeInfo* info, const TYPEDESC& desc, Resolved* resolved)
{
    if (desc.vt == VT_USERDEFINED)
        return ResolveUserDefined(info, desc.hreftype, resolved);
    if (desc.vt == VT_PTR && desc.lptdesc->vt == VT_USERDEFINED) {
        // A pointer to an interface is the interface's value.
        HRESULT hr = ResolveUserDefined(info, desc.lptdesc->hreftype, resolved);
        if (SUCCEEDED(hr) && resolved->kind != TKIND_INTERFACE)
            hr = DISP_E_BADVARTYPE;
        return hr;
    }
    if (desc.vt == VT_SAFEARRAY) {
        HRESULT hr = Resolve(info, *desc.lptdesc, resolved);
        if (SUCCEEDED(hr))
            *resolved = {TKIND_ALIAS, static_cast<VARTYPE>(VT_ARRAY | resolved->vt), {}};
        return hr;
    }
    *resolved = {TKIND_ALIAS, desc.vt, {}};
    return S_OK;
}

bool PointsToRecord(ITypeInfo* info, const TYPEDESC& desc)
{
    Resolved resolved{};
    return desc.vt == VT_PTR && SUCCEEDED(Resolve(info, *desc.lptdesc, &resolved)) && resolved.kind == TKIND_RECORD;
}

// The caller's argument, seen through a VT_VARIANT | VT_BYREF wrapper.
const VARIANT& Argument(const VARIANTARG& arg)
{
    return V_VT(&arg) == (VT_VARIANT | VT_BYREF) && V_VARIANTREF(&arg) ? *V_VARIANTREF(&arg) : arg;
}

// The caller's record with its record information, which must be of the declared type. (A
// record that lost its information on the way, as Wine's marshaller loses it, is refused.)
bool RecordMatches(const VARIANT& arg, const RecordType& declared)
{
    if ((V_VT(&arg) & ~VT_BYREF) != VT_RECORD || !V_RECORD(&arg) || !V_RECORDINFO(&arg))
        return false;
    IRecordInfo* info = V_RECORDINFO(&arg);
    GUID guid = GUID_NULL;
    ITypeInfo* type = nullptr;
    if (FAILED(info->GetGuid(&guid)) || FAILED(info->GetTypeInfo(&type)) || !type)
        return false;
    const bool same = RecordTypeOf(type, guid) == declared;
    type->Release();
    return same;
}

void SetReference(VARIANT* slot, void* pointer)
{
    V_VT(slot) = VT_BYREF | VT_UI1;
    V_BYREF(slot) = pointer;
}

// The arguments of one call in declaration order, as DispCallFunc takes them; cleared when the
// call is over.
struct CallArguments {
    explicit CallArguments(UINT count) : values(count), pointers(count), types(count, VT_BYREF | VT_UI1)
    {
        for (UINT i = 0; i < count; ++i) {
            VariantInit(&values[i]);
            pointers[i] = &values[i];
        }
    }
    ~CallArguments()
    {
        for (VARIANT& value : values)
            VariantClear(&value);
    }
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;

    std::vector<VARIANT> values;
    std::vector<VARIANTARG*> pointers;
    std::vector<VARTYPE> types;
};

// Puts the caller's argument into the slot as the parameter travels; false when it does not fit.
bool BindArgument(const CRecordMethodInvoker::Parameter& parameter, const VARIANTARG& raw, VARIANT* slot, VARTYPE* type)
{
    const VARIANT& arg = Argument(raw);
    switch (parameter.passing) {
    case CRecordMethodInvoker::Passing::Record:
        if (!RecordMatches(arg, parameter.record))
            return false;
        SetReference(slot, V_RECORD(&arg));
        return true;
    case CRecordMethodInvoker::Passing::Reference: {
        const VARTYPE wanted = VT_BYREF | parameter.vt;
        const VARIANT* given = V_VT(&raw) == wanted ? &raw : &arg;
        if (V_VT(given) != wanted)
            return false;
        SetReference(slot, V_BYREF(given));
        return true;
    }
    case CRecordMethodInvoker::Passing::Value:
        *type = parameter.vt;
        return SUCCEEDED(VariantChangeType(slot, const_cast<VARIANT*>(&arg), 0, parameter.vt));
    }
    return false;
}

}  // namespace

CRecordMethodInvoker::CRecordMethodInvoker(ITypeInfo* info, DISPID id) : m_info(info)
{
    TYPEATTR* attr = nullptr;
    if (FAILED(info->GetTypeAttr(&attr)))
        return;
    for (UINT i = 0; i < attr->cFuncs && !m_func; ++i) {
        FUNCDESC* func = nullptr;
        if (FAILED(info->GetFuncDesc(i, &func)))
            continue;
        if (func->memid == id && func->invkind == INVOKE_FUNC)
            m_func = func;
        else
            info->ReleaseFuncDesc(func);
    }
    info->ReleaseTypeAttr(attr);
    for (SHORT i = 0; m_func && i < m_func->cParams && !m_takesRecords; ++i)
        m_takesRecords = PointsToRecord(info, m_func->lprgelemdescParam[i].tdesc);
}

CRecordMethodInvoker::~CRecordMethodInvoker()
{
    if (m_func)
        m_info->ReleaseFuncDesc(m_func);
}

HRESULT CRecordMethodInvoker::Classify(const TYPEDESC& desc, Parameter* parameter) const
{
    Resolved resolved{};
    if (desc.vt != VT_PTR) {
        HRESULT hr = Resolve(m_info, desc, &resolved);
        if (SUCCEEDED(hr) && resolved.kind == TKIND_RECORD)
            hr = DISP_E_BADVARTYPE;
        *parameter = {Passing::Value, resolved.vt, {}};
        return hr;
    }
    HRESULT hr = Resolve(m_info, *desc.lptdesc, &resolved);
    if (FAILED(hr))
        return hr;
    if (resolved.kind == TKIND_RECORD)
        *parameter = {Passing::Record, VT_RECORD, resolved.record};
    else if (resolved.kind == TKIND_INTERFACE && desc.lptdesc->vt == VT_USERDEFINED)
        *parameter = {Passing::Value, resolved.vt, {}};
    else
        *parameter = {Passing::Reference, resolved.vt, {}};
    return S_OK;
}

HRESULT CRecordMethodInvoker::Invoke(void* object, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError)
{
    if (!(flags & DISPATCH_METHOD))
        return DISP_E_MEMBERNOTFOUND;
    if (!params)
        return E_INVALIDARG;
    if (params->cNamedArgs)
        return DISP_E_NONAMEDARGS;
    const UINT count = m_func->cParams;
    const bool hasRetval =
        count > 0 && (m_func->lprgelemdescParam[count - 1].paramdesc.wParamFlags & PARAMFLAG_FRETVAL);
    if (params->cArgs != count - (hasRetval ? 1 : 0))
        return DISP_E_BADPARAMCOUNT;

    CallArguments arguments(count);
    VARIANT retval;
    VariantInit(&retval);
    VARTYPE retvalType = VT_EMPTY;
    for (UINT i = 0; i < count; ++i) {
        Parameter parameter{};
        HRESULT hr = Classify(m_func->lprgelemdescParam[i].tdesc, &parameter);
        if (FAILED(hr))
            return hr;
        if (hasRetval && i == count - 1) {
            retvalType = parameter.vt;
            SetReference(&arguments.values[i], &V_BYREF(&retval));
            continue;
        }
        // The caller's arguments come last to first.
        const UINT index = params->cArgs - 1 - i;
        if (!BindArgument(parameter, params->rgvarg[index], &arguments.values[i], &arguments.types[i])) {
            if (argError)
                *argError = index;
            return DISP_E_TYPEMISMATCH;
        }
    }

    VARIANT returned;
    VariantInit(&returned);
    const VARTYPE returnType = m_func->elemdescFunc.tdesc.vt;
    // The call itself answers the HRESULT as a plain error code.
    HRESULT hr = DispCallFunc(object, m_func->oVft, m_func->callconv, returnType == VT_HRESULT ? VT_ERROR : returnType,
                              count, arguments.types.data(), arguments.pointers.data(), &returned);
    if (FAILED(hr))
        return hr;
    if (returnType == VT_HRESULT && FAILED(V_ERROR(&returned))) {
        if (exception) {
            ZeroMemory(exception, sizeof(*exception));
            exception->scode = V_ERROR(&returned);
        }
        return DISP_E_EXCEPTION;
    }
    if (retvalType != VT_EMPTY) {
        V_VT(&retval) = retvalType;
        if (result)
            *result = retval;
        else
            VariantClear(&retval);
    }
    return S_OK;
}
