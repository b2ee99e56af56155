// The combo button's windows on its bar: made with the bar, placed over the button, shown
// and hidden with it; the field it draws in their place; clicks, tooltips and colours.
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CGTComboEdit.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>
#include <guitoolkit/toolbars/GTCommandText.h>
#include <guitoolkit/toolbars/GTControlButtonSupport.h>

namespace {
const DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_WANTRETURN | ES_AUTOHSCROLL;
const UINT redrawFlags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME;

void EnableAndRedraw(CWnd* iWindow, BOOL iEnable)
{
    if (iWindow == nullptr || iWindow->GetSafeHwnd() == nullptr)
        return;
    iWindow->EnableWindow(iEnable);
    iWindow->RedrawWindow(nullptr, nullptr, redrawFlags);
}

BOOL HasWindow(const CWnd* iWindow)
{
    return iWindow != nullptr && iWindow->GetSafeHwnd() != nullptr;
}
}  // namespace

CComboBox* CGTToolbarComboBoxButton::CreateCombo(CWnd* iParent, const CRect& iRect)
{
    auto* combo = new CComboBox;
    if (!combo->Create(m_ComboStyle, iRect, iParent, m_CommandId)) {
        delete combo;
        return nullptr;
    }
    return combo;
}

CGTComboEdit* CGTToolbarComboBoxButton::CreateEdit(CWnd* iParent, const CRect& iRect, DWORD iStyle)
{
    auto* edit = new CGTComboEdit(*this);
    if (!edit->Create(iStyle, iRect, iParent, m_CommandId)) {
        delete edit;
        return nullptr;
    }
    return edit;
}

BOOL CGTToolbarComboBoxButton::IsDisabledLook() const
{
    return CGTToolBar::IsCustomizeMode() ? !IsCustomizable() : (m_Style & TBBS_DISABLED) != 0;
}

void CGTToolbarComboBoxButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    if (HasWindow(m_Combo) && iOwner != nullptr && m_Combo->GetParent() == iOwner)
        return;
    DestroyWindows();
    if (iOwner == nullptr || iOwner->GetSafeHwnd() == nullptr)
        return;
    const BOOL enabled = !CGTToolBar::IsCustomizeMode() && !(m_Style & TBBS_DISABLED);
    CRect rect = m_Rect;
    rect.DeflateRect(2, 0);
    rect.bottom = rect.top + m_DropDownHeight;
    m_Combo = CreateCombo(iOwner, rect);
    if (m_Combo == nullptr)
        return;
    EnableAndRedraw(m_Combo, enabled);
    if (IsDropDown()) {
        m_Edit = CreateEdit(iOwner, rect, editStyle | (m_ComboStyle & WS_TABSTOP));
        if (m_Edit != nullptr) {
            m_Edit->SetFont(&theGuiToolkitGlobals.fontRegular);
            m_Edit->SetOwner(iOwner->GetOwner());
            EnableAndRedraw(m_Edit, enabled);
        }
    }
    PlaceWindows();
    m_Combo->SetFont(&theGuiToolkitGlobals.fontRegular);
    if (m_Combo->GetCount() > 0)
        TakeItemsFromWindow();
    else
        PutItemsIntoWindow();
    if (m_SelectedIndex != -1 && m_SelectedIndex < GetCount()) {
        m_EditText = GetItem(m_SelectedIndex);
        m_Combo->SetWindowText(m_EditText);
        SetEditWindowText(m_EditText);
    }
}

void CGTToolbarComboBoxButton::PlaceWindows()
{
    if (!HasWindow(m_Combo))
        return;
    if (m_Rect.IsRectEmpty() || !m_Horizontal) {
        m_ComboRect.SetRectEmpty();
        m_DropRect.SetRectEmpty();
        return;
    }
    m_Combo->SetWindowPos(nullptr, m_Rect.left + 1, m_Rect.top, m_Rect.Width() - 2, m_DropDownHeight,
                          SWP_NOZORDER | SWP_NOACTIVATE);
    m_Combo->SetEditSel(-1, 0);
    m_Combo->GetWindowRect(&m_ComboRect);
    m_Combo->GetParent()->ScreenToClient(&m_ComboRect);
    m_DropRect = m_ComboRect;
    m_DropRect.left = m_DropRect.right - 2 * CGTMenuGlyphs::GetSize().cx;
    m_DropRect.DeflateRect(2, 2);
    m_Rect.left = m_ComboRect.left - 1;
    m_Rect.right = m_ComboRect.right + 1;
    if (!m_TextBelow || m_Text.IsEmpty()) {
        m_Rect.top = m_ComboRect.top;
        m_Rect.bottom = m_ComboRect.bottom;
    }
    if (HasWindow(m_Edit))
        m_Edit->SetWindowPos(nullptr, m_Rect.left + 4, m_Rect.top + 3, m_DropRect.left - 1 - (m_Rect.left + 4),
                             m_ComboRect.Height() - 6, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CGTToolbarComboBoxButton::OnMove()
{
    PlaceWindows();
}

void CGTToolbarComboBoxButton::OnSize(int iWidth)
{
    m_Width = iWidth;
    m_Rect.right = m_Rect.left + iWidth;
    PlaceWindows();
}

HWND CGTToolbarComboBoxButton::GetHwnd()
{
    return m_Combo != nullptr ? m_Combo->GetSafeHwnd() : nullptr;
}

CSize CGTToolbarComboBoxButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    m_Horizontal = iHorizontal;
    m_TextSize = CSize(0, 0);
    if (!m_Visible) {
        for (CWnd* window : {static_cast<CWnd*>(m_Combo), static_cast<CWnd*>(m_Edit)}) {
            if (HasWindow(window))
                window->ShowWindow(SW_HIDE);
        }
        return CSize(0, 0);
    }
    if (HasWindow(m_Combo) && m_Combo->IsWindowVisible())
        m_Combo->ShowWindow(SW_HIDE);
    if (!iHorizontal) {
        if (HasWindow(m_Edit))
            m_Edit->ShowWindow(SW_HIDE);
        return CGTToolbarButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    }
    if (m_TextBelow && !m_Text.IsEmpty()) {
        CRect label(0, 0, m_Width, iDefaultSize.cy);
        iDc->DrawText(m_Text, &label, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
        m_TextSize = label.Size();
    }
    int field = iDefaultSize.cy;
    if (HasWindow(m_Combo)) {
        CRect combo;
        m_Combo->GetWindowRect(&combo);
        field = combo.Height();
    }
    if (HasWindow(m_Edit) && !IsHiddenByLayout())
        m_Edit->ShowWindow(SW_SHOWNOACTIVATE);
    return CSize(m_Width, field + m_TextSize.cy);
}

// --- Drawing ---

void CGTToolbarComboBoxButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages* iImages, BOOL iHorizontal,
                                      BOOL iCustomizeMode, BOOL iHighlight, BOOL iDrawBorder, BOOL iGrayDisabled)
{
    if (!HasWindow(m_Combo) || !iHorizontal) {
        CGTToolbarButton::OnDraw(iDc, iRect, iImages, iHorizontal, iCustomizeMode, iHighlight, iDrawBorder,
                                 iGrayDisabled);
        return;
    }
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const BOOL disabled = IsDisabledLook();
    const BOOL highlighted = iHighlight || m_Hot;
    const COLORREF color =
        disabled ? globals.colorGrayText : (highlighted ? CGTToolBar::GetTextColor() : globals.colorBarText);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const BOOL dropped = m_Combo->GetDroppedState();
    look->DrawComboBorder(iDc, m_ComboRect, disabled, dropped, highlighted, this);
    CRect field = m_ComboRect;
    field.DeflateRect(2, 2);
    if (disabled) {
        iDc->FillSolidRect(&field, globals.colorBtnFace);
        iDc->Draw3dRect(&field, globals.colorBarHighlight, globals.colorBarHighlight);
    } else {
        iDc->FillSolidRect(&field, globals.colorWindow);
    }
    CRect drop = m_DropRect;
    if (globals.isBlackHighContrast)
        drop.DeflateRect(1, 1);
    look->DrawComboDropButton(iDc, drop, disabled, dropped, highlighted, this);
    iDc->SetTextColor(color);
    if (m_Edit == nullptr && !m_EditText.IsEmpty()) {
        CRect text(m_ComboRect.left, m_ComboRect.top, m_DropRect.left, m_ComboRect.bottom);
        text.DeflateRect(2, 2);
        if (m_ComboStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) {
            DRAWITEMSTRUCT item = {ODT_COMBOBOX, m_CommandId, static_cast<UINT>(m_Combo->GetCurSel())};
            item.itemAction = ODA_DRAWENTIRE;
            item.itemState = ODS_COMBOBOXEDIT | (disabled ? ODS_DISABLED : 0);
            item.hwndItem = m_Combo->GetSafeHwnd();
            item.hDC = iDc->GetSafeHdc();
            item.rcItem = text;
            item.itemData = m_Combo->GetItemData(m_Combo->GetCurSel());
            m_Combo->DrawItem(&item);
        } else {
            iDc->DrawText(m_EditText, &text, DT_SINGLELINE | DT_VCENTER);
        }
    }
    if (m_TextBelow && !m_Text.IsEmpty())
        DrawLabelBelow(iDc, color);
}

void CGTToolbarComboBoxButton::DrawLabelBelow(CDC* iDc, COLORREF iColor)
{
    CRect label = m_Rect;
    label.top = (m_ComboRect.bottom - m_TextSize.cy + m_Rect.bottom) / 2;
    iDc->SetTextColor(iColor);
    iDc->DrawText(m_Text, &label, DT_CENTER | DT_WORDBREAK);
}

int CGTToolbarComboBoxButton::DrawInCommandList(CDC* iDc, const CRect& iRect, BOOL iSelected)
{
    const int used = CGTToolbarButton::DrawInCommandList(iDc, iRect, iSelected);
    if (iRect.Width() - used - 5 < 10)
        return iRect.Width();
    CRect field(iRect.left + used + 5, iRect.top, iRect.right, iRect.bottom);
    field.DeflateRect(2, 2);
    iDc->FillSolidRect(&field, theGuiToolkitGlobals.colorWindow);
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    look->DrawComboBorder(iDc, field, FALSE, FALSE, TRUE, this);
    CRect drop(field.right - field.Height(), field.top, field.right, field.bottom);
    drop.DeflateRect(2, 2);
    look->DrawComboDropButton(iDc, drop, FALSE, FALSE, FALSE, this);
    return iRect.Width();
}

// --- Input and state ---

BOOL CGTToolbarComboBoxButton::OnClick(CWnd*, BOOL)
{
    if (!HasWindow(m_Combo) || !m_Horizontal)
        return FALSE;
    (HasWindow(m_Edit) ? static_cast<CWnd*>(m_Edit) : m_Combo)->SetFocus();
    m_Combo->ShowDropDown(TRUE);
    InvalidateField();
    return TRUE;
}

BOOL CGTToolbarComboBoxButton::ControlHasFocus()
{
    if (!HasWindow(m_Combo))
        return FALSE;
    const HWND focus = ::GetFocus();
    return m_Combo->GetDroppedState() || IsControlOrChild(focus);
}

BOOL CGTToolbarComboBoxButton::IsControlOrChild(HWND iWindow)
{
    for (CWnd* window : {static_cast<CWnd*>(m_Combo), static_cast<CWnd*>(m_Edit)}) {
        if (HasWindow(window) && iWindow != nullptr &&
            (window->GetSafeHwnd() == iWindow || ::IsChild(window->GetSafeHwnd(), iWindow)))
            return TRUE;
    }
    return FALSE;
}

BOOL CGTToolbarComboBoxButton::IsControlVisible()
{
    return (HasWindow(m_Combo) && (m_Combo->GetStyle() & WS_VISIBLE)) ||
        (HasWindow(m_Edit) && (m_Edit->GetStyle() & WS_VISIBLE));
}

void CGTToolbarComboBoxButton::EnableControl(BOOL iEnable)
{
    for (CWnd* window : {static_cast<CWnd*>(m_Combo), static_cast<CWnd*>(m_Edit)}) {
        if (HasWindow(window))
            window->EnableWindow(iEnable);
    }
}

void CGTToolbarComboBoxButton::OnShow(BOOL iShow)
{
    const BOOL shown = iShow && m_Horizontal;
    if (shown)
        PlaceWindows();
    if (HasWindow(m_Combo))
        m_Combo->ShowWindow(SW_HIDE);
    if (HasWindow(m_Edit))
        m_Edit->ShowWindow(shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CGTToolbarComboBoxButton::SetStyle(UINT iStyle)
{
    CGTToolbarButton::SetStyle(iStyle);
    const BOOL enabled = !IsDisabledLook();
    EnableAndRedraw(m_Combo, enabled);
    EnableAndRedraw(m_Edit, enabled);
}

BOOL CGTToolbarComboBoxButton::OnUpdateToolTip(CWnd* iOwner, int iIndex, CToolTipCtrl& ioTooltip, CString& ioText)
{
    if (!m_Horizontal)
        return FALSE;
    CString custom;
    if (const auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, iOwner); bar != nullptr && bar->OnUserToolTip(this, custom))
        ioText = custom;
    if (IsDropDown() && HasWindow(m_Edit))
        ioTooltip.AddTool(m_Edit, ioText);
    else
        ioTooltip.AddTool(iOwner, ioText, m_Rect, static_cast<UINT_PTR>(iIndex) + 1);
    return TRUE;
}

void CGTToolbarComboBoxButton::OnGlobalFontsChanged()
{
    for (CWnd* window : {static_cast<CWnd*>(m_Combo), static_cast<CWnd*>(m_Edit)}) {
        if (HasWindow(window))
            window->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(theGuiToolkitGlobals.fontRegular.GetSafeHandle()),
                                TRUE);
    }
}

HBRUSH CGTToolbarComboBoxButton::OnCtlColor(CDC* iDc, UINT)
{
    return SetControlWindowColors(iDc);
}

BOOL CGTToolbarComboBoxButton::ExportTo(CGTToolbarButton& oTarget)
{
    oTarget.m_Text = GetCommandText(m_CommandId);
    return TRUE;
}
