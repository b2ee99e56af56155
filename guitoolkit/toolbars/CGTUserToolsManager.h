// The user's external tools, each owning one command id of a range the application
// reserves; the list is stored with the workspace's state under the section
// "RIRUserToolsManager", value "Tools" (the list's object archive). The newest manager is
// the process's current one until it goes; toolbars and menus ask it about tool commands.
#pragma once
#include <guitoolkit/core/CGTUserTool.h>

class CGTUserToolsManager {
public:
    // New tools are made of iToolClass (CGTUserTool or a class derived from it).
    // iArgumentsMenuId, iInitialDirectoryMenuId: menu resources whose first sub-menu lists
    // what the tools page offers to type into those edits (0: none).
    CGTUserToolsManager(UINT iFirstCommandId, UINT iLastCommandId,
                        CRuntimeClass* iToolClass = RUNTIME_CLASS(CGTUserTool), UINT iArgumentsMenuId = 0,
                        UINT iInitialDirectoryMenuId = 0);
    virtual ~CGTUserToolsManager();
    CGTUserToolsManager(const CGTUserToolsManager&) = delete;
    CGTUserToolsManager& operator=(const CGTUserToolsManager&) = delete;
    // Null when there is none.
    static CGTUserToolsManager* Current();

    BOOL SaveState(LPCWSTR iProfile = nullptr);
    // A stored list that cannot be loaded leaves the tools as they were.
    BOOL LoadState(LPCWSTR iProfile = nullptr);

    // A tool with the lowest free id of the range, appended; null when every id is taken.
    CGTUserTool* CreateNewTool();
    BOOL RemoveTool(CGTUserTool* iTool);
    BOOL MoveToolUp(CGTUserTool* iTool);
    BOOL MoveToolDown(CGTUserTool* iTool);
    CGTUserTool* FindToolByCommand(UINT iCommandId) const;
    BOOL InvokeToolByCommand(UINT iCommandId);

    const CObList& GetTools() const { return m_Tools; }
    UINT GetArgumentsMenuId() const { return m_ArgumentsMenuId; }
    UINT GetInitialDirectoryMenuId() const { return m_InitialDirectoryMenuId; }
    // Whether the command is one of the range the tools take their commands from.
    BOOL IsInRange(UINT iCommandId) const { return iCommandId >= m_FirstCommandId && iCommandId <= m_LastCommandId; }

private:
    void DeleteTools();
    // One place before its predecessor or after its successor.
    BOOL MoveTool(CGTUserTool* iTool, BOOL iUp);

    CObList m_Tools;
    UINT m_FirstCommandId;
    UINT m_LastCommandId;
    CRuntimeClass* m_ToolClass;
    UINT m_ArgumentsMenuId;
    UINT m_InitialDirectoryMenuId;
};
