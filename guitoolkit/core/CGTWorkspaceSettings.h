// What the bars read of the application's workspace: whether there is one, the version of
// the layout data being loaded, where the layout is kept, two of its flags and the table of
// torn-off sub-menus. The workspace itself stands above the bars; this base lets them read it
// without reaching up.
#pragma once
#include <afxwin.h>

class MenuTearOffIdTable;

class CGTWorkspaceSettings {
public:
    virtual ~CGTWorkspaceSettings();
    CGTWorkspaceSettings(const CGTWorkspaceSettings&) = delete;
    CGTWorkspaceSettings& operator=(const CGTWorkspaceSettings&) = delete;

    // The process's current workspace; null when there is none.
    static CGTWorkspaceSettings* Current();

    // The version of the layout data being loaded, (major << 16) + the minor packed as one
    // digit (8.5 and 8.50 give 0x80500) or two (6.41 gives 0x60410); -1 when none was read.
    // After a load it is the version this toolkit writes.
    int GetDataVersion() const;

    LPCWSTR SetRegistryBase(LPCWSTR iBase);
    LPCWSTR GetRegistryBase() const { return m_RegistryBase; }
    // The workspace path, ending in a backslash; a suffix adds a key and its backslash.
    CString GetRegSectionPath(LPCWSTR iSuffix = L"") const;

    // The identifiers of torn-off sub-menus; null unless the application keeps tear-off menus.
    virtual MenuTearOffIdTable* GetTearOffTable() const { return nullptr; }

    // Toolbars keep the items they were created with beside their current ones.
    BOOL m_KeepOriginalState;
    // Menu bars build their item lists from the menu resources.
    BOOL m_MenusCanBeCustomized;

protected:
    // The newest one is the current one until it goes.
    CGTWorkspaceSettings();

    int m_DataVersionMajor;
    int m_DataVersionMinor;
    CString m_RegistryBase;
};
