#include "TreeReports.h"

#include "Report.h"
#include "ReportErrors.h"
#include "ServerBusyGuard.h"
#include "TreeObject.h"

CTreeReports* GetActiveTreeReports()
{
    IReportFrame* frame = dynamic_cast<IReportFrame*>(AfxGetMainWnd());
    return frame ? frame->GetActiveTreeReports() : nullptr;
}

CTreeObject* CTreeReports::ObjectOf(const CTreeCtrl& iTree, HTREEITEM iItem)
{
    return iItem ? reinterpret_cast<CTreeObject*>(iTree.GetItemData(iItem)) : nullptr;
}

void CTreeReports::ShowSelectedReport()
{
    if (RefuseWhileServerBusy())
        return;
    CWaitCursor wait;
    CTreeObject* object = GetSelectedObject();
    if (!object || object == m_Current)
        return;
    ReleaseCurrentReport();
    m_Current = object;
    RunReportStep([object] { object->ShowReport(); });
}

void CTreeReports::ReleaseCurrentReport()
{
    if (m_Current)
        m_Current->DeleteReport();
    m_Current = nullptr;
}

void CTreeReports::ForgetObject(const CTreeObject* iObject)
{
    if (iObject && iObject == m_Current)
        ReleaseCurrentReport();
}

void CTreeReports::RefreshCurrentReport()
{
    CTreeObject* object = ObjectOf(m_Tree, m_Tree.GetSelectedItem());
    CReport* report = object ? object->GetReport() : nullptr;
    if (!report || RefuseWhileServerBusy())
        return;
    CWaitCursor wait;
    RunReportStep([report] { report->Build(0); });
}

void CTreeReports::SelectChildById(ULONG iId)
{
    const HTREEITEM selected = m_Tree.GetSelectedItem();
    if (!selected || RefuseWhileServerBusy())
        return;
    m_Tree.Expand(selected, TVE_EXPAND);
    for (HTREEITEM child = m_Tree.GetChildItem(selected); child; child = m_Tree.GetNextSiblingItem(child)) {
        const CTreeObject* object = ObjectOf(m_Tree, child);
        if (object && object->GetId() == iId) {
            m_Tree.SelectItem(child);
            return;
        }
    }
}

void CTreeReports::SelectFirstItem()
{
    m_Tree.SelectItem(m_Tree.GetRootItem());
}

CTreeObject* CTreeReports::GetSelectedObject()
{
    const HTREEITEM selected = m_Tree.GetSelectedItem();
    if (!selected) {
        SelectFirstItem();
        return nullptr;
    }
    return ObjectOf(m_Tree, selected);
}
