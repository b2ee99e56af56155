#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

CDialogBar::CDialogBar()
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCWSTR lpszTemplateName, UINT nStyle, UINT nID)
{
    m_dwStyle = nStyle & CBRS_ALL;
    if (!CreateDlg(lpszTemplateName, pParentWnd))
        return FALSE;
    ExecuteDlgInit(lpszTemplateName);
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    SetDlgCtrlID((int)nID);
    ModifyStyle(0, WS_CLIPSIBLINGS);
    // Shown as a window is shown: a style bit alone would leave it unpainted on the screen.
    if (nStyle & WS_VISIBLE)
        SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    UpdateData(FALSE);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // Stretched along its edge, the template's size across it.
    if (bStretch)
        return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
    return m_sizeDefault;
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
