// Sub-menus that the user may tear off into floating bars keep a stable identifier in
// their text, which survives the conversions between the toolkit's menus and Windows
// menus: U+0001, the identifier in decimal, U+0001, then the visible text. The table hands
// out identifiers from a range the application reserves and counts the menu buttons that
// use each.
#pragma once
#include <afxwin.h>
#include <vector>

class MenuTearOffIdTable {
public:
    // The inclusive range iFirstId..iLastId; 0..0 or a last below the first is no range.
    MenuTearOffIdTable(UINT iFirstId, UINT iLastId);

    // The identifier a text carries, the text cut to its visible part; 0 and the text
    // unchanged when it carries none.
    static UINT ExtractId(CString& ioText);
    static void EncodeId(UINT iId, CString& ioText);

    // The lowest free identifier, now used once; 0 when none is free.
    UINT AllocateId();
    // One user more or fewer (never below none); identifiers outside the range are ignored.
    void AddRef(UINT iId, BOOL iAdd);
    // Frees the identifiers that the menu and its sub-menus carry; every one without a menu.
    void ResetIds(HMENU iMenu = nullptr);

    BOOL IsInRange(UINT iId) const { return !m_UseCounts.empty() && iId >= m_FirstId && iId <= m_LastId; }

private:
    UINT m_FirstId;
    UINT m_LastId;
    std::vector<LONG> m_UseCounts;
};

// Gives every sub-menu item that is marked for tearing off (MF_MENUBARBREAK on the popup
// item) and has no identifier yet one from the table, throughout the menu. Stops when the
// table has none left; answers FALSE then.
BOOL RewriteSubMenuItems(MenuTearOffIdTable& ioTable, HMENU iMenu);
