// The byte layout of the dock manager's saved docking layout ("DockingCBAndSliders"), four
// counted sections: tabbed panes that stay docked, docked panes with their sliders, floating
// mini frames and auto-hidden panes. The writer counts each section's entries before it writes
// them; the reader only reads (sliders, mini frames and tabbed panes of the saved groups are
// made, panes stay where they are) and what a failed read made can be discarded.
#pragma once
#include <guitoolkit/docking/CGTDockManager.h>
#include <vector>

class CGTBaseTabbedBar;

namespace GTDockLayout {
// The kinds of a docked-panes entry, and the id that names a tabbed pane by its first tab.
const int sliderEntry = 0;
const int paneEntry = 1;
const int tabbedPaneId = -1;

template <class Each>
void ForEach(const CObList& iList, Each iEach)
{
    for (POSITION position = iList.GetHeadPosition(); position != nullptr;)
        iEach(iList.GetNext(position));
}

// The pane an auto-hide slider holds; null for none.
CGTDockingControlBar* AutoHiddenPaneOf(CObject* iSlider);
// The ids a group's pane is saved by: its own, or -1 and its first tab's; none for a tabbed
// pane without tabs.
void AppendPaneIds(CGTDockingControlBar& iPane, std::vector<int>& ioIds);

void Write(CArchive& ioArchive, const CObList& iBars, const CObList& iAutoHideSliders, const CObList& iFrames);

// Where a read puts what it finds: the dock manager's loaded lists.
struct Loaded {
    CObList& tabbedPanes;
    CObList& dockedBars;
    CObList& floatFrames;
    CList<VADE_AUTOHIDEBAR_SAVE_INFO, VADE_AUTOHIDEBAR_SAVE_INFO&>& autoHideRecords;
};

void Read(CArchive& ioArchive, CGTDockManager& ioManager, const Loaded& oLoaded);
std::vector<CGTBaseTabbedBar*> TabbedPanesOn(const CWnd* iFrame);
// After a failed read: the sliders, mini frames and tabbed panes it made go (tabbed panes on
// the frame that were not in iTabbedBefore), and nothing read is kept.
void Discard(const Loaded& ioLoaded, const CWnd* iFrame, const std::vector<CGTBaseTabbedBar*>& iTabbedBefore);
}  // namespace GTDockLayout
