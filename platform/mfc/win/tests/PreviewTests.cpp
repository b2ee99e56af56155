// Print preview in a frame: what the frame puts aside and gets back, the page numbers, and
// the pages drawn scaled.
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include <vector>
#include "MemoryPrinter.h"
#include "test_resource.h"

namespace {
class CPreviewApp : public CWinApp {
public:
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

// Three pages (or as many as m_nPages says), each with a black block an inch from the top left, three inches wide and
// two high.
class CPagesView : public CView {
    DECLARE_DYNCREATE(CPagesView)
public:
    UINT m_nPages = 3;
    int m_nBeginPrinting = 0;
    int m_nEndPrinting = 0;
    BOOL m_bPreviewDC = FALSE;  // OnBeginPrinting got the preview's DC

    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(m_nPages);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo*) override
    {
        m_nBeginPrinting++;
        m_bPreviewDC = pDC->IsKindOf(RUNTIME_CLASS(CPreviewDC));
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override { m_nEndPrinting++; }
    void OnPrint(CDC* pDC, CPrintInfo*) override
    {
        int nDpi = pDC->GetDeviceCaps(LOGPIXELSX);
        pDC->FillSolidRect(nDpi, nDpi, 3 * nDpi, 2 * nDpi, RGB(0, 0, 0));
    }

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CPagesView, CView)

BEGIN_MESSAGE_MAP(CPagesView, CView)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// A 32-bit top-down DIB section of any size; Pixel answers 0x00RRGGBB.
struct Canvas {
    CDC dc;
    CBitmap bitmap;
    DWORD* pBits = nullptr;
    CSize size;
    CBitmap* pOld = nullptr;

    explicit Canvas(CSize sizeCanvas) : size(sizeCanvas)
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, (void**)&pBits, nullptr, 0));
        dc.CreateCompatibleDC(nullptr);
        pOld = dc.SelectObject(&bitmap);
    }
    ~Canvas() { dc.SelectObject(pOld); }
    DWORD Pixel(int x, int y) const { return pBits[y * size.cx + x] & 0x00FFFFFF; }
    // The smallest rectangle that holds every pixel of the colour inside rectWithin.
    CRect Bounds(DWORD dwColor, const CRect& rectWithin) const
    {
        CRect bounds(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
        for (int y = rectWithin.top; y < rectWithin.bottom; y++)
            for (int x = rectWithin.left; x < rectWithin.right; x++)
                if (Pixel(x, y) == dwColor)
                    bounds.SetRect(std::min<int>(bounds.left, x), std::min<int>(bounds.top, y),
                                   std::max<int>(bounds.right, x + 1), std::max<int>(bounds.bottom, y + 1));
        return bounds;
    }
};

// A preview view of the program's own, as a toolkit makes one: it shows the page numbers its
// own way.
class CBarPreview : public CPreviewView {
    DECLARE_DYNCREATE(CBarPreview)
public:
    std::vector<CString> m_shown;
    void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed) override
    {
        CString str;
        str.Format(L"%u+%u", nPage, nPagesDisplayed);
        m_shown.push_back(str);
    }
};
IMPLEMENT_DYNCREATE(CBarPreview, CPreviewView)

struct PreviewFixture : public ::testing::Test {
    CPreviewApp app;
    CMemoryPrintDevice printer;
    CFrameWnd* pFrame = nullptr;
    CPagesView* pView = nullptr;
    CDialogBar* pBar = nullptr;
    CStatic status;  // the message bar

    void SetUp() override
    {
        pFrame = new CFrameWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CPagesView);
        ASSERT_TRUE(pFrame->LoadFrame(IDR_SDI, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context));
        pFrame->MoveWindow(0, 0, 640, 480);
        pBar = new CDialogBar;
        ASSERT_TRUE(pBar->Create(pFrame, IDD_BAR, WS_VISIBLE | CBRS_TOP, AFX_IDW_DIALOGBAR));
        pBar->m_bAutoDelete = TRUE;
        ASSERT_TRUE(status.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), pFrame, AFX_IDW_STATUS_BAR));
        pFrame->InitialUpdateFrame(nullptr, TRUE);
        pView = static_cast<CPagesView*>(pFrame->GetActiveView());
        ASSERT_NE(pView, nullptr);
    }
    void TearDown() override { pFrame->DestroyWindow(); }

    CString Message()
    {
        CString str;
        status.GetWindowText(str);
        return str;
    }
    CPreviewView* Preview() { return DYNAMIC_DOWNCAST(CPreviewView, pFrame->GetActiveView()); }
};
}  // namespace

TEST_F(PreviewFixture, APreviewTakesTheFrameShowsPageNumbersAndGivesEverythingBack)
{
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    ASSERT_NE(hMenu, nullptr);
    pView->SetFocus();
    HWND hWndFocus = ::GetFocus();

    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_EQ(printer.m_calls, (std::vector<std::string>{"default printer"}));
    EXPECT_EQ(pView->m_nBeginPrinting, 1);
    EXPECT_TRUE(pView->m_bPreviewDC);
    EXPECT_FALSE(pView->IsWindowVisible());
    EXPECT_FALSE(pBar->IsWindowVisible());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), nullptr);
    CWnd* pPreviewBar = pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(pPreviewBar, nullptr);
    EXPECT_TRUE(pPreviewBar->IsWindowVisible());
    EXPECT_EQ(Message(), CString(L"Page 1"));

    // Two pages side by side, then a page on; there is no page 4 to go on to.
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(Message(), CString(L"Pages 1-2"));
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(Message(), CString(L"Pages 2-3"));
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(Message(), CString(L"Pages 2-3"));

    // Closing the frame ends the preview only.
    pFrame->SendMessage(WM_CLOSE);
    ASSERT_TRUE(::IsWindow(pFrame->m_hWnd));
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenu);
    EXPECT_EQ(::GetFocus(), hWndFocus);
    EXPECT_EQ(pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(pView->m_nEndPrinting, 1);
    EXPECT_EQ(::GetObjectType(printer.m_hLastDC), 0u);
}

TEST_F(PreviewFixture, TheBarOffersTwoPagesOnlyWhereThereIsASecondOne)
{
    for (UINT nPages : {1u, 2u}) {
        SCOPED_TRACE(nPages);
        pView->m_nPages = nPages;
        pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
        ASSERT_NE(Preview(), nullptr);
        CWnd* pPreviewBar = pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR);
        ASSERT_NE(pPreviewBar, nullptr);
        pPreviewBar->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        EXPECT_EQ(pPreviewBar->GetDlgItem(AFX_ID_PREVIEW_NUMPAGE)->IsWindowEnabled(), nPages > 1);
        EXPECT_EQ(pPreviewBar->GetDlgItem(AFX_ID_PREVIEW_NEXT)->IsWindowEnabled(), nPages > 1);
        pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    }
}

TEST_F(PreviewFixture, ThePageIsDrawnScaledOnAWhiteSheet)
{
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(pPreview, nullptr);
    CRect rectClient;
    pPreview->GetClientRect(&rectClient);
    Canvas canvas(rectClient.Size());
    pPreview->OnPrepareDC(&canvas.dc);
    pPreview->OnDraw(&canvas.dc);
    ::GdiFlush();

    // The sheet has the printer's proportions (8 by 10 inches) and fills the height.
    CRect sheet = canvas.Bounds(0xFFFFFF, rectClient);
    ASSERT_GT(sheet.Width(), 100);
    EXPECT_NEAR(sheet.Width() * 10.0 / 8.0, sheet.Height(), 2.0);
    EXPECT_GT(sheet.Height(), rectClient.Height() * 9 / 10);
    // The block: an inch in, three inches by two, at the sheet's scale.
    CRect block = canvas.Bounds(0x000000, sheet);
    double dPixelsPerInch = sheet.Width() / 8.0;
    EXPECT_NEAR(block.left - sheet.left, dPixelsPerInch, 1.5);
    EXPECT_NEAR(block.top - sheet.top, dPixelsPerInch, 1.5);
    EXPECT_NEAR(block.Width(), 3 * dPixelsPerInch, 1.5);
    EXPECT_NEAR(block.Height(), 2 * dPixelsPerInch, 1.5);
    // The desk around it.
    COLORREF clrDesk = ::GetSysColor(COLOR_APPWORKSPACE);
    EXPECT_EQ(canvas.Pixel(1, 1), (DWORD)((GetRValue(clrDesk) << 16) | (GetGValue(clrDesk) << 8) | GetBValue(clrDesk)));
}

TEST_F(PreviewFixture, ZoomedInAPageHasItsPrintedSizeAndScrolls)
{
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CPreviewView* pPreview = Preview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_FALSE(pPreview->GetStyle() & (WS_HSCROLL | WS_VSCROLL));

    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(pPreview->m_nZoomState, (UINT)CPreviewView::ZOOM_IN);
    int nDpi = CWindowDC(nullptr).GetDeviceCaps(LOGPIXELSX);
    CSize sizeTotal = pPreview->GetTotalSize();  // the page (8 by 10 inches) and its margins
    EXPECT_NEAR(sizeTotal.cx, 8 * nDpi, 20);
    EXPECT_NEAR(sizeTotal.cy, 10 * nDpi, 20);
    EXPECT_TRUE(pPreview->GetStyle() & WS_VSCROLL);

    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(pPreview->m_nZoomState, (UINT)CPreviewView::ZOOM_OUT);
    EXPECT_FALSE(pPreview->GetStyle() & (WS_HSCROLL | WS_VSCROLL));
}

TEST_F(PreviewFixture, ThePreviewIsAViewOfTheCallersClass)
{
    CPrintPreviewState* pState = new CPrintPreviewState;
    ASSERT_TRUE(pView->DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, pView, RUNTIME_CLASS(CBarPreview), pState));
    CBarPreview* pPreview = DYNAMIC_DOWNCAST(CBarPreview, pFrame->GetActiveView());
    ASSERT_NE(pPreview, nullptr);
    EXPECT_EQ(pPreview->m_pPreviewState, pState);
    EXPECT_EQ(pPreview->m_pPrintView, pView);
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(pPreview->m_shown, (std::vector<CString>{L"1+1", L"2+1"}));
    EXPECT_EQ(Message(), CString(L""));
}

TEST_F(PreviewFixture, WithoutAPrinterThePreviewIsRefusedAndTheFrameStaysAsItWas)
{
    printer.m_bHasPrinter = FALSE;
    HMENU hMenu = ::GetMenu(pFrame->m_hWnd);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_EQ(pFrame->GetActiveView(), pView);
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_EQ(pView->GetDlgCtrlID(), AFX_IDW_PANE_FIRST);
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(::GetMenu(pFrame->m_hWnd), hMenu);
    EXPECT_EQ(pFrame->GetDlgItem(AFX_IDW_PREVIEW_BAR), nullptr);
    EXPECT_EQ(pView->m_nBeginPrinting, 0);
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_NE(app.m_prompts[0].Find(L"no printer"), -1);
}
