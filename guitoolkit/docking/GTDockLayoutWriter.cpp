#include <guitoolkit/docking/GTDockLayout.h>
#include <guitoolkit/docking/CGTAutoHideToolBar.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/CGTTabWnd.h>
#include <guitoolkit/docking/GTDockingConstants.h>

namespace GTDockLayout {
namespace {
VADE_AUTOHIDEBAR_SAVE_INFO RecordOf(const CGTDockingControlBar& iPane)
{
    VADE_AUTOHIDEBAR_SAVE_INFO record;
    record.m_nPaneId = iPane.GetDlgCtrlID();
    record.m_dwSide = iPane.GetCurrentAlignment();
    record.m_bShown = !iPane.CanHideAutoHiddenPane() || iPane.IsVisible();
    iPane.GetWindowRect(&record.m_rectPane);
    if (record.m_rectPane.IsRectEmpty())
        record.m_rectPane = iPane.GetRestoredRect();
    if (const CGTAutoHideToolBar* toolBar = iPane.GetAutoHideToolBar()) {
        record.m_bFirstInGroup = toolBar->IsGroupFirst();
        record.m_bLastInGroup = toolBar->IsGroupLast();
        record.m_bActiveInGroup = toolBar->IsRowActive();
    }
    return record;
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
            std::vector<int> words;
            AppendPaneIds(*pane, words);
            if (!words.empty()) {
                words.insert(words.begin(), paneEntry);
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

}  // namespace

CGTDockingControlBar* AutoHiddenPaneOf(CObject* iSlider)
{
    auto* slider = DYNAMIC_DOWNCAST(CGTSlider, iSlider);
    CGTBarContainerManager* manager = slider != nullptr ? slider->GetContainerManager() : nullptr;
    return manager != nullptr ? manager->GetFirstControlBar() : nullptr;
}

void AppendPaneIds(CGTDockingControlBar& iPane, std::vector<int>& ioIds)
{
    const int id = iPane.GetDlgCtrlID();
    if (id != tabbedPaneId) {
        ioIds.push_back(id);
        return;
    }
    auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, &iPane);
    CWnd* first = tabbed != nullptr && tabbed->CountTabs() > 0 ? tabbed->GetBarOfTab(0, TRUE) : nullptr;
    if (first == nullptr)
        return;
    ioIds.push_back(tabbedPaneId);
    ioIds.push_back(first->GetDlgCtrlID());
}

void Write(CArchive& ioArchive, const CObList& iBars, const CObList& iAutoHideSliders, const CObList& iFrames)
{
    WriteTabbedPanes(ioArchive, iBars);
    WriteDockedPanes(ioArchive, iBars);
    WriteMiniFrames(ioArchive, iFrames);
    WriteAutoHidePanes(ioArchive, iAutoHideSliders);
}
}  // namespace GTDockLayout
