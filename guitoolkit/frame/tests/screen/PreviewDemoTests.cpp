// What a user sees of the print preview, on a real X display: a two-page text in a toolkit
// frame with a toolkit status bar, previewed with the toolkit's toolbar; a click on the
// page-count button shows both pages. The screenshot is kept as preview-demo.bmp beside the
// test.
#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTPrintPreviewView.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <gtest/gtest.h>
#include <platform/mfc/win/tests/MemoryPrinter.h>
#include "ScreenTestSupport.h"

namespace {

// Two pages, each with its number in large black letters.
class TextView : public CView {
    DECLARE_DYNCREATE(TextView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* iInfo) override
    {
        iInfo->SetMaxPage(2);
        return DoPreparePrinting(iInfo);
    }
    void OnPrint(CDC* iDc, CPrintInfo* iInfo) override
    {
        CFont font;
        font.CreatePointFont(720, L"Arial", iDc);
        CFont* old = iDc->SelectObject(&font);
        CString text;
        text.Format(L"Page %u", iInfo->m_nCurPage);
        iDc->TextOut(200, 300, text);
        iDc->SelectObject(old);
    }
};
IMPLEMENT_DYNCREATE(TextView, CView)

}  // namespace

TEST(PreviewDemo, ThePageCountButtonShowsBothPages)
{
    CWinApp app(L"PreviewDemo");
    CMemoryPrintDevice printer;
    CGTFrameWnd* frame = new CGTFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(TextView);
    ASSERT_TRUE(frame->Create(nullptr, L"Preview demo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(30, 30, 670, 510),
                              nullptr, nullptr, 0, &context));
    app.m_pMainWnd = frame;
    frame->CreateDockBars(0xF000);
    CGTStatusBar status;
    static const UINT indicators[] = {ID_SEPARATOR};
    ASSERT_TRUE(status.Create(frame));
    status.SetIndicators(indicators, 1);
    frame->InitialUpdateFrame(nullptr, TRUE);
    LetItDraw(app, 300);
    ASSERT_TRUE(CGTPrintPreviewView::Show(frame->GetActiveView()));
    auto* preview = DYNAMIC_DOWNCAST(CGTPrintPreviewView, frame->GetActiveView());
    ASSERT_NE(nullptr, preview);
    LetItDraw(app, 800);
    EXPECT_STREQ(L"Page 1", status.GetPaneText(0));

    CGTPrintPreviewToolBar& bar = preview->GetToolBar();
    CRect button;
    bar.GetItemRect(bar.CommandToIndex(AFX_ID_PREVIEW_NUMPAGE), button);
    bar.ClientToScreen(button);
    const int onePage = preview->GetPageCountImage();
    SendClick(button.CenterPoint());
    LetItDraw(app, 800);
    EXPECT_STREQ(L"Pages 1-2", status.GetPaneText(0));
    EXPECT_NE(onePage, preview->GetPageCountImage());

    CRect window;
    frame->GetWindowRect(window);
    Screenshot shot(window);
    shot.Save(L"preview-demo.bmp");
    CRect view;
    preview->GetWindowRect(view);
    const CRect right(view.CenterPoint().x, view.top, view.right, view.bottom);
    EXPECT_GT(shot.Count(0x000000, right), 50) << "page 2's text in the right half";
    frame->DestroyWindow();
}
