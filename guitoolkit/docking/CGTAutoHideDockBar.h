// The thin strip along a frame edge that holds the auto-hide toolbars of the panes pinned
// away on that side: one row, its toolbars one after another with a fixed spacing.
#pragma once
#include <guitoolkit/docking/CGTDockBar.h>

class CGTAutoHideToolBar;

class CGTAutoHideDockBar : public CGTDockBar {
    DECLARE_DYNCREATE(CGTAutoHideDockBar)
public:
    CGTAutoHideDockBar();

    // Only auto-hide toolbars.
    BOOL CanAcceptBar(const CGTBaseControlBar* iBar) const override;
    // After the last toolbar of the one row (made by the first toolbar); method and rectangle
    // are not used.
    BOOL DockControlBar(CGTControlBar* iBar, int iMethod, LPCRECT iRect) override;
    // The row lays its toolbars out again; the rectangle is not used.
    void OnDockBarResized(const CRect& iNewRect) override;
    GTLookBarKind GetLookKind() const override { return GTLookBarKind::AutoHideDockBar; }

    // Gives the panes of the toolbar's group back (null: of every group).
    void RestoreAutoHideGroup(CGTAutoHideToolBar* iToolBar);
    void SetStartOffset(int iOffset) { m_StartOffset = iOffset; }
    int GetStartOffset() const { return m_StartOffset; }

    // Added to a toolbar's thickness and kept as the row's extra thickness.
    static int s_Margin;
    static int s_StartOffset;
    // Between the toolbars of a row.
    static int s_Spacing;
    // How far a toolbar that does not start a group is pulled back, beyond the spacing.
    static int s_PullBack;

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // The toolbars of the toolbar's group in row order; the toolbar alone when it is in no
    // row or its group comes out empty.
    void CollectGroup(CGTAutoHideToolBar* iToolBar, CObList& oGroup) const;

    int m_StartOffset;
};
