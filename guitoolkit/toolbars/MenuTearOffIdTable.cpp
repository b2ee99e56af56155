#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <algorithm>

namespace {
const wchar_t marker = L'\x0001';

CString ItemText(HMENU menu, int position)
{
    CString text;
    const int length = ::GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION);
    if (length > 0) {
        ::GetMenuStringW(menu, position, text.GetBuffer(length + 1), length + 1, MF_BYPOSITION);
        text.ReleaseBuffer();
    }
    return text;
}

void SetItemText(HMENU menu, int position, const CString& text)
{
    MENUITEMINFOW item = {sizeof(item)};
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<LPWSTR>(static_cast<LPCWSTR>(text));
    ::SetMenuItemInfoW(menu, position, TRUE, &item);
}

// Calls visit for each item of the menu and of its sub-menus, depth first, until it
// answers FALSE; answers whether the walk went to its end.
template <class Visit>
BOOL WalkMenu(HMENU menu, Visit&& visit)
{
    const int count = ::GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (!visit(menu, position))
            return FALSE;
        if (HMENU subMenu = ::GetSubMenu(menu, position)) {
            if (!WalkMenu(subMenu, visit))
                return FALSE;
        }
    }
    return TRUE;
}
}  // namespace

MenuTearOffIdTable::MenuTearOffIdTable(UINT iFirstId, UINT iLastId) : m_FirstId(iFirstId), m_LastId(iLastId)
{
    if (iLastId != 0 && iLastId >= iFirstId)
        m_UseCounts.assign(static_cast<size_t>(iLastId - iFirstId) + 1, 0);
}

UINT MenuTearOffIdTable::ExtractId(CString& ioText)
{
    if (ioText.IsEmpty() || ioText[0] != marker)
        return 0;
    const UINT id = static_cast<UINT>(_wtol(static_cast<LPCWSTR>(ioText) + 1));
    ioText = ioText.Mid(ioText.ReverseFind(marker) + 1);
    return id;
}

void MenuTearOffIdTable::EncodeId(UINT iId, CString& ioText)
{
    CString encoded;
    encoded.Format(L"%c%d%c%s", marker, iId, marker, static_cast<LPCWSTR>(ioText));
    ioText = encoded;
}

UINT MenuTearOffIdTable::AllocateId()
{
    for (size_t i = 0; i < m_UseCounts.size(); ++i) {
        if (m_UseCounts[i] == 0) {
            m_UseCounts[i] = 1;
            return m_FirstId + static_cast<UINT>(i);
        }
    }
    return 0;
}

void MenuTearOffIdTable::AddRef(UINT iId, BOOL iAdd)
{
    if (!IsInRange(iId))
        return;
    LONG& count = m_UseCounts[iId - m_FirstId];
    if (iAdd)
        ++count;
    else if (count > 0)
        --count;
}

void MenuTearOffIdTable::ResetIds(HMENU iMenu)
{
    if (iMenu == nullptr) {
        std::fill(m_UseCounts.begin(), m_UseCounts.end(), 0);
        return;
    }
    WalkMenu(iMenu, [this](HMENU menu, int position) {
        CString text = ItemText(menu, position);
        const UINT id = ExtractId(text);
        if (IsInRange(id))
            m_UseCounts[id - m_FirstId] = 0;
        return TRUE;
    });
}

BOOL RewriteSubMenuItems(MenuTearOffIdTable& ioTable, HMENU iMenu)
{
    return WalkMenu(iMenu, [&ioTable](HMENU menu, int position) {
        if (::GetMenuItemID(menu, position) != static_cast<UINT>(-1) ||
            (::GetMenuState(menu, position, MF_BYPOSITION) & MF_MENUBARBREAK) == 0)
            return TRUE;
        CString text = ItemText(menu, position);
        if (!text.IsEmpty() && text[0] == marker)
            return TRUE;
        const UINT id = ioTable.AllocateId();
        if (id == 0)
            return FALSE;
        MenuTearOffIdTable::EncodeId(id, text);
        SetItemText(menu, position, text);
        return TRUE;
    });
}
