// The frame's docking layout in the registry: "<section>VADEDockManager-<id>", binary value
// "DockingCBAndSliders", four counted sections (tabbed panes that stay docked, docked panes
// with their sliders, floating mini frames, auto-hidden panes). Each bar keeps its own values
// under its own key; this value says how they fit together. A load only reads: the panes
// move when the frame applies what was read.
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/core/CGTDockingValues.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/RegistrySectionPath.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/docking/GTPaneStateAccess.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <algorithm>
#include <memory>
#include <new>
#include <vector>

namespace {
const LPCWSTR layoutValue = L"DockingCBAndSliders";
const int sliderEntry = 0;
const int paneEntry = 1;
const int tabbedPaneId = -1;

CString LayoutKey(LPCWSTR iProfile, UINT iId)
{
    CString key;
    key.Format(L"%sVADEDockManager-%d",
               static_cast<LPCWSTR>(BuildRegistrySectionPath(CGTDockingValues::DockManagerSection(), iProfile)),
               static_cast<int>(iId));
    return key;
}

template <class Each>
void ForEach(const CObList& iList, Each iEach)
{
    for (POSITION position = iList.GetHeadPosition(); position != nullptr;)
        iEach(iList.GetNext(position));
}

// Bars of the bar list that keep their own registry values: docking panes and the control bars
// that are not toolbars.
BOOL KeepsOwnState(CObject* iEntry)
{
    return iEntry->IsKindOf(RUNTIME_CLASS(CGTControlBar)) && !iEntry->IsKindOf(RUNTIME_CLASS(CGTToolBar));
}

CGTDockingControlBar* AutoHiddenPaneOf(CObject* iSlider)
{
    auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iSlider);
    CGTBarContainerManager* manager = slider != nullptr ? slider->GetContainerManager() : nullptr;
    return manager != nullptr ? manager->GetFirstControlBar() : nullptr;
}

// The state savers of every bar the layout names: the listed bars, the auto-hidden panes and
// the mini frames.
template <class BarAction, class FrameAction>
void ForEachStateKeeper(const CObList& iBars, const CObList& iAutoHideSliders, const CObList& iFrames,
                        BarAction iBarAction, FrameAction iFrameAction)
{
    ForEach(iBars, [&](CObject* iEntry) {
        if (KeepsOwnState(iEntry))
            iBarAction(*static_cast<CGTBaseControlBar*>(iEntry));
    });
    ForEach(iAutoHideSliders, [&](CObject* iSlider) {
        if (CGTDockingControlBar* pane = AutoHiddenPaneOf(iSlider))
            iBarAction(*pane);
    });
    ForEach(iFrames, [&](CObject* iFrame) { iFrameAction(*static_cast<CGTMiniFrameWnd*>(iFrame)); });
}

BOOL IsEmptyFloatableTabbedPane(CObject* iEntry)
{
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iEntry);
    return tabbed != nullptr && tabbed->CountTabs() == 0 && tabbed->CanFloat();
}

// A pane docked at a frame edge keeps its docked rectangle only when it last moved by a drag;
// one docked by the application would be saved with a stale one, and its group brought back
// at that size.
void RecordDockedPlace(CGTBaseControlBar& ioBar, CWnd* iFrame)
{
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, &ioBar);
    if (pane == nullptr || iFrame == nullptr || pane->GetDefaultSliderObject() == nullptr || pane->IsTabbed() ||
        pane->GetParentMiniFrame() != nullptr)
        return;
    CRect rect;
    pane->GetWindowRect(&rect);
    iFrame->ScreenToClient(&rect);
    pane->GetRecentDockInfo().m_docked.m_rectPane = rect;
}

VADE_AUTOHIDEBAR_SAVE_INFO RecordOf(const CGTDockingControlBar& iPane)
{
    VADE_AUTOHIDEBAR_SAVE_INFO record;
    record.m_nPaneId = iPane.GetDlgCtrlID();
    record.m_dwSide = iPane.GetCurrentAlignment();
    record.m_bShown = !iPane.CanHideAutoHiddenPane() || iPane.IsVisible();
    iPane.GetWindowRect(&record.m_rectPane);
    if (record.m_rectPane.IsRectEmpty())
        record.m_rectPane = GTPaneStateAccess::RestoredRectOf(iPane);
    if (const CGTAutoHideToolBar* toolBar = GTPaneStateAccess::AutoHideToolBarOf(iPane)) {
        record.m_bFirstInGroup = toolBar->IsGroupFirst();
        record.m_bLastInGroup = toolBar->IsGroupLast();
        record.m_bActiveInGroup = toolBar->IsRowActive();
    }
    return record;
}

// A docked-panes entry as the words it writes: a slider is written by its own record instead.
std::vector<int> PaneEntryWords(CGTDockingControlBar& iPane)
{
    const int id = iPane.GetDlgCtrlID();
    if (id != tabbedPaneId)
        return {paneEntry, id};
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, &iPane);
    CWnd* first = tabbed != nullptr && tabbed->CountTabs() > 0 ? tabbed->GetBarOfTab(0, TRUE) : nullptr;
    if (first == nullptr)
        return {};
    return {paneEntry, tabbedPaneId, first->GetDlgCtrlID()};
}

void WriteTabbedPanes(CArchive& ioArchive, const CObList& iBars)
{
    std::vector<CGTBaseTabbedBar*> panes;
    ForEach(iBars, [&](CObject* iEntry) {
        auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iEntry);
        if (tabbed != nullptr && !tabbed->CanFloat())
            panes.push_back(tabbed);
    });
    ioArchive << static_cast<int>(panes.size());
    for (CGTBaseTabbedBar* tabbed : panes) {
        ioArchive << tabbed->GetDlgCtrlID();
        CGTTabWnd empty;
        CGTBaseTabWnd* tabs = tabbed->GetTabWindow();
        (tabs != nullptr ? *tabs : empty).Serialize(ioArchive);
    }
}

void WriteDockedPanes(CArchive& ioArchive, const CObList& iBars)
{
    std::vector<CGTSlider*> sliders;
    std::vector<std::vector<int>> entries;
    for (POSITION position = iBars.GetTailPosition(); position != nullptr;) {
        CObject* entry = iBars.GetPrev(position);
        auto* slider = DYNAMIC_DOWNCAST(CGTSlider, entry);
        auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, entry);
        if (slider != nullptr && slider->DoesContainerFloat()) {
            sliders.push_back(slider);
            entries.push_back({});
        } else if (pane != nullptr && pane->CanFloat()) {
            std::vector<int> words = PaneEntryWords(*pane);
            if (!words.empty()) {
                sliders.push_back(nullptr);
                entries.push_back(words);
            }
        }
    }
    ioArchive << static_cast<int>(entries.size());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (sliders[i] != nullptr) {
            ioArchive << sliderEntry;
            sliders[i]->Serialize(ioArchive);
        }
        for (int word : entries[i])
            ioArchive << word;
    }
}

void WriteMiniFrames(CArchive& ioArchive, const CObList& iFrames)
{
    std::vector<CGTMiniFrameWnd*> frames;
    ForEach(iFrames, [&](CObject* iFrame) {
        if (static_cast<CGTMiniFrameWnd*>(iFrame)->GetBarCount() > 0)
            frames.push_back(static_cast<CGTMiniFrameWnd*>(iFrame));
    });
    ioArchive << static_cast<int>(frames.size());
    for (CGTMiniFrameWnd* frame : frames)
        ioArchive.WriteObject(frame);
}

void WriteAutoHidePanes(CArchive& ioArchive, const CObList& iAutoHideSliders)
{
    std::vector<VADE_AUTOHIDEBAR_SAVE_INFO> records;
    ForEach(iAutoHideSliders, [&](CObject* iSlider) {
        if (CGTDockingControlBar* pane = AutoHiddenPaneOf(iSlider))
            records.push_back(RecordOf(*pane));
    });
    ioArchive << static_cast<int>(records.size());
    for (VADE_AUTOHIDEBAR_SAVE_INFO& record : records)
        record.Serialize(ioArchive);
}

// A docked pane the slider's group holds: by its id, or the tabbed pane whose tabs begin with
// the id.
CGTDockingControlBar* PaneOfSlider(const CGTSlider& iSlider, int iId, BOOL iTabbed)
{
    CGTBarContainerManager* manager = iSlider.GetContainerManager();
    if (manager == nullptr)
        return nullptr;
    if (iTabbed)
        return manager->FindTabbedBarByTabID(iId);
    for (POSITION position = manager->GetBars().GetHeadPosition(); position != nullptr;) {
        auto* pane = static_cast<CGTDockingControlBar*>(manager->GetBars().GetNext(position));
        if (pane->GetSafeHwnd() != nullptr && pane->GetDlgCtrlID() == iId)
            return pane;
    }
    return nullptr;
}

// A pane entry read before its slider, or one whose pane was not found yet.
struct SetAsideEntry {
    int id;
    BOOL tabbed;
};

// Destroys a slider or mini frame that a failed load made; one whose window never came to be
// is only deleted.
void DiscardLoadedWindow(CWnd* iWindow)
{
    if (iWindow->GetSafeHwnd() != nullptr)
        iWindow->DestroyWindow();
    else
        delete iWindow;
}

// Where a load puts what it reads: the dock manager's loaded lists.
struct LoadedLayout {
    CObList& tabbedPanes;
    CObList& dockedBars;
    CObList& floatFrames;
    CList<VADE_AUTOHIDEBAR_SAVE_INFO, VADE_AUTOHIDEBAR_SAVE_INFO&>& autoHideRecords;
};

// A tabbed pane that is gone, or has no tab window, still has its record read, into a scratch
// tab window, so that what follows stays in step.
void ReadTabbedPanes(CArchive& ioArchive, CGTDockManager& ioManager, CObList& oLoaded)
{
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        int id = 0;
        ioArchive >> id;
        auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, ioManager.FindBarById(static_cast<UINT>(id), TRUE));
        CGTBaseTabWnd* tabs = tabbed != nullptr ? tabbed->GetTabWindow() : nullptr;
        if (tabs == nullptr) {
            CGTTabWnd scratch;
            scratch.Serialize(ioArchive);
            continue;
        }
        tabs->Serialize(ioArchive);
        oLoaded.AddTail(tabbed);
    }
}

// Each pane follows the slider whose group it joins in the loaded list; panes are only read
// here and move when the layout is applied.
void ReadDockedPanes(CArchive& ioArchive, CGTDockManager& ioManager, CObList& oLoaded)
{
    int count = 0;
    ioArchive >> count;
    CGTSlider* current = nullptr;
    std::vector<SetAsideEntry> setAside;
    for (int i = 0; i < count; ++i) {
        int kind = 0;
        ioArchive >> kind;
        if (kind == sliderEntry) {
            auto* slider = DYNAMIC_DOWNCAST(CGTSlider, CGTSlider::s_SliderClass->CreateObject());
            if (slider == nullptr)
                AfxThrowArchiveException(CArchiveException::badClass);
            // Listed before it reads, so that a failed read still finds it to destroy.
            oLoaded.AddTail(slider);
            slider->Init(TRUE, ioManager.GetOwnerFrame());
            slider->Serialize(ioArchive);
            current = slider;
            std::vector<SetAsideEntry> stillAside;
            for (const SetAsideEntry& entry : setAside) {
                if (CGTDockingControlBar* pane = PaneOfSlider(*slider, entry.id, entry.tabbed))
                    oLoaded.AddTail(pane);
                else
                    stillAside.push_back(entry);
            }
            setAside.swap(stillAside);
            continue;
        }
        int id = 0;
        ioArchive >> id;
        const BOOL tabbed = id == tabbedPaneId;
        if (tabbed)
            ioArchive >> id;
        CGTDockingControlBar* pane = nullptr;
        if (current != nullptr)
            pane = tabbed ? PaneOfSlider(*current, id, TRUE)
                          : DYNAMIC_DOWNCAST(CGTDockingControlBar, ioManager.FindBarById(static_cast<UINT>(id), TRUE));
        if (pane != nullptr)
            oLoaded.AddTail(pane);
        else
            setAside.push_back({id, tabbed});
    }
}

void ReadMiniFrames(CArchive& ioArchive, CGTDockManager& ioManager, CObList& oLoaded)
{
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        CGTMiniFrameWnd::s_LoadingFrame = ioManager.GetOwnerFrame();
        oLoaded.AddTail(ioArchive.ReadObject(RUNTIME_CLASS(CGTMiniFrameWnd)));
    }
}

void ReadAutoHideRecords(CArchive& ioArchive, CList<VADE_AUTOHIDEBAR_SAVE_INFO, VADE_AUTOHIDEBAR_SAVE_INFO&>& oLoaded)
{
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        VADE_AUTOHIDEBAR_SAVE_INFO record;
        record.Serialize(ioArchive);
        oLoaded.AddTail(record);
    }
}

void ReadLayout(CArchive& ioArchive, CGTDockManager& ioManager, const LoadedLayout& oLayout)
{
    ReadTabbedPanes(ioArchive, ioManager, oLayout.tabbedPanes);
    ReadDockedPanes(ioArchive, ioManager, oLayout.dockedBars);
    ReadMiniFrames(ioArchive, ioManager, oLayout.floatFrames);
    ReadAutoHideRecords(ioArchive, oLayout.autoHideRecords);
}

std::vector<CGTBaseTabbedBar*> TabbedPanesOn(const CWnd* iFrame)
{
    std::vector<CGTBaseTabbedBar*> panes;
    for (HWND child = ::GetWindow(iFrame->GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, CWnd::FromHandlePermanent(child)))
            panes.push_back(tabbed);
    }
    return panes;
}

// The tabbed panes a group's record makes are new objects that no one owns yet.
void DiscardTabbedPanesMadeSince(const CWnd* iFrame, const std::vector<CGTBaseTabbedBar*>& iBefore)
{
    for (CGTBaseTabbedBar* tabbed : TabbedPanesOn(iFrame)) {
        if (std::find(iBefore.begin(), iBefore.end(), tabbed) != iBefore.end())
            continue;
        tabbed->SetAutoDestroy(TRUE);
        tabbed->DestroyWindow();
    }
}

// After a failed load: the sliders and mini frames it made go, and nothing read is kept.
void DiscardLoadedLayout(const LoadedLayout& ioLayout)
{
    ForEach(ioLayout.dockedBars, [](CObject* iEntry) {
        if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iEntry))
            DiscardLoadedWindow(slider);
    });
    ForEach(ioLayout.floatFrames, [](CObject* iFrame) { DiscardLoadedWindow(static_cast<CGTMiniFrameWnd*>(iFrame)); });
    ioLayout.tabbedPanes.RemoveAll();
    ioLayout.dockedBars.RemoveAll();
    ioLayout.floatFrames.RemoveAll();
    ioLayout.autoHideRecords.RemoveAll();
}
}  // namespace

void VADE_AUTOHIDEBAR_SAVE_INFO::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive << m_nPaneId << m_dwSide << m_bShown << static_cast<int>(m_lstGroupIds.GetCount());
        for (POSITION position = m_lstGroupIds.GetHeadPosition(); position != nullptr;)
            ioArchive << m_lstGroupIds.GetNext(position);
        ioArchive << m_rectPane << m_bFirstInGroup << m_bLastInGroup << m_bActiveInGroup;
        return;
    }
    int count = 0;
    ioArchive >> m_nPaneId >> m_dwSide >> m_bShown >> count;
    m_lstGroupIds.RemoveAll();
    for (int i = 0; i < count; ++i) {
        UINT id = 0;
        ioArchive >> id;
        if (id != static_cast<UINT>(-1))
            m_lstGroupIds.AddTail(id);
    }
    ioArchive >> m_rectPane >> m_bFirstInGroup >> m_bLastInGroup >> m_bActiveInGroup;
}

void CGTDockManager::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsLoading()) {
        ReadLayout(ioArchive, *this,
                   {m_lstLoadedTabbedPanes, m_lstLoadedDockedBars, m_lstLoadedFloatFrames, m_lstLoadedAutoHideInfo});
        return;
    }
    ForEach(m_lstBars, [](CObject* iEntry) {
        if (IsEmptyFloatableTabbedPane(iEntry))
            static_cast<CGTBaseTabbedBar*>(iEntry)->UnDockControlBar(TRUE);
    });
    ForEach(m_lstFloatFrames, [](CObject* iFrame) { static_cast<CGTMiniFrameWnd*>(iFrame)->ForgetDeadBar(); });
    WriteTabbedPanes(ioArchive, m_lstBars);
    WriteDockedPanes(ioArchive, m_lstBars);
    WriteMiniFrames(ioArchive, m_lstFloatFrames);
    WriteAutoHidePanes(ioArchive, m_lstAutoHideSliders);
}

BOOL CGTDockManager::SaveState(LPCWSTR iProfile, UINT iId)
{
    s_bStoringState = TRUE;
    ForEachStateKeeper(
        m_lstBars, m_lstAutoHideSliders, m_lstFloatFrames,
        [this, iProfile](CGTBaseControlBar& ioBar) {
            RecordDockedPlace(ioBar, m_pOwnerFrame);
            ioBar.SaveState(iProfile);
        },
        [iProfile](CGTMiniFrameWnd& ioFrame) { ioFrame.SaveHeldBarState(iProfile, -1); });
    BOOL saved = FALSE;
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        saved = registry.CreateKey(LayoutKey(iProfile, iId)) && registry.WriteSerializable(layoutValue, *this);
    }
    s_bStoringState = FALSE;
    return saved;
}

BOOL CGTDockManager::LoadState(LPCWSTR iProfile, UINT iId)
{
    ForEachStateKeeper(
        m_lstBars, m_lstAutoHideSliders, m_lstFloatFrames,
        [iProfile](CGTBaseControlBar& ioBar) { ioBar.LoadState(iProfile); },
        [iProfile](CGTMiniFrameWnd& ioFrame) { ioFrame.LoadHeldBarState(iProfile, -1); });
    BYTE* bytes = nullptr;
    UINT size = 0;
    {
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, TRUE);
        if (!registry.Open(LayoutKey(iProfile, iId)) || !registry.ReadBinary(layoutValue, bytes, size))
            return FALSE;
    }
    std::unique_ptr<BYTE[]> owned(bytes);
    // Applying after a failed read would float every pane whose own values loaded: nothing
    // is applied until a load succeeds.
    const std::vector<CGTBaseTabbedBar*> tabbedBefore =
        m_pOwnerFrame != nullptr ? TabbedPanesOn(m_pOwnerFrame) : std::vector<CGTBaseTabbedBar*>();
    const auto fail = [&]() {
        DiscardLoadedLayout(
            {m_lstLoadedTabbedPanes, m_lstLoadedDockedBars, m_lstLoadedFloatFrames, m_lstLoadedAutoHideInfo});
        if (m_pOwnerFrame != nullptr)
            DiscardTabbedPanesMadeSince(m_pOwnerFrame, tabbedBefore);
        m_bSkipApply = TRUE;
        return FALSE;
    };
    try {
        CMemFile file(bytes, size);
        CArchive archive(&file, CArchive::load, 4096);
        Serialize(archive);
        archive.Close();
    } catch (CException* e) {
        e->Delete();
        return fail();
    } catch (const std::bad_alloc&) {
        return fail();
    }
    m_bSkipApply = FALSE;
    return TRUE;
}
