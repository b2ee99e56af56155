#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/core/CGTGridValues.h>
#include <afxctrls.h>
#include <afxcmn.h>
#include <cwchar>

IMPLEMENT_DYNCREATE(CGTGridItem, CObject)

CGTGridItem::CGTGridItem()
    : m_Row(nullptr), m_Data(0), m_Options(10), m_InEdit(FALSE), m_InPlaceEdit(nullptr), m_Combo(nullptr),
      m_Spin(nullptr), m_Rect(0, 0, 0, 0), m_ButtonRect(0, 0, 0, 0), m_ButtonPressed(FALSE), m_ButtonShown(FALSE),
      m_Enabled(TRUE), m_AllowEdit(TRUE), m_EditFlags(0), m_ValueTruncated(FALSE), m_SpinMinimum(0), m_SpinMaximum(0),
      m_Column(-1), m_BackgroundColor((COLORREF)-1), m_TextColor((COLORREF)-1), m_Image(-1)
{
    ::VariantInit(&m_Value);
}

CGTGridItem::CGTGridItem(const VARIANT& iValue, DWORD_PTR iData, LPCWSTR iEditMask, LPCWSTR iInputTemplate,
                         LPCWSTR iValidChars)
    : CGTGridItem()
{
    HRESULT result = ::VariantCopy(&m_Value, const_cast<VARIANT*>(&iValue));
    if (FAILED(result))
        AfxThrowOleException(result);
    m_Data = iData;
    m_EditMask = iEditMask != nullptr ? iEditMask : L"";
    m_InputTemplate = iInputTemplate != nullptr ? iInputTemplate : L"";
    m_ValidChars = iValidChars != nullptr ? iValidChars : L"";
    if (m_Value.vt == VT_BOOL) {
        m_EditFlags = GTGridEditList;
        m_AllowEdit = FALSE;
    }
}

CGTGridItem::~CGTGridItem()
{
    OnDestroyWindow();
    ::VariantClear(&m_Value);
}

BOOL CGTGridItem::IsTypedValue(VARTYPE iType)
{
    switch (iType) {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BSTR:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
        return TRUE;
    default:
        return FALSE;
    }
}

CGTGridCtrl* CGTGridItem::GetOwnerGrid() const
{
    return m_Row != nullptr ? m_Row->GetOwnerList() : nullptr;
}

void CGTGridItem::GetItemId(int& oRow, int& oColumn) const
{
    oRow = m_Row != nullptr ? m_Row->GetRowId() : -1;
    oColumn = m_Column;
}

void CGTGridItem::SetValue(const VARIANT& iValue)
{
    // A value that cannot be copied leaves the old one in place.
    VARIANT copy;
    ::VariantInit(&copy);
    HRESULT result = ::VariantCopy(&copy, const_cast<VARIANT*>(&iValue));
    if (FAILED(result))
        AfxThrowOleException(result);
    ::VariantClear(&m_Value);
    m_Value = copy;
}

void CGTGridItem::SetSpinRange(int iMinimum, int iMaximum)
{
    m_SpinMinimum = iMinimum;
    m_SpinMaximum = iMaximum;
}

BOOL CGTGridItem::OnCreated(int, int)
{
    return TRUE;
}

void CGTGridItem::Redraw()
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid == nullptr || grid->GetSafeHwnd() == nullptr)
        return;
    grid->InvalidateRect(m_Rect);
    if (!grid->IsRedrawHeld())
        grid->UpdateWindow();
}

void CGTGridItem::ShowButton(BOOL iShow)
{
    m_ButtonShown = iShow;
    if (iShow && HasButton())
        AdjustButtonRect();
    else if (!iShow)
        m_ButtonRect.SetRectEmpty();
}

CGTGridItem* CGTGridItem::HitTest(CPoint iPoint, int* oArea) const
{
    CRect area = m_Rect;
    area.right++;
    if (!area.PtInRect(iPoint))
        return nullptr;
    if (oArea != nullptr)
        *oArea = GTGridHitValue;
    return const_cast<CGTGridItem*>(this);
}

BOOL CGTGridItem::HasButton() const
{
    return (m_EditFlags & (GTGridEditList | GTGridEditBrowse)) != 0;
}

void CGTGridItem::AdjustButtonRect()
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid == nullptr || !grid->IsEditable()) {
        m_ButtonRect.SetRectEmpty();
        return;
    }
    m_ButtonRect = m_Rect;
    m_ButtonRect.left = m_Rect.right - m_Rect.Height() + 3;
    m_ButtonRect.top++;
}

void CGTGridItem::AdjustInPlaceEditRect(CRect& oEdit, CRect& oSpin)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    oEdit = m_Rect;
    oEdit.DeflateRect(0, 2);
    int indent = 3 - (grid != nullptr ? grid->GetTextIndent() : 0);
    if (m_Image >= 0 && grid != nullptr && grid->GetImageList() != nullptr) {
        IMAGEINFO info = {};
        if (grid->GetImageList()->GetImageInfo(m_Image, &info))
            indent += info.rcImage.right - info.rcImage.left;
    }
    oEdit.left += indent;
    oEdit.right = HasButton() && !m_ButtonRect.IsRectEmpty() ? m_ButtonRect.left - 1 : m_Rect.right - 1;
    oSpin.SetRectEmpty();
    if (m_EditFlags & GTGridEditSpin) {
        oSpin = CRect(oEdit.right - m_Rect.Height(), m_Rect.top + 1, oEdit.right, m_Rect.bottom - 1);
        oEdit.right = oSpin.left;
    }
}

CString CGTGridItem::FormatItem()
{
    CString text;
    switch (m_Value.vt) {
    case VT_I2:
        text.Format(CGTGridValues::FormatShort(), (int)m_Value.iVal);
        break;
    case VT_I4:
    case VT_INT:
        text.Format(CGTGridValues::FormatLong(), (long)m_Value.lVal);
        break;
    case VT_UI1:
        text.Format(CGTGridValues::FormatUnsignedShort(), (unsigned)m_Value.bVal);
        break;
    case VT_UI2:
        text.Format(CGTGridValues::FormatUnsignedShort(), (unsigned)m_Value.uiVal);
        break;
    case VT_UI4:
    case VT_UINT:
        text.Format(CGTGridValues::FormatUnsignedLong(), (unsigned)m_Value.ulVal);
        break;
    case VT_R4:
        text.Format(CGTGridValues::FormatFloat(), (double)m_Value.fltVal);
        break;
    case VT_R8:
        text.Format(CGTGridValues::FormatDouble(), m_Value.dblVal);
        break;
    case VT_CY:
    case VT_DECIMAL: {
        VARIANT converted;
        ::VariantInit(&converted);
        if (SUCCEEDED(::VariantChangeType(&converted, &m_Value, 0, VT_BSTR)))
            text = converted.bstrVal;
        ::VariantClear(&converted);
        break;
    }
    case VT_DATE: {
        BSTR date = nullptr;
        if (SUCCEEDED(::VarBstrFromDate(m_Value.date, LOCALE_USER_DEFAULT, 0, &date)))
            text = date;
        ::SysFreeString(date);
        break;
    }
    case VT_BSTR:
        text = m_Value.bstrVal;
        break;
    case VT_BOOL: {
        CGTGridCtrl* grid = GetOwnerGrid();
        text = m_Value.boolVal ? (grid ? grid->GetTrueText() : CString(L"True"))
                               : (grid ? grid->GetFalseText() : CString(L"False"));
        break;
    }
    default:
        break;
    }
    return text;
}

BOOL CGTGridItem::TextToVar(const CString& iText)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = m_Value.vt;
    switch (m_Value.vt) {
    case VT_I2:
        value.iVal = (SHORT)_wtoi(iText);
        break;
    case VT_I4:
    case VT_INT:
        value.lVal = _wtol(iText);
        break;
    case VT_R4:
        value.fltVal = 0.0f;
        if (!iText.IsEmpty())
            swscanf(iText, CGTGridValues::FormatFloat(), &value.fltVal);
        break;
    case VT_R8:
        value.dblVal = 0.0;
        if (!iText.IsEmpty())
            swscanf(iText, CGTGridValues::FormatDouble(), &value.dblVal);
        break;
    case VT_CY:
        if (FAILED(::VarCyFromStr((LPOLESTR)(LPCWSTR)iText, LOCALE_USER_DEFAULT, 0, &value.cyVal)))
            return FALSE;
        break;
    case VT_DECIMAL:
        if (FAILED(::VarDecFromStr((LPOLESTR)(LPCWSTR)iText, LOCALE_USER_DEFAULT, 0, &value.decVal)))
            return FALSE;
        value.vt = VT_DECIMAL;
        break;
    case VT_BSTR:
        value.bstrVal = ::SysAllocString(iText);
        break;
    case VT_BOOL: {
        CGTGridCtrl* grid = GetOwnerGrid();
        value.boolVal = iText == (grid ? grid->GetTrueText() : CString(L"True")) ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    }
    case VT_UI1: {
        const unsigned number = (unsigned)_wtoi(iText);
        if (number >= 256)
            return FALSE;
        value.bVal = (BYTE)number;
        break;
    }
    case VT_UI2:
        value.uiVal = (USHORT)_wtoi(iText);
        break;
    case VT_UI4:
    case VT_UINT:
        value.ulVal = (ULONG)_wtol(iText);
        break;
    default:
        return FALSE;
    }
    ::VariantClear(&m_Value);
    m_Value = value;
    return TRUE;
}

CString CGTGridItem::GetValueTooltip()
{
    return m_ValueTruncated ? FormatItem() : CString();
}

BOOL CGTGridItem::OnClickValue(CPoint, UINT)
{
    return FALSE;
}

BOOL CGTGridItem::ReportIfChanged(const CString& iBefore)
{
    if (FormatItem() == iBefore || m_Row == nullptr)
        return FALSE;
    int row, column;
    GetItemId(row, column);
    m_Row->OnItemChanged(this, row, column);
    return TRUE;
}
