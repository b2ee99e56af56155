// What a user sees, on a real X display: a program of several documents with a form and a
// chart side by side, then the chart's print preview. The screenshot is checked and kept as
// mdi-preview.bmp beside the test for people to look at.
#include <afxwin.h>
#include <afxext.h>
#include <gtest/gtest.h>
#include "../MemoryPrinter.h"
#include "../test_resource.h"

namespace {
const COLORREF kBarColor = RGB(0, 90, 200);

class CDemoApp : public CWinApp {
public:
    CDemoApp() : CWinApp(L"MdiDemo") {}
    std::vector<CString> m_prompts;
    int DoMessageBox(LPCWSTR lpszPrompt, UINT, UINT) override
    {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
};

class CDemoDoc : public CDocument {
    DECLARE_DYNCREATE(CDemoDoc)
};
IMPLEMENT_DYNCREATE(CDemoDoc, CDocument)

class CReportForm : public CFormView {
    DECLARE_DYNCREATE(CReportForm)
public:
    CReportForm() : CFormView(IDD_FORM) {}
};
IMPLEMENT_DYNCREATE(CReportForm, CFormView)

// Hours per program as bars, measured in inches so that screen and paper show the same.
class CChartView : public CScrollView {
    DECLARE_DYNCREATE(CChartView)
public:
    void OnInitialUpdate() override
    {
        int nDpi = CWindowDC(nullptr).GetDeviceCaps(LOGPIXELSX);
        SetScrollSizes(MM_TEXT, CSize(7 * nDpi, 6 * nDpi));
    }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override
    {
        pInfo->SetMaxPage(1);
        return DoPreparePrinting(pInfo);
    }
    void OnDraw(CDC* pDC) override
    {
        static const int kTenthsHigh[] = {20, 35, 15, 40, 25, 30};
        int nDpi = pDC->GetDeviceCaps(LOGPIXELSX);
        CFont font;
        font.CreateFont(-nDpi / 4, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial");
        CFont* pOldFont = pDC->SelectObject(&font);
        pDC->SetBkMode(TRANSPARENT);
        pDC->TextOut(nDpi / 2, nDpi / 4, L"Hours per program");
        pDC->SelectObject(pOldFont);
        int nBase = 5 * nDpi;
        for (int i = 0; i < (int)_countof(kTenthsHigh); i++) {
            int nHeight = kTenthsHigh[i] * nDpi / 10;
            pDC->FillSolidRect(nDpi + i * nDpi * 3 / 4, nBase - nHeight, nDpi / 2, nHeight, kBarColor);
        }
        pDC->FillSolidRect(nDpi * 3 / 4, nBase, 5 * nDpi, std::max(1, nDpi / 48), RGB(0, 0, 0));
    }

protected:
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CChartView, CScrollView)

BEGIN_MESSAGE_MAP(CChartView, CScrollView)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

// Lets the program and the X server draw: the messages of a while, and the idle updates.
void LetItDraw(CWinApp& app)
{
    DWORD dwEnd = ::GetTickCount() + 1500;
    while ((LONG)(dwEnd - ::GetTickCount()) > 0) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        app.OnIdle(0);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
}

// The screen as the user sees it, in a DIB: Pixel answers 0x00RRGGBB.
struct Screenshot {
    CRect rect;  // on the screen
    std::vector<DWORD> pixels;

    explicit Screenshot(const CRect& rectScreen) : rect(rectScreen), pixels((size_t)rect.Width() * rect.Height())
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), rect.Width(), -rect.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        HDC hMemDC = ::CreateCompatibleDC(nullptr);
        HGDIOBJ hOld = ::SelectObject(hMemDC, hBitmap);
        HDC hScreenDC = ::GetDC(nullptr);
        ::BitBlt(hMemDC, 0, 0, rect.Width(), rect.Height(), hScreenDC, rect.left, rect.top, SRCCOPY);
        ::ReleaseDC(nullptr, hScreenDC);
        ::GdiFlush();
        memcpy(pixels.data(), pBits, pixels.size() * sizeof(DWORD));
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
        ::DeleteObject(hBitmap);
    }
    DWORD Pixel(int xScreen, int yScreen) const
    {
        return pixels[(size_t)(yScreen - rect.top) * rect.Width() + (xScreen - rect.left)] & 0x00FFFFFF;
    }
    int Count(DWORD dwColor, const CRect& rectWithin) const
    {
        int nCount = 0;
        for (int y = rectWithin.top; y < rectWithin.bottom; y++)
            for (int x = rectWithin.left; x < rectWithin.right; x++)
                nCount += Pixel(x, y) == dwColor;
        return nCount;
    }
    void Save(LPCWSTR lpszPath) const
    {
        BITMAPINFOHEADER bi = {sizeof(bi), rect.Width(), -rect.Height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        DWORD nBits = (DWORD)(pixels.size() * sizeof(DWORD));
        BITMAPFILEHEADER bf = {0x4D42, (DWORD)(sizeof(bf) + sizeof(bi) + nBits), 0, 0,
                               (DWORD)(sizeof(bf) + sizeof(bi))};
        CFile file(lpszPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(&bf, sizeof(bf));
        file.Write(&bi, sizeof(bi));
        file.Write(pixels.data(), nBits);
    }
};

DWORD ToPixel(COLORREF clr)
{
    return (DWORD)((GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr));
}
}  // namespace

TEST(MdiDemo, APrintPreviewShowsTheChartOnAWhitePageBelowItsBar)
{
    CDemoApp app;
    CMemoryPrintDevice printer;
    app.AddDocTemplate(new CMultiDocTemplate(IDR_MDI_REPORT, RUNTIME_CLASS(CDemoDoc), RUNTIME_CLASS(CMDIChildWnd),
                                             RUNTIME_CLASS(CReportForm)));
    CMultiDocTemplate* pCharts = new CMultiDocTemplate(IDR_MDI_PLOT, RUNTIME_CLASS(CDemoDoc),
                                                       RUNTIME_CLASS(CMDIChildWnd), RUNTIME_CLASS(CChartView));
    app.AddDocTemplate(pCharts);
    CMDIFrameWnd* pMain = new CMDIFrameWnd;
    ASSERT_TRUE(pMain->LoadFrame(IDR_MDI));
    app.m_pMainWnd = pMain;
    pMain->MoveWindow(0, 0, 1240, 760);
    pMain->ShowWindow(SW_SHOWNORMAL);

    // A form and a chart side by side, then the chart's preview.
    app.OnFileNew();
    CDocument* pChart = pCharts->OpenDocumentFile(nullptr);
    ASSERT_NE(pChart, nullptr);
    pMain->MDITile(MDITILE_VERTICAL);
    pMain->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    CMDIChildWnd* pChild = pMain->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    CPreviewView* pPreview = DYNAMIC_DOWNCAST(CPreviewView, pChild->GetActiveView());
    ASSERT_NE(pPreview, nullptr);
    LetItDraw(app);

    // The main frame's client area (without a window manager, X shows no caption).
    CRect rectMain, rectPreview, rectBar;
    pMain->GetClientRect(&rectMain);
    pMain->ClientToScreen(&rectMain);
    pPreview->GetWindowRect(&rectPreview);
    CWnd* pBar = pChild->GetDlgItem(AFX_IDW_PREVIEW_BAR);
    pBar->GetWindowRect(&rectBar);
    Screenshot shot(rectMain);
    shot.Save(L"mdi-preview.bmp");

    // The bar runs along the top of the preview; it and each of its buttons show in the
    // colour of buttons.
    DWORD dwButtonFace = ToPixel(::GetSysColor(COLOR_BTNFACE));
    EXPECT_LE(rectBar.bottom, rectPreview.top + 2);
    EXPECT_GT(shot.Count(dwButtonFace, rectBar), rectBar.Width() * rectBar.Height() / 3);
    CRect rectChild;
    pChild->GetClientRect(&rectChild);
    pChild->ClientToScreen(&rectChild);
    for (CWnd* pButton = pBar->GetWindow(GW_CHILD); pButton != nullptr; pButton = pButton->GetNextWindow()) {
        CRect rectButton;
        pButton->GetWindowRect(&rectButton);
        if (!rectButton.IntersectRect(rectButton, rectChild))
            continue;  // beyond the child's edge
        SCOPED_TRACE(pButton->GetDlgCtrlID());
        EXPECT_GT(shot.Count(dwButtonFace, rectButton), rectButton.Width() * rectButton.Height() / 3);
    }
    // The preview: a white page on the grey desk, with the chart's bars on it.
    int nArea = rectPreview.Width() * rectPreview.Height();
    EXPECT_GT(shot.Count(0xFFFFFF, rectPreview), nArea / 5);
    EXPECT_GT(shot.Count(ToPixel(::GetSysColor(COLOR_APPWORKSPACE)), rectPreview), nArea / 20);
    EXPECT_GT(shot.Count(ToPixel(kBarColor), rectPreview), nArea / 100);
    EXPECT_TRUE(app.m_prompts.empty());

    pMain->DestroyWindow();
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {}
}
