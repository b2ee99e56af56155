#include "CPPageServer.h"

#include "CZVViewerDoc.h"
#include "ServerBusyGuard.h"
#include "ViewerResources.h"
#include "ViewerSettings.h"

BEGIN_MESSAGE_MAP(CPPageServer, CGTPropertyPage)
    ON_EN_CHANGE(IDC_SERVER_NAME, &CPPageServer::OnServerNameChanged)
END_MESSAGE_MAP()

CPPageServer::CPPageServer() : CGTPropertyPage(IDD_SERVER_PAGE) {}

void CPPageServer::DoDataExchange(CDataExchange* iExchange)
{
    CGTPropertyPage::DoDataExchange(iExchange);
    DDX_Text(iExchange, IDC_SERVER_NAME, m_ServerName);
}

BOOL CPPageServer::OnInitDialog()
{
    CGTPropertyPage::OnInitDialog();
    if (GetViewerDocument())
        m_ServerName = ReadServerName();
    UpdateData(FALSE);
    return TRUE;
}

void CPPageServer::OnServerNameChanged()
{
    SetModified(TRUE);
}

BOOL CPPageServer::OnApply()
{
    if (RefuseWhileServerBusy())
        return FALSE;
    GetDlgItemText(IDC_SERVER_NAME, m_ServerName);
    if (m_ServerName.IsEmpty()) {
        AfxMessageBox(IDS_FIELD_EMPTY, MB_ICONEXCLAMATION);
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_SERVER_NAME)->GetSafeHwnd()), TRUE);
        return FALSE;
    }
    if (CZVViewerDoc* document = GetViewerDocument()) {
        WriteServerName(m_ServerName);
        document->ResetCaches();
        document->ConnectToServer();
    }
    SetModified(FALSE);
    return TRUE;
}
