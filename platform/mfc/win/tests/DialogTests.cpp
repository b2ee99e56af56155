// Modal dialogs from a template: data exchange in both directions, the end result, and
// input that does not parse; the modeless find dialog's notices to its owner.
#include <afxwin.h>
#include <afxdlgs.h>
#include <dlgs.h>
#include <gtest/gtest.h>
#include <functional>
#include <vector>
#include "DebugOutputCapture.h"
#include "test_resource.h"

namespace {
class CPromptApp : public CWinApp {
public:
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

class CExchangeDlg : public CDialog {
public:
    CExchangeDlg() : CDialog(IDD_TEST) {}

    CString m_strName = L"initial";
    int m_nCount = 5;
    int m_nCheck = 1;
    int m_nRadio = 2;
    int m_nCombo = 1;
    // What the controls showed after OnInitDialog, and what the "user" does then.
    CString m_strShownName, m_strShownCount;
    int m_nShownRadio = -1;
    std::function<void(CExchangeDlg&)> m_user;
    int m_nNameId = IDC_NAME;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, m_nNameId, m_strName);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_RADIO_A, m_nRadio);
        DDX_CBIndex(pDX, IDC_COMBO, m_nCombo);
    }
    void PreInitDialog() override
    {
        for (LPCWSTR item : {L"zero", L"one", L"two"})
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, (LPARAM)item);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        GetDlgItemText(IDC_NAME, m_strShownName);
        GetDlgItemText(IDC_COUNT, m_strShownCount);
        for (int i = 0; i < 3; i++)
            if (IsDlgButtonChecked(IDC_RADIO_A + i))
                m_nShownRadio = i;
        m_user(*this);
        return TRUE;
    }
};
}  // namespace

TEST(Dialog, ModalDialogExchangesDataAndEndsWithItsId)
{
    CPromptApp app;
    CExchangeDlg dlg;
    dlg.m_user = [](CExchangeDlg& d) {
        d.SetDlgItemText(IDC_NAME, L"changed");
        d.SetDlgItemText(IDC_COUNT, L" 42 ");
        d.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
        d.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_C, IDC_RADIO_A);
        d.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 2);
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_strShownName, CString(L"initial"));
    EXPECT_EQ(dlg.m_strShownCount, CString(L"5"));
    EXPECT_EQ(dlg.m_nShownRadio, 2);
    EXPECT_EQ(dlg.m_strName, CString(L"changed"));
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_EQ(dlg.m_nCheck, 0);
    EXPECT_EQ(dlg.m_nRadio, 0);
    EXPECT_EQ(dlg.m_nCombo, 2);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(app.m_prompts.empty());
}

TEST(Dialog, InputThatDoesNotParseKeepsTheDialogOpenAndTheMember)
{
    CPromptApp app;
    CExchangeDlg dlg;
    dlg.m_user = [](CExchangeDlg& d) {
        d.SetDlgItemText(IDC_COUNT, L"12abc");
        d.PostMessage(WM_COMMAND, IDOK);  // refused: the count does not parse
        d.PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nCount, 5);
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_EQ(app.m_prompts[0], CString(L"Please enter an integer."));
}

TEST(Dialog, EndDialogDuringInitialisationSkipsTheLoop)
{
    CPromptApp app;
    CExchangeDlg dlg;
    dlg.m_user = [](CExchangeDlg& d) { d.EndDialog(1234); };
    EXPECT_EQ(dlg.DoModal(), 1234);
}

TEST(Dialog, AnExchangeThatThrowsLeavesControlNotificationsOn)
{
    CPromptApp app;
    CExchangeDlg dlg;
    dlg.m_user = [](CExchangeDlg& d) {
        d.m_nNameId = 999;  // no such control
        try {
            d.UpdateData(TRUE);
            ADD_FAILURE() << "the exchange with a missing control succeeded";
        } catch (CException* e) {
            e->Delete();
        }
        d.m_nNameId = IDC_NAME;
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)d.GetDlgItem(IDOK)->m_hWnd);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

TEST(Dialog, ATemplateThatHostsAControlFailsWithoutControlHostingAndSaysWhy)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    CDebugOutputCapture output;
    CDialog dialog;
    EXPECT_FALSE(dialog.Create(IDD_HOSTING, &parent));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(parent.m_hWnd, GW_CHILD), nullptr);
    std::wstring text = output.Text();
    EXPECT_NE(text.find(L"1049"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"{FAB9B41C-87D6-474D-AB7E-F07D78F2422E}"), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"0x80004001"), std::wstring::npos) << text;
}

namespace {

// Records what the find dialog tells its owner.
class CFindOwner : public CWnd {
public:
    CFindOwner() { CreateEx(0, AfxRegisterWndClass(0), L"owner", WS_POPUP, CRect(0, 0, 100, 100), nullptr, 0); }
    ~CFindOwner() override { DestroyWindow(); }

    struct Notice {
        DWORD dwFlags;
        CString strFind;
    };
    std::vector<Notice> m_notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        static const UINT s_nFindMessage = ::RegisterWindowMessageW(FINDMSGSTRING);
        if (message == s_nFindMessage) {
            CFindReplaceDialog* pDialog = CFindReplaceDialog::GetNotifier(lParam);
            m_notices.push_back({pDialog->m_fr.Flags, pDialog->GetFindString()});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

TEST(Dialog, TheFindDialogTellsItsOwnerOfFindNextAndOfItsEnd)
{
    CFindOwner owner;
    CFindReplaceDialog* pDialog = new CFindReplaceDialog;  // deletes itself with its window
    ASSERT_TRUE(pDialog->Create(TRUE, L"", nullptr, FR_DOWN, &owner));
    pDialog->SetDlgItemText(edt1, L"needle");
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED));
    ASSERT_EQ(1u, owner.m_notices.size());
    EXPECT_TRUE(owner.m_notices[0].dwFlags & FR_FINDNEXT);
    EXPECT_TRUE(owner.m_notices[0].dwFlags & FR_DOWN);
    EXPECT_EQ(CString(L"needle"), owner.m_notices[0].strFind);
    HWND hWnd = pDialog->m_hWnd;
    pDialog->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
    ASSERT_EQ(2u, owner.m_notices.size());
    EXPECT_TRUE(owner.m_notices[1].dwFlags & FR_DIALOGTERM);
    EXPECT_FALSE(::IsWindow(hWnd));
}
