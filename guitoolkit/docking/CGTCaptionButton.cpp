#include <guitoolkit/docking/CGTCaptionButton.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/GTDockingConstants.h>

IMPLEMENT_DYNAMIC(CGTCaptionButton, CObject)
IMPLEMENT_DYNAMIC(CGTCaptionMenuButton, CGTCaptionButton)

CGTCaptionButton::CGTCaptionButton(UINT iHitCode, BOOL iLeftAligned)
    : m_Pushed(FALSE), m_Focused(FALSE), m_Hidden(FALSE), m_Enabled(TRUE), m_DroppedDown(FALSE),
      m_GlyphColor(static_cast<COLORREF>(-1)), m_HitCode(iHitCode), m_LeftAligned(iLeftAligned), m_Position(0, 0)
{
}

CGTCaptionButton::~CGTCaptionButton() = default;

void CGTCaptionButton::OnDraw(CDC* iDc, BOOL iActive, BOOL, BOOL iMaximized, BOOL iDisabled)
{
    if (!m_Hidden)
        CGTVisualManager::GetCurrent()->DrawCaptionButton(iDc, this, iActive, FALSE, iMaximized,
                                                          iDisabled || !m_Enabled);
}

int CGTCaptionButton::GetIconID(BOOL iHorizontal, BOOL iMaximized) const
{
    switch (m_HitCode) {
    case GTHitWindowPosition:
        return iHorizontal ? (iMaximized ? 9 : 1) : (iMaximized ? 13 : 7);
    case GTHitPin:
        return iMaximized ? 15 : 16;
    case GTHitPaneClose:
    case GTHitFrameClose:
        return 5;
    case GTHitBack:
        return 27;
    case GTHitForward:
        return 28;
    case GTHitMenu:
        return 13;
    default:
        return -1;
    }
}

CSize CGTCaptionButton::GetDefaultSize()
{
    return CGTVisualManager::GetCurrent()->GetCaptionButtonDefaultSize();
}

CRect CGTCaptionButton::GetRect() const
{
    return m_Hidden ? CRect(m_Position, CSize(0, 0)) : CRect(m_Position, GetDefaultSize());
}

CGTCaptionMenuButton::CGTCaptionMenuButton(UINT iHitCode, BOOL iLeftAligned)
    : CGTCaptionButton(iHitCode, iLeftAligned), m_ChosenCommand(0), m_UseSystemMenu(TRUE), m_Dropped(FALSE)
{
}
