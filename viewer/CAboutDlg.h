#pragma once
#include <afxwin.h>
#include <guitoolkit/controls/CGTURLLinkButton.h>

// The about box: the program's file version, and a link to the vendor.
class CAboutDlg : public CDialog {
public:
    // The version shown is that of the loaded module of this name, else of the program itself.
    explicit CAboutDlg(LPCWSTR iModuleName = L"zvviewer.exe");

    // The file version of the module's root version block; FALSE (both words 0) without one.
    static BOOL GetFileVersion(LPCWSTR iModuleName, DWORD& oMostSignificant, DWORD& oLeastSignificant);

protected:
    void DoDataExchange(CDataExchange* iExchange) override;
    BOOL OnInitDialog() override;

private:
    CString m_ModuleName;
    CGTURLLinkButton m_VendorLink;
};
