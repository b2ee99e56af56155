// The strip pieces of auto-hidden panes: each pane pinned away gets a toolbar with one button
// in a row of the auto-hide dock bar of its side; hovering a button slides its pane out.
#pragma once
#include <guitoolkit/core/GTLookTargets.h>
#include <guitoolkit/docking/CGTControlBar.h>

class CGTAutoHideToolBar;
class CGTDockingControlBar;

class CGTAutoHideButton : public CObject, public IGTLookAutoHideButton {
    DECLARE_DYNCREATE(CGTAutoHideButton)
public:
    CGTAutoHideButton();
    ~CGTAutoHideButton() override;

    virtual BOOL BindToPane(CGTAutoHideToolBar* iToolBar, CGTDockingControlBar* iPane, DWORD iAlignment);
    virtual void SetButtonVisible(BOOL iShow);
    virtual BOOL IsButtonVisible() const;
    virtual void PaintButton(CDC* iDc);
    virtual void PaintButtonFill(CDC* iDc, CRect iRect);
    virtual void PaintButtonEdge(CDC* iDc, CRect iButton, CRect iBorder);
    virtual void ForwardToPane(int iValue);
    virtual CSize MeasureLabel();

    // IGTLookAutoHideButton.
    DWORD GetAlignment() const override { return m_Alignment; }
    BOOL IsHighlighted() const override;

    CRect m_Rect;
    BOOL m_Front;
    DWORD m_Alignment;
    BOOL m_Visible;
    CGTAutoHideToolBar* m_ToolBar;
    CGTDockingControlBar* m_Pane;

    static UINT s_DisplayDelay;
    static int s_Margin;
    static int s_BorderWidth;
    static int s_IconTextGap;
    static int s_NoIconLength;
    // Buttons of an inactive toolbar show no label.
    static BOOL s_IconOnly;
    // The look's switch: buttons with borders.
    static BOOL s_DrawBorder;
    // What the buttons are made of.
    static CRuntimeClass* s_ButtonClass;
};

class CGTAutoHideToolBar : public CGTControlBar {
    DECLARE_DYNCREATE(CGTAutoHideToolBar)
public:
    CGTAutoHideToolBar();
    ~CGTAutoHideToolBar() override;

    CGTAutoHideButton* AddPaneButton(CGTDockingControlBar* iPane, DWORD iAlignment);
    BOOL RemovePaneButton(CGTDockingControlBar* iPane);
    void SetPaneButtonVisible(CGTDockingControlBar* iPane, BOOL iShow, BOOL iDelay);
    CGTAutoHideButton* ButtonOfPane(CGTDockingControlBar* iPane) const;
    CGTDockingControlBar* FirstPane() const;
    CGTAutoHideButton* ButtonAtPoint(CPoint iPoint) const;
    void BroadcastToButtons(int iValue);

protected:
    CObList m_Buttons;
    CGTAutoHideButton* m_LastActiveButton;
    BOOL m_HoverArmed;
    UINT_PTR m_DisplayTimer;
};
