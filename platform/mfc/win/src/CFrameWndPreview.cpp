// A frame lending its client area to a print preview: what it puts aside and gets back.
#include "afxstate.h"

// The bars of a preview state: ids AFX_IDW_CONTROLBAR_FIRST to 31 above it.
static DWORD BarBit(UINT nID)
{
    UINT nOffset = nID - AFX_IDW_CONTROLBAR_FIRST;
    return nID >= AFX_IDW_CONTROLBAR_FIRST && nOffset < 32 ? 1UL << nOffset : 0;
}

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (bPreview) {
        m_lpfnCloseProc = pState->lpfnCloseProc;
        pState->hWndFocus = ::GetFocus();
        if (HWND hWndPane = ::GetDlgItem(m_hWnd, (int)pState->nIDMainPane)) {
            ::ShowWindow(hWndPane, SW_HIDE);
            ::SetWindowLongPtrW(hWndPane, GWLP_ID, AFX_IDW_PANE_SAVE);
        }
        pState->hMenu = (GetStyle() & WS_CHILD) ? nullptr : ::GetMenu(m_hWnd);  // a child frame has none
        if (pState->hMenu != nullptr) {
            ::SetMenu(m_hWnd, nullptr);
            m_nIdleFlags &= ~idleMenu;
        }
        pState->hAccelTable = m_hAccelTable;
        m_hAccelTable = nullptr;
        // The status bar stays: it shows the page numbers.
        pState->dwStates = 0;
        for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != nullptr;) {
            CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
            UINT nID = (UINT)pBar->GetDlgCtrlID();
            if (nID != AFX_IDW_STATUS_BAR && BarBit(nID) != 0 && pBar->IsVisible()) {
                pState->dwStates |= BarBit(nID);
                ShowControlBar(pBar, FALSE, FALSE);
            }
        }
        RecalcLayout();
        return;
    }
    m_lpfnCloseProc = nullptr;
    // The preview's pane steps aside for the one it replaced.
    if (HWND hWndPreview = ::GetDlgItem(m_hWnd, (int)pState->nIDMainPane)) {
        ::ShowWindow(hWndPreview, SW_HIDE);
        ::SetWindowLongPtrW(hWndPreview, GWLP_ID, AFX_IDW_PANE_LAST);
    }
    HWND hWndPane = ::GetDlgItem(m_hWnd, AFX_IDW_PANE_SAVE);
    if (hWndPane != nullptr) {
        ::SetWindowLongPtrW(hWndPane, GWLP_ID, (LONG_PTR)pState->nIDMainPane);
        ::ShowWindow(hWndPane, SW_SHOW);
    }
    if (pState->hMenu != nullptr)
        ::SetMenu(m_hWnd, pState->hMenu);
    m_hAccelTable = pState->hAccelTable;
    for (UINT nBit = 0; nBit < 32; nBit++)
        if (pState->dwStates & (1UL << nBit))
            if (CControlBar* pBar = GetControlBar(AFX_IDW_CONTROLBAR_FIRST + nBit))
                ShowControlBar(pBar, TRUE, FALSE);
    if (CView* pView = DYNAMIC_DOWNCAST(CView, CWnd::FromHandlePermanent(hWndPane)))
        SetActiveView(pView);
    RecalcLayout();
    if (::IsWindow(pState->hWndFocus))
        ::SetFocus(pState->hWndFocus);
}
