#include <guitoolkit/docking/CGTTasksPane.h>
#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <memory>

namespace {
enum : UINT {
    memoryGrowth = 1024,
    archiveBuffer = 4096
};
const wchar_t settingsSection[] = L"VADETasksPanes";
const wchar_t settingsValue[] = L"Settings";

// Stored state of data versions from this one on holds the field group.
BOOL StoredSince(int iVersion)
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr)
        return FALSE;
    const int version = workspace->GetDataVersion();
    return version >= iVersion && version != 0x70000;
}
}  // namespace

void CGTTasksPane::Serialize(CArchive& ioArchive)
{
    CGTDockingControlBar::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        for (int metric : m_Metrics)
            ioArchive << metric;
        ioArchive << GetActivePage();
        ioArchive.WriteCount(static_cast<DWORD_PTR>(GetPageCount()));
        for (int page = 0; page < GetPageCount(); ++page)
            ioArchive << GetPageName(page);
        ioArchive << m_Caption;
        return;
    }
    if (StoredSince(0x60210)) {
        int metrics[metricCount];
        for (int& metric : metrics)
            ioArchive >> metric;
        int page = 0;
        ioArchive >> page;
        // A count past what the value holds is corrupt: each name takes a byte at least.
        const DWORD_PTR count = ioArchive.ReadCount();
        if (count > static_cast<DWORD_PTR>(ioArchive.GetFile()->GetLength()))
            AfxThrowArchiveException(CArchiveException::badIndex);
        CStringArray names;
        names.SetSize(static_cast<INT_PTR>(count));
        for (INT_PTR name = 0; name < names.GetSize(); ++name)
            ioArchive >> names[name];
        for (int metric = 0; metric < metricCount; ++metric)
            SetMetric(metric, metrics[metric]);
        if (names.GetSize() == GetPageCount()) {
            int index = 0;
            for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr; ++index)
                static_cast<CGTTasksPanePage*>(m_Pages.GetNext(position))->m_Name = names[index];
        }
        SetActivePage(page >= 0 && page < GetPageCount() ? page : 0);
        m_ScrollPosition = 0;
        AdjustLayout();
    }
    if (StoredSince(0x60500)) {
        ioArchive >> m_Caption;
        ApplyCaption();
    }
}

BOOL CGTTasksPane::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    BOOL written = FALSE;
    try {
        CMemFile file(memoryGrowth);
        {
            CArchive archive(&file, CArchive::store, archiveBuffer);
            Serialize(archive);
        }
        const UINT size = static_cast<UINT>(file.GetLength());
        const std::unique_ptr<BYTE, decltype(&free)> data(file.Detach(), &free);
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        written = registry.CreateKey(StateKey(settingsSection, L"VADETasksPane", iProfile, iIndex, iSubId)) &&
            registry.WriteBinary(settingsValue, data.get(), size);
    } catch (CMemoryException* error) {
        error->Delete();
    }
    return CGTDockingControlBar::SaveState(iProfile, iIndex, iSubId) && written;
}

BOOL CGTTasksPane::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    BYTE* raw = nullptr;
    UINT size = 0;
    if (!registry.Open(StateKey(settingsSection, L"VADETasksPane", iProfile, iIndex, iSubId)) ||
        !registry.ReadBinary(settingsValue, raw, size))
        return FALSE;
    const std::unique_ptr<BYTE[]> data(raw);
    auto read = [&](CGTTasksPane& ioPane) {
        CMemFile file(data.get(), size);
        CArchive archive(&file, CArchive::load, archiveBuffer);
        ioPane.Serialize(archive);
    };
    // A value that a scratch pane cannot read whole changes nothing here.
    try {
        CGTTasksPane scratch;
        read(scratch);
    } catch (CException* error) {
        error->Delete();
        return FALSE;
    }
    read(*this);
    return CGTDockingControlBar::LoadState(iProfile, iIndex, iSubId);
}

CTaskCmdUI::CTaskCmdUI(CGTTasksPane& iPane, CGTTasksGroup& iGroup) : m_Pane(iPane), m_Group(iGroup) {}

void CTaskCmdUI::Enable(BOOL iOn)
{
    m_bEnableChanged = TRUE;
    for (POSITION position = m_Group.m_Tasks.GetHeadPosition(); position != nullptr;) {
        auto* task = static_cast<CGTTask*>(m_Group.m_Tasks.GetNext(position));
        if (task->m_Command != m_nID || task->m_Enabled == iOn)
            continue;
        task->m_Enabled = iOn;
        m_Pane.InvalidateRect(task->m_Rect);
        if (task->m_ChildWindow != nullptr)
            ::EnableWindow(task->m_ChildWindow, iOn);
    }
}

void CTaskCmdUI::SetText(LPCWSTR iText)
{
    CString text(iText);
    if (const int tab = text.Find(L'\t'); tab >= 0)
        text = text.Left(tab);
    for (POSITION position = m_Group.m_Tasks.GetHeadPosition(); position != nullptr;) {
        auto* task = static_cast<CGTTask*>(m_Group.m_Tasks.GetNext(position));
        if (task->m_Command != m_nID || task->m_Text == text)
            continue;
        task->m_Text = text;
        m_Pane.InvalidateRect(task->m_Rect);
    }
}

void CGTTasksPane::OnUpdateCmdUI(CFrameWnd* iTarget, BOOL iDisableIfNoHandler)
{
    int index = 0;
    for (POSITION position = m_Groups.GetHeadPosition(); position != nullptr; ++index) {
        auto* group = static_cast<CGTTasksGroup*>(m_Groups.GetNext(position));
        for (POSITION task = group->m_Tasks.GetHeadPosition(); task != nullptr;) {
            const UINT command = static_cast<CGTTask*>(group->m_Tasks.GetNext(task))->m_Command;
            if (command == 0 || (command >= 0xF000 && command < 0xF1F0) || command >= 0xFF00)
                continue;
            const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
            const BOOL userTool = tools != nullptr && tools->IsInRange(command);
            CTaskCmdUI state(*this, *group);
            state.m_nID = command;
            state.m_nIndex = static_cast<UINT>(index);
            state.m_pOther = this;
            state.DoUpdate(iTarget, iDisableIfNoHandler && !userTool);
        }
    }
    CGTDockingControlBar::OnUpdateCmdUI(iTarget, iDisableIfNoHandler);
}
