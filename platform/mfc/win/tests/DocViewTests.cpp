// Documents and views of a single-document program: start-up from the command line, the
// form view made from a template, command routing through view, document, frame and
// application, reuse of document and frame, loading, saving and closing.
#include <afxwin.h>
#include <afxcmn.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "test_resource.h"

namespace {
const UINT ID_ROUTED = 0x8200;  // every target traces it and passes it on

std::vector<std::string> g_route;

class CSdiApp : public CWinApp {
public:
    CSdiApp() : CWinApp(L"Sdi") {}
    std::vector<CString> m_prompts;
    int m_nAnswer = IDOK;  // what every message box answers
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return m_nAnswer;
    }

protected:
    afx_msg BOOL OnRouted(UINT)
    {
        g_route.push_back("application");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSdiApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND_EX(ID_ROUTED, &CSdiApp::OnRouted)
END_MESSAGE_MAP()

// A document of a few numbers; a flag makes its storing fail half-way.
class CReportDoc : public CDocument {
    DECLARE_DYNCREATE(CReportDoc)
public:
    static int s_nLive;
    CReportDoc() { s_nLive++; }
    ~CReportDoc() override { s_nLive--; }

    std::vector<LONG> m_values;
    int m_nNew = 0;
    bool m_bFailStore = false;

    BOOL OnNewDocument() override
    {
        m_nNew++;
        return CDocument::OnNewDocument();
    }
    void DeleteContents() override { m_values.clear(); }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << (LONG)m_values.size();
            for (LONG value : m_values) {
                if (m_bFailStore)
                    AfxThrowFileException(CFileException::diskFull, -1, ar.m_strFileName);
                ar << value;
            }
            return;
        }
        LONG nCount;
        ar >> nCount;
        for (LONG i = 0; i < nCount; i++) {
            LONG value;
            ar >> value;
            m_values.push_back(value);
        }
    }

protected:
    afx_msg BOOL OnRouted(UINT)
    {
        g_route.push_back("document");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CReportDoc, CDocument)
int CReportDoc::s_nLive = 0;

BEGIN_MESSAGE_MAP(CReportDoc, CDocument)
    ON_COMMAND_EX(ID_ROUTED, &CReportDoc::OnRouted)
END_MESSAGE_MAP()

class CSdiFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CSdiFrame)

protected:
    afx_msg BOOL OnRouted(UINT)
    {
        g_route.push_back("frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CSdiFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CSdiFrame, CFrameWnd)
    ON_COMMAND_EX(ID_ROUTED, &CSdiFrame::OnRouted)
END_MESSAGE_MAP()

class CReportForm : public CFormView {
    DECLARE_DYNCREATE(CReportForm)
public:
    CReportForm() : CFormView(IDD_FORM) {}

    CString m_strName = L"first";
    int m_nChoice = 1;
    COleDateTime m_date = COleDateTime(2024, 5, 6, 0, 0, 0);
    int m_nInitialUpdates = 0;

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_FORM_NAME, m_strName);
        DDX_Radio(pDX, IDC_FORM_CHOICE_A, m_nChoice);
        DDX_DateTimeCtrl(pDX, IDC_FORM_DATE, m_date);
    }
    void OnInitialUpdate() override
    {
        m_nInitialUpdates++;
        CFormView::OnInitialUpdate();
    }

protected:
    afx_msg BOOL OnRouted(UINT)
    {
        g_route.push_back("view");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CReportForm, CFormView)

BEGIN_MESSAGE_MAP(CReportForm, CFormView)
    ON_COMMAND_EX(ID_ROUTED, &CReportForm::OnRouted)
END_MESSAGE_MAP()

// A file in the temporary folder, removed at the end.
struct TempFile {
    CString path;
    explicit TempFile(LPCWSTR lpszName)
    {
        WCHAR szDir[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szDir);
        path = CString(szDir) + lpszName;
        ::DeleteFileW(path);
    }
    ~TempFile() { ::DeleteFileW(path); }
    void Write(const std::vector<BYTE>& bytes) const
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), (UINT)bytes.size());
    }
    std::vector<BYTE> Read() const
    {
        CFile file(path, CFile::modeRead);
        std::vector<BYTE> bytes((size_t)file.GetLength());
        if (!bytes.empty())
            file.Read(bytes.data(), (UINT)bytes.size());
        return bytes;
    }
};

struct SdiFixture : public ::testing::Test {
    CSdiApp app;

    void SetUp() override
    {
        g_route.clear();
        app.m_nCmdShow = SW_SHOWNOACTIVATE;
        app.AddDocTemplate(new CSingleDocTemplate(IDR_SDI, RUNTIME_CLASS(CReportDoc), RUNTIME_CLASS(CSdiFrame),
                                                  RUNTIME_CLASS(CReportForm)));
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        MSG msg;  // the quit message that the main window's end posted
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
        EXPECT_EQ(CReportDoc::s_nLive, 0);
    }

    // Start-up as a program does it.
    BOOL Start(LPCWSTR lpszCmdLine)
    {
        app.m_lpCmdLine = const_cast<LPWSTR>(lpszCmdLine);
        CCommandLineInfo info;
        app.ParseCommandLine(info);
        return app.ProcessShellCommand(info);
    }
    CReportDoc* Document()
    {
        POSITION pos = app.GetFirstDocTemplatePosition();
        CDocTemplate* pTemplate = app.GetNextDocTemplate(pos);
        POSITION posDoc = pTemplate->GetFirstDocPosition();
        return posDoc != nullptr ? static_cast<CReportDoc*>(pTemplate->GetNextDoc(posDoc)) : nullptr;
    }
    CSdiFrame* Frame() { return static_cast<CSdiFrame*>(app.m_pMainWnd); }
    CReportForm* Form() { return static_cast<CReportForm*>(Frame()->GetActiveView()); }
    CString Caption()
    {
        CString str;
        Frame()->GetWindowText(str);
        return str;
    }
};
}  // namespace

TEST_F(SdiFixture, AnEmptyCommandLineMakesDocumentFrameAndFormView)
{
    ASSERT_TRUE(Start(L""));
    ASSERT_NE(Frame(), nullptr);
    EXPECT_TRUE(Frame()->IsKindOf(RUNTIME_CLASS(CSdiFrame)));
    CReportDoc* pDoc = Document();
    ASSERT_NE(pDoc, nullptr);
    ASSERT_NE(Form(), nullptr);
    EXPECT_TRUE(Form()->IsKindOf(RUNTIME_CLASS(CReportForm)));
    EXPECT_EQ(Form()->GetDocument(), pDoc);
    EXPECT_EQ(Form()->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(Form()->m_nInitialUpdates, 1);
    EXPECT_EQ(pDoc->m_nNew, 1);
    EXPECT_TRUE(Frame()->IsWindowVisible());
    EXPECT_EQ(Caption(), CString(L"Report - Sdi"));

    // The controls stand where the template puts them: position and size (10, 30, 30, 10)
    // are each converted from dialog units of the template's font.
    CRect converted(10, 30, 30, 10);
    ::MapDialogRect(Form()->m_hWnd, &converted);
    CRect placed;
    Form()->GetDlgItem(IDC_FORM_CHOICE_A)->GetWindowRect(&placed);
    Form()->ScreenToClient(&placed);
    EXPECT_EQ(placed.TopLeft(), converted.TopLeft());
    EXPECT_EQ(placed.Size(), CSize(converted.right, converted.bottom));
    // The template's initial data filled the combo box.
    EXPECT_EQ(Form()->SendDlgItemMessage(IDC_FORM_COMBO, CB_GETCOUNT), 2);
}

TEST_F(SdiFixture, TheFormExchangesItsDataBothWays)
{
    ASSERT_TRUE(Start(L""));
    CReportForm* pForm = Form();
    CString strShown;
    pForm->GetDlgItemText(IDC_FORM_NAME, strShown);
    EXPECT_EQ(strShown, CString(L"first"));
    EXPECT_TRUE(pForm->IsDlgButtonChecked(IDC_FORM_CHOICE_B));
    SYSTEMTIME st = {};
    ASSERT_EQ(DateTime_GetSystemtime(pForm->GetDlgItem(IDC_FORM_DATE)->m_hWnd, &st), GDT_VALID);
    EXPECT_EQ(st.wYear, 2024);
    EXPECT_EQ(st.wDay, 6);

    pForm->SetDlgItemText(IDC_FORM_NAME, L"second");
    pForm->CheckRadioButton(IDC_FORM_CHOICE_A, IDC_FORM_CHOICE_C, IDC_FORM_CHOICE_C);
    st.wYear = 2025;
    DateTime_SetSystemtime(pForm->GetDlgItem(IDC_FORM_DATE)->m_hWnd, GDT_VALID, &st);
    ASSERT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_EQ(pForm->m_strName, CString(L"second"));
    EXPECT_EQ(pForm->m_nChoice, 2);
    EXPECT_EQ(pForm->m_date.GetYear(), 2025);

    // A null date shows no date and comes back null; an invalid one fails the exchange.
    pForm->m_date.SetStatus(COleDateTime::null);
    ASSERT_TRUE(pForm->UpdateData(FALSE));
    EXPECT_EQ(DateTime_GetSystemtime(pForm->GetDlgItem(IDC_FORM_DATE)->m_hWnd, &st), GDT_NONE);
    pForm->m_date = COleDateTime(2020, 1, 1, 0, 0, 0);
    ASSERT_TRUE(pForm->UpdateData(TRUE));
    EXPECT_EQ(pForm->m_date.GetStatus(), COleDateTime::null);
    pForm->m_date.SetStatus(COleDateTime::invalid);
    EXPECT_FALSE(pForm->UpdateData(FALSE));
    EXPECT_EQ(app.m_prompts.size(), 1u);
}

TEST_F(SdiFixture, ACommandReachesViewDocumentFrameAndApplicationInOrder)
{
    ASSERT_TRUE(Start(L""));
    Frame()->SendMessage(WM_COMMAND, ID_ROUTED);
    EXPECT_EQ(g_route, (std::vector<std::string>{"view", "document", "frame", "application"}));
}

TEST_F(SdiFixture, ASecondNewDocumentReusesDocumentFrameAndView)
{
    ASSERT_TRUE(Start(L""));
    CReportDoc* pDoc = Document();
    CSdiFrame* pFrame = Frame();
    CReportForm* pForm = Form();
    pDoc->m_values = {1, 2};
    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_EQ(Document(), pDoc);
    EXPECT_EQ(Frame(), pFrame);
    EXPECT_EQ(Form(), pForm);
    EXPECT_EQ(pDoc->m_nNew, 2);
    EXPECT_TRUE(pDoc->m_values.empty());
    EXPECT_EQ(pForm->m_nInitialUpdates, 2);  // once for each new document
}

TEST_F(SdiFixture, DocumentsSaveAndOpenThroughSerialize)
{
    TempFile file(L"MfcWinTests.rpt");
    ASSERT_TRUE(Start(L""));
    Document()->m_values = {7, 8, 9};
    ASSERT_TRUE(Document()->OnSaveDocument(file.path));
    EXPECT_FALSE(Document()->IsModified());
    EXPECT_EQ(file.Read().size(), 16u);

    CReportDoc* pDoc = static_cast<CReportDoc*>(app.OpenDocumentFile(file.path));
    ASSERT_EQ(pDoc, Document());
    EXPECT_EQ(pDoc->m_values, (std::vector<LONG>{7, 8, 9}));
    EXPECT_EQ(pDoc->GetPathName().CompareNoCase(file.path), 0);
    EXPECT_EQ(Caption(), CString(L"MfcWinTests.rpt - Sdi"));
    EXPECT_TRUE(app.m_prompts.empty());
}

TEST_F(SdiFixture, AFailedLoadOrSaveIsReportedAndLosesNothing)
{
    TempFile corrupt(L"MfcWinTests-corrupt.rpt");
    corrupt.Write({5, 0, 0, 0, 1, 0});  // five values announced, one half there

    // At start-up: reported, and neither document nor frame stays.
    EXPECT_FALSE(Start(CString(L"\"") + corrupt.path + L"\""));
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_NE(app.m_prompts[0].Find(corrupt.path), -1);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(Document(), nullptr);

    // Over an open document: the frame stays, the document is new and empty.
    ASSERT_TRUE(Start(L""));
    CReportDoc* pDoc = Document();
    pDoc->m_values = {1};
    EXPECT_EQ(app.OpenDocumentFile(corrupt.path), nullptr);
    EXPECT_EQ(Document(), pDoc);
    EXPECT_TRUE(pDoc->m_values.empty());
    EXPECT_EQ(Caption(), CString(L"Report - Sdi"));

    // A save that fails half-way keeps the file as it was.
    TempFile saved(L"MfcWinTests-saved.rpt");
    saved.Write({1, 2, 3});
    pDoc->m_values = {4, 5};
    pDoc->m_bFailStore = true;
    EXPECT_FALSE(pDoc->OnSaveDocument(saved.path));
    EXPECT_EQ(saved.Read(), (std::vector<BYTE>{1, 2, 3}));
    ASSERT_EQ(app.m_prompts.size(), 3u);
    EXPECT_NE(app.m_prompts[2].Find(saved.path), -1);
}

TEST_F(SdiFixture, ClosingAsksForAModifiedDocumentAndCancelKeepsEverything)
{
    ASSERT_TRUE(Start(L""));
    Document()->SetModifiedFlag();
    app.m_nAnswer = IDCANCEL;
    Frame()->SendMessage(WM_CLOSE);
    ASSERT_NE(app.m_pMainWnd, nullptr);
    EXPECT_NE(Document(), nullptr);
    EXPECT_EQ(app.m_prompts.size(), 1u);

    app.m_nAnswer = IDNO;
    Frame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    EXPECT_EQ(Document(), nullptr);
    EXPECT_EQ(app.m_prompts.size(), 2u);
}

namespace {
// Documents in frames of their own beside a main window of the program's.
struct MultiFixture : public ::testing::Test {
    CSdiApp app;
    CMultiDocTemplate* pTemplate = nullptr;

    void SetUp() override
    {
        app.m_nCmdShow = SW_SHOWNOACTIVATE;
        CFrameWnd* pMain = new CFrameWnd;
        ASSERT_TRUE(pMain->Create(nullptr, L"Main"));
        app.m_pMainWnd = pMain;
        pTemplate = new CMultiDocTemplate(IDR_SDI, RUNTIME_CLASS(CReportDoc), RUNTIME_CLASS(CSdiFrame),
                                          RUNTIME_CLASS(CReportForm));
        app.AddDocTemplate(pTemplate);
    }
    void TearDown() override
    {
        app.m_pMainWnd->DestroyWindow();
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
        EXPECT_EQ(CReportDoc::s_nLive, 0);
    }
    CFrameWnd* FrameOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return pDoc->GetNextView(pos)->GetParentFrame();
    }
};
}  // namespace

TEST_F(MultiFixture, EachDocumentHasItsFrameAndTheLastViewClosesIt)
{
    EXPECT_NE(pTemplate->m_hMenuShared, nullptr);
    CDocument* pFirst = pTemplate->OpenDocumentFile(nullptr);
    CDocument* pSecond = pTemplate->OpenDocumentFile(nullptr);
    ASSERT_NE(pFirst, nullptr);
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pFirst->GetTitle(), CString(L"Report1"));
    EXPECT_EQ(pSecond->GetTitle(), CString(L"Report2"));
    EXPECT_NE(FrameOf(pFirst), FrameOf(pSecond));
    EXPECT_EQ(app.GetOpenDocumentCount(), 2);

    // Closing the frame of a modified document asks; Cancel keeps frame and document.
    pFirst->SetModifiedFlag();
    app.m_nAnswer = IDCANCEL;
    FrameOf(pFirst)->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.GetOpenDocumentCount(), 2);
    app.m_nAnswer = IDNO;
    FrameOf(pFirst)->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.GetOpenDocumentCount(), 1);
    EXPECT_EQ(app.m_prompts.size(), 2u);

    // The main window asks every modified document before it closes them all.
    pSecond->SetModifiedFlag();
    app.m_nAnswer = IDCANCEL;
    app.m_pMainWnd->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.GetOpenDocumentCount(), 1);
    EXPECT_NE(app.m_pMainWnd, nullptr);
    app.m_nAnswer = IDNO;
    app.CloseAllDocuments(FALSE);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
}
