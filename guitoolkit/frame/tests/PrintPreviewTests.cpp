#include <guitoolkit/frame/CGTFrameWnd.h>
#include <guitoolkit/frame/CGTPrintPreviewView.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTStatusBar.h>
#include <afxpriv.h>
#include <gtest/gtest.h>
#include <platform/mfc/win/tests/MemoryPrinter.h>

namespace {

// Two pages of text.
class TwoPageView : public CView {
    DECLARE_DYNCREATE(TwoPageView)
public:
    void OnDraw(CDC*) override {}
    BOOL OnPreparePrinting(CPrintInfo* iInfo) override
    {
        iInfo->SetMaxPage(2);
        return DoPreparePrinting(iInfo);
    }
    void OnPrint(CDC* iDc, CPrintInfo* iInfo) override
    {
        CString text;
        text.Format(L"Page %u", iInfo->m_nCurPage);
        iDc->TextOut(100, 100, text);
    }
};
IMPLEMENT_DYNCREATE(TwoPageView, CView)

// A toolkit frame with a plain window or a toolkit status bar as its status bar; it notes its layouts and the
// message texts it is sent.
class PreviewFrame : public CGTFrameWnd {
public:
    void RecalcLayout(BOOL iNotify = TRUE) override
    {
        ++m_Layouts;
        CGTFrameWnd::RecalcLayout(iNotify);
    }
    std::vector<CString> m_Messages;
    int m_Layouts = 0;

protected:
    LRESULT WindowProc(UINT iMessage, WPARAM iWParam, LPARAM iLParam) override
    {
        if (iMessage == WM_SETMESSAGESTRING && iLParam != 0)
            m_Messages.push_back((LPCWSTR)iLParam);
        return CGTFrameWnd::WindowProc(iMessage, iWParam, iLParam);
    }
};

class PrintPreview : public ::testing::Test {
protected:
    void Open(BOOL iToolkitStatusBar)
    {
        m_Frame = new PreviewFrame;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(TwoPageView);
        ASSERT_TRUE(m_Frame->Create(nullptr, L"Preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(20, 20, 620, 460),
                                    nullptr, nullptr, 0, &context));
        m_Frame->CreateDockBars(0xF000);
        static const UINT indicators[] = {ID_SEPARATOR};
        if (iToolkitStatusBar) {
            ASSERT_TRUE(m_ToolkitStatus.Create(m_Frame));
            m_ToolkitStatus.SetIndicators(indicators, 1);
        } else {
            ASSERT_TRUE(
                m_PlainStatus.Create(L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), m_Frame, AFX_IDW_STATUS_BAR));
        }
        m_Frame->InitialUpdateFrame(nullptr, TRUE);
        CView* view = m_Frame->GetActiveView();
        ASSERT_TRUE(CGTPrintPreviewView::Show(view));
        m_Preview = DYNAMIC_DOWNCAST(CGTPrintPreviewView, m_Frame->GetActiveView());
        ASSERT_NE(nullptr, m_Preview);
    }
    void TearDown() override
    {
        if (m_Frame != nullptr)
            m_Frame->DestroyWindow();
    }
    void UpdateButtons() { m_Preview->GetToolBar().SendMessage(WM_IDLEUPDATECMDUI, TRUE); }

    CMemoryPrintDevice m_Printer;
    PreviewFrame* m_Frame = nullptr;
    CStatic m_PlainStatus;
    CGTStatusBar m_ToolkitStatus;
    CGTPrintPreviewView* m_Preview = nullptr;
};

}  // namespace

TEST_F(PrintPreview, APlainStatusBarGetsThePageAsAMessageString)
{
    Open(FALSE);
    ASSERT_FALSE(m_Frame->m_Messages.empty());
    EXPECT_STREQ(L"Page 1", m_Frame->m_Messages.back());
    CGTPrintPreviewToolBar& bar = m_Preview->GetToolBar();
    EXPECT_EQ(-1, bar.CommandToIndex(ID_GT_PREVIEW_ONE_PAGE)) << "its image only is kept";
    EXPECT_GE(bar.CommandToIndex(AFX_ID_PREVIEW_CLOSE), 0);
}

TEST_F(PrintPreview, TheToolkitStatusBarShowsThePagesAndThePageCountButtonItsImage)
{
    Open(TRUE);
    EXPECT_STREQ(L"Page 1", m_ToolkitStatus.GetPaneText(0));
    UpdateButtons();
    const int onePage = m_Preview->GetPageCountImage();
    m_Preview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NUMPAGE);
    UpdateButtons();
    EXPECT_STREQ(L"Pages 1-2", m_ToolkitStatus.GetPaneText(0));
    const int twoPages = m_Preview->GetPageCountImage();
    EXPECT_NE(onePage, twoPages);
    m_Preview->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NUMPAGE);
    UpdateButtons();
    EXPECT_EQ(onePage, m_Preview->GetPageCountImage());
}

TEST_F(PrintPreview, AResizeToTheSameSizeLaysNothingOut)
{
    Open(FALSE);
    CRect client;
    m_Preview->GetClientRect(client);
    const int layouts = m_Frame->m_Layouts;
    m_Preview->SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.Width(), client.Height()));
    EXPECT_EQ(layouts, m_Frame->m_Layouts);
    m_Frame->SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_GT(m_Frame->m_Layouts, layouts) << "a wider frame: the bar follows";
}

TEST_F(PrintPreview, TheViewTakesTheAreaBelowThePreviewToolBar)
{
    Open(FALSE);
    m_Frame->RecalcLayout();
    CRect bar, view;
    m_Preview->GetToolBar().GetWindowRect(bar);
    m_Preview->GetWindowRect(view);
    EXPECT_EQ(bar.bottom, view.top);
}
