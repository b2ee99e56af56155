#include <guitoolkit/controls/CPropertySheetCtrl.h>

IMPLEMENT_DYNAMIC(CPropertySheetCtrl, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropertySheetCtrl, CPropertySheet)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPropertySheetCtrl::CPropertySheetCtrl() : m_Accelerators(nullptr), m_AutoDelete(FALSE) {}

BOOL CPropertySheetCtrl::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    // Tabbing runs through the pages' controls as part of the dialog around the sheet.
    ModifyStyleEx(0, WS_EX_CONTROLPARENT);
    ResizePages();
    return result;
}

BOOL CPropertySheetCtrl::PreTranslateMessage(MSG* iMessage)
{
    if (m_Accelerators != nullptr && ::TranslateAcceleratorW(m_hWnd, m_Accelerators, iMessage))
        return TRUE;
    return CPropertySheet::PreTranslateMessage(iMessage);
}

void CPropertySheetCtrl::ResizePages()
{
    CTabCtrl* tabs = GetTabControl();
    if (tabs == nullptr || tabs->GetSafeHwnd() == nullptr)
        return;
    CRect client;
    GetClientRect(client);
    tabs->MoveWindow(client);
    const int edgeWidth = ::GetSystemMetrics(SM_CXEDGE);
    const int edgeHeight = ::GetSystemMetrics(SM_CYEDGE);
    for (int index = 0; index < GetPageCount(); ++index) {
        CPropertyPage* page = GetPage(index);
        if (page->GetSafeHwnd() == nullptr)
            continue;
        CRect place;
        page->GetWindowRect(place);
        tabs->ScreenToClient(place);
        page->SetWindowPos(nullptr, place.left, place.top, client.Width() - 3 * edgeWidth,
                           client.Height() - place.top - edgeHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

BOOL CPropertySheetCtrl::OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult)
{
    const BOOL handled = CPropertySheet::OnNotify(iWParam, iLParam, oResult);
    if (reinterpret_cast<NMHDR*>(iLParam)->code == TCN_SELCHANGE)
        ResizePages();
    return handled;
}

void CPropertySheetCtrl::OnSize(UINT iType, int iWidth, int iHeight)
{
    CPropertySheet::OnSize(iType, iWidth, iHeight);
    ResizePages();
}

void CPropertySheetCtrl::PostNcDestroy()
{
    CPropertySheet::PostNcDestroy();
    if (m_AutoDelete)
        delete this;
}
