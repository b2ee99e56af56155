// The outlook-pane issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTOutlookBarPane.h>

IMPLEMENT_SERIAL(CGTOutlookButton, CGTToolbarButton, 1)
IMPLEMENT_SERIAL(CGTOutlookBarPane, CGTToolBar, 1)

CSize CGTOutlookBarPane::s_SharedImageSize(0, 0);

CGTOutlookButton::CGTOutlookButton() : m_ParentPane(nullptr), m_ImageSize(0, 0), m_WholeText(TRUE) {}

CGTOutlookBarPane::CGTOutlookBarPane()
    : m_BackgroundId(0), m_TextColor(static_cast<COLORREF>(-1)), m_IconBackdrop(RGB(255, 0, 255)), m_ScrollOffset(0),
      m_FirstVisible(0), m_CanScrollDown(FALSE), m_HighlightImage(FALSE), m_TearOffTarget(nullptr), m_NoRelayout(FALSE),
      m_ShowLabels(TRUE)
{
}

CGTOutlookBarPane::~CGTOutlookBarPane() = default;

BOOL CGTOutlookBarPane::InsertCommandButton(int, LPCWSTR, UINT, int)
{
    return FALSE;
}

BOOL CGTOutlookBarPane::InsertBitmapButton(HBITMAP, LPCWSTR, UINT, int)
{
    return FALSE;
}

BOOL CGTOutlookBarPane::InsertIconButton(HICON, LPCWSTR, UINT, int, BOOL)
{
    return FALSE;
}

BOOL CGTOutlookBarPane::DeleteCommandButton(UINT)
{
    return FALSE;
}

void CGTOutlookBarPane::SetBackgroundBitmap(UINT) {}

BOOL CGTOutlookBarPane::CreatePane(CWnd*, DWORD, UINT, DWORD)
{
    return FALSE;
}
