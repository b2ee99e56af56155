#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistry.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <memory>

namespace {
enum : UINT {
    memoryGrowth = 1024,
    archiveBuffer = 4096
};

// Stored state written before this version has no count of shown page buttons.
BOOL HasShownCount()
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr)
        return FALSE;
    const int version = workspace->GetDataVersion();
    return version >= 0x60710 && version != 0x70000;
}
}  // namespace

CString CGTOutlookBar::StateKey(LPCWSTR iProfile, int iIndex, UINT iSubId) const
{
    // The indexed key has the section path followed by a letter s: stored state is found by it.
    return CGTBaseControlBar::StateKey(CGTDockingValues::OutlookBarSection(),
                                       iSubId == static_cast<UINT>(-1) ? L"VADEOutlookBar" : L"sVADEOutlookBar",
                                       iProfile, iIndex, iSubId);
}

BOOL CGTOutlookBar::SaveState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    BOOL saved = CGTBaseTabbedBar::SaveState(iProfile, iIndex, iSubId);
    CMemFile file(memoryGrowth);
    {
        CArchive archive(&file, CArchive::store, archiveBuffer);
        archive << static_cast<int>(m_CustomPages.GetCount());
        for (POSITION position = m_CustomPages.GetHeadPosition(); position != nullptr;) {
            auto* page = static_cast<CGTOutlookBarPane*>(m_CustomPages.GetNext(position));
            const int id = page->GetDlgCtrlID();
            saved = page->SaveState(iProfile, id, static_cast<UINT>(id)) && saved;
            CString label;
            CWnd* holder = page->GetParent() == m_TabWnd ? static_cast<CWnd*>(page) : page->GetParent();
            holder->GetWindowText(label);
            archive << id << label;
        }
        const CGTOutlookWnd* outlook = GetOutlookWnd();
        archive << (outlook != nullptr ? outlook->GetPageButtonsShown() : -1);
    }
    const UINT size = static_cast<UINT>(file.GetLength());
    BYTE* data = file.Detach();
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    const BOOL written = registry.CreateKey(StateKey(iProfile, iIndex, iSubId)) &&
        registry.WriteBinary(CGTDockingValues::OutlookCustomPagesValue(), data, size);
    free(data);
    return saved && written;
}

BOOL CGTOutlookBar::ReadCustomPages(const BYTE* iData, UINT iSize, CArray<UINT, UINT>& oIds, CStringArray& oLabels,
                                    int& oShown, BOOL& oHasShown) const
{
    CMemFile file(const_cast<BYTE*>(iData), iSize);
    CArchive archive(&file, CArchive::load, archiveBuffer);
    try {
        int count = 0;
        archive >> count;
        if (count < 0 || static_cast<UINT>(count) > customPageIdCount)
            return FALSE;
        for (int page = 0; page < count; ++page) {
            int id = 0;
            CString label;
            archive >> id >> label;
            oIds.Add(static_cast<UINT>(id));
            oLabels.Add(label);
        }
        oHasShown = HasShownCount();
        if (oHasShown)
            archive >> oShown;
    } catch (CException* error) {
        error->Delete();
        return FALSE;
    }
    for (INT_PTR index = 0; index < oIds.GetSize(); ++index) {
        const UINT id = oIds[index];
        if (id < firstCustomPageId || id >= firstCustomPageId + customPageIdCount)
            return FALSE;
        // An id that one of the bar's own pages holds cannot be given to a custom page.
        for (int tab = 0; m_TabWnd != nullptr && tab < m_TabWnd->GetTabCount(); ++tab) {
            CWnd* window = m_TabWnd->GetTabWndUnwrapped(tab);
            if (window != nullptr && static_cast<UINT>(window->GetDlgCtrlID()) == id &&
                m_CustomPages.Find(window) == nullptr)
                return FALSE;
        }
    }
    return TRUE;
}

BOOL CGTOutlookBar::LoadState(LPCWSTR iProfile, int iIndex, UINT iSubId)
{
    CGTBaseTabbedBar::LoadState(iProfile, iIndex, iSubId);
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    BYTE* raw = nullptr;
    UINT size = 0;
    if (!registry.Open(StateKey(iProfile, iIndex, iSubId)) ||
        !registry.ReadBinary(CGTDockingValues::OutlookCustomPagesValue(), raw, size))
        return FALSE;
    const std::unique_ptr<BYTE[]> data(raw);
    CArray<UINT, UINT> ids;
    CStringArray labels;
    int shown = -1;
    BOOL hasShown = FALSE;
    if (!ReadCustomPages(data.get(), size, ids, labels, shown, hasShown))
        return FALSE;
    for (INT_PTR index = 0; index < ids.GetSize(); ++index) {
        if (FindCustomPage(ids[index]) == nullptr)
            AddCustomPage(ids[index], labels[index], iProfile);
    }
    if (hasShown && GetOutlookWnd() != nullptr)
        GetOutlookWnd()->SetPageButtonsShown(shown);
    return TRUE;
}

BOOL CGTOutlookBar::AddCustomPage(UINT iId, const CString& iLabel, LPCWSTR iProfile)
{
    auto* page = new CGTOutlookBarPane;
    // The page sits in the outlook window, as the pages added by the owner do.
    if (m_TabWnd == nullptr || !page->CreatePane(m_TabWnd, 0x50402808, iId, 0)) {
        delete page;
        return FALSE;
    }
    page->SetOwner(GetOwner());
    page->LoadState(iProfile, static_cast<int>(iId), iId);
    m_CustomPages.AddTail(page);
    page->SetWindowText(iLabel);
    m_TabWnd->AddTab(page, iLabel, static_cast<UINT>(-1), TRUE);
    return TRUE;
}

CGTOutlookBarPane* CGTOutlookBar::FindCustomPage(UINT iId) const
{
    for (POSITION position = m_CustomPages.GetHeadPosition(); position != nullptr;) {
        auto* page = static_cast<CGTOutlookBarPane*>(m_CustomPages.GetNext(position));
        if (static_cast<UINT>(page->GetDlgCtrlID()) == iId)
            return page;
    }
    return nullptr;
}
