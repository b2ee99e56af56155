#include <guitoolkit/toolbars/CGTToolbarComboBoxButton.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/toolbars/CGTComboEdit.h>
#include <guitoolkit/toolbars/GTControlButtonSupport.h>
#include <memory>

IMPLEMENT_SERIAL(CGTToolbarComboBoxButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {
const DWORD windowStyles = WS_CHILD | WS_VISIBLE | WS_VSCROLL;
const DWORD defaultStyle = windowStyles | CBS_NOINTEGRALHEIGHT | CBS_DROPDOWNLIST;
const int defaultWidth = 150;
// The data version from which the context menu id is stored.
const int contextMenuVersion = 0x60410;

BOOL StoresContextMenu()
{
    if (CMenuHash::Instance().IsBusy())
        return TRUE;
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr && workspace->GetDataVersion() >= contextMenuVersion;
}
}  // namespace

CGTToolbarComboBoxButton::CGTToolbarComboBoxButton()
    : m_ComboStyle(defaultStyle), m_Combo(nullptr), m_Edit(nullptr), m_Texts(10), m_Width(defaultWidth),
      m_SettingText(FALSE)
{
    ResetState();
}

CGTToolbarComboBoxButton::CGTToolbarComboBoxButton(UINT iCommandId, int iImage, DWORD iStyle, int iWidth)
    : CGTToolbarButton(iCommandId, iImage), m_ComboStyle(iStyle | windowStyles), m_Combo(nullptr), m_Edit(nullptr),
      m_Texts(10), m_Width(iWidth == 0 ? defaultWidth : iWidth), m_SettingText(FALSE)
{
    ResetState();
}

CGTToolbarComboBoxButton::~CGTToolbarComboBoxButton()
{
    DestroyWindows();
}

void CGTToolbarComboBoxButton::ResetState()
{
    m_SelectedIndex = -1;
    m_Combo = nullptr;
    m_Edit = nullptr;
    m_Horizontal = TRUE;
    m_ComboRect.SetRectEmpty();
    m_DropRect.SetRectEmpty();
    m_Hot = FALSE;
    m_ContextMenuId = 0;
    m_DropDownHeight = 150;
}

void CGTToolbarComboBoxButton::DestroyWindows()
{
    for (CWnd** window : {reinterpret_cast<CWnd**>(&m_Edit), reinterpret_cast<CWnd**>(&m_Combo)}) {
        if (*window == nullptr)
            continue;
        if ((*window)->GetSafeHwnd() != nullptr)
            (*window)->DestroyWindow();
        delete *window;
        *window = nullptr;
    }
}

CString CGTToolbarComboBoxButton::GetItem(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetCount())
        return CString();
    return m_Texts.GetAt(m_Texts.FindIndex(iIndex));
}

DWORD_PTR CGTToolbarComboBoxButton::GetItemData(int iIndex) const
{
    return iIndex >= 0 && iIndex < GetCount() ? m_Data[static_cast<size_t>(iIndex)] : 0;
}

// --- Stored form and copies ---

void CGTToolbarComboBoxButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarButton::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        if (m_Combo != nullptr)
            TakeItemsFromWindow();
        ioArchive << m_Width << m_ComboStyle << m_SelectedIndex << m_EditText << m_DropDownHeight;
        if (StoresContextMenu())
            ioArchive << m_ContextMenuId;
        m_Texts.Serialize(ioArchive);
        // The format keeps 32 bits of each item's data.
        for (const DWORD_PTR data : m_Data)
            ioArchive << static_cast<DWORD>(data);
        return;
    }
    ClearData();
    m_Data.clear();
    int selected = -1;
    ioArchive >> m_Width >> m_ComboStyle >> selected >> m_EditText >> m_DropDownHeight;
    m_Rect.right = m_Rect.left + m_Width;
    if (StoresContextMenu())
        ioArchive >> m_ContextMenuId;
    m_Texts.Serialize(ioArchive);
    for (int index = 0; index < GetCount(); ++index) {
        DWORD data = 0;
        ioArchive >> data;
        m_Data.push_back(data);
    }
    DuplicateData();
    SelectItem(selected);
}

void CGTToolbarComboBoxButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    const auto* source = dynamic_cast<const CGTToolbarComboBoxButton*>(&iSource);
    if (source == nullptr)
        return;
    m_Texts.RemoveAll();
    ClearData();
    m_Texts.AddTail(&source->m_Texts);
    m_Data = source->m_Data;
    DuplicateData();
    m_ComboStyle = source->m_ComboStyle;
    m_Width = source->m_Width;
    m_SelectedIndex = source->m_SelectedIndex;
    m_EditText = source->m_EditText;
    m_DropDownHeight = source->m_DropDownHeight;
    m_ContextMenuId = source->m_ContextMenuId;
}

void CGTToolbarComboBoxButton::OnAddToCustomizePage()
{
    const auto others = OtherButtonsOfCommand<CGTToolbarComboBoxButton>(*this);
    if (!others.empty())
        CopyFrom(*others.front());
}

// --- Items ---

int CGTToolbarComboBoxButton::Compare(LPCWSTR iFirst, LPCWSTR iSecond) const
{
    return wcscmp(iFirst, iSecond);
}

int CGTToolbarComboBoxButton::FindItem(LPCWSTR iText) const
{
    int index = 0;
    for (POSITION position = m_Texts.GetHeadPosition(); position != nullptr; ++index) {
        if (m_Texts.GetNext(position).CompareNoCase(iText) == 0)
            return index;
    }
    return -1;
}

int CGTToolbarComboBoxButton::AddItem(LPCWSTR iText, DWORD_PTR iData)
{
    if (m_EditText.IsEmpty()) {
        m_EditText = iText;
        SetEditWindowText(m_EditText);
    }
    const int present = FindItem(iText);
    if (present >= 0) {
        m_Data[static_cast<size_t>(present)] = iData;
    } else {
        m_Texts.AddTail(iText);
        m_Data.push_back(iData);
    }
    if (m_Combo != nullptr) {
        int index = m_Combo->FindStringExact(-1, iText);
        if (index == CB_ERR)
            index = m_Combo->AddString(iText);
        m_Combo->SetCurSel(index);
        m_Combo->SetItemData(index, iData);
        m_Combo->SetEditSel(-1, 0);
    }
    return GetCount() - 1;
}

int CGTToolbarComboBoxButton::AddSortedItem(LPCWSTR iText, DWORD_PTR iData)
{
    int position = 0;
    for (POSITION item = m_Texts.GetHeadPosition(); item != nullptr; ++position) {
        if (Compare(iText, m_Texts.GetNext(item)) < 0)
            break;
    }
    if (position == GetCount() || FindItem(iText) >= 0)
        return AddItem(iText, iData);
    if (m_EditText.IsEmpty()) {
        m_EditText = iText;
        SetEditWindowText(m_EditText);
    }
    m_Texts.InsertBefore(m_Texts.FindIndex(position), iText);
    m_Data.insert(m_Data.begin() + position, iData);
    if (m_Combo != nullptr) {
        const int index = m_Combo->InsertString(position, iText);
        m_Combo->SetCurSel(index);
        m_Combo->SetItemData(index, iData);
        m_Combo->SetEditSel(-1, 0);
    }
    return position;
}

BOOL CGTToolbarComboBoxButton::SelectItem(int iIndex, BOOL iNotify)
{
    if (iIndex >= GetCount())
        return FALSE;
    m_SelectedIndex = std::max(iIndex, -1);
    // The text follows the selection also while the button has no window.
    m_EditText = GetItem(m_SelectedIndex);
    if (m_Combo == nullptr)
        return TRUE;
    SetEditWindowText(m_EditText);
    if (m_Combo->GetCurSel() == m_SelectedIndex)
        return TRUE;
    if (m_Combo->SetCurSel(m_SelectedIndex) == CB_ERR)
        return FALSE;
    if (iNotify)
        NotifyCommand(CBN_SELENDOK);
    return TRUE;
}

void CGTToolbarComboBoxButton::SetEditWindowText(const CString& iText)
{
    if (m_Edit == nullptr || m_Edit->GetSafeHwnd() == nullptr)
        return;
    CString current;
    m_Edit->GetWindowText(current);
    if (current == iText)
        return;
    m_SettingText = TRUE;
    m_Edit->SetWindowText(iText);
    m_SettingText = FALSE;
}

void CGTToolbarComboBoxButton::TakeItemsFromWindow()
{
    m_Texts.RemoveAll();
    ClearData();
    m_Data.clear();
    for (int index = 0; index < m_Combo->GetCount(); ++index) {
        CString text;
        m_Combo->GetLBText(index, text);
        m_Texts.AddTail(text);
        m_Data.push_back(m_Combo->GetItemData(index));
    }
    m_SelectedIndex = m_Combo->GetCurSel();
}

void CGTToolbarComboBoxButton::PutItemsIntoWindow()
{
    m_Combo->ResetContent();
    int index = 0;
    for (POSITION position = m_Texts.GetHeadPosition(); position != nullptr; ++index) {
        const int added = m_Combo->AddString(m_Texts.GetNext(position));
        m_Combo->SetItemData(added, m_Data[static_cast<size_t>(index)]);
    }
    if (m_SelectedIndex != -1)
        m_Combo->SetCurSel(m_SelectedIndex);
}

// --- Notifications ---

BOOL CGTToolbarComboBoxButton::NotifyCommand(int iNotifyCode)
{
    if (m_Combo == nullptr)
        return FALSE;
    if (iNotifyCode == 0)
        return TRUE;
    InvalidateField();
    switch (iNotifyCode) {
    case CBN_SELCHANGE:
        SetEditWindowText(GetItem(m_Combo->GetCurSel()));
        return TRUE;
    case CBN_SETFOCUS:
        if (m_Edit != nullptr)
            m_Edit->SetFocus();
        return TRUE;
    case CBN_KILLFOCUS:
    case CBN_EDITUPDATE:
        return TRUE;
    case CBN_EDITCHANGE: {
        CString text;
        (m_Edit != nullptr ? static_cast<CWnd*>(m_Edit) : m_Combo)->GetWindowText(text);
        m_EditText = text;
        if (m_Edit != nullptr) {
            const int after = m_Combo->GetCurSel();
            int found = m_Combo->FindStringExact(after, text);
            if (found == CB_ERR)
                found = m_Combo->FindString(after, text);
            if (found != CB_ERR)
                m_Combo->SetCurSel(found);
            m_Combo->SetWindowText(text);
        }
        // Every other field of the command shows what was typed here.
        for (CGTToolbarComboBoxButton* other : OtherButtonsOfCommand<CGTToolbarComboBoxButton>(*this)) {
            if (other->m_Combo != nullptr)
                other->m_Combo->SetWindowText(text);
            other->m_EditText = text;
            other->SetEditWindowText(text);
            other->InvalidateField();
        }
        return TRUE;
    }
    case CBN_SELENDOK: {
        m_SelectedIndex = m_Combo->GetCurSel();
        if (m_SelectedIndex < 0)
            return FALSE;
        m_EditText = GetItem(m_SelectedIndex);
        SetEditWindowText(m_EditText);
        for (CGTToolbarComboBoxButton* other : OtherButtonsOfCommand<CGTToolbarComboBoxButton>(*this)) {
            other->SelectItem(m_SelectedIndex, FALSE);
            other->InvalidateField();
        }
        if (m_Edit != nullptr)
            m_Edit->SetFocus();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

void CGTToolbarComboBoxButton::InvalidateField()
{
    if (m_ParentBar == nullptr || m_ParentBar->GetSafeHwnd() == nullptr)
        return;
    m_ParentBar->InvalidateRect(&m_ComboRect);
    m_ParentBar->UpdateWindow();
}

void CGTToolbarComboBoxButton::SetHot(BOOL iHot)
{
    if (m_Hot == iHot)
        return;
    m_Hot = iHot;
    InvalidateField();
}
