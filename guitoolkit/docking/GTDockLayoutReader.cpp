#include <guitoolkit/docking/GTDockLayout.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <algorithm>

namespace GTDockLayout {
namespace {
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

// The frame that the mini frames being read are made for, only while they are read.
class LoadingFrameScope {
public:
    explicit LoadingFrameScope(CWnd* iFrame) { CGTMiniFrameWnd::s_LoadingFrame = iFrame; }
    ~LoadingFrameScope() { CGTMiniFrameWnd::s_LoadingFrame = nullptr; }
    LoadingFrameScope(const LoadingFrameScope&) = delete;
    LoadingFrameScope& operator=(const LoadingFrameScope&) = delete;
};

// Every record makes a frame of its own: a null one, or one that refers back to a frame read
// before (which would take its bar back twice), fails the load.
void ReadMiniFrames(CArchive& ioArchive, CGTDockManager& ioManager, CObList& oLoaded)
{
    int count = 0;
    ioArchive >> count;
    LoadingFrameScope loading(ioManager.GetOwnerFrame());
    for (int i = 0; i < count; ++i) {
        BOOL made = FALSE;
        CObject* frame = ioArchive.ReadObject(RUNTIME_CLASS(CGTMiniFrameWnd), made);
        if (frame == nullptr || !made)
            AfxThrowArchiveException(CArchiveException::badIndex);
        oLoaded.AddTail(frame);
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

}  // namespace

void Read(CArchive& ioArchive, CGTDockManager& ioManager, const Loaded& oLoaded)
{
    ReadTabbedPanes(ioArchive, ioManager, oLoaded.tabbedPanes);
    ReadDockedPanes(ioArchive, ioManager, oLoaded.dockedBars);
    ReadMiniFrames(ioArchive, ioManager, oLoaded.floatFrames);
    ReadAutoHideRecords(ioArchive, oLoaded.autoHideRecords);
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

void Discard(const Loaded& ioLoaded, const CWnd* iFrame, const std::vector<CGTBaseTabbedBar*>& iTabbedBefore)
{
    ForEach(ioLoaded.dockedBars, [](CObject* iEntry) {
        if (auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iEntry))
            DiscardLoadedWindow(slider);
    });
    ForEach(ioLoaded.floatFrames, [](CObject* iFrame) { DiscardLoadedWindow(static_cast<CGTMiniFrameWnd*>(iFrame)); });
    // The tabbed panes of the saved groups are new objects that no one owns yet.
    for (CGTBaseTabbedBar* tabbed : iFrame != nullptr ? TabbedPanesOn(iFrame) : std::vector<CGTBaseTabbedBar*>()) {
        if (std::find(iTabbedBefore.begin(), iTabbedBefore.end(), tabbed) != iTabbedBefore.end())
            continue;
        tabbed->SetAutoDestroy(TRUE);
        tabbed->DestroyWindow();
    }
    ioLoaded.tabbedPanes.RemoveAll();
    ioLoaded.dockedBars.RemoveAll();
    ioLoaded.floatFrames.RemoveAll();
    ioLoaded.autoHideRecords.RemoveAll();
}
}  // namespace GTDockLayout
