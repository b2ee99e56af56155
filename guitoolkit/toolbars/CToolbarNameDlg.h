// Asks for the name of a new or renamed toolbar; OK only with a name.
#pragma once
#include <afxwin.h>
#include <afxdialog.h>

class CToolbarNameDlg : public CDialog {
public:
    explicit CToolbarNameDlg(CWnd* iParent = nullptr, LPCWSTR iName = L"");

    const CString& GetName() const { return m_Name; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* ioExchange) override;
    afx_msg void OnNameChanged();
    DECLARE_MESSAGE_MAP()

    CString m_Name;
};
