#include <afxdisp.h>

namespace {

void CheckResult(HRESULT hr)
{
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

}  // namespace

void COleVariant::Copy(const VARIANT& varSrc)
{
    if (&varSrc == this)
        return;
    CheckResult(VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
}

COleVariant::COleVariant(const VARIANT& varSrc) : COleVariant()
{
    Copy(varSrc);
}
COleVariant::COleVariant(const COleVariant& varSrc) : COleVariant()
{
    Copy(varSrc);
}
COleVariant::COleVariant(LPCVARIANT pSrc) : COleVariant()
{
    Copy(*pSrc);
}
COleVariant::COleVariant(LPCWSTR lpszSrc) : COleVariant()
{
    *this = lpszSrc;
}
COleVariant::COleVariant(const CString& strSrc) : COleVariant()
{
    *this = strSrc;
}
COleVariant::COleVariant(BYTE nSrc) : COleVariant()
{
    *this = nSrc;
}
COleVariant::COleVariant(float fltSrc) : COleVariant()
{
    *this = fltSrc;
}
COleVariant::COleVariant(double dblSrc) : COleVariant()
{
    *this = dblSrc;
}
COleVariant::COleVariant(const COleDateTime& dateSrc) : COleVariant()
{
    *this = dateSrc;
}

COleVariant::COleVariant(LPCWSTR lpszSrc, VARTYPE vtSrc) : COleVariant()
{
    if (vtSrc != VT_BSTR)
        AfxThrowInvalidArgException();
    *this = lpszSrc;
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc) : COleVariant()
{
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_I2)
        *this = nSrc;
    else
        AfxThrowInvalidArgException();
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc) : COleVariant()
{
    switch (vtSrc) {
    case VT_BOOL:
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_ERROR:
        vt = VT_ERROR;
        scode = lSrc;
        break;
    case VT_I4:
        *this = lSrc;
        break;
    default:
        AfxThrowInvalidArgException();
    }
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    Copy(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    Copy(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCVARIANT pSrc)
{
    Copy(*pSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCWSTR lpszSrc)
{
    BSTR bstr = SysAllocString(lpszSrc == nullptr ? L"" : lpszSrc);
    if (bstr == nullptr)
        AfxThrowMemoryException();
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

COleVariant& COleVariant::operator=(const CString& strSrc)
{
    BSTR bstr = strSrc.AllocSysString();
    Clear();
    vt = VT_BSTR;
    bstrVal = bstr;
    return *this;
}

#define AFX_VARIANT_ASSIGN(type, vartype, field)    \
    COleVariant& COleVariant::operator=(type value) \
    {                                               \
        Clear();                                    \
        vt = vartype;                               \
        field = value;                              \
        return *this;                               \
    }
AFX_VARIANT_ASSIGN(BYTE, VT_UI1, bVal)
AFX_VARIANT_ASSIGN(short, VT_I2, iVal)
AFX_VARIANT_ASSIGN(long, VT_I4, lVal)
AFX_VARIANT_ASSIGN(float, VT_R4, fltVal)
AFX_VARIANT_ASSIGN(double, VT_R8, dblVal)
#undef AFX_VARIANT_ASSIGN

COleVariant& COleVariant::operator=(const COleDateTime& dateSrc)
{
    Clear();
    vt = VT_DATE;
    date = dateSrc.m_dt;
    return *this;
}

bool COleVariant::operator==(const VARIANT& varSrc) const
{
    if (&varSrc == this)
        return true;
    if (vt != varSrc.vt)
        return false;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BSTR:
        return SysStringByteLen(bstrVal) == SysStringByteLen(varSrc.bstrVal) &&
            memcmp(bstrVal, varSrc.bstrVal, SysStringByteLen(bstrVal)) == 0;
    case VT_R4:
        return fltVal == varSrc.fltVal;
    case VT_R8:
    case VT_DATE:
        return dblVal == varSrc.dblVal;
    default:
        return VarCmp(const_cast<COleVariant*>(this), const_cast<VARIANT*>(&varSrc), LOCALE_USER_DEFAULT, 0) ==
            VARCMP_EQ;
    }
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (pSrc == nullptr)
        pSrc = this;
    if (pSrc == this && vt == vartype)
        return;
    CheckResult(VariantChangeType(this, pSrc, 0, vartype));
}

void COleVariant::Attach(VARIANT& varSrc)
{
    Clear();
    *static_cast<VARIANT*>(this) = varSrc;
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT result = *this;
    vt = VT_EMPTY;
    return result;
}

// A variant is its type word, then the value: numbers as their raw bytes, BOOL as a
// word, currency as its low then high half, text as its byte count (a double word)
// and its UTF-16 bytes. Other types cannot be archived.
CArchive& AFXAPI operator<<(CArchive& ar, const COleVariant& varSrc)
{
    ar << varSrc.vt;
    switch (varSrc.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL:
        ar << (WORD)varSrc.boolVal;
        break;
    case VT_I1:
    case VT_UI1:
        ar << varSrc.bVal;
        break;
    case VT_I2:
    case VT_UI2:
        ar << (WORD)varSrc.uiVal;
        break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        ar << varSrc.lVal;
        break;
    case VT_I8:
    case VT_UI8:
        ar << varSrc.llVal;
        break;
    case VT_CY:
        ar << varSrc.cyVal.Lo << varSrc.cyVal.Hi;
        break;
    case VT_R4:
        ar << varSrc.fltVal;
        break;
    case VT_R8:
        ar << varSrc.dblVal;
        break;
    case VT_DATE:
        ar << varSrc.date;
        break;
    case VT_BSTR: {
        DWORD nLen = SysStringByteLen(varSrc.bstrVal);
        ar << nLen;
        ar.Write(varSrc.bstrVal, nLen);
        break;
    }
    default:
        AfxThrowNotSupportedException();
    }
    return ar;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleVariant& varSrc)
{
    varSrc.Clear();
    VARTYPE type;
    ar >> type;
    VARIANT value;
    VariantInit(&value);
    switch (type) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL: {
        WORD w;
        ar >> w;
        value.boolVal = (VARIANT_BOOL)w;
        break;
    }
    case VT_I1:
    case VT_UI1:
        ar >> value.bVal;
        break;
    case VT_I2:
    case VT_UI2:
        ar >> value.uiVal;
        break;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_ERROR:
        ar >> value.lVal;
        break;
    case VT_I8:
    case VT_UI8:
        ar >> value.llVal;
        break;
    case VT_CY:
        ar >> value.cyVal.Lo >> value.cyVal.Hi;
        break;
    case VT_R4:
        ar >> value.fltVal;
        break;
    case VT_R8:
        ar >> value.dblVal;
        break;
    case VT_DATE:
        ar >> value.date;
        break;
    case VT_BSTR: {
        DWORD nLen;
        ar >> nLen;
        if (nLen > 0x7FFFFFF0)
            AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
        BSTR bstr = SysAllocStringByteLen(nullptr, nLen);
        if (bstr == nullptr)
            AfxThrowMemoryException();
        if (ar.Read(bstr, nLen) != nLen) {
            SysFreeString(bstr);
            AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
        }
        value.bstrVal = bstr;
        break;
    }
    default:
        // A type this archive form does not know: the data cannot be read further.
        AfxThrowArchiveException(CArchiveException::genericException, ar.m_strFileName);
    }
    value.vt = type;
    varSrc.Attach(value);
    return ar;
}
