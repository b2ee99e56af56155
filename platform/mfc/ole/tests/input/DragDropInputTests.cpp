// Drag and drop with real input (an X display): a helper thread moves the mouse and presses
// keys with SendInput while two windows of this process take part, the first running the
// drag from its button-down handler, the second registered as a drop target.
#include <afxole.h>
#include <gtest/gtest.h>
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

namespace {
const CLIPFORMAT cfPrivate = (CLIPFORMAT)::RegisterClipboardFormatW(L"ZvOleInputTestPrivate");

HGLOBAL GlobalFromText(LPCWSTR lpszText)
{
    SIZE_T nBytes = (wcslen(lpszText) + 1) * sizeof(WCHAR);
    HGLOBAL hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, nBytes);
    memcpy(::GlobalLock(hGlobal), lpszText, nBytes);
    ::GlobalUnlock(hGlobal);
    return hGlobal;
}

CString TextOf(COleDataObject* pDataObject, CLIPFORMAT cfFormat)
{
    HGLOBAL hGlobal = pDataObject->GetGlobalData(cfFormat);
    if (hGlobal == nullptr)
        return CString();
    CString strText((LPCWSTR)::GlobalLock(hGlobal));
    ::GlobalUnlock(hGlobal);
    ::GlobalFree(hGlobal);
    return strText;
}

// What reached a drop target.
struct DropLog {
    std::vector<CString> events;
    CPoint ptDrop;
    CString strPrivate, strText;
};

class CRecordingTarget : public COleDropTarget {
public:
    explicit CRecordingTarget(DropLog* pLog) : m_pLog(pLog) {}
    DROPEFFECT OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD, CPoint) override
    {
        m_pLog->events.push_back(L"enter");
        return pDataObject->IsDataAvailable(cfPrivate) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD, CPoint) override
    {
        if (m_pLog->events.back() != L"over")
            m_pLog->events.push_back(L"over");
        return pDataObject->IsDataAvailable(cfPrivate) ? DROPEFFECT_MOVE : DROPEFFECT_NONE;
    }
    void OnDragLeave(CWnd*) override { m_pLog->events.push_back(L"leave"); }
    BOOL OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT, CPoint point) override
    {
        m_pLog->events.push_back(L"drop");
        m_pLog->ptDrop = point;
        m_pLog->strPrivate = TextOf(pDataObject, cfPrivate);
        m_pLog->strText = TextOf(pDataObject, CF_UNICODETEXT);
        return TRUE;
    }

private:
    DropLog* m_pLog;
};

class CTestDropSource : public COleDropSource {
public:
    BOOL Started() const { return m_bDragStarted; }
};

// The first window: a button going down starts a drag of a private format and a text.
class CSourceWnd : public CWnd {
public:
    CTestDropSource m_dropSource;
    DROPEFFECT m_dropEffect = (DROPEFFECT)-1;
    BOOL m_bStarted = FALSE;
    std::atomic<bool> m_bDone{false};

protected:
    afx_msg void OnLButtonDown(UINT, CPoint point)
    {
        COleDataSource source;
        source.CacheGlobalData(cfPrivate, GlobalFromText(L"payload"));
        source.CacheGlobalData(CF_UNICODETEXT, GlobalFromText(L"dragged text"));
        CRect rectStart(point.x - 4, point.y - 4, point.x + 4, point.y + 4);
        m_dropEffect = source.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE, &rectStart, &m_dropSource);
        m_bStarted = m_dropSource.Started();
        m_bDone = true;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSourceWnd, CWnd)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

// Input as a user gives it, one step at a time.
void SendMouse(DWORD dwFlags, POINT pt)
{
    INPUT input = {INPUT_MOUSE};
    input.mi.dx = ::MulDiv(pt.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = ::MulDiv(pt.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(input));
}
void SendKey(WORD wVk, DWORD dwFlags)
{
    INPUT input = {INPUT_KEYBOARD};
    input.ki.wVk = wVk;
    input.ki.dwFlags = dwFlags;
    ::SendInput(1, &input, sizeof(input));
}

// The windows live through all the cases: taking a window off the X display is slow.
struct DragFixture : public ::testing::Test {
    static CSourceWnd* s_pSource;
    static CWnd* s_pTarget;
    static constexpr RECT rectSource = {100, 100, 300, 300};
    static constexpr RECT rectTarget = {500, 100, 700, 300};
    CSourceWnd& source = *s_pSource;
    CWnd& target = *s_pTarget;
    DropLog log;

    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxOleInit());
        LPCWSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(nullptr, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        s_pSource = new CSourceWnd;
        s_pTarget = new CWnd;
        ASSERT_TRUE(s_pSource->CreateEx(0, lpszClass, L"source", WS_POPUP | WS_VISIBLE, rectSource, nullptr, 0));
        ASSERT_TRUE(s_pTarget->CreateEx(0, lpszClass, L"target", WS_POPUP | WS_VISIBLE, rectTarget, nullptr, 0));
    }
    static void TearDownTestSuite()
    {
        delete s_pSource;
        delete s_pTarget;
    }
    void SetUp() override
    {
        source.m_dropEffect = (DROPEFFECT)-1;
        source.m_bStarted = FALSE;
        source.m_bDone = false;
        source.SetForegroundWindow();
        source.SetFocus();
        Pump(200);
    }

    // Processes this thread's messages for a while.
    static void Pump(DWORD dwMilliseconds)
    {
        DWORD dwEnd = ::GetTickCount() + dwMilliseconds;
        for (;;) {
            MSG msg;
            while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
            LONG nLeft = (LONG)(dwEnd - ::GetTickCount());
            if (nLeft <= 0)
                return;
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, (DWORD)nLeft, QS_ALLINPUT);
        }
    }

    // Runs the steps from a helper thread, a pause after each, while this thread handles the
    // windows' messages (and the drag the first window runs) until the drag has ended.
    void Drag(const std::vector<std::function<void()>>& steps)
    {
        std::atomic<bool> bInputDone{false};
        std::thread input([&] {
            for (const auto& step : steps) {
                step();
                ::Sleep(120);
            }
            bInputDone = true;
        });
        // Bounded, so that a drag that never ends fails the test instead of hanging it.
        for (int i = 0; i < 300 && !(bInputDone && source.m_bDone); i++)
            Pump(50);
        input.join();
        Pump(100);
    }
    static CPoint InSource(int x, int y) { return CPoint(rectSource.left + x, rectSource.top + y); }
    static CPoint InTarget(int x, int y) { return CPoint(rectTarget.left + x, rectTarget.top + y); }
    // From the source across to the target, in steps.
    std::vector<std::function<void()>> PressAndCross(CPoint ptTo)
    {
        CPoint ptFrom = InSource(50, 50);
        std::vector<std::function<void()>> steps = {[=] { SendMouse(0, ptFrom); },
                                                    [=] { SendMouse(MOUSEEVENTF_LEFTDOWN, ptFrom); }};
        for (int i = 1; i <= 8; i++)
            steps.push_back([=] {
                SendMouse(0, CPoint(ptFrom.x + (ptTo.x - ptFrom.x) * i / 8, ptFrom.y + (ptTo.y - ptFrom.y) * i / 8));
            });
        steps.push_back([=] { SendMouse(0, ptTo + CPoint(2, 2)); });
        steps.push_back([=] { SendMouse(0, ptTo); });
        return steps;
    }
};
CSourceWnd* DragFixture::s_pSource = nullptr;
CWnd* DragFixture::s_pTarget = nullptr;
}  // namespace

TEST_F(DragFixture, ADragFromOneWindowDropsItsDataOnTheOther)
{
    CRecordingTarget dropTarget(&log);
    ASSERT_TRUE(dropTarget.Register(&target));
    auto steps = PressAndCross(InTarget(60, 70));
    steps.push_back([=] { SendMouse(MOUSEEVENTF_LEFTUP, InTarget(60, 70)); });
    Drag(steps);

    ASSERT_TRUE(source.m_bDone);
    EXPECT_TRUE(source.m_bStarted);
    EXPECT_EQ(log.events, (std::vector<CString>{L"enter", L"over", L"drop"}));
    EXPECT_EQ(log.ptDrop, CPoint(60, 70));
    EXPECT_EQ(log.strPrivate, CString(L"payload"));
    EXPECT_EQ(log.strText, CString(L"dragged text"));
    EXPECT_EQ(source.m_dropEffect, DROPEFFECT_MOVE);
}

TEST_F(DragFixture, EscapeMidwayLeavesTheTargetWithoutADrop)
{
    CRecordingTarget dropTarget(&log);
    ASSERT_TRUE(dropTarget.Register(&target));
    auto steps = PressAndCross(InTarget(60, 70));
    steps.push_back([] { SendKey(VK_ESCAPE, 0); });
    steps.push_back([] { SendKey(VK_ESCAPE, KEYEVENTF_KEYUP); });
    steps.push_back([=] { SendMouse(MOUSEEVENTF_LEFTUP, InTarget(60, 70)); });
    Drag(steps);

    ASSERT_TRUE(source.m_bDone);
    EXPECT_TRUE(source.m_bStarted);
    EXPECT_EQ(log.events, (std::vector<CString>{L"enter", L"over", L"leave"}));
    EXPECT_EQ(source.m_dropEffect, DROPEFFECT_NONE);
}

TEST_F(DragFixture, AReleaseInsideTheStartRectangleNeverStartsTheDrag)
{
    CRecordingTarget dropTarget(&log);
    ASSERT_TRUE(dropTarget.Register(&target));
    UINT nDelay = COleDropSource::nDragDelay;
    COleDropSource::nDragDelay = 60000;
    CPoint ptClick = InSource(50, 50);
    Drag({[=] { SendMouse(0, ptClick); }, [=] { SendMouse(MOUSEEVENTF_LEFTDOWN, ptClick); },
          [=] { SendMouse(0, ptClick + CPoint(3, 3)); },
          [=] { SendMouse(MOUSEEVENTF_LEFTUP, ptClick + CPoint(3, 3)); }});
    COleDropSource::nDragDelay = nDelay;

    ASSERT_TRUE(source.m_bDone);
    EXPECT_FALSE(source.m_bStarted);
    EXPECT_EQ(source.m_dropEffect, DROPEFFECT_NONE);
    EXPECT_TRUE(log.events.empty());
}

TEST_F(DragFixture, ATargetDeletedWhileItsWindowLivesIsNeverCalled)
{
    CRecordingTarget* pDropTarget = new CRecordingTarget(&log);
    ASSERT_TRUE(pDropTarget->Register(&target));
    delete pDropTarget;
    auto steps = PressAndCross(InTarget(60, 70));
    steps.push_back([=] { SendMouse(MOUSEEVENTF_LEFTUP, InTarget(60, 70)); });
    Drag(steps);

    ASSERT_TRUE(source.m_bDone);
    EXPECT_TRUE(source.m_bStarted);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(source.m_dropEffect, DROPEFFECT_NONE);
}
