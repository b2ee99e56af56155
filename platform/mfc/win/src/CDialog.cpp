// Dialogs from templates. A modal dialog runs the library's modal loop over a dialog
// window created modeless, so that pre-translation and idle messages work inside it.
#include "afxstate.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_COMMANDHELP, &CDialog::OnCommandHelp)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr), m_lpDialogInit(nullptr),
      m_pParentWnd(nullptr), m_hWndTop(nullptr), m_nIDHelp(0)
{
}

CDialog::CDialog(LPCWSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = lpszTemplateName;
    m_pParentWnd = pParentWnd;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_lpszTemplateName = nIDTemplate != 0 ? MAKEINTRESOURCEW(nIDTemplate) : nullptr;
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr && lParam != 0) {
        // A property page whose creation the hook did not see.
        PROPSHEETPAGEW* pPsp = (PROPSHEETPAGEW*)lParam;
        if (pPsp->pfnDlgProc == AfxDlgProc && pPsp->lParam != 0) {
            CPropertyPage* pPage = (CPropertyPage*)pPsp->lParam;
            pPage->SubclassWindow(hWnd);
            pPage->PreInitDialog();
            pWnd = pPage;
        }
    }
    // Controls named by class id come first: OnInitDialog's data exchange binds them.
    if (!AfxCreateDlgControls(pWnd))
        return TRUE;
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, pWnd);
    if (pDlg == nullptr)
        return TRUE;
    MSG msg = {hWnd, message, 0, lParam, 0, {0, 0}};
    return (INT_PTR)AfxGuardedCall(msg, [pDlg]() -> LRESULT { return pDlg->OnInitDialog(); });
}

LPCDLGTEMPLATE CDialog::LoadTemplate(HINSTANCE* phInst) const
{
    *phInst = AfxGetResourceHandle();
    if (m_lpDialogTemplate != nullptr)
        return m_lpDialogTemplate;
    if (m_hDialogTemplate != nullptr)
        return (LPCDLGTEMPLATE)::LockResource(m_hDialogTemplate);
    if (m_lpszTemplateName == nullptr)
        return nullptr;
    *phInst = AfxFindResourceHandle(m_lpszTemplateName, (LPCWSTR)RT_DIALOG);
    HRSRC hResource = ::FindResourceW(*phInst, m_lpszTemplateName, (LPCWSTR)RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(*phInst, hResource);
    return hTemplate != nullptr ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : nullptr;
}

BOOL CDialog::Create(LPCWSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    return lpTemplate != nullptr && CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCEW(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst;
    LPCDLGTEMPLATE lpTemplate = LoadTemplate(&hInst);
    if (lpTemplate == nullptr)
        return -1;
    HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
        // EndDialog during OnInitDialog ends the dialog before the loop starts.
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        if (m_hWnd != nullptr)
            SetWindowPos(nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    // The controls get their list items before the data exchange of OnInitDialog.
    if (m_lpDialogInit != nullptr)
        ExecuteDlgInit(m_lpDialogInit);
    else if (m_lpDialogTemplate == nullptr && m_hDialogTemplate == nullptr)
        ExecuteDlgInit(m_lpszTemplateName);
    return Default();  // the default dialog procedure calls OnInitDialog through AfxDlgProc
}

void CDialog::PreInitDialog() {}

BOOL CDialog::OnInitDialog()
{
    if (!UpdateData(FALSE)) {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

void CDialog::OnSetFont(CFont*) {}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
void CDialog::OnClose()
{
    Default();
}

LRESULT CDialog::OnCommandHelp(WPARAM, LPARAM lParam)
{
    if (lParam == 0 && m_nIDHelp != 0)
        lParam = HID_BASE_RESOURCE + m_nIDHelp;
    if (lParam != 0) {
        if (CWinApp* pApp = AfxGetApp())
            pApp->WinHelp(lParam);
        return TRUE;
    }
    return FALSE;
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    CFrameWnd* pFrameWnd = GetTopLevelFrame();
    if (pFrameWnd != nullptr && pFrameWnd->m_bHelpMode)
        return FALSE;
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo) ||
        AfxRouteCommandToThread(nID, nCode, pExtra, pHandlerInfo);
}

BOOL AfxRouteCommandToThread(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // Commands (not control notifications) may be the thread's.
    if ((nCode != CN_COMMAND && nCode != (int)CN_UPDATE_COMMAND_UI) || nID == 0 || nID >= 0xF000)
        return FALSE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
