// Frames of several documents: two kinds of documents in child frames of one main frame,
// activation, the window menu, more frames on one document, and closing.
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <string>
#include <vector>
#include "MemoryPrinter.h"
#include "test_resource.h"

namespace {
const UINT ID_TRACED = 0x8402;  // every target traces it and passes it on

std::vector<std::string> g_trace;
// How often each frame was asked to translate a message (and so to look up its accelerators).
std::vector<std::string> g_pretranslated;

class CMdiApp : public CWinApp {
public:
    CMdiApp() : CWinApp(L"Mdi") {}
    int DoMessageBox(LPCWSTR, UINT, UINT) override { return IDNO; }

protected:
    afx_msg BOOL OnTraced(UINT)
    {
        g_trace.push_back("application");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMdiApp, CWinApp)
    ON_COMMAND_EX(ID_TRACED, &CMdiApp::OnTraced)
END_MESSAGE_MAP()

class CMdiDoc : public CDocument {
    DECLARE_DYNCREATE(CMdiDoc)
public:
    static int s_nDeleted;
    ~CMdiDoc() override { s_nDeleted++; }

protected:
    afx_msg BOOL OnTraced(UINT)
    {
        g_trace.push_back("document");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiDoc, CDocument)
int CMdiDoc::s_nDeleted = 0;

BEGIN_MESSAGE_MAP(CMdiDoc, CDocument)
    ON_COMMAND_EX(ID_TRACED, &CMdiDoc::OnTraced)
END_MESSAGE_MAP()

class CReportView : public CFormView {
    DECLARE_DYNCREATE(CReportView)
public:
    CReportView() : CFormView(IDD_FORM) {}

protected:
    afx_msg void OnRefresh() { g_trace.push_back("report refresh"); }
    afx_msg BOOL OnTraced(UINT)
    {
        g_trace.push_back("view");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CReportView, CFormView)

BEGIN_MESSAGE_MAP(CReportView, CFormView)
    ON_COMMAND(ID_REPORT_REFRESH, &CReportView::OnRefresh)
    ON_COMMAND_EX(ID_TRACED, &CReportView::OnTraced)
END_MESSAGE_MAP()

class CPlotView : public CScrollView {
    DECLARE_DYNCREATE(CPlotView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { SetScrollSizes(MM_TEXT, CSize(400, 300)); }

protected:
    afx_msg void OnRefresh() { g_trace.push_back("plot refresh"); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPlotView, CScrollView)

BEGIN_MESSAGE_MAP(CPlotView, CScrollView)
    ON_COMMAND(ID_PLOT_REFRESH, &CPlotView::OnRefresh)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

class CTracingChild : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTracingChild)
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        g_pretranslated.push_back("child frame");
        return CMDIChildWnd::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg BOOL OnTraced(UINT)
    {
        g_trace.push_back("child frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CTracingChild, CMDIChildWnd)

BEGIN_MESSAGE_MAP(CTracingChild, CMDIChildWnd)
    ON_COMMAND_EX(ID_TRACED, &CTracingChild::OnTraced)
END_MESSAGE_MAP()

class CTracingMain : public CMDIFrameWnd {
public:
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        g_pretranslated.push_back("main frame");
        return CMDIFrameWnd::PreTranslateMessage(pMsg);
    }

protected:
    afx_msg BOOL OnTraced(UINT)
    {
        g_trace.push_back("main frame");
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTracingMain, CMDIFrameWnd)
    ON_COMMAND_EX(ID_TRACED, &CTracingMain::OnTraced)
END_MESSAGE_MAP()

struct MdiFixture : public ::testing::Test {
    CMdiApp app;
    CTracingMain* pMain = nullptr;
    CMultiDocTemplate* pReports = nullptr;
    CMultiDocTemplate* pPlots = nullptr;

    void SetUp() override
    {
        g_trace.clear();
        g_pretranslated.clear();
        CMdiDoc::s_nDeleted = 0;
        pReports = new CMultiDocTemplate(IDR_MDI_REPORT, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CTracingChild),
                                         RUNTIME_CLASS(CReportView));
        pPlots = new CMultiDocTemplate(IDR_MDI_PLOT, RUNTIME_CLASS(CMdiDoc), RUNTIME_CLASS(CTracingChild),
                                       RUNTIME_CLASS(CPlotView));
        app.AddDocTemplate(pReports);
        app.AddDocTemplate(pPlots);
        pMain = new CTracingMain;
        ASSERT_TRUE(pMain->LoadFrame(IDR_MDI));
        app.m_pMainWnd = pMain;
        pMain->ShowWindow(SW_SHOWNOACTIVATE);
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr)
            app.m_pMainWnd->DestroyWindow();
        MSG msg;  // the quit message that the main window's end posted
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    }

    CMDIChildWnd* FrameOf(CDocument* pDoc)
    {
        POSITION pos = pDoc->GetFirstViewPosition();
        return static_cast<CMDIChildWnd*>(pDoc->GetNextView(pos)->GetParentFrame());
    }
    // A key as the message pump hands it over, on the main frame or another window.
    BOOL PressKey(UINT nVirtKey, HWND hWnd = nullptr)
    {
        MSG msg = {hWnd != nullptr ? hWnd : pMain->m_hWnd, WM_KEYDOWN, nVirtKey, 1, 0, {0, 0}};
        return app.PreTranslateMessage(&msg);
    }
    // The children as the Window menu lists them.
    std::vector<CString> WindowList()
    {
        std::vector<CString> items;
        HMENU hPopup = pMain->GetWindowMenuPopup(::GetMenu(pMain->m_hWnd));
        for (int i = 0; i < ::GetMenuItemCount(hPopup); i++) {
            if (::GetMenuItemID(hPopup, i) < AFX_IDM_FIRST_MDICHILD || ::GetMenuItemID(hPopup, i) == (UINT)-1)
                continue;
            WCHAR szText[64] = L"";
            ::GetMenuStringW(hPopup, (UINT)i, szText, _countof(szText), MF_BYPOSITION);
            items.push_back(szText);
        }
        return items;
    }
    CString TextOf(CWnd* pWnd)
    {
        CString str;
        pWnd->GetWindowText(str);
        return str;
    }
};
}  // namespace

TEST_F(MdiFixture, ActivationSwitchesViewSharedMenuAndAccelerators)
{
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), pMain->m_hMenuDefault);
    CDocument* pReport = pReports->OpenDocumentFile(nullptr);
    CDocument* pPlot = pPlots->OpenDocumentFile(nullptr);
    ASSERT_NE(pReport, nullptr);
    ASSERT_NE(pPlot, nullptr);
    EXPECT_EQ(app.m_pMainWnd, pMain);

    // The newest child is active: its view, its template's menu and accelerators.
    EXPECT_EQ(pMain->MDIGetActive(), FrameOf(pPlot));
    EXPECT_EQ(pMain->GetActiveDocument(), pPlot);
    EXPECT_TRUE(pMain->GetActiveFrame()->GetActiveView()->IsKindOf(RUNTIME_CLASS(CPlotView)));
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), pPlots->m_hMenuShared);
    EXPECT_TRUE(PressKey(VK_F5));

    pMain->MDIActivate(FrameOf(pReport));
    EXPECT_EQ(pMain->MDIGetActive(), FrameOf(pReport));
    EXPECT_EQ(pMain->GetActiveDocument(), pReport);
    EXPECT_TRUE(pMain->GetActiveFrame()->GetActiveView()->IsKindOf(RUNTIME_CLASS(CReportView)));
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), pReports->m_hMenuShared);
    EXPECT_TRUE(PressKey(VK_F5));
    EXPECT_FALSE(PressKey(VK_F6));
    EXPECT_EQ(g_trace, (std::vector<std::string>{"plot refresh", "report refresh"}));
}

TEST_F(MdiFixture, EachFrameTranslatesAKeyOnceWhereverItIsPressed)
{
    CDocument* pReport = pReports->OpenDocumentFile(nullptr);
    CDocument* pPlot = pPlots->OpenDocumentFile(nullptr);
    POSITION pos = pReport->GetFirstViewPosition();
    CView* pForm = pReport->GetNextView(pos);
    pos = pPlot->GetFirstViewPosition();
    CView* pPlotView = pPlot->GetNextView(pos);
    const struct {
        const char* where;
        CMDIChildWnd* pActive;
        HWND hWnd;
    } cases[] = {
        {"a form's control", FrameOf(pReport), pForm->GetDlgItem(IDC_FORM_NAME)->m_hWnd},
        {"a form", FrameOf(pReport), pForm->m_hWnd},
        {"a view", FrameOf(pPlot), pPlotView->m_hWnd},
        {"the main frame", FrameOf(pPlot), pMain->m_hWnd},
    };
    for (const auto& c : cases) {
        pMain->MDIActivate(c.pActive);
        g_pretranslated.clear();
        PressKey(VK_F6, c.hWnd);
        std::sort(g_pretranslated.begin(), g_pretranslated.end());
        EXPECT_EQ(g_pretranslated, (std::vector<std::string>{"child frame", "main frame"})) << c.where;
    }
    // The key still reaches the active child's accelerators from outside it.
    EXPECT_TRUE(PressKey(VK_F5));
    EXPECT_EQ(g_trace, (std::vector<std::string>{"plot refresh"}));
}

TEST_F(MdiFixture, ACommandReachesTheActiveChildFirstThenTheMainFrame)
{
    CDocument* pReport = pReports->OpenDocumentFile(nullptr);
    pPlots->OpenDocumentFile(nullptr);
    pMain->MDIActivate(FrameOf(pReport));
    pMain->SendMessage(WM_COMMAND, ID_TRACED);
    EXPECT_EQ(g_trace, (std::vector<std::string>{"view", "document", "child frame", "main frame", "application"}));
}

TEST_F(MdiFixture, TheWindowMenuListsTheChildrenAndANewWindowIsNumbered)
{
    CDocument* pReport = pReports->OpenDocumentFile(nullptr);
    pPlots->OpenDocumentFile(nullptr);
    std::vector<CString> listed = WindowList();
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_NE(listed[0].Find(L"Report1"), -1);
    EXPECT_NE(listed[1].Find(L"Plot1"), -1);

    CMDIChildWnd* pFirst = FrameOf(pReport);
    pMain->MDIActivate(pFirst);
    pMain->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    CMDIChildWnd* pSecond = pMain->MDIGetActive();
    ASSERT_NE(pSecond, pFirst);
    EXPECT_EQ(pSecond->GetActiveDocument(), pReport);
    EXPECT_EQ(TextOf(pSecond), CString(L"Report1:2"));
    EXPECT_EQ(TextOf(pFirst), CString(L"Report1:1"));
    EXPECT_EQ(WindowList().size(), 3u);
}

TEST_F(MdiFixture, TheLastFrameDeletesItsDocumentOnceAndTheDefaultMenuReturns)
{
    CDocument* pReport = pReports->OpenDocumentFile(nullptr);
    CMDIChildWnd* pFirst = FrameOf(pReport);
    pMain->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    CMDIChildWnd* pSecond = pMain->MDIGetActive();
    ASSERT_NE(pSecond, pFirst);

    pSecond->SendMessage(WM_CLOSE);
    EXPECT_EQ(CMdiDoc::s_nDeleted, 0);
    EXPECT_EQ(pMain->MDIGetActive(), pFirst);
    EXPECT_EQ(TextOf(pFirst), CString(L"Report1"));
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), pReports->m_hMenuShared);

    pFirst->SendMessage(WM_CLOSE);
    EXPECT_EQ(CMdiDoc::s_nDeleted, 1);
    EXPECT_EQ(pMain->MDIGetActive(), nullptr);
    EXPECT_EQ(app.GetOpenDocumentCount(), 0);
    EXPECT_EQ(::GetMenu(pMain->m_hWnd), pMain->m_hMenuDefault);
    EXPECT_EQ(TextOf(pMain), CString(L"Mdi"));
}

TEST_F(MdiFixture, ClosingTheMainFrameDuringAChildsPreviewEndsThePreviewOnly)
{
    CMemoryPrintDevice printer;
    CStatic status;  // the main frame's message bar shows the child's page numbers
    ASSERT_TRUE(status.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), pMain, AFX_IDW_STATUS_BAR));
    CMDIChildWnd* pChild = FrameOf(pPlots->OpenDocumentFile(nullptr));
    pMain->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_TRUE(pChild->GetActiveView()->IsKindOf(RUNTIME_CLASS(CPreviewView)));
    EXPECT_EQ(TextOf(&status), CString(L"Page 1"));

    pMain->SendMessage(WM_CLOSE);
    EXPECT_EQ(app.m_pMainWnd, pMain);
    EXPECT_TRUE(pChild->GetActiveView()->IsKindOf(RUNTIME_CLASS(CPlotView)));
    EXPECT_EQ(app.GetOpenDocumentCount(), 1);
}
