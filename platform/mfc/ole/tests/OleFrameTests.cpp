// The thin OLE document and frame bases: which item is active in place, and an in-place frame
// over plain windows that stand for a container's frame and document window.
#include "OleTestSupport.h"
#include <gtest/gtest.h>

namespace {
class CPlainView : public CView {
public:
    void OnDraw(CDC*) override {}
};

class CCountedItem : public COleClientItem {
public:
    explicit CCountedItem(COleDocument* pDoc) : COleClientItem(pDoc) { s_nLive++; }
    ~CCountedItem() override { s_nLive--; }
    static int s_nLive;
};
int CCountedItem::s_nLive = 0;
}  // namespace

TEST(OleDocument, TheInPlaceActiveItemIsTheOneActiveInTheView)
{
    COleDocument* pDoc = new COleDocument;
    CPlainView view1, view2;
    CCountedItem* pFirst = new CCountedItem(pDoc);
    CCountedItem* pSecond = new CCountedItem(pDoc);
    EXPECT_EQ(pFirst->GetItemState(), COleClientItem::emptyState);
    EXPECT_EQ(pFirst->GetDocument(), pDoc);
    EXPECT_EQ(pDoc->GetInPlaceActiveItem(nullptr), nullptr);

    pFirst->Activate(OLEIVERB_SHOW, &view1);
    pSecond->Activate(OLEIVERB_OPEN, &view2);
    EXPECT_TRUE(pFirst->IsInPlaceActive());
    EXPECT_TRUE(pSecond->IsOpen());
    EXPECT_FALSE(pSecond->IsInPlaceActive());
    EXPECT_EQ(pDoc->GetInPlaceActiveItem(&view1), pFirst);
    EXPECT_EQ(pDoc->GetInPlaceActiveItem(&view2), nullptr);
    EXPECT_EQ(pDoc->GetInPlaceActiveItem(nullptr), pFirst);

    pFirst->Deactivate();
    pSecond->Deactivate();  // open, not in place: stays open
    EXPECT_EQ(pFirst->GetItemState(), COleClientItem::loadedState);
    EXPECT_TRUE(pSecond->IsOpen());
    pSecond->Close();
    EXPECT_EQ(pSecond->GetItemState(), COleClientItem::loadedState);
    EXPECT_EQ(pDoc->GetInPlaceActiveItem(nullptr), nullptr);

    // An item deleted on its own leaves its document; the document deletes the rest.
    delete pFirst;
    POSITION pos = pDoc->GetStartPosition();
    EXPECT_EQ(pDoc->GetNextClientItem(pos), pSecond);
    EXPECT_EQ(pos, nullptr);
    delete pDoc;
    EXPECT_EQ(CCountedItem::s_nLive, 0);
}

namespace {
// A bar that the in-place frame puts into the container's frame, one bar high at the top.
class CServerBar : public CControlBar {
public:
    int m_nUpdates = 0;
    CFrameWnd* m_pLastTarget = nullptr;
    CSize CalcFixedLayout(BOOL, BOOL) override { return CSize(32767, 30); }
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL) override
    {
        m_nUpdates++;
        m_pLastTarget = pTarget;
    }
};

class CTestIPFrame : public COleIPFrameWnd {
public:
    std::vector<std::pair<CFrameWnd*, CFrameWnd*>> m_barCalls;
    CServerBar m_bar;

    BOOL OnCreateControlBars(CFrameWnd* pWndFrame, CFrameWnd* pWndDoc) override
    {
        m_barCalls.push_back({pWndFrame, pWndDoc});
        if (m_bar.m_hWnd == nullptr) {
            m_bar.m_dwStyle = CBRS_TOP;
            return m_bar.Create(AfxRegisterWndClass(0), nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), pWndFrame,
                                AFX_IDW_TOOLBAR);
        }
        return TRUE;
    }
};

class CServerDoc : public COleServerDoc {
public:
    std::vector<COleCntrFrameWnd*> m_resized;
    CServerDoc() { m_bAutoDelete = FALSE; }
    void OnResizeBorder(LPCRECT lpRectBorder, COleCntrFrameWnd* pFrameWnd) override
    {
        m_resized.push_back(pFrameWnd);
        COleServerDoc::OnResizeBorder(lpRectBorder, pFrameWnd);
    }
};

// Plain windows of no object of the library: the container's frame and its document window.
struct Container {
    HWND hFrame, hDoc;
    Container()
    {
        hFrame = ::CreateWindowExW(0, AfxRegisterWndClass(0), L"container", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400,
                                   nullptr, nullptr, nullptr, nullptr);
        hDoc = ::CreateWindowExW(0, AfxRegisterWndClass(0), L"document", WS_CHILD | WS_VISIBLE, 0, 40, 500, 300, hFrame,
                                 nullptr, nullptr, nullptr);
    }
    ~Container() { ::DestroyWindow(hFrame); }
};
}  // namespace

TEST(OleFrames, AnInPlaceFrameWrapsTheContainersWindowsOnceAndLeavesThemAsTheyWere)
{
    Container container;
    CTestIPFrame* pFrame = new CTestIPFrame;  // deletes itself with its window
    ASSERT_TRUE(pFrame->Create(nullptr, L"in place", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 150),
                               CWnd::FromHandle(container.hDoc)));

    ASSERT_TRUE(pFrame->BeginInPlace(container.hFrame, container.hDoc));
    COleCntrFrameWnd* pMain = pFrame->m_pMainFrame;
    COleCntrFrameWnd* pDoc = pFrame->m_pDocFrame;
    ASSERT_NE(pMain, nullptr);
    ASSERT_NE(pDoc, nullptr);
    EXPECT_EQ(pMain->m_hWnd, container.hFrame);
    EXPECT_EQ(pDoc->m_hWnd, container.hDoc);
    EXPECT_EQ(pMain->m_pInPlaceFrame, pFrame);
    EXPECT_EQ(CWnd::FromHandlePermanent(container.hFrame), pMain);
    // The bars go into the container's frame, which the wrapper stands for.
    EXPECT_EQ(pFrame->m_bar.GetParent(), pMain);
    EXPECT_EQ(pFrame->m_bar.m_pDockSite, pMain);

    // A second activation keeps the wrappers and hands them over again.
    ASSERT_TRUE(pFrame->BeginInPlace(container.hFrame, container.hDoc));
    EXPECT_EQ(pFrame->m_pMainFrame, pMain);
    EXPECT_EQ(pFrame->m_pDocFrame, pDoc);
    typedef std::pair<CFrameWnd*, CFrameWnd*> Call;
    EXPECT_EQ(pFrame->m_barCalls, (std::vector<Call>{{pMain, pDoc}, {pMain, pDoc}}));

    // At idle time the bars in the container are updated with the in-place frame's.
    pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(pFrame->m_bar.m_nUpdates, 1);

    pFrame->EndInPlace();
    EXPECT_EQ(pFrame->m_pMainFrame, nullptr);
    EXPECT_EQ(pFrame->m_pDocFrame, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(container.hFrame), nullptr);
    // The bar came back, hidden; the container's windows are as they were.
    EXPECT_EQ(pFrame->m_bar.GetParent(), pFrame);
    EXPECT_EQ(pFrame->m_bar.m_pDockSite, pFrame);
    EXPECT_FALSE(pFrame->m_bar.GetStyle() & WS_VISIBLE);
    pFrame->DestroyWindow();
    EXPECT_TRUE(::IsWindow(container.hFrame));
    EXPECT_TRUE(::IsWindow(container.hDoc));
}

TEST(OleFrames, TheContainerFrameRenegotiatesItsBordersThroughTheServerDocument)
{
    Container container;
    CTestIPFrame* pFrame = new CTestIPFrame;
    ASSERT_TRUE(pFrame->Create(nullptr, L"in place", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 150),
                               CWnd::FromHandle(container.hDoc)));
    CServerDoc doc;
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    CPlainView* pView = new CPlainView;  // deletes itself with its window
    ASSERT_TRUE(pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 100, 100), pFrame, AFX_IDW_PANE_FIRST,
                              &context));
    pFrame->SetActiveView(pView, FALSE);
    // The container's frame is of a size the bar can be seen in.
    ::SetWindowPos(container.hFrame, nullptr, 0, 0, 640, 480, SWP_NOZORDER | SWP_NOACTIVATE);

    ASSERT_TRUE(pFrame->BeginInPlace(container.hFrame, container.hFrame));
    EXPECT_EQ(pFrame->m_pDocFrame, nullptr);  // the frame is the document window too
    EXPECT_EQ(pFrame->m_barCalls.back().second, nullptr);
    pFrame->m_pMainFrame->RecalcLayout();
    EXPECT_EQ(doc.m_resized, std::vector<COleCntrFrameWnd*>{pFrame->m_pMainFrame});
    CRect rectClient, rectBar;
    ::GetClientRect(container.hFrame, &rectClient);
    pFrame->m_bar.GetWindowRect(&rectBar);
    ::ScreenToClient(container.hFrame, (LPPOINT)&rectBar);
    ::ScreenToClient(container.hFrame, (LPPOINT)&rectBar + 1);
    EXPECT_EQ(rectBar, CRect(0, 0, rectClient.right, 30));

    // A window that an object of this program holds cannot be wrapped.
    CFrameWnd* pOwned = new CFrameWnd;
    ASSERT_TRUE(pOwned->Create(nullptr, L"owned"));
    EXPECT_FALSE(pFrame->BeginInPlace(pOwned->m_hWnd, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(pOwned->m_hWnd), pOwned);
    pOwned->DestroyWindow();
    pFrame->DestroyWindow();
    EXPECT_TRUE(::IsWindow(container.hFrame));
}
