#include <guitoolkit/frame/CGTPrintPreviewView.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>

namespace {

const DWORD ToolBarStyle = 0x50402808;

CGTDockManager* DockManagerOf(CWnd* iWnd)
{
    IGTDockingFrame* frame = iWnd != nullptr ? dynamic_cast<IGTDockingFrame*>(iWnd->GetParentFrame()) : nullptr;
    return frame != nullptr ? frame->GetDockManager() : nullptr;
}

}  // namespace

// --- The toolbar ---------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CGTPrintPreviewToolBar, CGTToolBar)

BEGIN_MESSAGE_MAP(CGTPrintPreviewToolBar, CGTToolBar)
    ON_WM_CONTEXTMENU()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

INT_PTR CGTPrintPreviewToolBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    CGTLocalResource toolkitResources;
    return CGTToolBar::OnToolHitTest(iPoint, oInfo);
}

void CGTPrintPreviewToolBar::OnContextMenu(CWnd*, CPoint) {}

void CGTPrintPreviewToolBar::OnDestroy()
{
    if (CGTDockManager* manager = DockManagerOf(this))
        manager->RemoveBar(this, FALSE, FALSE);
    CGTToolBar::OnDestroy();
}

// --- The view ------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(CGTPrintPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CGTPrintPreviewView, CPreviewView)
    ON_WM_CREATE()
    ON_UPDATE_COMMAND_UI(AFX_ID_PREVIEW_NUMPAGE, &CGTPrintPreviewView::OnUpdateNumPageChange)
    ON_WM_SIZE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CGTPrintPreviewView::CGTPrintPreviewView()
    : m_PageCountImage(-1), m_OnePageImage(-1), m_PageCountIndex(-1), m_StatusBar(nullptr), m_LastSize(-1, -1)
{
    m_nCurrentPage = 1;
}

CGTPrintPreviewView::~CGTPrintPreviewView() = default;

BOOL CGTPrintPreviewView::Show(CView* iView)
{
    CPrintPreviewState* state = new CPrintPreviewState;
    if (iView->DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, iView, RUNTIME_CLASS(CGTPrintPreviewView), state))
        return TRUE;
    delete state;
    return FALSE;
}

int CGTPrintPreviewView::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CPreviewView::OnCreate(iCreate) == -1)
        return -1;
    CGTLocalResource toolkitResources;
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    const BOOL hot = globals.allowHighColorImages && globals.bitsPerPixel >= 16 && !globals.isBlackHighContrast;
    if (m_pToolBar == nullptr || !m_ToolBar.Create(m_pToolBar, ToolBarStyle, AFX_IDW_TOOLBAR) ||
        !m_ToolBar.LoadToolBar(IDR_GT_PRINT_PREVIEW, 0, 0, TRUE, 0, 0, hot ? IDB_GT_PRINT_PREVIEW_HOT : 0))
        return -1;
    // The toolbar stands in for the preview bar's own buttons, and sends its commands here.
    for (CWnd* child = m_pToolBar->GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT))
        if (child != &m_ToolBar)
            child->ShowWindow(SW_HIDE);
    m_ToolBar.SetOwner(this);
    m_PageCountIndex = m_ToolBar.CommandToIndex(AFX_ID_PREVIEW_NUMPAGE);
    if (CGTToolbarButton* button = m_ToolBar.GetButton(m_PageCountIndex))
        m_PageCountImage = button->GetImage();
    const int onePage = m_ToolBar.CommandToIndex(ID_GT_PREVIEW_ONE_PAGE);
    if (CGTToolbarButton* button = m_ToolBar.GetButton(onePage)) {
        m_OnePageImage = button->GetImage();
        m_ToolBar.RemoveButton(onePage);
        m_PageCountIndex = m_ToolBar.CommandToIndex(AFX_ID_PREVIEW_NUMPAGE);
    }
    m_ToolBar.SetButtonTextOptions(m_ToolBar.CommandToIndex(AFX_ID_PREVIEW_PRINT), nullptr, TRUE, TRUE);
    m_ToolBar.SetButtonTextOptions(m_ToolBar.CommandToIndex(AFX_ID_PREVIEW_CLOSE), nullptr, TRUE, FALSE);
    if (CGTDockManager* manager = DockManagerOf(this))
        manager->AddBar(&m_ToolBar);
    LayoutToolBar();
    CFrameWnd* frame = GetParentFrame();
    m_StatusBar = frame != nullptr ? DYNAMIC_DOWNCAST(CGTStatusBar, frame->GetDlgItem(AFX_IDW_STATUS_BAR)) : nullptr;
    if (MessagePane() >= 0)
        m_StatusBar->SetPaneText(MessagePane(), L"");
    return 0;
}

void CGTPrintPreviewView::LayoutToolBar()
{
    CFrameWnd* frame = GetParentFrame();
    if (m_ToolBar.GetSafeHwnd() == nullptr || m_pToolBar == nullptr || frame == nullptr)
        return;
    const CSize bar = m_ToolBar.CalcFixedLayout(TRUE, TRUE);
    CRect client;
    frame->GetClientRect(client);
    const CSize size(client.Width(), bar.cy);
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    m_pToolBar->SetWindowPos(nullptr, 0, 0, size.cx, size.cy, flags | SWP_NOMOVE | SWP_SHOWWINDOW);
    m_ToolBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, flags);
    m_pToolBar->m_sizeDefault.cy = size.cy;
    if (size == m_LastSize)
        return;
    m_LastSize = size;
    frame->RecalcLayout();
    frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void CGTPrintPreviewView::OnSize(UINT iType, int iWidth, int iHeight)
{
    CPreviewView::OnSize(iType, iWidth, iHeight);
    LayoutToolBar();
}

int CGTPrintPreviewView::GetPageCountImage() const
{
    const CGTToolbarButton* button = m_ToolBar.GetButton(m_PageCountIndex);
    return button != nullptr ? button->GetImage() : -1;
}

void CGTPrintPreviewView::OnUpdateNumPageChange(CCmdUI* iCmdUI)
{
    CPreviewView::OnUpdateNumPageChange(iCmdUI);
    CGTToolbarButton* button = m_ToolBar.GetButton(m_PageCountIndex);
    if (button == nullptr)
        return;
    const UINT shown = m_nZoomState != ZOOM_OUT ? m_nZoomOutPages : m_nPages;
    const int image = shown == 1 && m_OnePageImage >= 0 ? m_OnePageImage : m_PageCountImage;
    if (button->GetImage() == image)
        return;
    button->SetImage(image);
    m_ToolBar.InvalidateButton(m_PageCountIndex);
}

int CGTPrintPreviewView::MessagePane() const
{
    if (m_StatusBar == nullptr || m_StatusBar->GetSafeHwnd() == nullptr || m_StatusBar->GetCount() == 0)
        return -1;
    const int pane = m_StatusBar->CommandToIndex(0);
    return pane >= 0 ? pane : 0;
}

void CGTPrintPreviewView::OnDisplayPageNumber(UINT iPage, UINT iPagesDisplayed)
{
    if (m_pPreviewInfo == nullptr)
        return;
    CString format;
    AfxExtractSubString(format, m_pPreviewInfo->m_strPageDesc, iPagesDisplayed == 1 ? 0 : 1, L'\n');
    CString text;
    if (iPagesDisplayed == 1)
        text.Format(format, iPage);
    else
        text.Format(format, iPage, iPage + iPagesDisplayed - 1);
    if (MessagePane() >= 0) {
        m_StatusBar->SetPaneText(MessagePane(), text);
        m_StatusBar->UpdateWindow();
    } else if (CFrameWnd* frame = GetParentFrame()) {
        frame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCWSTR)text);
    }
}

void CGTPrintPreviewView::OnDestroy()
{
    if (MessagePane() >= 0)
        m_StatusBar->SetPaneText(MessagePane(), L"");
    CPreviewView::OnDestroy();
}
