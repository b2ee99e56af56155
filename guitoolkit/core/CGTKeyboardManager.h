// The application's keyboard shortcuts stay customisable: every accelerator table of the
// main frame and of each multiple-document template is saved to the registry and loaded
// back at start-up, replacement tables from the keyboard page are installed, the tables
// of the resources can be restored, and toolbars and menus learn which shortcut belongs
// to a command and whether a key combination is taken.
//
// Stored format: under the section path (BuildRegistrySectionPath("VADEKeyboardManager",
// profile)), key "RIRKeyboard-<id>" (the template's resource id, 0 for the main frame),
// REG_BINARY "Accelerators": the table's records in order, 6 bytes each (flags, a pad byte,
// the 16-bit key, the 16-bit command).
#pragma once
#include <afxwin.h>
#include <afxdoctempl.h>

class CGTKeyboardManager : public CObject {
    DECLARE_DYNAMIC(CGTKeyboardManager)
public:
    // The new manager is the toolkit's current one until it goes.
    CGTKeyboardManager();
    ~CGTKeyboardManager() override;
    static CGTKeyboardManager* Current();

    // The tables of every multiple-document template and of the frame (none: the main
    // window when it is a frame). Tables that cannot be saved or loaded are passed over.
    BOOL SaveState(LPCWSTR iProfile = nullptr, CFrameWnd* iFrame = nullptr);
    BOOL LoadState(LPCWSTR iProfile = nullptr, CFrameWnd* iFrame = nullptr);

    // An empty table is not saved.
    static BOOL SaveAcceleratorTable(LPCWSTR iSectionPath, UINT iId, HACCEL iTable);
    // A new table of the stored records; records of excluded commands do nothing.
    static BOOL LoadAcceleratorTable(LPCWSTR iSectionPath, UINT iId, HACCEL& oTable);
    // Installs iTable in the template and in those of its documents' frames that shared the
    // template's table, or in the frame (none: the main frame); the table it replaces is
    // destroyed. FALSE when there was none to replace (iTable stays installed) or no frame.
    static BOOL SetAcceleratorTable(CMultiDocTemplate* iTemplate, HACCEL iTable, CFrameWnd* iFrame = nullptr);
    // Installs a new table of the records, as SetAcceleratorTable does; no records leave the
    // target without a table. FALSE without a place to install it, or when the table cannot
    // be made.
    static BOOL ReplaceAcceleratorTable(CMultiDocTemplate* iTemplate, const ACCEL* iRecords, int iCount,
                                        CFrameWnd* iFrame = nullptr);
    // The templates get the tables of their resources again.
    static void LoadDefaultAccelerators();

    // The first record for the command in the frame's default table.
    static BOOL FindCommandShortcut(UINT iCommand, ACCEL& oShortcut, CFrameWnd* iFrame,
                                    BOOL iUseAlternateCache = FALSE);
    // That shortcut as menus and tooltips show it ("Ctrl+S"); FALSE and an empty text
    // without one.
    static BOOL FormatCommandShortcut(UINT iCommand, CString& oText, CFrameWnd* iFrame,
                                      BOOL iUseAlternateCache = FALSE);
    // Whether the frame's default table has a record of exactly this key and these flags.
    static BOOL FindAccelerator(WORD iKey, BYTE iFlags, CFrameWnd* iFrame, BOOL iUseAlternateCache = FALSE);
    // Forgets the copies of the tables that the two questions above keep.
    static void CleanUp();

    // The toolbars tell which commands a shortcut may not run.
    typedef BOOL (*ExcludedCommandQuery)(UINT iCommand);
    static ExcludedCommandQuery SetExcludedCommandQuery(ExcludedCommandQuery iQuery);
};

// Whether the key types a character in the thread's keyboard layout and state.
BOOL VirtualKeyProducesChar(UINT iVirtualKey);
// The character a key stands for in menu mnemonics: a keypad digit (without Alt) is its
// digit; any other key is itself.
UINT NormalizeAcceleratorKey(UINT iVirtualKey);
