// The small buttons of a docked pane's caption and of a floating frame's caption (close, pin,
// window position, the task-pane navigation and menu buttons), drawn from the toolkit's caption
// glyphs through the current look.
#pragma once
#include <afxwin.h>
#include <guitoolkit/core/GTLookTargets.h>

class CGTCaptionButton : public CObject, public IGTLookCaptionButton {
    DECLARE_DYNAMIC(CGTCaptionButton)
public:
    CGTCaptionButton(UINT iHitCode = 0, BOOL iLeftAligned = FALSE);
    ~CGTCaptionButton() override;

    virtual void OnDraw(CDC* iDc, BOOL iActive, BOOL iHorizontal, BOOL iMaximized, BOOL iDisabled);
    // The menu glyph for the hit code; -1 for none.
    int GetIconID(BOOL iHorizontal, BOOL iMaximized) const override;

    static CSize GetDefaultSize();
    CRect GetRect() const;

    // IGTLookCaptionButton.
    BOOL IsPushed() const override { return m_Pushed; }
    BOOL IsHighlighted() const override { return m_Focused; }
    BOOL IsDroppedDown() const override { return m_DroppedDown; }
    BOOL IsHidden() const override { return m_Hidden; }
    COLORREF GetForegroundColor() const override { return m_GlyphColor; }
    CPoint GetPosition() const override { return m_Position; }
    UINT GetHitTest() const override { return m_HitCode; }
    BOOL IsOnMiniFrame() const override { return FALSE; }

    BOOL m_Pushed;
    BOOL m_Focused;
    BOOL m_Hidden;
    BOOL m_Enabled;
    BOOL m_DroppedDown;
    // The caption's text colour; -1 for none.
    COLORREF m_GlyphColor;
    UINT m_HitCode;
    BOOL m_LeftAligned;
    // Relative to the owning window's top-left corner.
    CPoint m_Position;
};

// A caption button that drops a menu.
class CGTCaptionMenuButton : public CGTCaptionButton {
    DECLARE_DYNAMIC(CGTCaptionMenuButton)
public:
    CGTCaptionMenuButton(UINT iHitCode = 0, BOOL iLeftAligned = FALSE);

    UINT m_ChosenCommand;
    // The plain system popup menu instead of the toolkit's.
    BOOL m_UseSystemMenu;
    BOOL m_Dropped;
};
