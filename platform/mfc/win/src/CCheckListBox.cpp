// A list box with a check box before each item. Each item's data holds the library's
// state record; the caller's data lives inside it, so GetItemData/SetItemData keep working.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

struct CCheckListBox::ItemState {
    DWORD_PTR dwUserData = 0;
    int nCheck = 0;
    BOOL bEnabled = TRUE;
};

CCheckListBox::CCheckListBox() : m_nStyle(BS_AUTOCHECKBOX) {}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!(dwStyle & LBS_OWNERDRAWVARIABLE))
        dwStyle |= LBS_OWNERDRAWFIXED;
    return CListBox::Create(dwStyle | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
}

CCheckListBox::ItemState* CCheckListBox::GetState(int nIndex) const
{
    LRESULT lResult = ::CallWindowProcW(m_pfnSuper ? m_pfnSuper : ::DefWindowProcW, m_hWnd, LB_GETITEMDATA, nIndex, 0);
    return lResult == LB_ERR ? nullptr : reinterpret_cast<ItemState*>(lResult);
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
        LRESULT lResult = CListBox::WindowProc(message, wParam, lParam);
        if (lResult >= 0)
            DefWindowProc(LB_SETITEMDATA, lResult, (LPARAM) new ItemState);
        return lResult;
    }
    case LB_GETITEMDATA: {
        ItemState* pState = GetState((int)wParam);
        return pState != nullptr ? (LRESULT)pState->dwUserData : LB_ERR;
    }
    case LB_SETITEMDATA: {
        ItemState* pState = GetState((int)wParam);
        if (pState == nullptr)
            return LB_ERR;
        pState->dwUserData = (DWORD_PTR)lParam;
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        BOOL bOutside;
        UINT nIndex = ItemFromPoint(CPoint(lParam), bOutside);
        if (!bOutside && (short)LOWORD(lParam) < CheckBoxSize() + 2)
            ToggleCheck((int)nIndex);
        break;
    }
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) {
            int nIndex = GetCaretIndex();
            if (nIndex != LB_ERR)
                ToggleCheck(nIndex);
            return 0;
        }
        break;
    default:
        break;
    }
    return CListBox::WindowProc(message, wParam, lParam);
}

void CCheckListBox::ToggleCheck(int nIndex)
{
    ItemState* pState = GetState(nIndex);
    if (pState == nullptr || !pState->bEnabled || !IsWindowEnabled())
        return;
    if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (pState->nCheck + 1) % 3);
    else if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, pState->nCheck ? 0 : 1);
    else
        return;  // plain check boxes change only by program
    // The parent hears of the change as CLBN_CHKCHANGE.
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE), (LPARAM)m_hWnd);
}

void CCheckListBox::SetCheck(int nIndex, int nCheck)
{
    if (ItemState* pState = GetState(nIndex)) {
        pState->nCheck = nCheck;
        CRect rect;
        if (GetItemRect(nIndex, &rect) != LB_ERR)
            InvalidateRect(&rect, FALSE);
    }
}

int CCheckListBox::GetCheck(int nIndex) const
{
    ItemState* pState = GetState(nIndex);
    return pState != nullptr ? pState->nCheck : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled)
{
    if (ItemState* pState = GetState(nIndex)) {
        pState->bEnabled = bEnabled;
        CRect rect;
        if (GetItemRect(nIndex, &rect) != LB_ERR)
            InvalidateRect(&rect, FALSE);
    }
}

BOOL CCheckListBox::IsEnabled(int nIndex) const
{
    ItemState* pState = GetState(nIndex);
    return pState != nullptr && pState->bEnabled;
}

int CCheckListBox::CheckBoxSize() const
{
    return 13;
}

CRect CCheckListBox::OnGetCheckPosition(CRect rectItem, CRect rectCheckBox)
{
    CRect rect = rectCheckBox;
    rect.OffsetRect(rectItem.left + 1, rectItem.top + (rectItem.Height() - rectCheckBox.Height()) / 2);
    return rect;
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CGdiObject* pOld = pFont != nullptr ? dc.SelectObject(pFont->m_hObject) : nullptr;
    TEXTMETRICW tm;
    dc.GetTextMetrics(&tm);
    if (pOld != nullptr)
        dc.SelectObject(pOld->m_hObject);
    lpMeasureItemStruct->itemHeight = std::max<UINT>((UINT)tm.tmHeight, (UINT)CheckBoxSize() + 2);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    if ((int)lpDIS->itemID < 0)
        return;
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectItem = lpDIS->rcItem;
    ItemState* pState = GetState((int)lpDIS->itemID);
    int nCheck = pState != nullptr ? pState->nCheck : 0;
    BOOL bEnabled = IsWindowEnabled() && (pState == nullptr || pState->bEnabled);
    CRect rectCheck = OnGetCheckPosition(rectItem, CRect(0, 0, CheckBoxSize(), CheckBoxSize()));
    UINT nState = DFCS_BUTTONCHECK | (nCheck == 1 ? DFCS_CHECKED : 0) |
        (nCheck == 2 ? DFCS_BUTTON3STATE | DFCS_CHECKED : 0) | (bEnabled ? 0 : DFCS_INACTIVE);
    pDC->FillSolidRect(rectItem.left, rectItem.top, rectCheck.right + 2 - rectItem.left, rectItem.Height(),
                       ::GetSysColor(COLOR_WINDOW));
    pDC->DrawFrameControl(&rectCheck, DFC_BUTTON, nState);
    CRect rectText = rectItem;
    rectText.left = rectCheck.right + 2;
    BOOL bSelected = (lpDIS->itemState & ODS_SELECTED) != 0;
    pDC->FillSolidRect(&rectText, ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    CString strText;
    GetText((int)lpDIS->itemID, strText);
    COLORREF clrText =
        !bEnabled ? ::GetSysColor(COLOR_GRAYTEXT) : ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    COLORREF clrOld = pDC->SetTextColor(clrText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    rectText.left += 2;
    pDC->DrawText(strText, &rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
    if (lpDIS->itemState & ODS_FOCUS)
        pDC->DrawFocusRect(&lpDIS->rcItem);
}

void CCheckListBox::DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    delete reinterpret_cast<ItemState*>(lpDeleteItemStruct->itemData);
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_DELETEITEM) {
        // The system reports the raw item data: the state record.
        DeleteItem((LPDELETEITEMSTRUCT)lParam);
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}
