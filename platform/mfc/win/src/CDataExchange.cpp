// Data exchange between dialog controls and members. A value that does not parse or
// validate is reported, the control gets the focus, and the exchange stops (CUserException).
#include "afxstate.h"
#include <cerrno>
#include <climits>
#include <cwchar>

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    // Controls must not notify while their values are being set.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->hLockoutNotifyWindow;
    pState->hLockoutNotifyWindow = m_hWnd;
    BOOL bOK = FALSE;
    try {
        DoDataExchange(&dx);
        bOK = TRUE;
    } catch (CUserException* e) {
        e->Delete();  // already reported to the user
    } catch (...) {
        // Any other failure goes on to the caller, but the controls may notify again.
        pState->hLockoutNotifyWindow = hWndOldLockout;
        throw;
    }
    pState->hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(nullptr), m_hWndLastControl(nullptr),
      m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == nullptr)
        AfxThrowNotSupportedException();  // the dialog has no control with that id
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_hWndLastControl != nullptr) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

static CString WindowText(HWND hWnd)
{
    CString str;
    CWnd::FromHandle(hWnd)->GetWindowText(str);
    return str;
}

static void FailWith(CDataExchange* pDX, LPCWSTR lpszPrompt, UINT nIDPrompt)
{
    AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

// Parses a whole number (surrounding blanks allowed); FALSE for anything else.
static BOOL ParseSigned(const CString& str, long long& value)
{
    CString s(str);
    s.Trim();
    if (s.IsEmpty())
        return FALSE;
    errno = 0;
    wchar_t* pEnd = nullptr;
    value = wcstoll(s, &pEnd, 10);
    return errno == 0 && *pEnd == L'\0';
}

template <class T>
static void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long lMin, long long lMax, bool bUnsigned)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseSigned(WindowText(hWndCtrl), parsed) || parsed < lMin || parsed > lMax)
            FailWith(pDX, bUnsigned ? L"Please enter a positive integer." : L"Please enter an integer.",
                     bUnsigned ? AFX_IDP_PARSE_UINT : AFX_IDP_PARSE_INT);
        value = (T)parsed;
    } else {
        WCHAR szT[32];
        if (bUnsigned)
            swprintf(szT, _countof(szT), L"%llu", (unsigned long long)value);
        else
            swprintf(szT, _countof(szT), L"%lld", (long long)value);
        ::SetWindowTextW(hWndCtrl, szT);
    }
}

template <class T>
static void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString s = WindowText(hWndCtrl);
        s.Trim();
        wchar_t* pEnd = nullptr;
        errno = 0;
        double d = s.IsEmpty() ? 0.0 : wcstod(s, &pEnd);
        if (s.IsEmpty() || errno != 0 || *pEnd != L'\0')
            FailWith(pDX, L"Please enter a number.", AFX_IDP_PARSE_REAL);
        value = (T)d;
    } else {
        WCHAR szT[64];
        swprintf(szT, _countof(szT), L"%.*g", nDigits, (double)value);
        ::SetWindowTextW(hWndCtrl, szT);
    }
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, false);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, false);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value)
{
    ExchangeInteger(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, false);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, true);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, 0xFFFFFFFFLL, true);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, 255, true);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    ExchangeReal(pDX, nIDC, value, 15);
}
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value)
{
    ExchangeReal(pDX, nIDC, value, 6);
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0);
    else {
        if (value < 0 || value > 2)
            value = 0;  // not a check state
        ::SendMessageW(hWndCtrl, BM_SETCHECK, value, 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    // nIDC is the first button of a group; the group ends before the next WS_GROUP control.
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    int iButton = 0;
    do {
        if (::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) != 0)
                    value = iButton;
            } else
                ::SendMessageW(hWndCtrl, BM_SETCHECK, iButton == value, 0);
            iButton++;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongW(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = WindowText(hWndCtrl);
    else if (::SendMessageW(hWndCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCWSTR)value) == CB_ERR)
        ::SetWindowTextW(hWndCtrl, value);  // an edit part takes text that is not in the list
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageW(hWndCtrl, LB_SETCURSEL, index, 0);
}

void AFXAPI DDX_LBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        int nIndex = (int)::SendMessageW(hWndCtrl, LB_GETCURSEL, 0, 0);
        if (nIndex == LB_ERR)
            value.Empty();
        else
            static_cast<CListBox*>(CWnd::FromHandle(hWndCtrl))->GetText(nIndex, value);
    } else if (::SendMessageW(hWndCtrl, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)(LPCWSTR)value) == LB_ERR)
        ::SendMessageW(hWndCtrl, LB_SETCURSEL, (WPARAM)-1, 0);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        AfxThrowNotSupportedException();
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString strPrompt;
        strPrompt.Format(L"Please enter no more than %d characters.", nChars);
        FailWith(pDX, strPrompt, AFX_IDP_PARSE_STRING_SIZE);
    } else if (!pDX->m_bSaveAndValidate && pDX->m_hWndLastControl != nullptr && pDX->m_bEditLastControl)
        ::SendMessageW(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString strPrompt;
        strPrompt.Format(L"Please enter an integer between %d and %d.", minVal, maxVal);
        FailWith(pDX, strPrompt, AFX_IDP_PARSE_INT_RANGE);
    }
}
