#include <guitoolkit/docking/CGTToolBox.h>

IMPLEMENT_DYNCREATE(CGTToolBoxEx, CGTTasksPane)

CGTToolBoxEx::CGTToolBoxEx()
{
    // Its pages scroll their own tools; the pane shows a scroll bar when the groups overflow.
    SetHoverScrollAreas(FALSE);
}

int CGTToolBoxEx::AddToolsPage(const CString& iLabel, UINT iBitmapId, CSize iImageSize, const CStringArray& iTools,
                               int iMode)
{
    auto* page = new CGTToolBoxPage;
    if (!page->Create(this, static_cast<UINT>(AFX_IDW_PANE_FIRST + GetGroupCount()), iMode)) {
        delete page;
        return -1;
    }
    page->SetToolBoxEx(this);
    page->LoadImages(iBitmapId, iImageSize);
    for (INT_PTR tool = 0; tool < iTools.GetSize(); ++tool)
        page->AddTool(iTools[tool], static_cast<int>(tool));
    CGTTasksGroup* group = AddGroup(0, iLabel);
    AddWindowTask(group, page->m_hWnd, page->GetPageHeight());
    AdjustLayout();
    return GetGroupIndex(group);
}

int CGTToolBoxEx::GetPageCount() const
{
    return GetGroupCount();
}

CGTToolBoxPage* CGTToolBoxEx::GetPage(int iGroup) const
{
    const CGTTasksGroup* group = GetGroup(iGroup);
    const CGTTask* task = group != nullptr ? group->GetTask(0) : nullptr;
    return task != nullptr ? DYNAMIC_DOWNCAST(CGTToolBoxPage, CWnd::FromHandlePermanent(task->m_ChildWindow)) : nullptr;
}

int CGTToolBoxEx::GetPageGroup(const CGTToolBoxPage* iPage) const
{
    for (int group = 0; group < GetGroupCount(); ++group) {
        if (GetPage(group) == iPage)
            return group;
    }
    return -1;
}

void CGTToolBoxEx::AdjustLayout()
{
    CGTTasksPane::AdjustLayout();
    // A page's height follows the width the layout gave it: a change lays the groups out again.
    BOOL changed = FALSE;
    for (int group = 0; group < GetGroupCount(); ++group) {
        CGTToolBoxPage* page = GetPage(group);
        CGTTask* task = GetGroup(group)->GetTask(0);
        if (page != nullptr && task->m_ChildHeight != page->GetPageHeight()) {
            task->m_ChildHeight = page->GetPageHeight();
            changed = TRUE;
        }
    }
    if (changed)
        CGTTasksPane::AdjustLayout();
}

void CGTToolBoxEx::OnClickTool(int iGroup, int)
{
    CGTToolBox::PostToolCommand(*this);
    for (int group = 0; group < GetGroupCount(); ++group) {
        if (CGTToolBoxPage* page = GetPage(group); page != nullptr && group != iGroup)
            page->SetSelected(-1);
    }
}
