// The application's workspace: where and how the GUI layout is kept and which managers the
// toolkit runs with. It is a base part of the application object; while it lives it is the
// process's current workspace, which toolbars, menus and managers consult, doing nothing
// workspace-related when there is none.
//
// Stored state, under the workspace path P (HKEY_CURRENT_USER, BuildRegistrySectionPath of
// the registry base): P + "RIRControlBarVersion" ("Major", "Minor": the data version the
// toolkit writes, 8.50), P + "WindowPlacement" ("MainWindowRect", "Flags", "ShowCmd"), and
// the keys of every part of the layout (toolbars, menus, docking layout, managers). The
// platform frame's own dock state goes to the application-profile section base +
// "\ControlBars".
#pragma once
#include <guitoolkit/core/CGTUserTool.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <memory>

class CGTContextMenuManager;
class CGTFrameImpl;
class MenuTearOffIdTable;

class CGTWorkspace : public CGTWorkspaceSettings {
public:
    // iResetUI: a load that finds toolbars changed since their state was stored resets them.
    explicit CGTWorkspace(BOOL iResetUI = FALSE);
    ~CGTWorkspace() override;

    static CGTWorkspace* Current();

    // The whole layout under a section (none: the registry base), for the frame when given.
    virtual BOOL LoadState(LPCWSTR iSection = nullptr, CGTFrameImpl* iFrameImpl = nullptr);
    // Deletes the workspace's key with everything below it.
    virtual BOOL CleanState(LPCWSTR iSection = nullptr);
    // Nothing (FALSE) while saving is disabled.
    virtual BOOL SaveState(LPCWSTR iSection = nullptr, CGTFrameImpl* iFrameImpl = nullptr);
    // Runs the command bound to a double-click in the view; FALSE (and a beep) without one.
    virtual BOOL OnViewDoubleClick(CWnd* iWindow, int iViewId);
    virtual BOOL ShowPopupMenu(UINT iMenuId, const CPoint& iScreenPoint, CWnd* iOwner);
    virtual void OnAppContextHelp(CWnd* iControl, const DWORD iHelpIds[]);
    virtual void OnClosingMainFrame(CGTFrameImpl* iFrameImpl);

    // Hooks for the application around loading and saving.
    virtual void PreLoadState() {}
    virtual void LoadCustomState() {}
    virtual void PreSaveState() {}
    virtual void SaveCustomState() {}

    // TRUE only when all three values were read (written).
    virtual BOOL LoadWindowPlacement(CRect& oRect, int& oFlags, int& oShowCmd);
    virtual BOOL StoreWindowPlacement(const CRect& iRect, int iFlags, int iShowCmd);
    // The saved placement applied to the frame; FALSE when there is none to apply or the
    // program runs embedded or as an automation server.
    virtual BOOL ReloadWindowPlacement(CFrameWnd* iFrame);
    // The desktop's work area: stored rectangles are shifted by its top-left corner.
    static CRect GetWorkArea();

    BOOL LoadMDIFrameState(LPCWSTR iSection, CFrameWnd* iFrame);
    BOOL LoadSDIFrameState(LPCWSTR iSection, CFrameWnd* iFrame);

    // Each makes the process's manager when there is none (TRUE), which the workspace then
    // deletes when it goes; FALSE when one exists.
    BOOL InitContextMenuManager();
    BOOL InitKeyboardManager();
    BOOL InitMouseManager();
    // The user tools take their commands from the range and are made of iToolClass.
    BOOL InitUserToolsManager(UINT iFirstCommandId, UINT iLastCommandId,
                              CRuntimeClass* iToolClass = RUNTIME_CLASS(CGTUserTool));
    // Sub-menus marked for tearing off take their identifiers from the range; FALSE when the
    // workspace keeps tear-off menus already.
    BOOL EnableTearOffMenus(UINT iFirstId, UINT iLastId);
    // The process's context-menu manager, made here first when there is none.
    CGTContextMenuManager* GetContextMenuManager();

    // A DWORD under the workspace path (and a suffix key); the default when missing.
    int ReadWorkspaceInt(LPCWSTR iName, int iDefault = 0) const;
    BOOL WriteWorkspaceInt(LPCWSTR iName, int iValue);
    int ReadSectionInt(LPCWSTR iSuffix, LPCWSTR iName, int iDefault = 0) const;
    BOOL WriteSectionInt(LPCWSTR iSuffix, LPCWSTR iName, int iValue);

    MenuTearOffIdTable* GetTearOffTable() const override { return m_TearOffTable.get(); }
    // TRUE while a LoadState runs.
    static BOOL IsLoadingState();

    // LoadState loads the frame's user-defined toolbars and tear-off bars.
    BOOL m_LoadUserToolbars;
    // Loading and saving touch only the toolbars of the frame being loaded or saved.
    BOOL m_ThisFrameOnly;
    BOOL m_SaveEnabled;
    BOOL m_ResetUI;
    // Every toolbar is reset after a load.
    BOOL m_AlwaysResetToolbars;
    // LoadState ends by applying the saved window placement to the frame.
    BOOL m_ReloadPlacement;

    // The data version the toolkit writes.
    static const int s_VersionMajor = 8;
    static const int s_VersionMinor = 50;

protected:
    std::unique_ptr<MenuTearOffIdTable> m_TearOffTable;
    BOOL m_MadeKeyboardManager;
    BOOL m_MadeContextMenuManager;
    BOOL m_MadeMouseManager;
    BOOL m_MadeUserToolsManager;

private:
    // The frame's share of a load and of a save.
    BOOL LoadFrameState(const CString& iPath, CGTFrameImpl& ioFrameImpl);
    void SaveFrameState(const CString& iPath, CGTFrameImpl& ioFrameImpl);
    void LoadManagers(const CString& iPath, CGTFrameImpl* iFrameImpl);
    void SaveManagers(const CString& iPath, CGTFrameImpl* iFrameImpl);
    // Whether loading and saving take the toolbar for the frame.
    BOOL TakesToolbar(const CWnd& iBar, const CGTFrameImpl& iFrameImpl) const;
};
