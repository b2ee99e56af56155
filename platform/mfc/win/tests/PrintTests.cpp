// The view's print loop on a memory printer: pages, the calls of the job, and a job that
// fails half-way.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "MemoryPrinter.h"

namespace {
class CPrintApp : public CWinApp {
public:
    CPrintApp() : CWinApp(L"Print") {}
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

// 25 rows of a fixed height, as many to a page as the printer's page holds; it prints with
// a font of its own.
class CRowsView : public CScrollView {
    DECLARE_DYNCREATE(CRowsView)
public:
    static const int kRows = 25;
    BOOL m_bKnownLength = TRUE;  // FALSE: the job's length is left to the base OnPrepareDC
    UINT m_nThrowOnPage = 0;
    UINT m_nRowsPerPage = 0;
    std::vector<int> m_firstRows;   // the first row of each printed page
    std::vector<CPoint> m_origins;  // the viewport origin of each printed page
    HFONT m_hPrintFont = nullptr;
    int m_nEndPrinting = 0;
    BOOL m_bFontSelectedAtEnd = FALSE;  // a font still in the DC cannot be deleted

    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override { SetScrollSizes(MM_TEXT, CSize(2000, 3000)); }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override
    {
        int nRowHeight = pDC->GetDeviceCaps(LOGPIXELSY) / 3;
        m_nRowsPerPage = (UINT)(pDC->GetDeviceCaps(VERTRES) / nRowHeight);
        if (m_bKnownLength)
            pInfo->SetMaxPage((kRows + m_nRowsPerPage - 1) / m_nRowsPerPage);
        m_font.CreateFont(-nRowHeight * 2 / 3, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                          L"Arial");
        m_hPrintFont = (HFONT)m_font.m_hObject;
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override
    {
        m_firstRows.push_back((int)((pInfo->m_nCurPage - 1) * m_nRowsPerPage));
        m_origins.push_back(pDC->GetViewportOrg());
        pDC->SelectObject(&m_font);
        if (pInfo->m_nCurPage == m_nThrowOnPage)
            AfxThrowResourceException();
        pDC->TextOut(0, 0, L"row");
        pDC->SelectStockObject(SYSTEM_FONT);
    }
    void OnEndPrinting(CDC* pDC, CPrintInfo*) override
    {
        m_nEndPrinting++;
        m_bFontSelectedAtEnd = pDC->GetCurrentFont()->m_hObject == m_font.m_hObject;
        m_font.DeleteObject();
    }

protected:
    CFont m_font;
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CRowsView, CScrollView)

BEGIN_MESSAGE_MAP(CRowsView, CScrollView)
    ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
END_MESSAGE_MAP()

struct PrintFixture : public ::testing::Test {
    CPrintApp app;
    CMemoryPrintDevice printer;
    CFrameWnd* pFrame = nullptr;
    CRowsView* pView = nullptr;

    void SetUp() override
    {
        // 10 rows of a third of an inch to a page.
        printer.m_sizePage = CSize(2400, 1000);
        pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CRowsView);
        ASSERT_TRUE(pFrame->Create(nullptr, L"Rows", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr, nullptr, 0,
                                   &context));
        pFrame->InitialUpdateFrame(nullptr, TRUE);
        pView = static_cast<CRowsView*>(pFrame->GetActiveView());
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override { pFrame->DestroyWindow(); }

    void Print() { pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT); }
};
}  // namespace

TEST_F(PrintFixture, RowsGoToPagesThatStartAtTheDrawingsOrigin)
{
    pView->ScrollToPosition(CPoint(0, 500));  // the pane's scrolling does not move the pages
    ASSERT_NE(pView->GetScrollPosition(), CPoint(0, 0));
    Print();
    EXPECT_EQ(printer.m_calls,
              (std::vector<std::string>{"print dialog", "StartDoc ", "StartPage", "EndPage", "StartPage", "EndPage",
                                        "StartPage", "EndPage", "EndDoc"}));
    EXPECT_EQ(pView->m_firstRows, (std::vector<int>{0, 10, 20}));
    EXPECT_EQ(pView->m_origins, (std::vector<CPoint>{CPoint(0, 0), CPoint(0, 0), CPoint(0, 0)}));
    EXPECT_EQ(pView->m_nEndPrinting, 1);
    EXPECT_EQ(::GetObjectType(printer.m_hLastDC), 0u);  // the printer's DC is freed
    EXPECT_TRUE(app.m_prompts.empty());
}

TEST_F(PrintFixture, AJobOfUnknownLengthPrintsPageOneWithTheBaseOnPrepareDC)
{
    pView->m_bKnownLength = FALSE;
    Print();
    EXPECT_EQ(printer.m_calls,
              (std::vector<std::string>{"print dialog", "StartDoc ", "StartPage", "EndPage", "EndDoc"}));
    EXPECT_EQ(pView->m_firstRows, (std::vector<int>{0}));
}

TEST_F(PrintFixture, AFailingPageAbortsTheJobAndLeavesNothingBehind)
{
    struct Case {
        const char* name;
        UINT nThrowOnPage, nFailingPage;
        std::vector<std::string> calls;
        const wchar_t* prompt;  // part of the report
    };
    const Case cases[] = {
        {"OnPrint throws on page 2",
         2,
         0,
         {"print dialog", "StartDoc ", "StartPage", "EndPage", "StartPage", "AbortDoc"},
         L"resource"},
        {"the printer refuses page 2",
         0,
         2,
         {"print dialog", "StartDoc ", "StartPage", "EndPage", "StartPage", "EndPage", "AbortDoc"},
         L"Failed to print"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        printer.m_calls.clear();
        app.m_prompts.clear();
        pView->m_nEndPrinting = 0;
        pView->m_nThrowOnPage = c.nThrowOnPage;
        printer.m_nFailingPage = c.nFailingPage;
        Print();
        EXPECT_EQ(printer.m_calls, c.calls);
        EXPECT_EQ(pView->m_nEndPrinting, 1);
        // Neither the printer's DC nor the font the view printed with outlives the job.
        EXPECT_EQ(::GetObjectType(printer.m_hLastDC), 0u);
        EXPECT_FALSE(pView->m_bFontSelectedAtEnd);
        EXPECT_EQ(::GetObjectType(pView->m_hPrintFont), 0u);
        ASSERT_EQ(app.m_prompts.size(), 1u);
        EXPECT_NE(app.m_prompts[0].Find(c.prompt), -1);
    }
}
