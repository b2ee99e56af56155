// The toolkit's toolbar window: an ordered list of owned buttons, the image strips they are
// drawn from and their sizes, and a button layout that it stores in the registry so that a
// user's customization survives restarts. The menu bar, popup menu bars, drop-down and
// tabbed toolbars derive from it.
//
// Stored state, under the toolbar section of a profile ("RIRToolBars"), key
// "RIRToolBar-<index>" or "RIRToolBar-<index><id in hex>": "Name" (the window text),
// "Buttons" (the bar's Serialize), "OriginalItems" (when the workspace keeps original state)
// and "OrigResetItems" (the buttons a reset restores), both object lists.
//
// Class-wide data is one per process and unlocked: everything runs on the GUI thread.
#pragma once
#include <afxole.h>
#include <afxtempl.h>
#include <memory>
#include <guitoolkit/core/CGTToolBarImages.h>
#include <guitoolkit/toolbars/CGTBaseToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/CGTToolbarDropTarget.h>

class CGTToolbarDropSource;

class CCmdUsageCount;
class CGTToolbarMenuButton;

// The bar's eight image strips, in this order everywhere they are listed.
enum class GTToolBarImageKind {
    Images,
    ColdImages,
    DisabledImages,
    LargeImages,
    LargeColdImages,
    LargeDisabledImages,
    MenuImages,
    DisabledMenuImages,
    Count
};

// The resource ids of a bar's images, 0 for none: an eight-word block in this order.
struct GTToolBarImageIds {
    UINT cold;
    UINT images;
    UINT disabled;
    UINT largeCold;
    UINT large;
    UINT largeDisabled;
    UINT menu;
    UINT disabledMenu;
};

class CGTToolBar : public CGTBaseToolBar {
    DECLARE_SERIAL(CGTToolBar)
public:
    CGTToolBar();
    ~CGTToolBar() override;

    // --- Data, list operations, sizes, stored state and window ---

    // A left or top border below 1 becomes 1.
    virtual BOOL CreateEx(CWnd* iParent, DWORD iToolbarStyle = TBSTYLE_FLAT,
                          DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect iBorders = CRect(1, 1, 1, 1),
                          UINT iId = AFX_IDW_TOOLBAR);
    // A copy of the button's class; -1 when it cannot be inserted.
    virtual int InsertButtonCopy(const CGTToolbarButton& iButton, int iIndex = -1);
    virtual void RemoveAllButtons();
    // The command's short name as the button's text; FALSE when there is none.
    virtual BOOL LoadButtonText(CGTToolbarButton& ioButton);
    virtual void ResetImagesToDefault();
    // After a look change: the toolkit's colours, the look's own state and every strip of the
    // bars loaded again, every bar redrawn.
    static void ResetAllImages();
    virtual void OnCustomizeMode(BOOL iCustomize);
    // iIndex -1: the window's control id; iId -1: none in the key.
    BOOL SaveState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1)) override;
    // A missing key or "Buttons" value answers FALSE and leaves the bar as it was.
    BOOL LoadState(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1)) override;
    virtual BOOL RemoveStateFromRegistry(LPCWSTR iProfile = nullptr, int iIndex = -1, UINT iId = static_cast<UINT>(-1));
    void OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler) override;
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;

    // --- Editing in customize mode ---

    virtual DROPEFFECT OnDragEnter(COleDataObject* iData, DWORD iKeyState, CPoint iPoint);
    virtual DROPEFFECT OnDragOver(COleDataObject* iData, DWORD iKeyState, CPoint iPoint);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(COleDataObject* iData, DROPEFFECT iEffect, CPoint iPoint);
    virtual CGTToolbarButton* CreateDroppedButton(COleDataObject* iData);
    // The index before which a drop inserts, -1 for none; the mark's rectangle.
    virtual int CalcInsertionMarkRect(CPoint iPoint, CRect& oMark);
    virtual void DrawButtonItem(CDC* iDc, CGTToolbarButton* iButton, CGTToolBarImages* iImages, BOOL iHighlight,
                                BOOL iGrayDisabled);
    // A line across the bar at the insertion mark, with short serifs at its ends.
    void DrawInsertionMark(CDC* iDc);

    // --- Layout and drawing ---

    virtual CSize CalcLengthLayout(int iLength, BOOL iVertical);
    void AdjustLayout() override;
    // Paints the client area: the background, then the buttons.
    void DoPaint(CDC* iDc) override;
    virtual CSize CalcLayoutSize(BOOL iVertical);
    virtual int GetRowHeight() const;
    virtual int GetColumnWidth() const;
    virtual void GetItemRect(int iIndex, LPRECT oRect) const;
    virtual void GetInvalidateItemRect(int iIndex, LPRECT oRect) const;
    virtual CSize CalcSize(DWORD iMode, int iLength);
    virtual void RecalcButtonLayout();
    // iHorizontal: the bar the separator stands in is horizontal.
    virtual void DrawSeparator(CDC* iDc, const CRect& iRect, BOOL iHorizontal);
    virtual CRect GetButtonDrawRect(const CGTToolbarButton& iButton, BOOL iHorizontal) const;
    virtual int CalcMaxButtonHeight();
    // Sets the buttons' wrap flags so that each row fits the width; the number of rows.
    int WrapButtons(int iWidth, int iHeight = 32767, CDC* iDc = nullptr, int iColumnWidth = -1, int iRowHeight = -1);
    // Wraps to the narrowest width that keeps the rows the length gives (horizontal), or to
    // the fewest columns whose height fits the length (vertical).
    void SizeToLength(int iLength, BOOL iVertical);
    void AdjustSize();
    // The buttons a docked bar has no room for; its customize button offers them.
    const CObList& GetOverflowButtons() const { return m_OverflowButtons; }
    // The font captions are measured and drawn in.
    CFont* BarFont(BOOL iHorizontal) const;
    // Whether the bar's buttons take the look's extra size.
    virtual BOOL IsButtonExtraSizeAvailable() const;

    // --- Mouse, keyboard, tooltips and commands ---

    // Registers each button's rectangle with the tooltip control.
    void UpdateTooltips();
    CGTToolbarButton* GetHotButton() const;
    // Null clears the menu selection; FALSE for a button that is not on the bar.
    BOOL SetHotButton(CGTToolbarButton* iButton);
    // 0 for a bad index.
    UINT GetButtonStyle(int iIndex) const;
    // Posts the command to the owner and counts it; FALSE for 0 and -1.
    BOOL SendButtonCommandById(UINT iCommandId);
    // A thread mouse hook that tracks the mouse over every bar while a popup has the capture.
    static void InstallMouseHook(BOOL iOn);
    // Escape, the reset prompt, and the tooltip's share of the input.
    BOOL PreTranslateMessage(MSG* ioMessage) override;
    // The first menu button whose popup is open, and its index; null and -1 for none.
    CGTToolbarMenuButton* GetDroppedDownMenuButton(int* oIndex = nullptr) const;
    // Opens a menu button's popup with its first item selected; FALSE for another button.
    BOOL DropDownMenu(CGTToolbarButton* iButton);
    // Updates one button from the command handlers of the bar's frame.
    virtual void UpdateButtonCmdUI(int iIndex);
    // Updates the button (-1: every button and the bar's controls) from the command handlers of
    // a target (a frame, or the dialog the bar sits in).
    void UpdateCmdUIFrom(CCmdTarget* iTarget, BOOL iDisableIfNoHandler, int iIndex = -1);
    // FALSE keeps a button that was dragged off the bar.
    virtual BOOL OnRemoveDraggedButton(CGTToolbarButton* iButton);
    // The drop source of every button dragged off a bar.
    static CGTToolbarDropSource& GetDropSource();
    static BOOL IsMouseHookInstalled() { return s_MouseHook != nullptr; }
    virtual void ResetHotButton();
    virtual void SetButtonStyle(int iIndex, UINT iStyle);
    virtual BOOL ProcessAccessKey(UINT iCharacter);
    virtual BOOL DropDownPrevMenu();
    virtual BOOL DropDownNextMenu();
    virtual void SetHot(int iIndex);
    virtual CWnd* GetCommandTarget() const;
    // A notification of a button's embedded control; TRUE when handled.
    virtual BOOL PostButtonCommand(CGTToolbarButton* iButton, BOOL iFromKeyboard, UINT iNotifyCode, WPARAM iWParam,
                                   LPARAM iLParam);
    virtual void ShowCommandMessageString(UINT iCommandId);
    // TRUE when the bar runs the released button's command itself (none is sent then).
    virtual BOOL TakesButtonCommand(CGTToolbarButton* iButton);
    // The bar's own tooltip for a button; FALSE leaves it to the command's texts.
    virtual BOOL OnUserToolTip(CGTToolbarButton* iButton, CString& oText) const;
    BOOL OnCommand(WPARAM iWParam, LPARAM iLParam) override;
    // The command under the point, -1 for none; with oInfo, its tip (allocated with malloc,
    // the caller's to free), rectangle and window.
    INT_PTR OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const override;

    // --- Loading, inserting, removing, storing and resetting buttons ---

    void Serialize(CArchive& ioArchive) override;
    virtual BOOL Create(CWnd* iParent, DWORD iStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP,
                        UINT iId = AFX_IDW_TOOLBAR);
    virtual BOOL LoadBitmapEx(const GTToolBarImageIds& iImageIds, BOOL iLocked);
    virtual BOOL LoadToolBarEx(UINT iResourceId, const GTToolBarImageIds& iImageIds, BOOL iLocked);
    // The bar takes the button; -1 (nothing inserted, the button still the caller's) for a
    // bad index. -1 or the count appends before the customize button.
    virtual int InsertButton(CGTToolbarButton* iButton, int iIndex = -1);
    // FALSE for a bad index and for the customize button.
    virtual BOOL RemoveButton(int iIndex);
    virtual BOOL RestoreOriginalState();
    virtual BOOL MergeOriginalButtons(const CObList& iStored);

    // Without ids, iCount separators. iRemapImages: the buttons take consecutive images from
    // the bar's first image on; else only commands with a known image get a button.
    BOOL SetButtons(const UINT* iIds, int iCount, BOOL iRemapImages = TRUE);
    // 0 for a bad index.
    UINT GetItemID(int iIndex) const;
    BOOL SetButtonText(int iIndex, LPCWSTR iText);
    CString GetButtonText(int iIndex) const;
    // Without text the command's short name is shown.
    void SetButtonTextOptions(int iIndex, LPCWSTR iText, BOOL iShowText, BOOL iShowImage);

    // --- Customize-mode button commands ---

    virtual BOOL UpdateMenuItemState(CGTToolbarButton* iButton, CMenu* iPopup);
    virtual void AdjustGroupSeparator(CGTToolbarButton* iButton, POINT iStart, POINT iEnd);

    // --- Non-virtual operations ---

    BOOL LoadBitmap(UINT iResourceId, UINT iColdId = 0, UINT iMenuId = 0, BOOL iLocked = FALSE, UINT iDisabledId = 0,
                    UINT iMenuDisabledId = 0);
    // iHotId: the images shown on hot buttons, the normal images of the bar.
    BOOL LoadToolBar(UINT iResourceId, UINT iColdId = 0, UINT iMenuId = 0, BOOL iLocked = FALSE, UINT iDisabledId = 0,
                     UINT iMenuDisabledId = 0, UINT iHotId = 0);
    int GetButtonCount() const { return static_cast<int>(m_Buttons.GetCount()); }
    // Null for a bad index.
    CGTToolbarButton* GetButton(int iIndex) const;
    int CommandToIndex(UINT iCommandId, int iStart = 0) const;
    int ButtonToIndex(const CGTToolbarButton* iButton) const;
    // -1 over a separator, a button hidden by the layout or no button.
    int HitTest(CPoint iPoint) const;
    CGTToolbarButton* InvalidateButton(int iIndex);
    // -1 without inserting on an empty bar or at index 0.
    int InsertSeparator(int iIndex = -1);
    const CObList& GetAllButtons() const { return m_Buttons; }
    void ReplaceOriginalState(CObList& ioButtons);
    // -1 for an index out of range.
    int InsertResetStateButton(const CGTToolbarButton& iButton, int iIndex = -1);
    BOOL RemoveResetStateButton(UINT iCommandId);
    const CObList& GetResetStateButtons() const { return m_ResetState; }
    BOOL IsButtonHot(int iIndex) const;
    // The buttons as the bar's resource defines them.
    const CObList& GetOriginalButtons() const { return m_OriginalButtons; }
    // The bar shows the buttons a reset would give it: the same commands, all visible.
    BOOL IsOriginalState() const;
    // The last LoadState found the bar's resource changed since its state was stored.
    BOOL IsResourceChanged() const { return m_ResourceChanged; }
    BOOL IsMenuMode() const { return m_MenuMode; }
    BOOL AreTextLabels() const { return m_TextLabels; }
    // Captions under the images; a bar in menu mode keeps its own.
    void EnableTextLabels(BOOL iOn);
    UINT GetResourceId() const { return m_ResourceId; }
    BOOL IsFloating() const { return m_Floating; }
    BOOL CanBeRestored() const { return m_ResourceId != 0; }
    // Whether the customization sheet's Toolbars page lists the bar.
    virtual BOOL CanBeListed() const { return TRUE; }
    BOOL IsLocked() const { return m_Locked; }
    void RestoreFocus();
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::Toolbar; }
    CSize GetButtonSize() const override;
    CSize GetImageSize() const override;
    // Docked: cut corners; a floating bar and a dialog control keep square ones.
    BOOL IsRounded() const override;
    IGTLookCustomizeButton* GetLookCustomizeButton() const override;
    void SetLockedSizes(CSize iButton, CSize iImage);
    // A locked bar's own menu images (or its images); null for other bars.
    CGTToolBarImages* GetLockedMenuImages();
    void NotifyButtonsFontChanged();
    CGTToolbarButton* GetCustomizeButton() const { return m_CustomizeButton; }

    // --- The sibling bar ---

    // Pairs the bar with another both ways (null: none); a bar that goes leaves its sibling
    // without one.
    void SetSiblingToolBar(CGTToolBar* iSibling);
    CGTToolBar* GetSiblingToolBar() const { return m_SiblingToolBar; }
    // The bar and its sibling dock on one dock bar: they can share a row or take two.
    BOOL CanArrangeWithSibling() const;
    BOOL IsOneRowWithSibling() const;
    // The sibling comes right after the bar in its row.
    void SetOneRowWithSibling();
    // The sibling takes a new row after the bar's.
    void SetTwoRowsWithSibling();
    // The customize button offers "Add or Remove Buttons" rather than the command alone.
    BOOL IsQuickCustomize() const { return m_QuickCustomize; }
    // Puts a customize button (of s_CustomizeButtonClass) at the end of the bar, or updates
    // the one there; iEnable FALSE takes it away. FALSE when none can be made.
    BOOL SetCustomizeButton(BOOL iEnable, UINT iCommandId = 0, LPCWSTR iLabel = nullptr, BOOL iQuickCustomize = TRUE);
    // The class of the buttons that offer what a docked bar has no room for; their module
    // puts it in place.
    static CRuntimeClass* s_CustomizeButtonClass;
    // Asks the user, then restores the buttons of the bar's resource.
    void ResetWithPrompt();

    // --- Class-wide ---

    static const CObList& GetAllToolbars();
    static BOOL IsSystemCommand(UINT iCommandId);
    // The commands of a window's system menu (move, size, close and the like).
    static BOOL IsSystemMenuCommand(UINT iCommandId) { return iCommandId >= 0xF000 && iCommandId <= 0xF1EF; }
    // Every button of the command on every toolbar whose window exists; the count.
    static int GetCommandButtons(UINT iCommandId, CObList& oButtons);
    static void SetSizes(CSize iButton, CSize iImage);
    static CSize GetMenuImageSize();
    static CSize GetMenuButtonSize();
    // FALSE when the mode does not change; no bar is told then.
    static BOOL SetCustomizeMode(BOOL iCustomize);
    static BOOL IsCustomizeMode() { return s_CustomizeMode; }
    // A button is being dragged with Alt held.
    static BOOL IsAltDragging() { return s_AltDrag; }
    static void AddCommandUsage(UINT iCommandId);
    static CCmdUsageCount& GetCommandUsage();
    // "LargeIcons" of the toolbar parameters; FALSE when they were never stored.
    static BOOL LoadLargeIconsState(LPCWSTR iProfile = nullptr);
    static BOOL IsLargeIcons() { return s_LargeIcons; }
    static COLORREF GetTextColor();
    static CGTToolBarImages& GetImages(GTToolBarImageKind iKind);
    // The user's own images; the application owns the strip.
    static void SetUserImages(CGTToolBarImages* iImages);
    static CGTToolBarImages* GetUserImages() { return s_UserImages; }
    // The strip a command-list row draws from: the user strip for user images, else the menu
    // strip when it holds an image for every toolbar image, else the toolbar strip.
    static CGTToolBarImages* CommandListImages(BOOL iUserImage);
    // The image of a command among the images the toolbars loaded from their resources.
    static BOOL GetDefaultImage(UINT iCommandId, int& oImage);
    static void SetDefaultImage(UINT iCommandId, int iImage);
    // The command manager takes every command's image as the toolbars loaded it again.
    static void RestoreDefaultImages();
    // The registry key of a bar's stored state.
    static CString StateKeyName(LPCWSTR iSectionPath, int iIndex, UINT iId);
    // Releases the strips, images map and counter the toolbars share, and the strips' shared
    // drawing resources.
    static void CleanUpGlobals();

    // --- Options the user sets for all bars and menus, stored in one registry key ---

    // An empty path: the application's own section. FALSE when the key cannot be written or
    // any value failed.
    static BOOL SaveParameters(LPCWSTR iRegistryPath);
    // FALSE without the key (nothing changes) or when a value is missing: the values read up
    // to there are kept, the menu animation and the 2000 look fall back to none.
    static BOOL LoadParameters(LPCWSTR iRegistryPath);
    static void ApplyLargeIcons(BOOL iOn);
    // Whether a personalised menu hides the command.
    static BOOL IsCommandRarelyUsed(UINT iCommandId);
    static BOOL IsCommandPermitted(UINT iCommandId);
    static BOOL IsBasicCommand(UINT iCommandId);
    // FALSE while personalised menus are unused.
    static BOOL HasBasicCommands();
    static void AddCoreCommand(UINT iCommandId);
    static void SetCoreCommands(const CList<UINT, UINT>& iCommands);

    // Commands no bar may hold; the application fills it before it creates its bars.
    static CList<UINT, UINT> s_ExcludedCommands;
    // Every live bar redrawn with the flags; every live bar re-laid out; every live bar's
    // buttons told that the toolkit fonts changed.
    static void RedrawAll(UINT iFlags);
    static void ReapplyLook();
    static void NotifyAllFontsChanged();

    // Whether the user may drag buttons with Alt held outside customize mode.
    static BOOL s_AltDragAllowed;
    static BOOL s_ShowTooltips;
    static BOOL s_ShowShortcutKeys;
    // -1: the toolkit's text colour.
    static COLORREF s_CustomTextColor;
    static CGTToolBar* s_CustomizeSelectionBar;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnDestroy();
    afx_msg void OnSettingChange(UINT iFlags, LPCWSTR iSection);
    afx_msg LRESULT OnButtonCount(WPARAM, LPARAM);
    afx_msg LRESULT OnGetItemRect(WPARAM iIndex, LPARAM oRect);
    afx_msg LRESULT OnResetPrompt(WPARAM, LPARAM);
    afx_msg void OnSize(UINT iType, int iWidth, int iHeight);
    void TrimFloatingSystemMenu(CWnd& ioMiniFrame) const;
    afx_msg void OnWindowPosChanging(WINDOWPOS* ioPosition);
    afx_msg void OnWindowPosChanged(WINDOWPOS* iPosition);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDblClk(UINT iFlags, CPoint iPoint);
    afx_msg void OnSetFocus(CWnd* iPrevious);
    afx_msg void OnKillFocus(CWnd* iNext);
    afx_msg void OnCancelMode();
    afx_msg void OnContextMenu(CWnd* iWindow, CPoint iPoint);
    afx_msg void OnDeleteButton();
    afx_msg void OnButtonAppearance();
    afx_msg void OnResetButton();
    afx_msg void OnCopyButtonImage();
    afx_msg void OnSetImageOnly();
    afx_msg void OnSetTextOnly();
    afx_msg void OnSetImageAndText();
    afx_msg void OnStartGroup();
    afx_msg void OnNewMenu();
    afx_msg void OnShowWindow(BOOL iShow, UINT iStatus);
    afx_msg HBRUSH OnCtlColor(CDC* iDc, CWnd* iWindow, UINT iCtlColor);
    // The help id of the button under the point; off the buttons a beep and -1.
    afx_msg LRESULT OnHelpHitTest(WPARAM iWParam, LPARAM iLParam);
    afx_msg BOOL OnSetCursor(CWnd* iWindow, UINT iHitTest, UINT iMessage);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg LRESULT OnMouseLeave(WPARAM, LPARAM);
    afx_msg LRESULT OnNcHitTest(CPoint);
    afx_msg LRESULT OnGetButton(WPARAM iIndex, LPARAM oButton);
    // A null buffer asks the length only.
    afx_msg LRESULT OnGetButtonText(WPARAM iCommandId, LPARAM oText);
    // The bar answers its own tooltip control and its buttons' controls; every other
    // notification goes to the owner.
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override;
    BOOL OnNeedToolText(NMHDR* iHeader);
    // The button whose control (one of its windows, or a child of one) sent a notification;
    // null for none.
    CGTToolbarButton* ButtonOfControl(HWND iSender) const;
    // A command from a child window: the control reflects it, or its button takes it; TRUE
    // when it is not to go on to the owner.
    BOOL RouteControlCommand(WPARAM iWParam, LPARAM iLParam);
    DECLARE_MESSAGE_MAP()

    // The registry section of the bar's stored state.
    virtual LPCWSTR StateSection() const { return L"RIRToolBars"; }
    // The strip of a kind this bar draws with: its own when locked, else the shared one.
    CGTToolBarImages& ImagesOf(GTToolBarImageKind iKind);
    // Whether a window still stands behind the bar object.
    BOOL IsLive() const;
    int KeyIndex(int iIndex) const;
    void DeleteButtons(CObList& ioList);
    // The tip of a button without its shortcut: the bar's own, else the caption or the
    // command's short name.
    CString ButtonTooltip(CGTToolbarButton& iButton) const;
    // Takes the buttons of ioRead in place of the bar's; the customize button stays last.
    void ReplaceButtons(CObList& ioRead);
    BOOL LoadResetState(class CGTRegistry& ioRegistry);
    std::unique_ptr<CGTToolbarButton> CopyOfCustomizeButton() const;
    // -1 when refused; the separator is then deleted.
    int InsertNewSeparator(int iIndex);
    void ShowButton(CGTToolbarButton& ioButton, BOOL iVisible);
    CWnd* OwnerOrParent() const;
    // Gives the capture back to the window that had it before a press.
    void ReleaseMouse();
    // The bar's band in a rebar parent takes the bar's size; FALSE without a rebar parent.
    BOOL SizeRebarBand();
    // No button looks hot any more.
    void ClearHotButton();
    // Tracks a button's customize menu at the screen point; its command comes to the bar.
    virtual void TrackCustomizeMenu(CMenu& iPopup, CPoint iScreenPoint);
    // The appearance dialog on a button of this bar; TRUE on OK.
    BOOL EditButtonAppearance(CGTToolbarButton& ioButton);
    // The button the customize menu acts on; null for none.
    CGTToolbarButton* CustomizeSelection() const;
    // After a change of how the selected button shows: the bar and its frame lay out again.
    void AdjustLayoutWithFrame();
    // A caption for a button that is to show its text: loaded from the command when empty;
    // with none to show, a beep and the image only.
    void EnsureCaption(CGTToolbarButton& ioButton);
    // The area the insertion mark covers, with its serifs.
    void InvalidateInsertionMark();
    // This bar holds the customize selection from now on.
    void TakeCustomizeSelection();
    void SelectForCustomizing(int iIndex);
    // A press in customize mode, or with Alt held: selects, drags or starts a width change.
    void OnCustomizePress(int iIndex, UINT iFlags, CPoint iPoint);
    // FALSE when the bar's window ended during the drag.
    BOOL DragButton(int iIndex);
    void BeginCustomizeResize(CGTToolbarButton* iButton);
    void TrackCustomizeResize(CPoint iPoint);
    void EndCustomizeResize(CPoint iPoint);
    void CancelCustomizeResize();
    // Over the right edge of the selected control button.
    BOOL IsNearResizeEdge(CPoint iPoint) const;
    // The strip a button is painted from (null for none), and whether it is a disabled strip.
    CGTToolBarImages* PaintStrip(const CGTToolbarButton& iButton, BOOL iHot, BOOL& oFromDisabled);
    void DrawCustomizeSelection(CDC* iDc);
    void PlaceCustomizeButton(const CRect& iClient, BOOL iHorizontal, CSize iSize);
    // The large strip of a kind when large icons are on and it has images.
    CGTToolBarImages& PaintImages(GTToolBarImageKind iKind, GTToolBarImageKind iLargeKind);
    // The character after each shown caption's "&", upper-cased, names its button.
    void RebuildAccessKeys();
    // Along the bar from the open popup's button (iStep -1 or 1) to the next enabled menu
    // button, which opens its popup.
    BOOL DropDownNeighbourMenu(int iStep);

    CGTToolBarImages m_OwnImages[static_cast<int>(GTToolBarImageKind::Count)];
    BOOL m_Locked;
    BOOL m_LargeIconsAllowed;
    CSize m_LockedButtonSize;
    CSize m_LockedImageSize;
    CSize m_LockedCurrentButtonSize;
    CSize m_LockedCurrentImageSize;
    int m_PressedIndex;
    int m_HotIndex;
    int m_SelectedIndex;
    CObList m_Buttons;
    CObList m_OriginalButtons;
    CObList m_ResetState;
    UINT m_ResourceId;
    BOOL m_Floating;
    CGTToolbarDropTarget m_DropTarget;
    BOOL m_NoDropTarget;
    CToolTipCtrl m_Tooltip;
    int m_InsertionIndex;
    CRect m_InsertionMark;
    CPen m_InsertionPen;
    // Where the bar's images begin in the shared strip, -1 when unknown.
    int m_FirstImage;
    BOOL m_MenuMode;
    HWND m_SavedFocus;
    BOOL m_UpdateDialogControls;
    BOOL m_DrawBorder;
    BOOL m_GrayDisabled;
    BOOL m_NoTextUpdate;
    CGTToolbarButton* m_CustomizeButton;
    CGTToolBar* m_SiblingToolBar;
    BOOL m_QuickCustomize;
    BOOL m_TextLabels;
    int m_MruWidth;
    CMap<UINT, UINT, CGTToolbarButton*, CGTToolbarButton*> m_AccessKeys;
    BOOL m_LabelsTaller;
    int m_LabelHeight;
    CObList m_OverflowButtons;
    int m_MenuSelection;
    CPoint m_LastPoint;
    BOOL m_Tracking;
    HWND m_SavedCapture;
    CGTToolbarButton* m_ResizedButton;
    CRect m_ResizeRect;
    // Keyboard users keep their hot button, and get the focus back where it was.
    BOOL m_RememberFocus;
    CGTToolbarButton* m_DraggedButton;
    BOOL m_CopyDrag;
    CPoint m_DragStart;
    CSize m_LastSize;
    // The last LoadState found the bar's resource changed since its state was stored.
    BOOL m_ResourceChanged;

private:
    static CObList s_AllToolbars;
    static BOOL s_CustomizeMode;
    static BOOL s_LargeIcons;
    static CGTToolBarImages* s_UserImages;
    static CSize s_ButtonSize;
    static CSize s_ImageSize;
    static CSize s_CurrentButtonSize;
    static CSize s_CurrentImageSize;
    static CSize s_MenuImageSize;
    static CSize s_MenuButtonSize;
    static double s_LargeScale;
    static HCURSOR s_DragCursors[2];
    static HHOOK s_MouseHook;
    static CGTToolBar* s_MouseHookBar;
    // Lives for the rest of the program: the tooltip control reads it after the notification.
    static CString s_TooltipText;
    // A button is being dragged with Alt held: customize mode lasts for the drag only.
    static BOOL s_AltDrag;
    static LRESULT CALLBACK MouseHookProc(int iCode, WPARAM iWParam, LPARAM iLParam);
};
