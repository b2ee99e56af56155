// The strip pieces of auto-hidden panes: each pane pinned away gets a toolbar with one button
// in a row of the auto-hide dock bar of its side; hovering a button slides its pane out.
#pragma once
#include <guitoolkit/docking/CGTAutoHideButton.h>
#include <guitoolkit/docking/CGTControlBar.h>

class CGTDockingControlBar;

class CGTAutoHideToolBar : public CGTControlBar {
    DECLARE_DYNCREATE(CGTAutoHideToolBar)
public:
    CGTAutoHideToolBar();
    ~CGTAutoHideToolBar() override;

    // The size of its (last) button; the window takes it.
    CSize GetStretchLimit(BOOL iStretch, BOOL iHorizontal) override;
    void DoPaint(CDC* iDc) override;
    // An active toolbar makes the others of its row inactive.
    void SetRowActive(BOOL iActive) override;

    // Null for a window that is not a docking pane, or a button that cannot bind to it.
    CGTAutoHideButton* AddPaneButton(CGTDockingControlBar* iPane, DWORD iAlignment);
    // Destroys the toolbar when its last button goes; FALSE when the pane has no button here.
    BOOL RemovePaneButton(CGTDockingControlBar* iPane);
    void SetPaneButtonVisible(CGTDockingControlBar* iPane, BOOL iShow, BOOL iDelay);
    // The dock bar shows the toolbar while a button is visible and hides it otherwise.
    void SyncStripVisibility();
    int CountVisibleButtons() const;
    CGTAutoHideButton* ButtonOfPane(CGTDockingControlBar* iPane) const;
    CGTDockingControlBar* FirstPane() const;
    // Client coordinates; buttons in front first.
    CGTAutoHideButton* ButtonAtPoint(CPoint iPoint) const;
    // Every pane of the toolbar leaves auto-hide mode (see CGTAutoHideButton::ForwardToPane).
    void BroadcastToButtons(CGTDockingControlBar* iTarget);
    void DeleteAllButtons();
    const CObList& GetButtons() const { return m_Buttons; }
    BOOL IsHoverArmed() const { return m_HoverArmed; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT iCreate);
    // The buttons draw their own edges: the whole window is client area.
    afx_msg void OnNcCalcSize(BOOL iCalcValidRects, NCCALCSIZE_PARAMS* ioParams);
    afx_msg void OnNcPaint();
    afx_msg void OnMouseMove(UINT iFlags, CPoint iPoint);
    afx_msg void OnNcDestroy();
    afx_msg void OnTimer(UINT_PTR iId);
    afx_msg void OnLButtonDown(UINT iFlags, CPoint iPoint);
    DECLARE_MESSAGE_MAP()
    void PostNcDestroy() override;

    void KillDisplayTimer();
    void RelayoutDockBar();

    CObList m_Buttons;
    CGTAutoHideButton* m_LastActiveButton;
    BOOL m_HoverArmed;
    UINT_PTR m_DisplayTimer;
};
