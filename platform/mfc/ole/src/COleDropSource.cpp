#include "OleUnknown.h"
#include "afxoleimpl.h"

// The IDropSource of a COleDropSource: each call goes to the object's virtual functions.
class COleDropSourceImpl final : public COleUnknown<COleDropSourceImpl, IDropSource> {
public:
    explicit COleDropSourceImpl(COleDropSource* pOwner) : m_pOwner(pOwner) {}
    COleDropSource* m_pOwner;  // null once the object is gone

    STDMETHODIMP QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override
    {
        if (m_pOwner == nullptr)
            return DRAGDROP_S_CANCEL;
        return AfxOleGuardedCall([&] { return m_pOwner->QueryContinueDrag(fEscapePressed, grfKeyState); });
    }
    STDMETHODIMP GiveFeedback(DWORD dwEffect) override
    {
        if (m_pOwner == nullptr)
            return DRAGDROP_S_USEDEFAULTCURSORS;
        return AfxOleGuardedCall([&] { return m_pOwner->GiveFeedback(dwEffect); });
    }

private:
    ~COleDropSourceImpl() = default;
    friend class COleUnknown<COleDropSourceImpl, IDropSource>;
};

IMPLEMENT_DYNAMIC(COleDropSource, CCmdTarget)

UINT COleDropSource::nDragMinDist = DD_DEFDRAGMINDIST;
UINT COleDropSource::nDragDelay = DD_DEFDRAGDELAY;

COleDropSource::COleDropSource()
    : m_bDragStarted(FALSE), m_dwButtonDrop(MK_LBUTTON), m_dwButtonCancel(MK_RBUTTON),
      m_pImpl(new COleDropSourceImpl(this))
{
}

COleDropSource::~COleDropSource()
{
    m_pImpl->m_pOwner = nullptr;
    m_pImpl->Release();
}

LPUNKNOWN COleDropSource::GetInterface(const IID* piid)
{
    return piid != nullptr && (*piid == IID_IDropSource || *piid == IID_IUnknown) ? m_pImpl : nullptr;
}

SCODE COleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    if (bEscapePressed || (dwKeyState & m_dwButtonCancel))
        return DRAGDROP_S_CANCEL;
    if (!(dwKeyState & m_dwButtonDrop))
        return DRAGDROP_S_DROP;
    return S_OK;
}

SCODE COleDropSource::GiveFeedback(DROPEFFECT)
{
    return DRAGDROP_S_USEDEFAULTCURSORS;
}

BOOL COleDropSource::OnBeginDrag(CWnd* pWnd)
{
    m_bDragStarted = FALSE;
    // The button that is down drops, the other one cancels; with none down there is no drag.
    if (::GetKeyState(VK_LBUTTON) < 0) {
        m_dwButtonDrop = MK_LBUTTON;
        m_dwButtonCancel = MK_RBUTTON;
    } else if (::GetKeyState(VK_RBUTTON) < 0) {
        m_dwButtonDrop = MK_RBUTTON;
        m_dwButtonCancel = MK_LBUTTON;
    } else
        return FALSE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == nullptr)
        return FALSE;
    CRect rectStart = m_rectStartDrag;
    rectStart.InflateRect(nDragMinDist, nDragMinDist);
    ::SetCapture(hWnd);
    DWORD dwStart = ::GetTickCount();
    BOOL bStarted = FALSE;
    for (;;) {
        if (::GetCapture() != hWnd)
            break;  // the capture was taken away: no drag
        DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= nDragDelay) {
            bStarted = TRUE;
            break;
        }
        MSG msg;
        if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, nDragDelay - dwElapsed, QS_ALLINPUT);
            continue;
        }
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (msg.message == WM_MOUSEMOVE) {
            CPoint point = msg.pt;
            ::ScreenToClient(hWnd, &point);
            if (!rectStart.PtInRect(point)) {
                bStarted = TRUE;
                break;
            }
        } else if (msg.message == WM_MOUSEWHEEL || msg.message == WM_MOUSEHWHEEL)
            continue;
        else if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST)
            break;  // a button released or pressed: a click, not a drag
        else if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) {
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
                break;
        } else
            ::DispatchMessageW(&msg);
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    m_bDragStarted = bStarted;
    return bStarted;
}
