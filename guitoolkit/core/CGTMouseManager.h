// Which command a double-click runs in each kind of view. The application registers its
// views (a name, an id and an icon); the mouse page of the customization sheet assigns a
// command to each; the views ask for their command. The newest manager is the process's
// current one until it goes.
//
// Stored format: under the section path (BuildRegistrySectionPath("RIRMouseManager",
// profile)), REG_BINARY "Mouse": a 32-bit count, then per assignment the 32-bit view id and
// the 32-bit command.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTMouseManager : public CObject {
    DECLARE_DYNCREATE(CGTMouseManager)
public:
    CGTMouseManager();
    ~CGTMouseManager() override;
    CGTMouseManager(const CGTMouseManager&) = delete;
    CGTMouseManager& operator=(const CGTMouseManager&) = delete;
    // Null when there is none.
    static CGTMouseManager* Current();

    // FALSE when the name or the id is registered already (nothing changes then).
    BOOL AddView(UINT iViewId, LPCWSTR iName, UINT iIconId = 0);
    void GetViewNames(CStringList& oNames) const;
    // -1 for an unknown name.
    int GetViewIdByName(LPCWSTR iName) const;
    // 0 for a view without icon.
    UINT GetViewIconId(UINT iViewId) const;
    // 0 for a view without a command.
    UINT GetViewDblClickCommand(UINT iViewId) const;
    // Command 0 takes the view's command away.
    void SetViewCommand(UINT iViewId, UINT iCommand);

    BOOL SaveState(LPCWSTR iProfile = nullptr);
    // A value that is missing or cannot be read to its end leaves the assignments as they were.
    BOOL LoadState(LPCWSTR iProfile = nullptr);
    void Serialize(CArchive& ioArchive) override;

private:
    CMap<CString, LPCWSTR, int, int> m_ViewIdsByName;
    CMap<UINT, UINT, UINT, UINT> m_ViewCommands;
    CMap<UINT, UINT, UINT, UINT> m_ViewIcons;
};
