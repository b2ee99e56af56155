// The auto-hide issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTAutoHideToolBar.h>

IMPLEMENT_DYNCREATE(CGTAutoHideButton, CObject)
IMPLEMENT_DYNCREATE(CGTAutoHideToolBar, CGTControlBar)

UINT CGTAutoHideButton::s_DisplayDelay = 400;
int CGTAutoHideButton::s_Margin = 2;
int CGTAutoHideButton::s_BorderWidth = 1;
int CGTAutoHideButton::s_IconTextGap = 10;
int CGTAutoHideButton::s_NoIconLength = 20;
BOOL CGTAutoHideButton::s_IconOnly = TRUE;
BOOL CGTAutoHideButton::s_DrawBorder = TRUE;
CRuntimeClass* CGTAutoHideButton::s_ButtonClass = RUNTIME_CLASS(CGTAutoHideButton);

CGTAutoHideButton::CGTAutoHideButton()
    : m_Rect(0, 0, 0, 0), m_Front(FALSE), m_Alignment(0), m_Visible(FALSE), m_ToolBar(nullptr), m_Pane(nullptr)
{
}

CGTAutoHideButton::~CGTAutoHideButton() = default;

BOOL CGTAutoHideButton::BindToPane(CGTAutoHideToolBar*, CGTDockingControlBar*, DWORD)
{
    return FALSE;
}

void CGTAutoHideButton::SetButtonVisible(BOOL iShow)
{
    m_Visible = iShow;
}

BOOL CGTAutoHideButton::IsButtonVisible() const
{
    return m_Visible;
}

void CGTAutoHideButton::PaintButton(CDC*) {}

void CGTAutoHideButton::PaintButtonFill(CDC*, CRect) {}

void CGTAutoHideButton::PaintButtonEdge(CDC*, CRect, CRect) {}

void CGTAutoHideButton::ForwardToPane(int) {}

CSize CGTAutoHideButton::MeasureLabel()
{
    return CSize(0, 0);
}

BOOL CGTAutoHideButton::IsHighlighted() const
{
    return FALSE;
}

CGTAutoHideToolBar::CGTAutoHideToolBar()
    : m_Buttons(10), m_LastActiveButton(nullptr), m_HoverArmed(FALSE), m_DisplayTimer(0)
{
}

CGTAutoHideToolBar::~CGTAutoHideToolBar()
{
    while (!m_Buttons.IsEmpty())
        delete m_Buttons.RemoveHead();
}

CGTAutoHideButton* CGTAutoHideToolBar::AddPaneButton(CGTDockingControlBar*, DWORD)
{
    return nullptr;
}

BOOL CGTAutoHideToolBar::RemovePaneButton(CGTDockingControlBar*)
{
    return FALSE;
}

void CGTAutoHideToolBar::SetPaneButtonVisible(CGTDockingControlBar*, BOOL, BOOL) {}

CGTAutoHideButton* CGTAutoHideToolBar::ButtonOfPane(CGTDockingControlBar*) const
{
    return nullptr;
}

CGTDockingControlBar* CGTAutoHideToolBar::FirstPane() const
{
    return nullptr;
}

CGTAutoHideButton* CGTAutoHideToolBar::ButtonAtPoint(CPoint) const
{
    return nullptr;
}

void CGTAutoHideToolBar::BroadcastToButtons(int) {}
