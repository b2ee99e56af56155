// Hosted controls: a form view's template hosting a control by class id, the wrapper that
// data exchange binds, CreateControl by class id and by ProgID, and templates whose control
// cannot be made. The hosting cases run for each control in kHostedControls: the test
// control of TestControl.h here; the chart control joins with its own template and class.
#include "OleTestSupport.h"
#include "TestControl.h"
#include "test_resource.h"
#include <gtest/gtest.h>

namespace {
// A control the hosting cases run for: its class, the form template that hosts it as
// IDC_HOSTED and whether all its objects have been released.
struct HostedControl {
    const char* name;
    CLSID clsid;
    LPCWSTR lpszProgID;
    UINT nFormTemplate;
    std::function<bool()> released;
};

void PrintTo(const HostedControl& control, std::ostream* os)
{
    *os << control.name;
}

const HostedControl kHostedControls[] = {
    {"TestControl", CLSID_ZvTestControl, kZvTestControlProgID, IDD_HOSTED_FORM,
     [] { return TestControlLog::nLive == 0; }},
};

class CHostForm : public CFormView {
public:
    explicit CHostForm(UINT nTemplate) : CFormView(nTemplate) { s_nLive++; }
    ~CHostForm() override { s_nLive--; }
    static int s_nLive;

    CWnd m_wndHosted;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_HOSTED, m_wndHosted); }
};
int CHostForm::s_nLive = 0;

CTestControlRegistration* s_pRegistration = nullptr;

struct HostingFixture : public ::testing::Test {
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(AfxOleInit());
        AfxEnableControlContainer();
        s_pRegistration = new CTestControlRegistration;
    }
    static void TearDownTestSuite()
    {
        delete s_pRegistration;
        s_pRegistration = nullptr;
    }

    CFrameWnd* m_pFrame = nullptr;

    void SetUp() override
    {
        m_pFrame = new CFrameWnd;  // deletes itself with its window
        ASSERT_TRUE(m_pFrame->Create(nullptr, L"Hosting", WS_OVERLAPPEDWINDOW, CRect(0, 0, 900, 700)));
    }
    void TearDown() override
    {
        if (m_pFrame->m_hWnd != nullptr)
            m_pFrame->DestroyWindow();
        EXPECT_EQ(CHostForm::s_nLive, 0);
    }
    // A form view of the template in the frame, after its first update.
    CHostForm* MakeForm(UINT nTemplate)
    {
        CHostForm* pForm = new CHostForm(nTemplate);
        if (!pForm->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 800, 600), m_pFrame, AFX_IDW_PANE_FIRST,
                           nullptr))
            return nullptr;
        pForm->OnInitialUpdate();
        return pForm;
    }
};

struct HostedControlFixture : public HostingFixture, public ::testing::WithParamInterface<HostedControl> {};

CLSID ClassOf(CWnd& wnd)
{
    CLSID clsid = CLSID_NULL;
    IPersist* pPersist = nullptr;
    if (wnd.GetControlUnknown() != nullptr &&
        SUCCEEDED(wnd.GetControlUnknown()->QueryInterface(IID_IPersist, (void**)&pPersist))) {
        pPersist->GetClassID(&clsid);
        pPersist->Release();
    }
    return clsid;
}

CRect ChildRect(CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    wnd.GetParent()->ScreenToClient(&rect);
    return rect;
}
}  // namespace

TEST_P(HostedControlFixture, AFormTemplateHostsTheControlAtItsPlaceAndTheViewsEndReleasesIt)
{
    CHostForm* pForm = MakeForm(GetParam().nFormTemplate);
    ASSERT_NE(pForm, nullptr);
    CWnd* pHosted = pForm->GetDlgItem(IDC_HOSTED);
    ASSERT_NE(pHosted, nullptr);
    // The template's rectangle (7, 86, 200, 90) in dialog units of the template's font.
    CRect rectExpected(7, 86, 207, 176);
    ::MapDialogRect(pForm->m_hWnd, &rectExpected);
    EXPECT_EQ(ChildRect(*pHosted), rectExpected);
    // In the z-order (and so the tab order) where the template puts it, hidden as it says.
    EXPECT_EQ(::GetWindow(pForm->GetDlgItem(IDC_BEFORE)->m_hWnd, GW_HWNDNEXT), pHosted->m_hWnd);
    EXPECT_EQ(::GetWindow(pHosted->m_hWnd, GW_HWNDNEXT), pForm->GetDlgItem(IDC_AFTER)->m_hWnd);
    EXPECT_FALSE(pHosted->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(pHosted->GetStyle() & WS_TABSTOP);

    // The data exchange bound the wrapper to the control's window and site.
    CWnd& wrapper = pForm->m_wndHosted;
    EXPECT_EQ(wrapper.m_hWnd, pHosted->m_hWnd);
    EXPECT_EQ(ClassOf(wrapper), GetParam().clsid);

    pForm->DestroyWindow();
    EXPECT_TRUE(GetParam().released());
}

TEST_P(HostedControlFixture, CreateControlByClassIdAndByProgIdMakeTheSameControl)
{
    CWnd byClsid, byProgID;
    CRect rect(10, 20, 210, 120);
    ASSERT_TRUE(byClsid.CreateControl(GetParam().clsid, L"first", WS_VISIBLE | WS_TABSTOP, rect, m_pFrame, 10));
    ASSERT_TRUE(byProgID.CreateControl(GetParam().lpszProgID, L"second", WS_VISIBLE, rect, m_pFrame, 11));
    for (CWnd* pWnd : {&byClsid, &byProgID}) {
        EXPECT_EQ(pWnd->GetParent(), m_pFrame);
        EXPECT_EQ(ChildRect(*pWnd), rect);
        EXPECT_TRUE(pWnd->GetStyle() & WS_VISIBLE);
        EXPECT_EQ(ClassOf(*pWnd), GetParam().clsid);
    }
    EXPECT_EQ(byClsid.GetDlgCtrlID(), 10);
    EXPECT_EQ(byProgID.GetDlgCtrlID(), 11);
    EXPECT_TRUE(byClsid.GetStyle() & WS_TABSTOP);
    EXPECT_FALSE(byProgID.GetStyle() & WS_TABSTOP);

    byClsid.DestroyWindow();
    EXPECT_EQ(byClsid.m_hWnd, nullptr);
    EXPECT_EQ(byClsid.GetControlUnknown(), nullptr);
    byProgID.DestroyWindow();
    EXPECT_TRUE(GetParam().released());
}

INSTANTIATE_TEST_SUITE_P(Controls, HostedControlFixture, ::testing::ValuesIn(kHostedControls),
                         [](const ::testing::TestParamInfo<HostedControl>& info) { return info.param.name; });

TEST_F(HostingFixture, TheSiteServesAmbientsAndTheWrapperCallsTheControlByDispatchId)
{
    CWnd wrapper;
    ASSERT_TRUE(wrapper.CreateControl(kZvTestControlClsid, L"Chart of the week", WS_VISIBLE, CRect(0, 0, 100, 80),
                                      m_pFrame, 12));
    EXPECT_EQ(TestControlLog::nInitNew > 0, true);
    EXPECT_TRUE(TestControlLog::bUserMode);
    EXPECT_EQ(TestControlLog::strDisplayName, L"Chart of the week");
    EXPECT_EQ(TestControlLog::backColor, 0x80000000 | COLOR_BTNFACE);
    EXPECT_FALSE(TestControlLog::strFontName.empty());

    wrapper.SetProperty(1, VT_I4, 42L);
    long nValue = 0;
    wrapper.GetProperty(1, VT_I4, &nValue);
    EXPECT_EQ(nValue, 42);
    static BYTE params[] = VTS_I4 VTS_I4;
    long nSum = 0;
    wrapper.InvokeHelper(2, DISPATCH_METHOD, VT_I4, &nSum, params, 3L, 4L);
    EXPECT_EQ(nSum, 7);
    // The site tells a control where it stands after the program moved it.
    wrapper.MoveWindow(30, 40, 100, 80);
    long nLeft = 0;
    wrapper.InvokeHelper(4, DISPATCH_METHOD, VT_I4, &nLeft, nullptr);
    EXPECT_EQ(nLeft, 30);
    try {
        wrapper.InvokeHelper(3, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr);
        ADD_FAILURE() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(e->m_strDescription, CString(L"The test control refuses."));
        EXPECT_EQ(e->m_strSource, CString(L"TestControl"));
        e->Delete();
    }
}

TEST_F(HostingFixture, ADialogsControlsExistBeforeOnInitDialogBindsThem)
{
    struct CHostDialog : public CDialog {
        CHostDialog() : CDialog(IDD_HOSTED_DIALOG) {}
        CWnd m_wndHosted;
        long m_nSeen = 0;
        void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_HOSTED, m_wndHosted); }
        BOOL OnInitDialog() override
        {
            CDialog::OnInitDialog();
            static BYTE params[] = VTS_I4 VTS_I4;
            m_wndHosted.InvokeHelper(2, DISPATCH_METHOD, VT_I4, &m_nSeen, params, 20L, 22L);
            return TRUE;
        }
    } dialog;
    ASSERT_TRUE(dialog.Create(IDD_HOSTED_DIALOG, m_pFrame));
    EXPECT_EQ(dialog.m_nSeen, 42);
    // The template's own control is still there, behind the hosted one.
    ASSERT_NE(dialog.GetDlgItem(IDOK), nullptr);
    EXPECT_EQ(::GetWindow(dialog.m_wndHosted.m_hWnd, GW_HWNDNEXT), dialog.GetDlgItem(IDOK)->m_hWnd);
    EXPECT_TRUE(dialog.m_wndHosted.GetStyle() & WS_VISIBLE);
    dialog.DestroyWindow();
    EXPECT_EQ(TestControlLog::nLive, 0);
}

TEST_F(HostingFixture, AControlThatCannotBeMadeFailsTheWindowAndLeavesNothingBehind)
{
    struct Case {
        const char* name;
        UINT nTemplate;
        LPCWSTR lpszClsid;
        HRESULT hr;
    };
    const Case cases[] = {
        {"class nobody registered", IDD_UNREGISTERED_FORM, L"{0BADC1D5-0000-4000-8000-00000000D1E5}",
         REGDB_E_CLASSNOTREG},
        {"control that fails to activate, after one that was made", IDD_FAILING_FORM, kZvFailingControlClsid, E_FAIL},
    };
    for (const Case& c : cases) {
        CDebugOutputCapture output;
        EXPECT_EQ(MakeForm(c.nTemplate), nullptr) << c.name;
        EXPECT_EQ(::GetWindow(m_pFrame->m_hWnd, GW_CHILD), nullptr) << c.name;
        EXPECT_EQ(CHostForm::s_nLive, 0) << c.name;
        EXPECT_EQ(TestControlLog::nLive, 0) << c.name;
        CString strHr;
        strHr.Format(L"0x%08lX", (unsigned long)c.hr);
        std::wstring text = output.Text();
        EXPECT_NE(text.find(L"1049"), std::wstring::npos) << c.name;
        EXPECT_NE(text.find(c.lpszClsid), std::wstring::npos) << c.name;
        EXPECT_NE(text.find((LPCWSTR)strHr), std::wstring::npos) << c.name;
    }
    // The wrapper of a class nobody registered stays without a window.
    CWnd wrapper;
    EXPECT_FALSE(wrapper.CreateControl(L"{0BADC1D5-0000-4000-8000-00000000D1E5}", nullptr, WS_VISIBLE,
                                       CRect(0, 0, 10, 10), m_pFrame, 1));
    EXPECT_FALSE(wrapper.CreateControl(L"ZvOleTests.Nobody", nullptr, WS_VISIBLE, CRect(0, 0, 10, 10), m_pFrame, 1));
    EXPECT_EQ(wrapper.m_hWnd, nullptr);
    EXPECT_EQ(::GetWindow(m_pFrame->m_hWnd, GW_CHILD), nullptr);
}

TEST_F(HostingFixture, ADriverCreatesItsObjectByClassIdOrProgId)
{
    for (LPCWSTR lpszName : {kZvTestControlClsid, kZvTestControlProgID}) {
        COleDispatchDriver driver;
        ASSERT_TRUE(driver.CreateDispatch(lpszName)) << CString(lpszName);
        driver.SetProperty(1, VT_I4, 5L);
        long nValue = 0;
        driver.GetProperty(1, VT_I4, &nValue);
        EXPECT_EQ(nValue, 5);
    }
    EXPECT_EQ(TestControlLog::nLive, 0);
    COleException error;
    COleDispatchDriver driver;
    EXPECT_FALSE(driver.CreateDispatch(L"ZvOleTests.Nobody", &error));
    EXPECT_EQ(error.m_sc, CO_E_CLASSSTRING);
    EXPECT_FALSE(driver.CreateDispatch(L"{0BADC1D5-0000-4000-8000-00000000D1E5}", &error));
    EXPECT_EQ(error.m_sc, REGDB_E_CLASSNOTREG);
    EXPECT_EQ(driver.m_lpDispatch, nullptr);
}
