#include <guitoolkit/toolbars/CToolsList.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CGTToolsPage.h>
#include <guitoolkit/toolbars/GTPageResources.h>

namespace {
CGTUserTool* ToolOf(const CToolsList& iList, int iIndex)
{
    return reinterpret_cast<CGTUserTool*>(iList.GetItemData(iIndex));
}
}  // namespace

void CToolsList::OnSelectionChanged()
{
    const int selected = GetSelItem();
    m_Page.OnToolSelected(selected >= 0 ? ToolOf(*this, selected) : nullptr);
}

BOOL CToolsList::OnBeforeRemoveItem(int iIndex)
{
    CGTUserTool* tool = ToolOf(*this, iIndex);
    if (tool == m_Page.GetSelectedTool())
        m_Page.OnToolSelected(nullptr);
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current(); tools != nullptr && tool != nullptr)
        tools->RemoveTool(tool);
    return TRUE;
}

void CToolsList::OnAfterAddItem(int iIndex)
{
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    CGTUserTool* tool = tools != nullptr ? tools->CreateNewTool() : nullptr;
    if (tool == nullptr) {
        CString text;
        text.Format(LoadToolkitString(IDS_GT_TOO_MANY_TOOLS),
                    tools != nullptr ? static_cast<int>(tools->GetTools().GetCount()) : 0);
        AfxMessageBox(text);
        RemoveItem(iIndex);
        return;
    }
    tool->m_Label = GetItemText(iIndex);
    SetItemData(iIndex, reinterpret_cast<DWORD_PTR>(tool));
    SelectItem(iIndex);
    OnSelectionChanged();
}

void CToolsList::OnAfterRenameItem(int iIndex)
{
    if (CGTUserTool* tool = ToolOf(*this, iIndex))
        tool->m_Label = GetItemText(iIndex);
}

void CToolsList::OnAfterMoveItemUp(int iIndex)
{
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current())
        tools->MoveToolUp(ToolOf(*this, iIndex));
}

void CToolsList::OnAfterMoveItemDown(int iIndex)
{
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current())
        tools->MoveToolDown(ToolOf(*this, iIndex));
}
