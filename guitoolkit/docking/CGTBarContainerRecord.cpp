// A node's record in a saved layout: the bar ids of both sides (a tabbed pane inline), the
// slider's own record and the nested records of the sub-trees. Loading keeps the ids; the
// manager resolves them to panes afterwards.
#include <guitoolkit/docking/CGTBarContainer.h>
#include <guitoolkit/docking/CGTBarContainerManager.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTSlider.h>
#include <memory>

namespace {
const int tabbedBarId = -1;

CGTBaseTabbedBar* AsTabbedBar(CGTDockingControlBar* iBar)
{
    return DYNAMIC_DOWNCAST(CGTBaseTabbedBar, iBar);
}

// The tabbed-pane classes are not all serializable themselves, so the archive cannot be asked
// for their base: the class read is checked here, before any object is made, as another
// class's object (a mini frame's) would make a window while it reads. A tabbed pane is written
// once: a reference back to an earlier object is refused too. Null for a null record.
CGTBaseTabbedBar* ReadTabbedBarObject(CArchive& ioArchive)
{
    UINT schema = 0;
    DWORD tag = 0;
    CRuntimeClass* type = ioArchive.ReadClass(nullptr, &schema, &tag);
    if (type == nullptr && tag == 0)
        return nullptr;
    if (type == nullptr || !type->IsDerivedFrom(RUNTIME_CLASS(CGTBaseTabbedBar)))
        AfxThrowArchiveException(CArchiveException::badClass);
    std::unique_ptr<CGTBaseTabbedBar> tabbed(static_cast<CGTBaseTabbedBar*>(type->CreateObject()));
    if (tabbed == nullptr)
        AfxThrowArchiveException(CArchiveException::badClass);
    ioArchive.MapObject(tabbed.get());
    ioArchive.SetObjectSchema(schema);
    tabbed->Serialize(ioArchive);
    return tabbed.release();
}
}  // namespace

void CGTBarContainer::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        WriteSide(ioArchive, m_LeftBar);
        WriteSide(ioArchive, m_RightBar);
        ioArchive << static_cast<int>(m_Slider != nullptr ? m_Slider->GetDlgCtrlID() : 0);
        if (m_Slider != nullptr)
            m_Slider->Serialize(ioArchive);
        for (CGTBarContainer* child : {m_LeftContainer, m_RightContainer}) {
            ioArchive << static_cast<BOOL>(child != nullptr);
            if (child != nullptr)
                child->Serialize(ioArchive);
        }
        return;
    }
    ReadSide(ioArchive, TRUE);
    ReadSide(ioArchive, FALSE);
    ioArchive >> m_SavedSliderId;
    if (m_SavedSliderId != 0) {
        auto* slider = DYNAMIC_DOWNCAST(CGTSlider, CGTSlider::s_SliderClass->CreateObject());
        if (slider == nullptr)
            AfxThrowArchiveException(CArchiveException::badClass);
        slider->Init(FALSE, GetDockSite());
        slider->Serialize(ioArchive);
        slider->SetContainerManager(m_Manager);
        if (m_Manager != nullptr)
            m_Manager->AddSlider(slider);
        m_Slider = slider;
    }
    for (BOOL left : {TRUE, FALSE}) {
        BOOL hasChild = FALSE;
        ioArchive >> hasChild;
        if (!hasChild)
            continue;
        CGTBarContainer* child = CreateNode();
        SetContainer(child, left);
        child->Serialize(ioArchive);
    }
}

void CGTBarContainer::WriteSide(CArchive& ioArchive, CGTDockingControlBar* iBar)
{
    if (iBar == nullptr) {
        ioArchive << 0;
        return;
    }
    const int id = iBar->GetDlgCtrlID();
    if (id != tabbedBarId) {
        ioArchive << id;
        return;
    }
    SaveTabbedBar(ioArchive, iBar);
}

void CGTBarContainer::SaveTabbedBar(CArchive& ioArchive, CGTDockingControlBar* iBar)
{
    // A tabbed pane without tabs has nothing to restore and would leave a reader expecting
    // its record: it counts as no bar.
    CGTBaseTabbedBar* tabbed = AsTabbedBar(iBar);
    if (tabbed == nullptr || tabbed->CountTabs() == 0) {
        ioArchive << 0;
        return;
    }
    ioArchive << tabbedBarId;
    tabbed->WriteTabBarIds(ioArchive);
    ioArchive.WriteObject(tabbed);
    ioArchive << static_cast<DWORD>(tabbed->GetStyle());
    tabbed->ArchiveTabWindow(ioArchive);
}

void CGTBarContainer::ReadSide(CArchive& ioArchive, BOOL iLeft)
{
    int id = 0;
    ioArchive >> id;
    (iLeft ? m_SavedLeftBarId : m_SavedRightBarId) = id;
    if (id == tabbedBarId)
        SetBar(LoadTabbedBar(ioArchive, iLeft ? m_LeftTabIds : m_RightTabIds), iLeft);
}

CGTDockingControlBar* CGTBarContainer::LoadTabbedBar(CArchive& ioArchive, CList<int, int>& oTabIds)
{
    int count = 0;
    ioArchive >> count;
    for (int i = 0; i < count; ++i) {
        int id = 0;
        ioArchive >> id;
        oTabIds.AddTail(id);
    }
    CGTBaseTabbedBar* tabbed = ReadTabbedBarObject(ioArchive);
    DWORD style = 0;
    ioArchive >> style;
    if (tabbed == nullptr)
        return nullptr;
    const CRect rect = tabbed->GetRecentDockInfo().m_docked.m_rectPane;
    if (!tabbed->Create(L"", GetDockSite(), rect, TRUE, static_cast<UINT>(tabbedBarId), style)) {
        oTabIds.RemoveAll();
        delete tabbed;
        return nullptr;
    }
    tabbed->ArchiveTabWindow(ioArchive);
    return tabbed;
}
