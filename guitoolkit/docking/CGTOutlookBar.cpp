#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/IGTDockingFrame.h>

IMPLEMENT_SERIAL(CGTOutlookBar, CGTBaseTabbedBar, 1)
IMPLEMENT_DYNCREATE(CGTOutlookBarDockingPane, CGTDockingCBWrapper)

BEGIN_MESSAGE_MAP(CGTOutlookBar, CGTBaseTabbedBar)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CGTOutlookBar::CGTOutlookBar() : m_CustomPages(10) {}

CGTOutlookBar::~CGTOutlookBar() = default;

BOOL CGTOutlookBar::Create(LPCWSTR iCaption, CWnd* iParent, const RECT& iRect, UINT iId, DWORD iStyle,
                           DWORD iBehaviourStyle, CCreateContext* iContext)
{
    if (!CGTBaseTabbedBar::Create(iCaption, iParent, iRect, FALSE, iId, iStyle, 64, iBehaviourStyle, iContext))
        return FALSE;
    m_Caption = iCaption;
    if (iBehaviourStyle & GTBehaviourDockWithoutFloating) {
        EnableDocking(GTSideAny);
        EnableGripper(FALSE);
    } else if (CGTDockManager* manager = GetDockManagerOfFrame(iParent)) {
        manager->AddBar(this, TRUE);
    }
    return TRUE;
}

int CGTOutlookBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTBaseTabbedBar::OnCreate(iCreate) == -1)
        return -1;
    CRect client;
    GetClientRect(client);
    auto* outlook = new CGTOutlookWnd;
    if (!outlook->Create(client, this, CGTOutlookWnd::windowId)) {
        delete outlook;
        return -1;
    }
    m_TabWnd = outlook;
    if (CanFloat())
        outlook->HideSingleTab(TRUE);
    return 0;
}

void CGTOutlookBar::OnDestroy()
{
    while (!m_CustomPages.IsEmpty()) {
        auto* page = static_cast<CGTOutlookBarPane*>(m_CustomPages.RemoveHead());
        if (m_TabWnd != nullptr) {
            const int tab = m_TabWnd->GetTabFromHwnd(page->GetSafeHwnd());
            if (tab >= 0)
                m_TabWnd->RemoveTab(tab, FALSE);
        }
        page->DestroyWindow();
        delete page;
    }
    CGTBaseTabbedBar::OnDestroy();
}

void CGTOutlookBar::OnPaint()
{
    CPaintDC paint(this);
    CGTMemDC memory(paint, this);
    CRect client;
    GetClientRect(client);
    CGTVisualManager::GetCurrent()->DrawBarBackground(&memory.GetDC(), this, client, client);
}

CGTOutlookWnd* CGTOutlookBar::GetOutlookWnd() const
{
    return DYNAMIC_DOWNCAST(CGTOutlookWnd, m_TabWnd);
}

void CGTOutlookBar::OnScroll(BOOL) {}

BOOL CGTOutlookBar::CanAcceptBar(const CGTBaseControlBar* iBar) const
{
    if (iBar == nullptr)
        return FALSE;
    if (CanFloat())
        return CGTBaseTabbedBar::CanAcceptBar(iBar);
    return iBar->IsKindOf(RUNTIME_CLASS(CGTOutlookBarDockingPane)) ||
        iBar->IsKindOf(RUNTIME_CLASS(CGTOutlookBarPane)) || iBar->IsKindOf(RUNTIME_CLASS(CGTOutlookBar));
}

void CGTOutlookBar::GetTabAreaRects(CRect& oTop, CRect& oBottom) const
{
    oTop.SetRectEmpty();
    oBottom.SetRectEmpty();
    if (!CanFloat()) {
        GetClientRect(oTop);
        ClientToScreen(oTop);
    } else if (CGTOutlookWnd* outlook = GetOutlookWnd()) {
        outlook->GetTabArea(oTop, oBottom);
    }
}

int CGTOutlookBar::HitTestDockTarget(CPoint iScreenPoint, int iSensitivity)
{
    CGTOutlookWnd* outlook = GetOutlookWnd();
    if (outlook == nullptr)
        return 0;
    if (outlook->GetTabCount() == 0 || outlook->GetVisibleTabCount() == 0)
        return 3;
    if (HitTestCaption(iScreenPoint, TRUE) == HTCAPTION)
        return 3;
    CRect top, bottom;
    outlook->GetTabArea(top, bottom);
    top.bottom += iSensitivity;
    bottom.top -= iSensitivity;
    if (top.PtInRect(iScreenPoint) || bottom.PtInRect(iScreenPoint))
        return 3;
    const int answer = CGTBaseTabbedBar::HitTestDockTarget(iScreenPoint, iSensitivity);
    return answer == 2 && !CanFloat() ? 0 : answer;
}

BOOL CGTOutlookBar::FloatBarFromTab(CGTBaseControlBar* iBar, int iIndex, int iMethod, BOOL iHide)
{
    if (m_TabWnd == nullptr || m_TabWnd->GetTabCount() < 2)
        return FALSE;
    return CGTBaseTabbedBar::FloatBarFromTab(iBar, iIndex, iMethod, iHide);
}

CGTOutlookBarDockingPane::CGTOutlookBarDockingPane()
{
    m_TabbedPaneClass = RUNTIME_CLASS(CGTOutlookBar);
}

void CGTOutlookBarDockingPane::PostNcDestroy()
{
    CGTDockingCBWrapper::PostNcDestroy();
    delete this;
}
