// The control hosted the way a container hosts it: a site, in-place activation into the
// container's window, painting and deactivation.
#include <gtest/gtest.h>

#include <ocidl.h>

#include "ChartTestSupport.h"

namespace {

// A container's site that counts what the control tells it; its window is a plain window of
// the test.
class TestSite : public IOleClientSite, public IOleInPlaceSite {
public:
    TestSite(HWND iWindow, RECT iPosition) : m_Window(iWindow), m_Position(iPosition) {}

    int m_Activations = 0;
    int m_Deactivations = 0;
    int m_UiActivations = 0;
    int m_UiDeactivations = 0;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iIid, void** oObject) override
    {
        if (iIid == IID_IUnknown || iIid == IID_IOleClientSite) {
            *oObject = static_cast<IOleClientSite*>(this);
        } else if (iIid == IID_IOleWindow || iIid == IID_IOleInPlaceSite) {
            *oObject = static_cast<IOleInPlaceSite*>(this);
        } else {
            *oObject = nullptr;
            return E_NOINTERFACE;
        }
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer**) override { return E_NOINTERFACE; }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* oWindow) override
    {
        *oWindow = m_Window;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override
    {
        ++m_Activations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override
    {
        ++m_UiActivations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** oFrame, IOleInPlaceUIWindow** oDocument,
                                               LPRECT oPosition, LPRECT oClip, LPOLEINPLACEFRAMEINFO) override
    {
        *oFrame = nullptr;
        *oDocument = nullptr;
        *oPosition = m_Position;
        *oClip = m_Position;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override
    {
        ++m_UiDeactivations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override
    {
        ++m_Deactivations;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

private:
    HWND m_Window;
    RECT m_Position;
};

int g_Paints = 0;
WNDPROC g_ChartProcedure = nullptr;

LRESULT CALLBACK CountingProcedure(HWND iWindow, UINT iMessage, WPARAM iWParam, LPARAM iLParam)
{
    if (iMessage == WM_PAINT)
        ++g_Paints;
    return CallWindowProcW(g_ChartProcedure, iWindow, iMessage, iWParam, iLParam);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&message);
}

RECT PlaceInParent(HWND iWindow)
{
    RECT place;
    GetWindowRect(iWindow, &place);
    MapWindowPoints(HWND_DESKTOP, GetParent(iWindow), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool operator==(const RECT& iLeft, const RECT& iRight)
{
    return EqualRect(&iLeft, &iRight) != FALSE;
}

TEST(ChartActivation, InPlaceWindowSitsAtTheSitesPlaceAndPaintsOnceAfterARunOfChanges)
{
    HWND parent = CreateWindowExW(0, L"STATIC", L"container", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 900, 600, nullptr,
                                  nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, parent);
    const RECT position = {10, 20, 610, 420};
    TestSite site(parent, position);
    ComPtr<IDispatch> chart = NewChart();
    ComPtr<IOleObject> object;
    ASSERT_EQ(S_OK, chart.As(&object));
    ComPtr<IPersistStreamInit> persist;
    ASSERT_EQ(S_OK, chart.As(&persist));
    ComPtr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(S_OK, chart.As(&inPlace));

    DWORD status = 0;
    ASSERT_EQ(S_OK, object->GetMiscStatus(DVASPECT_CONTENT, &status));
    EXPECT_TRUE(status & OLEMISC_SETCLIENTSITEFIRST);
    ASSERT_EQ(S_OK, object->SetClientSite(&site));
    ASSERT_EQ(S_OK, persist->InitNew());
    HWND window = nullptr;
    EXPECT_EQ(E_FAIL, inPlace->GetWindow(&window)) << "no window before activation";
    ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, &site, 0, parent, &position));
    ASSERT_EQ(S_OK, inPlace->GetWindow(&window));
    EXPECT_EQ(parent, GetParent(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(PlaceInParent(window) == position);
    EXPECT_EQ(1, site.m_Activations);

    g_ChartProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProcedure)));
    PumpMessages();
    g_Paints = 0;
    ShowView(chart.Get());
    SetupChart(chart.Get());
    OutputChart(chart.Get(), {{L"Editor", 300}, {L"Browser", 200}, {L"Mail", 100}});
    SetChartTitle(chart.Get());
    PumpMessages();
    EXPECT_EQ(1, g_Paints);

    const RECT moved = {30, 40, 530, 340};
    ASSERT_EQ(S_OK, inPlace->SetObjectRects(&moved, &moved));
    EXPECT_TRUE(PlaceInParent(window) == moved);

    ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_UIACTIVATE, nullptr, &site, 0, parent, &moved));
    EXPECT_EQ(1, site.m_UiActivations);
    EXPECT_EQ(1, site.m_Activations) << "already active in place";
    ASSERT_EQ(S_OK, inPlace->UIDeactivate());
    EXPECT_EQ(1, site.m_UiDeactivations);

    ASSERT_EQ(S_OK, inPlace->InPlaceDeactivate());
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(1, site.m_Deactivations);
    EXPECT_TRUE(IsWindow(parent));

    // Active again, then closed: the window goes with the activation.
    ASSERT_EQ(S_OK, object->DoVerb(OLEIVERB_SHOW, nullptr, &site, 0, parent, &position));
    ASSERT_EQ(S_OK, inPlace->GetWindow(&window));
    ASSERT_EQ(S_OK, object->Close(OLECLOSE_NOSAVE));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(2, site.m_Deactivations);
    ASSERT_EQ(S_OK, object->SetClientSite(nullptr));
    chart.Reset();
    object.Reset();
    persist.Reset();
    inPlace.Reset();
    EXPECT_EQ(S_OK, CallDllEntry("DllCanUnloadNow"));
    DestroyWindow(parent);
}

}  // namespace
