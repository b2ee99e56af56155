// A group's record in a saved layout: its tree, then the ids of its panes in order (a tabbed
// pane by the id of its first tab), resolved through the frame's dock manager on loading.
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <guitoolkit/docking/GTDockLayout.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <vector>

namespace {
const int tabbedBarId = -1;
}  // namespace

void CGTBarContainerManager::Serialize(CArchive& ioArchive)
{
    if (m_Root == nullptr)
        return;
    if (ioArchive.IsStoring()) {
        m_Root->CollapseAll();
        m_Root->Serialize(ioArchive);
        std::vector<int> entries;
        int count = 0;
        for (POSITION at = m_Bars.GetHeadPosition(); at != nullptr;) {
            const size_t before = entries.size();
            GTDockLayout::AppendPaneIds(*static_cast<CGTDockingControlBar*>(m_Bars.GetNext(at)), entries);
            count += entries.size() != before ? 1 : 0;
        }
        ioArchive << count;
        for (int value : entries)
            ioArchive << value;
        return;
    }
    m_Root->Serialize(ioArchive);
    CWnd* frame = m_DefaultSlider != nullptr                       ? m_DefaultSlider->GetParent()
        : DYNAMIC_DOWNCAST(CGTMiniFrameWnd, m_DockSite) != nullptr ? m_DockSite->GetParent()
                                                                   : nullptr;
    CGTDockManager* manager = GetDockManagerOfFrame(frame);
    if (manager == nullptr)
        AfxThrowArchiveException(CArchiveException::genericException);
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        int id = 0;
        ioArchive >> id;
        if (id == tabbedBarId) {
            int tabId = 0;
            ioArchive >> tabId;
            if (CGTDockingControlBar* tabbed = m_Root->FindTabbedBarByTabID(tabId))
                m_Bars.AddTail(tabbed);
            continue;
        }
        auto* bar = DYNAMIC_DOWNCAST(CGTDockingControlBar, manager->FindBarById(static_cast<UINT>(id), TRUE));
        if (bar != nullptr) {
            m_Bars.AddTail(bar);
            m_Root->SetUpByID(id, bar);
        }
    }
}
