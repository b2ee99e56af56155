// Property sheets over the common-controls sheet. The sheet and page windows become the
// library objects through the creation hook; a modal sheet runs the library's modal loop
// over a modeless sheet.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// --- Pages ---------------------------------------------------------------------------------

CPropertyPage::CPropertyPage()
{
    CommonConstruct(nullptr, 0);
}
CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
{
    CommonConstruct(MAKEINTRESOURCEW(nIDTemplate), nIDCaption);
}
CPropertyPage::CPropertyPage(LPCWSTR lpszTemplateName, UINT nIDCaption)
{
    CommonConstruct(lpszTemplateName, nIDCaption);
}
CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::CommonConstruct(LPCWSTR lpszTemplateName, UINT nIDCaption)
{
    memset(&m_psp, 0, sizeof(m_psp));
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_lpszTemplateName = lpszTemplateName;
    if (lpszTemplateName != nullptr) {
        m_psp.hInstance = AfxFindResourceHandle(lpszTemplateName, (LPCWSTR)RT_DIALOG);
        if (IS_INTRESOURCE(lpszTemplateName))
            m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    }
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = (LPARAM)this;
    m_psp.pfnCallback = PropPageCallback;
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    m_bFirstSetActive = TRUE;
}

UINT CALLBACK CPropertyPage::PropPageCallback(HWND, UINT message, LPPROPSHEETPAGEW pPropPage)
{
    // The next window created is the page's dialog.
    if (message == PSPCB_CREATE)
        AfxHookWindowCreate((CPropertyPage*)pPropPage->lParam);
    return TRUE;
}

CPropertySheet* CPropertyPage::GetParentSheet() const
{
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

BOOL CPropertyPage::OnInitDialog()
{
    AfxUnhookWindowCreate();
    return CDialog::OnInitDialog();
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    ::SendMessageW(::GetParent(m_hWnd), bChanged ? PSM_CHANGED : PSM_UNCHANGED, (WPARAM)m_hWnd, 0);
}

void CPropertyPage::CancelToClose()
{
    ::SendMessageW(::GetParent(m_hWnd), PSM_CANCELTOCLOSE, 0, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageW(::GetParent(m_hWnd), PSM_QUERYSIBLINGS, wParam, lParam);
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;  // OnInitDialog has just filled the controls
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}
void CPropertyPage::OnOK() {}
void CPropertyPage::OnCancel() {}
BOOL CPropertyPage::OnQueryCancel()
{
    return TRUE;
}
LRESULT CPropertyPage::OnWizardBack()
{
    return 0;
}
LRESULT CPropertyPage::OnWizardNext()
{
    return 0;
}
BOOL CPropertyPage::OnWizardFinish()
{
    return TRUE;
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg)
{
    // The sheet does the dialog keys for all its pages.
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (CDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;
    NMHDR* pNMHDR = (NMHDR*)lParam;
    if (pNMHDR->hwndFrom != m_hWnd && pNMHDR->hwndFrom != ::GetParent(m_hWnd))
        return FALSE;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        *pResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        *pResult = !OnKillActive();
        break;
    case PSN_APPLY:
        *pResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        *pResult = !OnQueryCancel();
        break;
    case PSN_WIZNEXT:
        *pResult = OnWizardNext();
        break;
    case PSN_WIZBACK:
        *pResult = OnWizardBack();
        break;
    case PSN_WIZFINISH:
        *pResult = !OnWizardFinish();
        break;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

// --- Sheets --------------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CPropertySheet::HandleInitDialog)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

static thread_local CPropertySheet* s_pSheetInit = nullptr;  // the sheet being created

CPropertySheet::CPropertySheet()
{
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
    m_psh.pszCaption = m_strCaption;
}

CPropertySheet::CPropertySheet(LPCWSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption;
    m_psh.pszCaption = m_strCaption;
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
    delete[] m_pPageArray;
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage)
{
    memset(&m_psh, 0, sizeof(m_psh));
    m_psh.dwSize = sizeof(m_psh);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.nStartPage = iSelectPage;
    m_psh.pfnCallback = PropSheetCallback;
    m_pParentWnd = pParentWnd;
    m_bStacked = TRUE;
    m_bModeless = FALSE;
    m_dwCreateStyle = 0;
    m_pPageArray = nullptr;
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
    m_strCaption.LoadString(nIDCaption);
    m_psh.pszCaption = m_strCaption;
}

void CPropertySheet::Construct(LPCWSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
{
    m_pParentWnd = pParentWnd;
    m_psh.nStartPage = iSelectPage;
    m_strCaption = pszCaption;
    m_psh.pszCaption = m_strCaption;
}

int CALLBACK CPropertySheet::PropSheetCallback(HWND, UINT message, LPARAM lParam)
{
    CPropertySheet* pSheet = s_pSheetInit;
    if (message != PSCB_PRECREATE || pSheet == nullptr || pSheet->m_dwCreateStyle == 0)
        return 0;
    // The style asked for by Create replaces the template's (a child sheet above all).
    WORD* pWords = (WORD*)lParam;
    bool bEx = pWords[1] == 0xFFFF;
    DWORD* pStyle = bEx ? (DWORD*)(pWords + 6) : (DWORD*)pWords;
    DWORD* pExStyle = bEx ? (DWORD*)(pWords + 4) : (DWORD*)(pWords + 2);
    DWORD dwKeep = *pStyle & (DS_SETFONT | DS_3DLOOK | DS_CONTEXTHELP | DS_FIXEDSYS);
    *pStyle = pSheet->m_dwCreateStyle | dwKeep;
    if (pSheet->m_dwCreateStyle & WS_CHILD) {
        *pStyle |= DS_CONTROL;
        *pExStyle |= WS_EX_CONTROLPARENT;
    }
    return 0;
}

void CPropertySheet::BuildPropPageArray()
{
    delete[] m_pPageArray;
    int nPages = (int)m_pages.GetSize();
    m_pPageArray = new PROPSHEETPAGEW[nPages > 0 ? nPages : 1];
    for (int i = 0; i < nPages; i++)
        m_pPageArray[i] = GetPage(i)->m_psp;
    m_psh.ppsp = m_pPageArray;
    m_psh.nPages = (UINT)nPages;
}

BOOL CPropertySheet::CreateSheet(CWnd* pParentWnd)
{
    BuildPropPageArray();
    m_psh.hwndParent = pParentWnd->GetSafeHwnd();
    m_psh.dwFlags |= PSH_MODELESS;
    s_pSheetInit = this;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::PropertySheetW(&m_psh);
    AfxUnhookWindowCreate();
    s_pSheetInit = nullptr;
    return hWnd != nullptr && hWnd != (HWND)-1;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD)
{
    m_bModeless = TRUE;
    if (dwStyle == (DWORD)-1)
        dwStyle = DS_MODALFRAME | DS_3DLOOK | DS_CONTEXTHELP | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION;
    m_dwCreateStyle = dwStyle;
    if (pParentWnd == nullptr && !(dwStyle & WS_CHILD))
        pParentWnd = m_pParentWnd;
    return CreateSheet(pParentWnd);
}

INT_PTR CPropertySheet::DoModal()
{
    m_bModeless = FALSE;
    m_dwCreateStyle = 0;
    HWND hWndTop;
    HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_nModalResult = IDCANCEL;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateSheet(CWnd::FromHandle(hWndParent)) && ContinueModal())
        RunModalLoop(0);
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    // Buttons pressed by program do not pass through WM_COMMAND: the sheet's own result
    // (positive once OK or Apply applied the pages) tells OK from Cancel.
    INT_PTR nResult = m_nModalResult;
    if (nResult == IDCANCEL && m_hWnd != nullptr && SendMessage(PSM_GETRESULT) > 0)
        nResult = IDOK;
    DestroyWindow();
    return nResult;
}

BOOL CPropertySheet::ContinueModal()
{
    // A modeless sheet ends by dropping its current page.
    return CWnd::ContinueModal() && m_hWnd != nullptr && ::SendMessageW(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) != 0;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    if (nID == IDOK || nID == IDCANCEL || nID == ID_WIZFINISH)
        m_nModalResult = (int)nID;
    return CWnd::OnCommand(wParam, lParam);
}

void CPropertySheet::EndDialog(int nEndID)
{
    EndModalLoop(nEndID);
    if (m_bModeless)
        DestroyWindow();
    else
        PostMessage(PSM_PRESSBUTTON, PSBTN_CANCEL);
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheet::OnInitDialog()
{
    if (!m_bStacked)
        if (CTabCtrl* pTab = GetTabControl())
            pTab->ModifyStyle(TCS_MULTILINE, TCS_SINGLELINE);
    if (m_bModeless) {
        // Modeless and child sheets have no OK, Cancel, Apply or Help buttons.
        static const int buttons[] = {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP};
        for (int nID : buttons)
            if (HWND hWnd = ::GetDlgItem(m_hWnd, nID)) {
                ::ShowWindow(hWnd, SW_HIDE);
                ::EnableWindow(hWnd, FALSE);
            }
    }
    return TRUE;
}

void CPropertySheet::OnClose()
{
    if (m_bModeless)
        DestroyWindow();
    else
        Default();
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    return (BOOL)SendMessage(PSM_ISDIALOGMESSAGE, 0, (LPARAM)pMsg);
}

BOOL CPropertySheet::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
        AfxRouteCommandToThread(nID, nCode, pExtra, pHandlerInfo);
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    m_pages.Add(pPage);
    if (m_hWnd != nullptr) {
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageW(&pPage->m_psp);
        if (hPage == nullptr || !SendMessage(PSM_ADDPAGE, 0, (LPARAM)hPage)) {
            if (hPage != nullptr)
                ::DestroyPropertySheetPage(hPage);
            m_pages.RemoveAt(m_pages.GetSize() - 1);
            AfxThrowMemoryException();
        }
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        SendMessage(PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
}

int CPropertySheet::GetPageCount() const
{
    return (int)m_pages.GetSize();
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    if (nPage < 0 || nPage >= GetPageCount())
        return nullptr;
    return static_cast<CPropertyPage*>(m_pages.GetAt(nPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    for (int i = 0; i < GetPageCount(); i++)
        if (GetPage(i) == pPage)
            return i;
    return -1;
}

int CPropertySheet::GetActiveIndex() const
{
    if (m_hWnd == nullptr)
        return (int)m_psh.nStartPage;
    HWND hTab = (HWND)::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0);
    return (int)::SendMessageW(hTab, TCM_GETCURSEL, 0, 0);
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = (UINT)nPage;
        return TRUE;
    }
    return (BOOL)SendMessage(PSM_SETCURSEL, nPage, 0);
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage)
{
    return SetActivePage(GetPageIndex(pPage));
}

CTabCtrl* CPropertySheet::GetTabControl() const
{
    return static_cast<CTabCtrl*>(CWnd::FromHandle((HWND)::SendMessageW(m_hWnd, PSM_GETTABCONTROL, 0, 0)));
}

void CPropertySheet::SetTitle(LPCWSTR lpszText, UINT nStyle)
{
    if (m_hWnd == nullptr) {
        m_strCaption = lpszText;
        m_psh.pszCaption = m_strCaption;
        m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    } else
        SendMessage(PSM_SETTITLEW, nStyle, (LPARAM)lpszText);
}
