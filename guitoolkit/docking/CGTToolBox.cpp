#include <guitoolkit/docking/CGTToolBox.h>

IMPLEMENT_DYNCREATE(CGTToolBoxBar, CGTOutlookBar)
IMPLEMENT_DYNCREATE(CGTToolBox, CGTDockingControlBar)
IMPLEMENT_DYNCREATE(CGTToolBoxEx, CGTTasksPane)

void CGTToolBoxPage::NotifyHost(int iTool)
{
    if (m_ToolBox != nullptr)
        m_ToolBox->OnClickTool(m_ToolBox->GetPageIndex(this), iTool);
    else if (m_ToolBoxEx != nullptr)
        m_ToolBoxEx->OnClickTool(m_ToolBoxEx->GetGroupIndex(this), iTool);
}

int CGTToolBox::GetPageIndex(const CGTToolBoxPage*) const
{
    return -1;
}

int CGTToolBoxEx::GetGroupIndex(const CGTToolBoxPage*) const
{
    return -1;
}

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
