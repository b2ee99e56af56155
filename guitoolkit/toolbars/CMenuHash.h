// The process's store of the button sets that menu bars and popup menus showed for each
// menu handle, so that customised menus survive being rebuilt. Each set lives in a
// temporary file of its own, which the system deletes when its handle is closed. While it
// serialises a bar the hash is busy: the button serialisers then write and read all their
// version-dependent fields, whatever the workspace's data version.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTToolBar;

class CMenuHash {
public:
    CMenuHash() = default;
    virtual ~CMenuHash();
    CMenuHash(const CMenuHash&) = delete;
    CMenuHash& operator=(const CMenuHash&) = delete;

    // Keeps the bar's buttons for the menu in place of what the menu had. A bar without
    // buttons keeps nothing and leaves the menu's entry as it was; FALSE then. When no file
    // can be made, or the bar's serialising throws (the exception passes on), the menu is
    // left without an entry.
    BOOL SaveMenuBar(HMENU iMenu, CGTToolBar* iBar);
    // The bar gets the buttons kept for the menu in place of its own; FALSE when none are.
    BOOL LoadMenuBar(HMENU iMenu, CGTToolBar* iBar);
    // FALSE when nothing is kept for the menu.
    BOOL RemoveMenu(HMENU iMenu);
    // Forgets every menu; part of the toolkit's clean-up.
    void CleanUp();

    BOOL IsBusy() const { return m_Busy; }
    // The bar's Serialize, busy while it runs; busy ends however the bar's part ends (its
    // exceptions pass on).
    void SerializeBar(CObject& ioBar, CArchive& ioArchive);

    static CMenuHash& Instance();

private:
    CMap<HMENU, HMENU, HANDLE, HANDLE> m_Files;
    BOOL m_Busy = FALSE;
};
