#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTOwnedObList.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
CGTUserToolsManager* currentManager = nullptr;

CString SectionPath(LPCWSTR profile)
{
    return BuildRegistrySectionPath(L"RIRUserToolsManager", profile);
}

// A removed tool's command has nothing to run: no bar keeps a button for it.
void RemoveCommandButtons(UINT commandId)
{
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(bars.GetNext(position));
        BOOL removed = FALSE;
        for (int index; (index = bar->CommandToIndex(commandId)) >= 0 && bar->RemoveButton(index);)
            removed = TRUE;
        if (removed)
            bar->AdjustLayout();
    }
}
}  // namespace

CGTUserToolsManager::CGTUserToolsManager(UINT iFirstCommandId, UINT iLastCommandId, CRuntimeClass* iToolClass,
                                         UINT iArgumentsMenuId, UINT iInitialDirectoryMenuId)
    : m_FirstCommandId(iFirstCommandId), m_LastCommandId(iLastCommandId), m_ToolClass(iToolClass),
      m_ArgumentsMenuId(iArgumentsMenuId), m_InitialDirectoryMenuId(iInitialDirectoryMenuId)
{
    currentManager = this;
}

CGTUserToolsManager::~CGTUserToolsManager()
{
    DeleteTools();
    if (currentManager == this)
        currentManager = nullptr;
}

CGTUserToolsManager* CGTUserToolsManager::Current()
{
    return currentManager;
}

void CGTUserToolsManager::DeleteTools()
{
    while (!m_Tools.IsEmpty())
        delete m_Tools.RemoveHead();
}

BOOL CGTUserToolsManager::SaveState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    return registry.CreateKey(SectionPath(iProfile)) && registry.WriteSerializable(L"Tools", m_Tools);
}

BOOL CGTUserToolsManager::LoadState(LPCWSTR iProfile)
{
    // Read aside: stored tools that do not load leave the manager's as they are.
    CGTOwnedObList loaded(RUNTIME_CLASS(CGTUserTool));
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(SectionPath(iProfile)) || !registry.ReadSerializable(L"Tools", loaded))
        return FALSE;
    DeleteTools();
    loaded.MoveTo(m_Tools);
    return TRUE;
}

CGTUserTool* CGTUserToolsManager::CreateNewTool()
{
    if (m_LastCommandId < m_FirstCommandId ||
        static_cast<UINT>(m_Tools.GetCount()) >= m_LastCommandId - m_FirstCommandId + 1)
        return nullptr;
    UINT commandId = m_FirstCommandId;
    while (FindToolByCommand(commandId) != nullptr)
        ++commandId;
    CGTUserTool* tool = static_cast<CGTUserTool*>(m_ToolClass->CreateObject());
    if (tool == nullptr)
        return nullptr;
    tool->m_CommandId = commandId;
    m_Tools.AddTail(tool);
    return tool;
}

BOOL CGTUserToolsManager::RemoveTool(CGTUserTool* iTool)
{
    POSITION position = m_Tools.Find(iTool);
    if (position == nullptr)
        return FALSE;
    m_Tools.RemoveAt(position);
    const UINT commandId = iTool->m_CommandId;
    delete iTool;
    RemoveCommandButtons(commandId);
    return TRUE;
}

BOOL CGTUserToolsManager::MoveToolUp(CGTUserTool* iTool)
{
    return MoveTool(iTool, TRUE);
}

BOOL CGTUserToolsManager::MoveToolDown(CGTUserTool* iTool)
{
    return MoveTool(iTool, FALSE);
}

BOOL CGTUserToolsManager::MoveTool(CGTUserTool* iTool, BOOL iUp)
{
    POSITION position = m_Tools.Find(iTool);
    if (position == nullptr)
        return FALSE;
    POSITION neighbour = position;
    if (iUp)
        m_Tools.GetPrev(neighbour);
    else
        m_Tools.GetNext(neighbour);
    if (neighbour == nullptr)
        return FALSE;
    m_Tools.RemoveAt(position);
    if (iUp)
        m_Tools.InsertBefore(neighbour, iTool);
    else
        m_Tools.InsertAfter(neighbour, iTool);
    return TRUE;
}

CGTUserTool* CGTUserToolsManager::FindToolByCommand(UINT iCommandId) const
{
    if (!IsInRange(iCommandId))
        return nullptr;
    for (POSITION position = m_Tools.GetHeadPosition(); position != nullptr;) {
        CGTUserTool* tool = static_cast<CGTUserTool*>(m_Tools.GetNext(position));
        if (tool->m_CommandId == iCommandId)
            return tool;
    }
    return nullptr;
}

BOOL CGTUserToolsManager::InvokeToolByCommand(UINT iCommandId)
{
    CGTUserTool* tool = FindToolByCommand(iCommandId);
    return tool != nullptr && tool->Invoke();
}
