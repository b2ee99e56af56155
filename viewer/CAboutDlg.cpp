#include "CAboutDlg.h"

#include "ViewerResources.h"

#include <vector>

CAboutDlg::CAboutDlg(LPCWSTR iModuleName) : CDialog(IDD_ABOUTBOX), m_ModuleName(iModuleName) {}

BOOL CAboutDlg::GetFileVersion(LPCWSTR iModuleName, DWORD& oMostSignificant, DWORD& oLeastSignificant)
{
    oMostSignificant = oLeastSignificant = 0;
    wchar_t path[MAX_PATH] = {};
    if (!GetModuleFileNameW(GetModuleHandleW(iModuleName), path, MAX_PATH))
        return FALSE;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &handle);
    if (size == 0)
        return FALSE;
    std::vector<BYTE> block(size * 2);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path, 0, size, block.data()) ||
        !VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&info), &length) || length < sizeof(*info))
        return FALSE;
    oMostSignificant = info->dwFileVersionMS;
    oLeastSignificant = info->dwFileVersionLS;
    return TRUE;
}

void CAboutDlg::DoDataExchange(CDataExchange* iExchange)
{
    CDialog::DoDataExchange(iExchange);
    DDX_Control(iExchange, IDC_VENDOR_LINK, m_VendorLink);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_VendorLink.SetURL(CString(MAKEINTRESOURCEW(IDS_PRODUCT_ADDRESS)));
    DWORD most = 0, least = 0;
    CWnd* version = GetDlgItem(IDC_VERSION);
    if (GetFileVersion(m_ModuleName, most, least) && version) {
        CString text;
        text.Format(L"%d.%d.%d.%d", HIWORD(most), LOWORD(most), HIWORD(least), LOWORD(least));
        version->SetWindowText(text);
    }
    return TRUE;
}
