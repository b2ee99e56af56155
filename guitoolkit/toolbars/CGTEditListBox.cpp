#include <guitoolkit/toolbars/CGTEditListBox.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <windowsx.h>
#include <cstdlib>

namespace {
const UINT listId = 1;
const CPoint noPoint(-1, -1);

BYTE HeldModifiers(const MSG& iMessage)
{
    const CGTKeyState& keys = CGTKeyState::Current();
    BYTE modifiers = 0;
    if (keys.GetAsyncKeyState(VK_CONTROL) < 0)
        modifiers |= FCONTROL;
    if (keys.GetAsyncKeyState(VK_SHIFT) < 0)
        modifiers |= FSHIFT;
    if (keys.GetAsyncKeyState(VK_MENU) < 0 || (iMessage.message == WM_SYSKEYDOWN && (iMessage.lParam & (1 << 29))))
        modifiers |= FALT;
    return modifiers;
}
}  // namespace

BEGIN_MESSAGE_MAP(CGTEditListBox, CGTEditListBase)
    ON_NOTIFY(NM_DBLCLK, listId, &CGTEditListBox::OnListDblClk)
    ON_NOTIFY(LVN_GETDISPINFOW, listId, &CGTEditListBox::OnListGetDispInfo)
    ON_NOTIFY(LVN_ITEMCHANGED, listId, &CGTEditListBox::OnListItemChanged)
    ON_NOTIFY(LVN_ENDLABELEDITW, listId, &CGTEditListBox::OnListEndLabelEdit)
END_MESSAGE_MAP()

CGTEditListBox::CGTEditListBox() : m_RenamePoint(noPoint), m_NewItem(FALSE) {}

CGTEditListBox::~CGTEditListBox() = default;

BOOL CGTEditListBox::CreateList()
{
    m_List = std::make_unique<CListCtrl>();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
        LVS_EDITLABELS | LVS_NOCOLUMNHEADER;
    if (!m_List->CreateEx(WS_EX_CLIENTEDGE, style, CRect(0, 0, 0, 0), this, listId)) {
        m_List.reset();
        return FALSE;
    }
    m_List->SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_List->InsertColumn(0, L"");
    m_List->SetFont(TextFont(), FALSE);
    return TRUE;
}

void CGTEditListBox::OnSizeList()
{
    if (!HasList())
        return;
    CRect client;
    GetClientRect(&client);
    m_List->SetColumnWidth(0, client.Width() - 2 * ::GetSystemMetrics(SM_CXEDGE) - ::GetSystemMetrics(SM_CXVSCROLL));
}

int CGTEditListBox::AddItem(const CString& iText, DWORD_PTR iData, int iIndex)
{
    if (!HasList())
        return -1;
    LVITEMW item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    item.iItem = iIndex < 0 ? GetCount() : iIndex;
    item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(iText));
    item.lParam = static_cast<LPARAM>(iData);
    item.iImage = I_IMAGECALLBACK;
    const int index = m_List->InsertItem(&item);
    if (index == 0)
        SelectItem(0);
    return index;
}

BOOL CGTEditListBox::RemoveItem(int iIndex)
{
    if (!HasList() || !IsValidIndex(iIndex))
        return FALSE;
    const BOOL wasSelected = GetSelItem() == iIndex;
    if (!m_List->DeleteItem(iIndex))
        return FALSE;
    if (wasSelected && GetCount() > 0)
        SelectItem(iIndex < GetCount() ? iIndex : GetCount() - 1);
    return TRUE;
}

int CGTEditListBox::GetCount() const
{
    return HasList() ? m_List->GetItemCount() : 0;
}

int CGTEditListBox::GetSelItem() const
{
    return HasList() ? m_List->GetNextItem(-1, LVNI_SELECTED) : -1;
}

BOOL CGTEditListBox::SelectItem(int iIndex)
{
    if (!HasList() || !IsValidIndex(iIndex))
        return FALSE;
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    m_List->SetItemState(iIndex, state, state);
    m_List->EnsureVisible(iIndex, FALSE);
    return TRUE;
}

CString CGTEditListBox::GetItemText(int iIndex) const
{
    return HasList() && IsValidIndex(iIndex) ? m_List->GetItemText(iIndex, 0) : CString();
}

BOOL CGTEditListBox::SetItemText(int iIndex, const CString& iText)
{
    return HasList() && IsValidIndex(iIndex) && m_List->SetItemText(iIndex, 0, iText);
}

DWORD_PTR CGTEditListBox::GetItemData(int iIndex) const
{
    return HasList() && IsValidIndex(iIndex) ? m_List->GetItemData(iIndex) : 0;
}

BOOL CGTEditListBox::SetItemData(int iIndex, DWORD_PTR iData)
{
    return HasList() && IsValidIndex(iIndex) && m_List->SetItemData(iIndex, iData);
}

BOOL CGTEditListBox::EditItem(int iIndex)
{
    if (!HasList() || !IsValidIndex(iIndex))
        return FALSE;
    SelectItem(iIndex);
    m_List->SetFocus();
    HWND editor = reinterpret_cast<HWND>(m_List->SendMessage(LVM_EDITLABELW, iIndex));
    if (!m_Edit.TakeOver(editor, this, m_BrowseButton))
        return FALSE;
    CRect list;
    m_List->GetWindowRect(&list);
    CRect rect;
    m_Edit.GetWindowRect(&rect);
    m_List->ScreenToClient(&rect);
    rect.right = rect.left + list.Width() - 2 * ::GetSystemMetrics(SM_CXEDGE) - ::GetSystemMetrics(SM_CXVSCROLL);
    m_Edit.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    m_Edit.SetEditing(TRUE);
    EnableButtons(FALSE);
    return TRUE;
}

void CGTEditListBox::OnEndEditLabel(LPCWSTR iText)
{
    const int selected = GetSelItem();
    const BOOL newItem = m_NewItem;
    m_NewItem = FALSE;
    if (iText != nullptr && iText[0] != L'\0') {
        SetItemText(selected, iText);
        if (newItem)
            OnAfterAddItem(selected);
        else
            OnAfterRenameItem(selected);
    } else if (newItem) {
        RemoveItem(selected);
    }
}

void CGTEditListBox::CreateNewItem()
{
    const int index = AddItem(L"");
    if (index < 0)
        return;
    m_NewItem = TRUE;
    if (!EditItem(index)) {
        m_NewItem = FALSE;
        RemoveItem(index);
    }
}

void CGTEditListBox::MoveSelectedItem(int iDirection)
{
    const int selected = GetSelItem();
    const int neighbour = selected + iDirection;
    if (selected < 0 || !IsValidIndex(neighbour))
        return;
    const CString text = GetItemText(selected);
    const DWORD_PTR data = GetItemData(selected);
    SetItemText(selected, GetItemText(neighbour));
    SetItemData(selected, GetItemData(neighbour));
    SetItemText(neighbour, text);
    SetItemData(neighbour, data);
    SelectItem(neighbour);
    if (iDirection < 0)
        OnAfterMoveItemUp(neighbour);
    else
        OnAfterMoveItemDown(neighbour);
}

void CGTEditListBox::OnClickButton(int iButton)
{
    switch (GetButtonCommand(iButton)) {
    case CommandNew:
        CreateNewItem();
        break;
    case CommandDelete:
        if (const int selected = GetSelItem(); selected >= 0 && OnBeforeRemoveItem(selected))
            RemoveItem(selected);
        break;
    case CommandMoveUp:
        MoveSelectedItem(-1);
        break;
    case CommandMoveDown:
        MoveSelectedItem(1);
        break;
    default:
        break;
    }
}

BOOL CGTEditListBox::OnKey(WORD iKey, BYTE iModifiers)
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        const DWORD key = m_ButtonKeys[index];
        if (LOWORD(key) != 0 && LOWORD(key) == iKey && HIWORD(key) == iModifiers) {
            OnClickButton(index);
            return TRUE;
        }
    }
    if (iModifiers != 0 || (iKey != VK_SPACE && iKey != VK_F2))
        return FALSE;
    const int selected = GetSelItem();
    return selected >= 0 && EditItem(selected);
}

BOOL CGTEditListBox::TrackRenameClick(const MSG& iMessage)
{
    const CPoint point(GET_X_LPARAM(iMessage.lParam), GET_Y_LPARAM(iMessage.lParam));
    if (iMessage.message == WM_LBUTTONDOWN) {
        m_RenamePoint = noPoint;
        UINT flags = 0;
        const int item = m_List->HitTest(point, &flags);
        const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
        if (item < 0 || (flags & LVHT_ONITEMLABEL) == 0 || m_List->GetItemState(item, state) != state ||
            ::GetFocus() != m_List->GetSafeHwnd())
            return FALSE;
        // The list would start renaming too, after a delay of its own.
        m_RenamePoint = point;
        return TRUE;
    }
    if (iMessage.message == WM_LBUTTONUP && m_RenamePoint != noPoint) {
        const CPoint start = m_RenamePoint;
        m_RenamePoint = noPoint;
        const int item = m_List->HitTest(point);
        if (item >= 0 && std::abs(point.x - start.x) <= ::GetSystemMetrics(SM_CXDRAG) &&
            std::abs(point.y - start.y) <= ::GetSystemMetrics(SM_CYDRAG))
            EditItem(item);
    }
    return FALSE;
}

BOOL CGTEditListBox::PreTranslateMessage(MSG* ioMessage)
{
    if (HasList() && ioMessage->hwnd == m_List->GetSafeHwnd()) {
        if ((ioMessage->message == WM_KEYDOWN || ioMessage->message == WM_SYSKEYDOWN) &&
            OnKey(static_cast<WORD>(ioMessage->wParam), HeldModifiers(*ioMessage)))
            return TRUE;
        if (TrackRenameClick(*ioMessage))
            return TRUE;
    }
    return CGTEditListBase::PreTranslateMessage(ioMessage);
}

void CGTEditListBox::OnListDblClk(NMHDR*, LRESULT* oResult)
{
    *oResult = 0;
    const int selected = GetSelItem();
    if ((m_StandardButtons & ButtonNew) != 0 && selected < 0)
        CreateNewItem();
    else if (selected >= 0)
        EditItem(selected);
}

void CGTEditListBox::OnListGetDispInfo(NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    auto* info = reinterpret_cast<NMLVDISPINFOW*>(iHeader);
    if (info->item.mask & LVIF_IMAGE)
        info->item.iImage = OnGetImage(info->item);
}

void CGTEditListBox::OnListItemChanged(NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(iHeader);
    if ((change->uChanged & LVIF_STATE) && ((change->uNewState ^ change->uOldState) & LVIS_SELECTED))
        OnSelectionChanged();
}

void CGTEditListBox::OnListEndLabelEdit(NMHDR* iHeader, LRESULT* oResult)
{
    // The item takes its new text here, not from the list.
    *oResult = FALSE;
    const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(iHeader);
    m_Edit.SetEditing(FALSE);
    EnableButtons(m_Enabled);
    OnEndEditLabel(info->item.pszText);
}
