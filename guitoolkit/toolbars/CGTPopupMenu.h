// The toolkit's popup menu: every drop-down of the menu bar and the toolbars, every
// sub-menu and every context menu is one of these windows. It owns one popup menu bar
// (the items), decides where the menu stands on the screen, opens it with an animation and
// a shadow, scrolls a menu that is taller than the screen, passes keys along the chain of
// open sub-menus and closes the chain in order. The window owns itself: it is deleted when
// it is destroyed.
//
// One chain is open at a time in the process: its popup is the active popup menu
// (CGTActivePopupMenu), recorded by the frame that accepts it, or by a frame without the
// toolbar hooks through the popup itself.
#pragma once
#include <guitoolkit/core/CGTDibSection.h>
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/GTPopupPlacement.h>
#include <afxcmn.h>
#include <memory>

class CGTToolbarMenuButton;

class CGTPopupMenu : public CMiniFrameWnd, public IGTLookPopupMenu {
    DECLARE_DYNCREATE(CGTPopupMenu)
public:
    CGTPopupMenu();
    ~CGTPopupMenu() override;

    // Where the menu shows: (iX, iY), or with both -1 the owner's client origin + (5, 5)
    // (none: the screen origin). The menu's commands go to the owner when iOwnMessage, else
    // to the parent popup's target. FALSE when the window cannot be made; the popup object
    // and the menu are gone then.
    virtual BOOL Create(CWnd* iOwner, int iX, int iY, HMENU iMenu, BOOL iLocked = FALSE, BOOL iOwnMessage = FALSE);
    // Fills the bar from the menu (or the menu hash), the recent files and user tools, and
    // offers the popup to the frame; FALSE when the import fails or the frame refuses it.
    virtual BOOL InitMenuBar();
    CGTPopupMenuBar* GetMenuBar() const { return m_Bar; }
    virtual BOOL IsCommandRunning() const;
    // The animation is done and nothing scrolls.
    virtual BOOL IsIdle() const;
    // Makes the menu a floating bar at the screen point (the frame's torn-off bar when it
    // has one).
    virtual void TearOff(CPoint iPoint);
    // A bar of the menu's items as a child of iParent; null when it cannot be made.
    virtual CGTToolBar* CreateTearOffBar(CWnd* iParent, UINT iId, LPCWSTR iName);
    // Placement: see GTPopupPlacement.
    void RecalcLayout(BOOL iNotify = TRUE) override;

    // Offers the popup (null: none) to the frame and tells a hosting dialog; a refused
    // popup is closed. FALSE when refused.
    static BOOL ActivatePopupMenu(CFrameWnd* iFrame, CGTPopupMenu* iPopup);
    // The popup open now in the process; null for none.
    static CGTPopupMenu* GetActiveMenu();
    // Closes this level (with the whole chain above it unless the close-parent flag was
    // cleared); the focus goes back to the parent toolbar when iSetFocusToBar.
    void CloseMenu(BOOL iSetFocusToBar = FALSE);
    CGTPopupMenu* GetParentPopup() const;
    // The frame popups are offered to: the toolkit's owner frame, else the top-level frame.
    CFrameWnd* HostFrame() const;
    CGTToolBar* GetParentToolBar() const;
    CGTToolbarMenuButton* GetSelItem();
    // Every open sub-menu of this popup closes.
    void CloseSubMenus();
    // Shows every item of a menu whose rarely used commands are hidden, in place.
    void ShowAllCommands();
    // This popup shows every item, and the recently-used option comes back when it goes.
    void ResetDisplayOptions();
    BOOL HasHiddenItems() const { return !m_MenuBar.AreAllCommandsShown(); }

    // Item operations of the bar; InsertItem inserts a copy (-1 appends).
    int InsertItem(const CGTToolbarButton& iButton, int iIndex = -1);
    int InsertSeparator(int iIndex = -1);
    int GetMenuItemCount() const { return m_MenuBar.GetButtonCount(); }
    CGTToolbarButton* GetMenuItem(int iIndex) const { return m_MenuBar.GetButton(iIndex); }
    BOOL RemoveItem(int iIndex);
    void RemoveAllItems();

    // The items as a Windows menu, kept until DestroyExportedMenu; null when it fails.
    HMENU ExportToMenu();
    BOOL DestroyExportedMenu();

    // --- Effects: animation, shadow, painting and scrolling ---

    // 4 outside the client area, 3 in the logo strip, 1 in the right shadow strip, 2 in
    // the bottom one, 5 in the tear-off strip, 0 elsewhere.
    int HitTestArea(CPoint iScreenPoint) const;
    // Places the scroll arrows and the bar; TRUE when an arrow's rectangle changed.
    BOOL RecalcScrollLayout(BOOL iForce = FALSE);
    BOOL CanScrollUp() const;
    BOOL CanScrollDown() const;
    // Draws the shadow again over what changed under its strips (screen rectangle).
    void UpdateShadow(LPCRECT iScreenRect);
    // The same for the active popup and each popup above it.
    static void UpdateAllShadows(LPCRECT iScreenRect);
    // Animation steps for the time since the last frame: rounded to the nearest whole number.
    static int AnimationSteps(DWORD iElapsed, int iPeriod);
    // One fade frame: each channel (background x (100 - p) + menu x p) / 100.
    static void BlendFadeFrame(const CGTDibSection& iBackground, const CGTDibSection& iMenu, CGTDibSection& oBlend,
                               int iPercent);
    // The first visible row that brings the item (in the bar's client rectangle) into view,
    // kept between the first row and the last one that still fills the menu's height; the
    // row unchanged for a row height of 0.
    static int FirstRowShowing(int iFirstRow, const CRect& iItem, const CRect& iClient, int iRowHeight, int iCount,
                               int iMenuHeight);
    // One animation tick; TRUE when the animation ended with it.
    BOOL StepAnimation();
    BOOL IsAnimationDone() const { return m_AnimationDone; }
    CSize GetAnimatedSize() const { return m_AnimatedSize; }
    int GetFadePercent() const { return m_FadePercent; }
    const CRect& GetScrollUpRect() const { return m_ScrollUpRect; }
    const CRect& GetScrollDownRect() const { return m_ScrollDownRect; }
    BOOL IsScrollable() const { return m_Scrollable; }
    int GetShadowSize() const { return m_ShadowSize; }
    CSize GetFinalSize() const { return m_FinalSize; }
    int GetDirection() const { return m_Direction; }

    // IGTLookPopupMenu.
    CRect GetScreenRect() const override;
    IGTLookButton* GetParentButton() const override;
    BOOL DropsFromMenuBar() const override;
    BOOL DropsFromCustomizeButton() const override;
    BOOL HasWideMargin() const override { return TRUE; }
    BOOL IsRightToLeft() const override;
    BOOL CastsShadow() const override { return m_ShadowSize > 0; }
    BOOL IsCustomizeMode() const override;

    // Closing this popup closes its parent popup too.
    BOOL m_CloseParent;
    // Where the menu's commands go; null: the owner of the bar.
    CWnd* m_MessageTarget;
    CGTToolbarMenuButton* m_ParentButton;
    // 0 free, 1 below, 2 above, 3 right of, 4 left of the anchor.
    int m_Direction;
    // The menu handle is destroyed with the popup.
    BOOL m_DestroyMenu;
    // Chosen commands are stored in the context menu manager, not posted.
    BOOL m_TrackMode;
    // The right edge stands at the location.
    BOOL m_RightAlign;
    // Items wider than this are cut; -1 for none.
    int m_MaxWidth;
    // A strip of the frame's logo on side 0 left, 1 right, 2 top, 3 bottom.
    int m_LogoSize;
    int m_LogoSide;

    // The process's milliseconds between animation frames.
    static int s_AnimationPeriod;

protected:
    BOOL OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo) override;
    BOOL OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult) override;
    BOOL PreTranslateMessage(MSG* iMsg) override;
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    afx_msg void OnSize(UINT iType, int iCx, int iCy);
    afx_msg void OnPaint();
    afx_msg int OnMouseActivate(CWnd* iTopParent, UINT iHitTest, UINT iMessage);
    afx_msg void OnDestroy();
    afx_msg void OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* iDc);
    afx_msg void OnTimer(UINT_PTR iTimer);
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    afx_msg void OnLButtonUp(UINT iFlags, CPoint iPoint);
    afx_msg void OnShowWindow(BOOL iShow, UINT iStatus);
    afx_msg BOOL OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage);
    afx_msg void OnActivateApp(BOOL iActive, DWORD iThreadId);
    afx_msg LRESULT OnGetObject(WPARAM, LPARAM);
    afx_msg LRESULT OnAccHitTest(WPARAM, LPARAM iScreenPoint);
    afx_msg LRESULT OnAccGetState(WPARAM, LPARAM iIndex);
    DECLARE_MESSAGE_MAP()

    void FillRecentFiles();
    // Right: a sub-menu opens, or the key climbs to the menu bar.
    void OnRightKey();
    void OnLeftKey();
    // After Home, End, Up and Down: the highlighted item is scrolled into view.
    void ScrollToHotItem();
    void DrawImage(CDC* iDc);
    void DrawFade(CDC* iDc);
    // The animation picture, made at the first frame; FALSE when it cannot be made.
    BOOL MakeAnimationImage(CDC* iDc);
    void DrawScrollButton(CDC* iDc, const CRect& iRect, int iGlyph, BOOL iHighlighted);
    void OnScrollTimer();
    // The rectangle of the logo strip, in client coordinates.
    CRect LogoRect() const;
    // The parent button's part that the shadow must not cover (screen); empty for none.
    CRect ShadowSpare() const;
    void ResetShadowStrips();
    // Keeps what the screen shows under the window, for the shadow and the animation.
    void CaptureBackground();
    // The client rectangle less the shadow strips.
    CRect MenuRect() const;
    // Repaints the parent button where the shadow falls over it.
    void RepaintButtonUnderShadow();
    // In a look whose sub-menus join the item that opened them: the parent popup repainted,
    // and a sub-menu of a fully shown parent moved onto its edge.
    void JoinParentPopup();
    GTPopupPlacementInput PlacementInput() const;

    CGTPopupMenuBar m_MenuBar;
    HMENU m_Menu;
    CPoint m_Location;
    CPoint m_InitialLocation;
    CSize m_FinalSize;
    int m_ContentHeight;
    BOOL m_Painted;
    BOOL m_Closing;
    // Set while the window is being made: a refused popup then fails its creation.
    BOOL m_Creating;
    CSize m_AnimatedSize;
    BOOL m_RevealLeft;
    BOOL m_RevealTop;
    BOOL m_AnimationDone;
    BOOL m_Scrollable;
    CRect m_ScrollUpRect;
    CRect m_ScrollDownRect;
    int m_ScrollDirection;
    int m_ScrollButtonHeight;
    CGTDibSection m_AnimationImage;
    CGTDibSection m_Background;
    CGTDibSection m_BlendBuffer;
    CBitmap m_SavedRightStrip;
    CBitmap m_SavedBottomStrip;
    int m_ShadowSize;
    int m_FadePercent;
    BOOL m_TearOffTracking;
    BOOL m_TearOffHighlighted;
    CRect m_TearOffRect;
    CToolTipCtrl m_Tooltip;
    HMENU m_ExportedMenu;
    BOOL m_ShowFull;
    // The animation type this popup runs (the process's, or none).
    int m_Animation;
    // The bar the popup shows: its own menu bar, or one a derived popup puts in its place.
    CGTPopupMenuBar* m_Bar;

    static DWORD s_LastAnimationTick;
    static BOOL s_SavedRecentlyUsed;
};
