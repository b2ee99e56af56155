// Window objects: message maps, the handle map, self-deletion and exceptions in handlers.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <oleacc.h>
#include <stdexcept>
#include <vector>

namespace {
const UINT s_msgRegistered = ::RegisterWindowMessageW(L"MfcWinTests.Registered");

struct WindowLog {
    std::vector<UINT> messages;
    int cx = -1;
    bool deleted = false;
};

class CLoggingWnd : public CWnd {
public:
    explicit CLoggingWnd(WindowLog* pLog) : m_pLog(pLog) {}
    ~CLoggingWnd() override { m_pLog->deleted = true; }

protected:
    void PostNcDestroy() override
    {
        m_pLog->messages.push_back(WM_NCDESTROY);
        delete this;
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_pLog->messages.push_back(WM_CREATE);
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnSize(UINT, int cx, int)
    {
        m_pLog->messages.push_back(WM_SIZE);
        m_pLog->cx = cx;
    }
    afx_msg void OnDestroy()
    {
        m_pLog->messages.push_back(WM_DESTROY);
        CWnd::OnDestroy();
    }
    afx_msg LRESULT OnDouble(WPARAM wParam, LPARAM) { return wParam * 2; }
    afx_msg LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("handler failed"); }
    afx_msg LRESULT OnThrowLibrary(WPARAM, LPARAM) { AfxThrowNotSupportedException(); }
    DECLARE_MESSAGE_MAP()

private:
    WindowLog* m_pLog;
};

BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_APP, &CLoggingWnd::OnDouble)
    ON_MESSAGE(WM_APP + 1, &CLoggingWnd::OnThrowStd)
    ON_MESSAGE(WM_APP + 2, &CLoggingWnd::OnThrowLibrary)
    ON_REGISTERED_MESSAGE(s_msgRegistered, &CLoggingWnd::OnDouble)
END_MESSAGE_MAP()

CLoggingWnd* CreateLoggingWnd(WindowLog* pLog)
{
    CLoggingWnd* pWnd = new CLoggingWnd(pLog);
    EXPECT_TRUE(pWnd->CreateEx(0, AfxRegisterWndClass(0), L"log", WS_POPUP, 0, 0, 100, 80, nullptr, nullptr));
    return pWnd;
}
}  // namespace

TEST(Window, MessageMapReceivesMessagesAndObjectDeletesItselfAfterDestruction)
{
    WindowLog log;
    CLoggingWnd* pWnd = CreateLoggingWnd(&log);
    HWND hWnd = pWnd->m_hWnd;
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), pWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pWnd);

    EXPECT_EQ(::SendMessageW(hWnd, WM_APP, 21, 0), 42);
    EXPECT_EQ(::SendMessageW(hWnd, s_msgRegistered, 5, 0), 10);
    pWnd->MoveWindow(0, 0, 200, 80);
    EXPECT_EQ(log.cx, 200);

    pWnd->DestroyWindow();
    EXPECT_TRUE(log.deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    ASSERT_GE(log.messages.size(), 4u);
    EXPECT_EQ(log.messages.front(), (UINT)WM_CREATE);
    EXPECT_EQ(log.messages[log.messages.size() - 2], (UINT)WM_DESTROY);
    EXPECT_EQ(log.messages.back(), (UINT)WM_NCDESTROY);
}

TEST(Window, ExceptionsStayInsideTheWindowProcedure)
{
    WindowLog log;
    CLoggingWnd* pWnd = CreateLoggingWnd(&log);
    EXPECT_EQ(pWnd->SendMessage(WM_APP + 1), 0);
    EXPECT_EQ(pWnd->SendMessage(WM_APP + 2), 0);
    EXPECT_EQ(pWnd->SendMessage(WM_APP, 4), 8);  // the window still works
    pWnd->DestroyWindow();
    EXPECT_TRUE(log.deleted);
}

namespace {
class CThrowingSubclassWnd : public CWnd {
protected:
    void PreSubclassWindow() override { throw std::runtime_error("subclassing failed"); }
};
}  // namespace

TEST(Window, ExceptionsStayInsideTheCreationHook)
{
    CThrowingSubclassWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"hooked", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_TRUE(wnd.DestroyWindow());
}

TEST(Window, ForeignHandlesGetTemporaryObjectsUntilTheMapIsCleared)
{
    HWND hWnd =
        ::CreateWindowExW(0, L"STATIC", L"foreign", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hWnd, nullptr);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    EXPECT_EQ(pTemp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    CWnd::DeleteTempMap();
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    // Attached, then detached: the window itself outlives the object. While one object
    // holds the window, no other may take it.
    {
        CWnd wnd, other;
        ASSERT_TRUE(wnd.Attach(hWnd));
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
        EXPECT_FALSE(other.Attach(hWnd));
        EXPECT_FALSE(other.SubclassWindow(hWnd));
        EXPECT_EQ(other.m_hWnd, nullptr);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), &wnd);
        EXPECT_EQ(wnd.Detach(), hWnd);
    }
    EXPECT_TRUE(::IsWindow(hWnd));
    ::DestroyWindow(hWnd);
}

namespace {
// A button that takes its own click (reflection) unless told to let the parent have it.
class CSelfClickButton : public CButton {
public:
    int m_nClicks = 0;
    BOOL m_bPassOn = FALSE;

protected:
    afx_msg BOOL OnClicked()
    {
        m_nClicks++;
        return !m_bPassOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfClickButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CSelfClickButton::OnClicked)
END_MESSAGE_MAP()

class CButtonParent : public CWnd {
public:
    int m_nClicks = 0;

protected:
    afx_msg void OnButton() { m_nClicks++; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CButtonParent, CWnd)
    ON_BN_CLICKED(10, &CButtonParent::OnButton)
END_MESSAGE_MAP()
}  // namespace

TEST(Window, ControlNotificationsAreReflectedToTheControlFirst)
{
    CButtonParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr));
    CSelfClickButton button;
    ASSERT_TRUE(button.Create(L"b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &parent, 10));

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(10, BN_CLICKED), (LPARAM)button.m_hWnd);
    EXPECT_EQ(button.m_nClicks, 1);
    EXPECT_EQ(parent.m_nClicks, 0);

    button.m_bPassOn = TRUE;
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(10, BN_CLICKED), (LPARAM)button.m_hWnd);
    EXPECT_EQ(button.m_nClicks, 2);
    EXPECT_EQ(parent.m_nClicks, 1);
}

TEST(Window, TheAccessibleObjectIsTheWindowWithoutWindowlessChildren)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"Hello", WS_POPUP, 10, 20, 100, 50, nullptr, nullptr));
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    long nCount = -1;
    EXPECT_EQ(wnd.get_accChildCount(&nCount), S_OK);
    EXPECT_EQ(nCount, 0);
    BSTR bstrName = nullptr;
    EXPECT_EQ(wnd.get_accName(self, &bstrName), S_OK);
    EXPECT_STREQ(bstrName, L"Hello");
    ::SysFreeString(bstrName);
    long x, y, cx, cy;
    EXPECT_EQ(wnd.accLocation(&x, &y, &cx, &cy, self), S_OK);
    EXPECT_EQ(CRect(x, y, x + cx, y + cy), CRect(10, 20, 110, 70));
    VARIANT hit;
    EXPECT_EQ(wnd.accHitTest(50, 40, &hit), S_OK);
    EXPECT_EQ(hit.vt, VT_I4);
    EXPECT_EQ(hit.lVal, CHILDID_SELF);
    EXPECT_EQ(wnd.accHitTest(500, 400, &hit), S_FALSE);
    EXPECT_EQ(hit.vt, VT_EMPTY);
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = 1;
    IDispatch* pChild = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(wnd.get_accChild(child, &pChild), E_INVALIDARG);
    EXPECT_EQ(pChild, nullptr);
    wnd.DestroyWindow();
}

TEST(Window, RegistrationFlagsRegisterTheLibrarysClasses)
{
    WNDCLASSW wndcls;
    EXPECT_TRUE(AfxEndDeferRegisterClass(AFX_WNDCONTROLBAR_REG | AFX_WNDCOMMCTL_DATE_REG | AFX_WNDCOMMCTLS_REG));
    EXPECT_TRUE(::GetClassInfoW(AfxGetInstanceHandle(), _afxWndControlBar, &wndcls));
    EXPECT_TRUE(::GetClassInfoW(nullptr, DATETIMEPICK_CLASSW, &wndcls));
}
