// One button on an auto-hide toolbar: it stands for a docking pane pinned away to the frame
// edge, shows the pane's icon and (on an active toolbar) its caption, and slides the pane
// out or in. Applications may put a derived class in s_ButtonClass.
#pragma once
#include <guitoolkit/core/GTLookTargets.h>

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
    // The pane leaves auto-hide mode; with a target it becomes a tab beside that pane.
    virtual void ForwardToPane(CGTDockingControlBar* iTarget);
    // The caption's size as the button shows it (along and across the strip).
    virtual CSize MeasureLabel();

    // IGTLookAutoHideButton.
    DWORD GetAlignment() const override { return m_Alignment; }
    BOOL IsHighlighted() const override;

    BOOL IsHorizontal() const;
    CSize MeasureButton();
    // Slides the pane out (or in) unless it already is, and makes the toolbar (in)active.
    void SlideOwnPane(BOOL iShow);
    CRect GetRect() const { return m_Rect; }
    void SetRect(const CRect& iRect) { m_Rect = iRect; }
    CGTDockingControlBar* GetPane() const { return m_Pane; }

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
    // Added to the length of buttons the look draws in its own style.
    static int s_OwnStyleOffset;
    // Buttons of an inactive toolbar show no label.
    static BOOL s_IconOnly;
    // The look's switch: buttons with borders.
    static BOOL s_DrawBorder;
    // What the buttons are made of.
    static CRuntimeClass* s_ButtonClass;

private:
    HICON PaneIcon() const;
    CString PaneText() const;
    BOOL ShowsLabel(BOOL iHasIcon) const;
};
