// The application's workspace: where and how the GUI layout is kept and which managers the
// toolkit runs with. It is a base part of the application object; while it lives it is the
// process's current workspace, which toolbars, menus and managers consult, doing nothing
// workspace-related when there is none.
#pragma once
#include <afxwin.h>
#include <memory>

class MenuTearOffIdTable;

class CGTWorkspace {
public:
    CGTWorkspace();
    virtual ~CGTWorkspace();
    CGTWorkspace(const CGTWorkspace&) = delete;
    CGTWorkspace& operator=(const CGTWorkspace&) = delete;

    static CGTWorkspace* Current();

    // The version of the layout data being loaded, (major << 16) + the minor packed as one
    // digit (8.5 and 8.50 give 0x80500) or two (6.41 gives 0x60410); -1 when none was read.
    int GetDataVersion() const;
    // The identifiers of torn-off sub-menus; null unless the application keeps tear-off menus.
    MenuTearOffIdTable* GetTearOffTable() const { return m_TearOffTable.get(); }

    // Toolbars keep the items they were created with beside their current ones.
    BOOL m_KeepOriginalState;
    // Menu bars build their item lists from the menu resources.
    BOOL m_MenusCanBeCustomized;

protected:
    int m_DataVersionMajor;
    int m_DataVersionMinor;
    std::unique_ptr<MenuTearOffIdTable> m_TearOffTable;
};
