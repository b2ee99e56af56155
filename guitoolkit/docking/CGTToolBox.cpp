// The tool-box issue fills in these bodies; what stands here are the Part's defaults.
#include <guitoolkit/docking/CGTToolBox.h>

IMPLEMENT_DYNAMIC(CGTToolBoxButton, CObject)
IMPLEMENT_DYNCREATE(CGTToolBoxPage, CGTControlBar)
IMPLEMENT_DYNCREATE(CGTToolBoxBar, CGTOutlookBar)
IMPLEMENT_DYNCREATE(CGTToolBox, CGTDockingControlBar)
IMPLEMENT_DYNCREATE(CGTToolBoxEx, CGTTasksPane)

CGTToolBoxButton::CGTToolBoxButton() : m_Selected(FALSE), m_Rect(0, 0, 0, 0), m_Image(-1) {}

void CGTToolBoxButton::OnDraw(CDC*) {}

CGTToolBoxPage::CGTToolBoxPage()
    : m_ImageSize(0, 0), m_Selected(-1), m_Highlighted(-1), m_ToolBox(nullptr), m_ToolBoxEx(nullptr), m_ScrollRows(0),
      m_HiddenRows(0), m_Flag(TRUE), m_ColorStamp(0), m_Mode(0)
{
}

CGTToolBoxPage::~CGTToolBoxPage()
{
    for (INT_PTR i = 0; i < m_Buttons.GetSize(); ++i)
        delete m_Buttons[i];
}

int CGTToolBoxPage::HitTest(CPoint)
{
    return -1;
}

int CGTToolBoxPage::GetPageHeight() const
{
    return 0;
}

BOOL CGTToolBoxPage::SetSelected(int)
{
    return FALSE;
}

void CGTToolBoxPage::ScrollTo(int) {}

void CGTToolBox::OnClickTool(int, int) {}

void CGTToolBox::OnScrollPage(BOOL) {}

void CGTToolBoxEx::OnClickTool(int, int) {}

int CGTToolBoxEx::GetPageCount() const
{
    return 0;
}

CGTToolBoxPage* CGTToolBoxEx::GetPage(int) const
{
    return nullptr;
}
