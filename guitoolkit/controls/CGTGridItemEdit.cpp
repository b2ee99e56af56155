// In-place editing of a cell: the editor windows, committing, the drop-down list and the
// characters typed on a selected cell.
#include <guitoolkit/controls/CGTGridItem.h>
#include <guitoolkit/controls/CGTGridCtrl.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <guitoolkit/controls/CGTMaskEdit.h>
#include <guitoolkit/controls/CGTSpinButtonCtrl.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <afxapp.h>

namespace {

const UINT InPlaceId = 1;
const int ComboDropHeight = 400;

template <class Window>
void DestroyOwned(Window*& ioWindow)
{
    if (ioWindow == nullptr)
        return;
    if (ioWindow->GetSafeHwnd() != nullptr)
        ioWindow->DestroyWindow();
    delete ioWindow;
    ioWindow = nullptr;
}

}  // namespace

BOOL CGTGridItem::OnEdit(LPPOINT)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    // A second editor would orphan the first and list a boolean's texts twice.
    if (m_InEdit || !m_AllowEdit || grid == nullptr || grid->GetSafeHwnd() == nullptr)
        return FALSE;
    CRect editRect, spinRect;
    AdjustInPlaceEditRect(editRect, spinRect);
    BOOL defaultFormat = FALSE;
    m_InPlaceEdit = CreateInPlaceEdit(editRect, defaultFormat);
    if (m_InPlaceEdit == nullptr)
        return FALSE;
    if (defaultFormat)
        m_InPlaceEdit->SetWindowText(FormatItem());
    if (m_EditFlags & GTGridEditList) {
        const CRect comboRect(editRect.left - 4, m_Rect.top, m_Rect.right, m_Rect.top + ComboDropHeight);
        m_Combo = CreateCombo(grid, comboRect);
        if (m_Combo != nullptr) {
            m_Combo->SetFont(grid->GetCellFont());
            m_Combo->SetWindowPos(nullptr, comboRect.left, m_Rect.top, 0, 0,
                                  SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            if (m_Value.vt == VT_BOOL) {
                m_Options.AddTail(grid->GetTrueText());
                m_Options.AddTail(grid->GetFalseText());
            }
            for (POSITION position = m_Options.GetHeadPosition(); position != nullptr;)
                m_Combo->AddString(m_Options.GetNext(position));
        }
    }
    if (m_EditFlags & GTGridEditSpin)
        m_Spin = CreateSpinControl(spinRect);
    m_InPlaceEdit->SetFont(grid->GetCellFont());
    m_InPlaceEdit->SetFocus();
    m_InEdit = TRUE;
    return TRUE;
}

CWnd* CGTGridItem::CreateInPlaceEdit(CRect iRect, BOOL& oDefaultFormat)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (m_Value.vt == VT_EMPTY || grid == nullptr)
        return nullptr;
    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    if (!m_Enabled || !m_AllowEdit)
        style |= ES_READONLY;
    CEdit* edit;
    if (m_EditMask.IsEmpty() && m_InputTemplate.IsEmpty() && m_ValidChars.IsEmpty()) {
        edit = new CEdit;
    } else {
        CGTMaskEdit* masked = new CGTMaskEdit;
        if (!m_EditMask.IsEmpty() && !m_InputTemplate.IsEmpty())
            masked->EnableMask(m_EditMask, m_InputTemplate, L' ');
        if (!m_ValidChars.IsEmpty())
            masked->SetValidChars(m_ValidChars);
        edit = masked;
    }
    if (!edit->Create(style, iRect, grid, InPlaceId)) {
        delete edit;
        return nullptr;
    }
    oDefaultFormat = TRUE;
    return edit;
}

CSpinButtonCtrl* CGTGridItem::CreateSpinControl(CRect iRect)
{
    CGTSpinButtonCtrl* spin = new CGTSpinButtonCtrl;
    if (!spin->Create(WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS, iRect, GetOwnerGrid(),
                      InPlaceId)) {
        delete spin;
        return nullptr;
    }
    spin->SetBuddy(m_InPlaceEdit);
    if (m_SpinMinimum != 0 || m_SpinMaximum != 0)
        spin->SetRange32(m_SpinMinimum, m_SpinMaximum);
    return spin;
}

CComboBox* CGTGridItem::CreateCombo(CWnd* iParent, CRect iRect)
{
    CComboBox* combo = new CComboBox;
    if (!combo->Create(WS_CHILD | WS_VSCROLL | CBS_NOINTEGRALHEIGHT | CBS_DROPDOWNLIST, iRect, iParent, InPlaceId)) {
        delete combo;
        return nullptr;
    }
    return combo;
}

BOOL CGTGridItem::OnEndEdit()
{
    m_InEdit = FALSE;
    OnDestroyWindow();
    return TRUE;
}

void CGTGridItem::OnDestroyWindow()
{
    DestroyOwned(m_Combo);
    DestroyOwned(m_InPlaceEdit);
    DestroyOwned(m_Spin);
    if (m_Value.vt == VT_BOOL)
        m_Options.RemoveAll();
}

BOOL CGTGridItem::OnUpdateValue()
{
    if (m_InPlaceEdit == nullptr)
        return TRUE;
    CString text;
    m_InPlaceEdit->GetWindowText(text);
    const CString before = FormatItem();
    if (!TextToVar(text))
        return FALSE;
    if (text != before && m_Row != nullptr) {
        int row, column;
        GetItemId(row, column);
        m_Row->OnItemChanged(this, row, column);
    }
    return TRUE;
}

void CGTGridItem::OnClickButton(CPoint)
{
    if (m_Combo == nullptr)
        return;
    m_ButtonPressed = TRUE;
    Redraw();
    CString text;
    if (m_InPlaceEdit != nullptr)
        m_InPlaceEdit->GetWindowText(text);
    m_Combo->SetCurSel(m_Combo->FindStringExact(-1, text));
    m_Combo->SetFocus();
    m_Combo->ShowDropDown(TRUE);
}

void CGTGridItem::DoClickButton(CPoint iPoint)
{
    const CString before = FormatItem();
    {
        CWaitCursor wait;
        OnClickButton(iPoint);
    }
    ReportIfChanged(before);
}

BOOL CGTGridItem::OnSelectCombo()
{
    if (m_Combo == nullptr || m_InPlaceEdit == nullptr)
        return FALSE;
    const int selected = m_Combo->GetCurSel();
    if (selected < 0)
        return FALSE;
    CString text;
    m_Combo->GetLBText(selected, text);
    m_InPlaceEdit->SetWindowText(text);
    return OnUpdateValue();
}

void CGTGridItem::OnCloseCombo()
{
    m_ButtonPressed = FALSE;
    Redraw();
    if (m_InPlaceEdit != nullptr)
        m_InPlaceEdit->SetFocus();
}

BOOL CGTGridItem::OnDblClk(CPoint)
{
    if (m_InPlaceEdit == nullptr)
        return FALSE;
    if (m_Options.GetCount() >= 2) {
        CString text;
        m_InPlaceEdit->GetWindowText(text);
        POSITION position = m_Options.Find(text);
        if (position != nullptr)
            m_Options.GetNext(position);
        if (position == nullptr)
            position = m_Options.GetHeadPosition();
        m_InPlaceEdit->SetWindowText(m_Options.GetAt(position));
        OnUpdateValue();
        return TRUE;
    }
    if (m_EditFlags & GTGridEditBrowse) {
        DoClickButton(CPoint(-1, -1));
        return TRUE;
    }
    return FALSE;
}

BOOL CGTGridItem::PushChar(UINT iChar)
{
    if (IsTypedValue(m_Value.vt) && m_Enabled && m_AllowEdit && m_InPlaceEdit != nullptr) {
        m_InPlaceEdit->SetWindowText(L"");
        m_InPlaceEdit->SendMessage(WM_CHAR, iChar);
        return TRUE;
    }
    OnEndEdit();
    ::ReleaseCapture();
    return FALSE;
}

BOOL CGTGridItem::ForwardMouseMessage(UINT iMessage, UINT iFlags, CPoint iPoint)
{
    if (m_InPlaceEdit == nullptr)
        return FALSE;
    CGTGridCtrl* grid = GetOwnerGrid();
    CWnd* target = m_InPlaceEdit;
    if (m_Spin != nullptr) {
        CRect spin;
        m_Spin->GetWindowRect(spin);
        grid->ScreenToClient(spin);
        if (spin.PtInRect(iPoint))
            target = m_Spin;
    }
    grid->MapWindowPoints(target, &iPoint, 1);
    target->SendMessage(iMessage, iFlags, MAKELPARAM(iPoint.x, iPoint.y));
    return TRUE;
}

BOOL CGTGridItem::OnSetCursor() const
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (m_InEdit || grid == nullptr || !grid->IsEditable() || !m_Enabled || !m_AllowEdit)
        return FALSE;
    if (grid->GetCurSelItem() != this && !grid->IsEditOnFirstClick())
        return FALSE;
    if (!IsTypedValue(m_Value.vt))
        return FALSE;
    ::SetCursor(::LoadCursorW(nullptr, IDC_IBEAM));
    return TRUE;
}

HBRUSH CGTGridItem::OnCtlColor(CDC* iDc, UINT)
{
    CGTGridCtrl* grid = GetOwnerGrid();
    if (grid == nullptr)
        return nullptr;
    const CGTGridColorTheme& theme = grid->GetColorTheme();
    if (theme.m_Text != (COLORREF)-1)
        iDc->SetTextColor(theme.m_Text);
    if (CBrush* brush = grid->GetBackgroundBrush()) {
        if (theme.m_Background != (COLORREF)-1)
            iDc->SetBkColor(theme.m_Background);
        return (HBRUSH)brush->GetSafeHandle();
    }
    if ((IsTypedValue(m_Value.vt) || m_Value.vt == VT_BOOL) && m_Enabled && m_AllowEdit)
        return nullptr;
    iDc->SetBkColor(theGuiToolkitGlobals.colorWindow);
    return (HBRUSH)theGuiToolkitGlobals.brushWindow.GetSafeHandle();
}

BOOL CGTGridItem::OnKillFocus(CWnd*)
{
    return TRUE;
}

BOOL CGTGridItem::OnEditKillFocus()
{
    return TRUE;
}
