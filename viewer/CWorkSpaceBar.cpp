#include "CWorkSpaceBar.h"

#include "CZVViewerDoc.h"
#include "Report.h"
#include "TreeObject.h"

BEGIN_MESSAGE_MAP(CWorkSpaceBar, CGTDockingControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_NOTIFY(TVN_SELCHANGEDW, CWorkSpaceBar::kTreeId, &CWorkSpaceBar::OnSelectionChanged)
END_MESSAGE_MAP()

CWorkSpaceBar::CWorkSpaceBar() : m_Reports(m_Tree) {}

int CWorkSpaceBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTDockingControlBar::OnCreate(iCreate) == -1)
        return -1;
    const DWORD style = WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;
    return m_Tree.Create(style, CRect(), this, kTreeId) ? 0 : -1;
}

void CWorkSpaceBar::OnSize(UINT iType, int iWidth, int iHeight)
{
    CGTDockingControlBar::OnSize(iType, iWidth, iHeight);
    if (m_Tree.GetSafeHwnd())
        m_Tree.SetWindowPos(nullptr, 1, 1, iWidth - 2, iHeight - 2, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWorkSpaceBar::OnPaint()
{
    CPaintDC dc(this);
    CRect frame;
    m_Tree.GetWindowRect(frame);
    ScreenToClient(frame);
    frame.InflateRect(1, 1);
    dc.Draw3dRect(frame, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNSHADOW));
}

void CWorkSpaceBar::OnSelectionChanged(NMHDR*, LRESULT* oResult)
{
    ShowSelectedReport();
    *oResult = 0;
}

BOOL CWorkSpaceBar::ExpandItem(HTREEITEM iItem)
{
    CTreeObject* object = reinterpret_cast<CTreeObject*>(m_Tree.GetItemData(iItem));
    return object ? object->LoadChildren(iItem) : FALSE;
}

void CWorkSpaceBar::ShowSelectedReport()
{
    const CTreeObject* before = m_Reports.GetCurrentObject();
    m_Reports.ShowSelectedReport();
    if (m_Reports.GetCurrentObject() != before)
        m_Tree.SetFocus();
}

void CWorkSpaceBar::ReleaseCurrentReport()
{
    m_Reports.ReleaseCurrentReport();
}

void CWorkSpaceBar::ClearTree()
{
    CZVViewerDoc::DeleteTreeItems(m_Tree, m_Tree.GetRootItem());
    m_Tree.DeleteAllItems();
    m_Reports.ForgetCurrentObject();
}

void CWorkSpaceBar::ResetTree()
{
    ClearTree();
    m_Tree.ReloadRoot();
    m_Reports.SelectFirstItem();
}

void CWorkSpaceBarUsers::LoadRootList()
{
    if (CZVViewerDoc* document = GetViewerDocument())
        document->LoadUsers();
}

void CWorkSpaceBarComputers::LoadRootList()
{
    if (CZVViewerDoc* document = GetViewerDocument())
        document->LoadComputers();
}

void CWorkSpaceBarApplications::LoadRootList()
{
    if (CZVViewerDoc* document = GetViewerDocument())
        document->LoadPrograms();
}
