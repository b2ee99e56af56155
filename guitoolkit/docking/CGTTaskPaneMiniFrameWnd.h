// The floating frame of a tasks pane: besides the usual caption buttons, back, forward and a
// menu of the pane's other pages.
#pragma once
#include <guitoolkit/docking/CGTMiniFrameWnd.h>

class CGTTasksPane;

class CGTTaskPaneMiniFrameWnd : public CGTMiniFrameWnd {
    DECLARE_SERIAL(CGTTaskPaneMiniFrameWnd)
public:
    CGTTaskPaneMiniFrameWnd();

    void GetBorderSize(CRect& oBorders) const override;
    void ApplyCaptionButtonFlags(DWORD iFlags) override;
    CGTCaptionButton* CreateCaptionButton(UINT iHitCode) override;
    void RunCaptionButtonAction(UINT iHitCode) override;
    void HoverCaptionButtons(CPoint iScreenPoint) override;
    void EndCaptionButtonTracking() override;

    BOOL IsMenuOpen() const { return m_MenuOpen; }
    // The navigation buttons follow the held pane's pages and history.
    void UpdateNavigationButtons();

protected:
    afx_msg void OnNcPaint();
    afx_msg BOOL OnToolTipText(UINT iId, NMHDR* iHeader, LRESULT* oResult);
    DECLARE_MESSAGE_MAP()

    CGTTasksPane* GetTasksPane() const;

    // While the pages menu shows.
    BOOL m_MenuOpen;
};
