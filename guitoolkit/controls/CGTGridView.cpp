#include <guitoolkit/controls/CGTGridView.h>

IMPLEMENT_DYNCREATE(CGTGridView, CView)

BEGIN_MESSAGE_MAP(CGTGridView, CView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const UINT GridId = 1;
const UINT UnknownPageCount = 0xFFFF;
}  // namespace

CGTGridView::CGTGridView() : m_Grid(nullptr), m_PrintRecord(nullptr) {}

CGTGridView::~CGTGridView()
{
    delete m_PrintRecord;
}

CGTGridCtrl* CGTGridView::CreateGrid()
{
    return new CGTGridCtrl;
}

int CGTGridView::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CView::OnCreate(iCreate) == -1)
        return -1;
    m_Grid = CreateGrid();
    if (m_Grid == nullptr)
        return -1;
    if (!m_Grid->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, GridId))
        return -1;
    return 0;
}

void CGTGridView::OnSize(UINT iType, int iWidth, int iHeight)
{
    CView::OnSize(iType, iWidth, iHeight);
    if (m_Grid != nullptr && m_Grid->GetSafeHwnd() != nullptr)
        m_Grid->SetWindowPos(nullptr, 0, 0, iWidth, iHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTGridView::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTGridView::OnSetFocus(CWnd* iOldWnd)
{
    CView::OnSetFocus(iOldWnd);
    if (m_Grid != nullptr && m_Grid->GetSafeHwnd() != nullptr)
        m_Grid->SetFocus();
}

void CGTGridView::OnDestroy()
{
    if (m_Grid != nullptr) {
        m_Grid->DestroyWindow();
        delete m_Grid;
        m_Grid = nullptr;
    }
    CView::OnDestroy();
}

BOOL CGTGridView::OnPreparePrinting(CPrintInfo* iInfo)
{
    if (iInfo->m_bPreview)
        return FALSE;
    return DoPreparePrinting(iInfo);
}

void CGTGridView::OnBeginPrinting(CDC* iDc, CPrintInfo* iInfo)
{
    if (iInfo->m_bPreview || m_Grid == nullptr)
        return;
    m_Grid->SetPrinting(iDc);
    delete m_PrintRecord;
    m_PrintRecord = new CGTGridPrintRecord{0, m_Grid->GetRowCount() - 1, 0, 0};
    iInfo->m_lpUserData = m_PrintRecord;
    m_Grid->CreatePrintFonts(iDc);
}

void CGTGridView::OnPrepareDC(CDC* iDc, CPrintInfo* iInfo)
{
    CView::OnPrepareDC(iDc, iInfo);
    if (iInfo == nullptr || m_Grid == nullptr)
        return;
    // A job of unknown length goes on while pages are left; PrintPage ends it at the last.
    iInfo->m_bContinuePrinting = iInfo->m_nCurPage == 1 ||
        (iInfo->GetMaxPage() >= UnknownPageCount && iInfo->m_nCurPage <= (UINT)m_Grid->GetPrintPages().GetSize());
}

void CGTGridView::OnPrint(CDC* iDc, CPrintInfo* iInfo)
{
    if (!iInfo->m_bPreview && m_Grid != nullptr)
        m_Grid->PrintPage(iDc, iInfo);
}

void CGTGridView::OnEndPrinting(CDC*, CPrintInfo* iInfo)
{
    if (iInfo->m_bPreview || m_Grid == nullptr)
        return;
    m_Grid->DeletePrintFonts();
    m_Grid->SetPrinting(nullptr);
    delete m_PrintRecord;
    m_PrintRecord = nullptr;
    iInfo->m_lpUserData = nullptr;
    m_Grid->AdjustLayout();
}
