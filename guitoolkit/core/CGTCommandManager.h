// The toolkit's one table from command ids to button images: the standard images toolbars
// load from their resources, the images the user drew or picked, and per command whether
// its menu item shows an image and which one. The user's menu choices are stored with the
// toolbar state. Reach the process's table through GetCommandManager.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTCommandManager {
public:
    CGTCommandManager();
    virtual ~CGTCommandManager();
    CGTCommandManager(const CGTCommandManager&) = delete;
    CGTCommandManager& operator=(const CGTCommandManager&) = delete;

    // The index in the user strip (iUser) or the standard strips; -1 when there is none.
    int GetCommandImage(UINT iCommand, BOOL iUser) const;
    // A command keeps the kind of image it got first: a standard image is not recorded for
    // a command with a user image, nor a user image for one with a standard image.
    // Commands 0 (separators) and 0xFFFFFFFF (sub-menus) have no image.
    void SetCommandImage(UINT iCommand, int iImage, BOOL iUser);
    // Disabled: the menu item shows no image. Enabled with an image index: the menu shows
    // that image; with an index below 0, the command's own.
    void EnableMenuItemImage(UINT iCommand, BOOL iEnable, int iImage = -1);
    BOOL IsMenuItemWithoutImage(UINT iCommand) const;
    // The image the menu shows for the command; -1: its own.
    int GetMenuUserImage(UINT iCommand) const;
    void ClearAll();
    // The user's image of one command, or of every command, is forgotten; standard images
    // can then be recorded for them again.
    void ClearUserImage(UINT iCommand);
    void ClearUserImages();

    // Under iProfile (a registry path ending in a backslash; none: the application's
    // "RIRToolBars" section), key "RIRCommandManager". A load leaves what it cannot read
    // as it was.
    BOOL SaveState(LPCWSTR iProfile = nullptr);
    BOOL LoadState(LPCWSTR iProfile = nullptr);

private:
    static CString KeyPath(LPCWSTR iProfile);

    CMap<UINT, UINT, int, int> m_StandardImages;
    CMap<UINT, UINT, int, int> m_UserImages;
    CList<UINT, UINT> m_CommandsWithoutImages;
    CMap<UINT, UINT, int, int> m_MenuUserImages;
};

// The process's command manager, made on first use; the toolkit's clean-up empties it.
CGTCommandManager& GetCommandManager();
