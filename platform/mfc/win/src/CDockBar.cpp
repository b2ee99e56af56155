// The platform docking: class records of its dock bars (the toolkit docks its own bars) and
// the saved state of the bars it docks.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

CMiniDockFrameWnd::CMiniDockFrameWnd() : m_wndDockBar(TRUE) {}

IMPLEMENT_DYNAMIC(CDockState, CObject)

void CDockState::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); i++)
        delete m_arrBarInfo[i];
    m_arrBarInfo.RemoveAll();
}

static CString BarSection(LPCWSTR lpszProfileName, INT_PTR nBar)
{
    CString strSection;
    strSection.Format(L"%s-Bar%d", lpszProfileName, (int)nBar);
    return strSection;
}

void CDockState::SaveState(LPCWSTR lpszProfileName)
{
    CWinApp* pApp = AfxGetApp();
    CString strSummary = CString(lpszProfileName) + L"-Summary";
    pApp->WriteProfileInt(strSummary, L"Bars", (int)m_arrBarInfo.GetSize());
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); i++) {
        CString strSection = BarSection(lpszProfileName, i);
        pApp->WriteProfileInt(strSection, L"BarID", (int)m_arrBarInfo[i]->m_nBarID);
        pApp->WriteProfileInt(strSection, L"Visible", m_arrBarInfo[i]->m_bVisible);
    }
}

void CDockState::LoadState(LPCWSTR lpszProfileName)
{
    Clear();
    CWinApp* pApp = AfxGetApp();
    int nBars = (int)pApp->GetProfileInt(CString(lpszProfileName) + L"-Summary", L"Bars", 0);
    for (int i = 0; i < nBars; i++) {
        CString strSection = BarSection(lpszProfileName, i);
        CControlBarInfo* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = pApp->GetProfileInt(strSection, L"BarID", 0);
        pInfo->m_bVisible = pApp->GetProfileInt(strSection, L"Visible", TRUE);
        m_arrBarInfo.Add(pInfo);
    }
}
