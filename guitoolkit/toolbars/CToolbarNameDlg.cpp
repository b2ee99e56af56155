#include <guitoolkit/toolbars/CToolbarNameDlg.h>
#include <guitoolkit/core/GuiToolkitResources.h>

BEGIN_MESSAGE_MAP(CToolbarNameDlg, CDialog)
    ON_EN_CHANGE(IDC_GT_TOOLBAR_NAME, &CToolbarNameDlg::OnNameChanged)
END_MESSAGE_MAP()

CToolbarNameDlg::CToolbarNameDlg(CWnd* iParent, LPCWSTR iName) : CDialog(IDD_GT_TOOLBAR_NAME, iParent), m_Name(iName) {}

void CToolbarNameDlg::DoDataExchange(CDataExchange* ioExchange)
{
    CDialog::DoDataExchange(ioExchange);
    DDX_Text(ioExchange, IDC_GT_TOOLBAR_NAME, m_Name);
}

BOOL CToolbarNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CWnd* main = AfxGetMainWnd();
    if (main != nullptr && (main->GetExStyle() & WS_EX_LAYOUTRTL))
        ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    OnNameChanged();
    return TRUE;
}

void CToolbarNameDlg::OnNameChanged()
{
    CString name;
    GetDlgItemText(IDC_GT_TOOLBAR_NAME, name);
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!name.IsEmpty());
}
