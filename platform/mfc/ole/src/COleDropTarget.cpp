#include "OleUnknown.h"
#include "afxoleimpl.h"

namespace {
class CSystemDragScrollClock : public IDragScrollClock {
public:
    DWORD GetTickCount() override { return ::GetTickCount(); }
};

CSystemDragScrollClock s_systemClock;

// The effect the source allows: a move it refuses becomes a copy where it allows that.
DROPEFFECT FilterEffect(DROPEFFECT dropEffect, DROPEFFECT dropAllowed)
{
    DROPEFFECT dropAction = dropEffect & ~DROPEFFECT_SCROLL;
    if (!(dropAction & dropAllowed) && (dropAction & DROPEFFECT_MOVE) && (dropAllowed & DROPEFFECT_COPY))
        dropAction = DROPEFFECT_COPY;
    return (dropEffect & DROPEFFECT_SCROLL) | (dropAction & dropAllowed);
}

BOOL ScrollViewBy(CWnd* pWnd, CSize sizeScroll, BOOL bDoScroll)
{
    return static_cast<CScrollView*>(pWnd)->OnScrollBy(sizeScroll, bDoScroll);
}
}  // namespace

// The IDropTarget of a COleDropTarget: each call goes to the object's virtual functions with
// the data and the point in the window's client coordinates. Registered with the system, it
// outlives its object while the system still holds it; it then answers that nothing drops.
class COleDropTargetImpl final : public COleUnknown<COleDropTargetImpl, IDropTarget> {
public:
    explicit COleDropTargetImpl(COleDropTarget* pOwner) : m_pOwner(pOwner), m_dropLast(DROPEFFECT_NONE) {}
    COleDropTarget* m_pOwner;  // null once the object is gone

    STDMETHODIMP DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHODIMP DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;

private:
    ~COleDropTargetImpl() = default;
    // Runs call(window, point) for a live object and answers its effect, filtered.
    template <class F>
    HRESULT Answer(POINTL pt, DWORD* pdwEffect, F call);

    COleDataObject m_dataObject;
    DROPEFFECT m_dropLast;  // the effect last answered to enter or over

    friend class COleUnknown<COleDropTargetImpl, IDropTarget>;
};

template <class F>
HRESULT COleDropTargetImpl::Answer(POINTL pt, DWORD* pdwEffect, F call)
{
    if (pdwEffect == nullptr)
        return E_INVALIDARG;
    DROPEFFECT dropAllowed = *pdwEffect;
    *pdwEffect = m_dropLast = DROPEFFECT_NONE;
    if (m_pOwner == nullptr || m_pOwner->m_hWnd == nullptr)
        return S_OK;
    CWnd* pWnd = CWnd::FromHandle(m_pOwner->m_hWnd);
    CPoint point(pt.x, pt.y);
    pWnd->ScreenToClient(&point);
    return AfxOleGuardedCall([&] {
        *pdwEffect = m_dropLast = FilterEffect(call(pWnd, point), dropAllowed);
        return S_OK;
    });
}

STDMETHODIMP COleDropTargetImpl::DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    m_dataObject.Attach(pDataObj, FALSE);
    if (m_pOwner != nullptr)
        m_pOwner->m_sizeScrollDir = CSize(0, 0);
    return Answer(pt, pdwEffect, [&](CWnd* pWnd, CPoint point) {
        DROPEFFECT dropEffect = m_pOwner->OnDragEnter(pWnd, &m_dataObject, grfKeyState, point);
        DROPEFFECT dropScroll = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
        return (dropScroll & DROPEFFECT_SCROLL) ? dropScroll : dropEffect;
    });
}

STDMETHODIMP COleDropTargetImpl::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect)
{
    return Answer(pt, pdwEffect, [&](CWnd* pWnd, CPoint point) {
        DROPEFFECT dropScroll = m_pOwner->OnDragScroll(pWnd, grfKeyState, point);
        return (dropScroll & DROPEFFECT_SCROLL) ? dropScroll
                                                : m_pOwner->OnDragOver(pWnd, &m_dataObject, grfKeyState, point);
    });
}

STDMETHODIMP COleDropTargetImpl::DragLeave()
{
    HRESULT hr = S_OK;
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(m_pOwner->m_hWnd);
        hr = AfxOleGuardedCall([&] {
            m_pOwner->OnDragLeave(pWnd);
            return S_OK;
        });
    }
    m_dataObject.Release();
    return hr;
}

STDMETHODIMP COleDropTargetImpl::Drop(IDataObject* pDataObj, DWORD, POINTL pt, DWORD* pdwEffect)
{
    m_dataObject.Attach(pDataObj, FALSE);
    DROPEFFECT dropDefault = m_dropLast & ~DROPEFFECT_SCROLL;
    DROPEFFECT dropList = pdwEffect != nullptr ? *pdwEffect : DROPEFFECT_NONE;
    HRESULT hr = Answer(pt, pdwEffect, [&](CWnd* pWnd, CPoint point) {
        DROPEFFECT dropEffect = m_pOwner->OnDropEx(pWnd, &m_dataObject, dropDefault, dropList, point);
        if (dropEffect == (DROPEFFECT)-1)
            dropEffect = m_pOwner->OnDrop(pWnd, &m_dataObject, dropDefault, point) ? dropDefault : DROPEFFECT_NONE;
        return dropEffect & ~DROPEFFECT_SCROLL;
    });
    m_dataObject.Release();
    return hr;
}

// --- COleDropTarget ----------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

int COleDropTarget::nScrollInset = DD_DEFSCROLLINSET;
UINT COleDropTarget::nScrollDelay = DD_DEFSCROLLDELAY;
UINT COleDropTarget::nScrollInterval = DD_DEFSCROLLINTERVAL;

COleDropTarget::COleDropTarget(IDragScrollClock* pClock)
    : m_hWnd(nullptr), m_pImpl(new COleDropTargetImpl(this)), m_pClock(pClock != nullptr ? pClock : &s_systemClock),
      m_sizeScrollDir(0, 0), m_dwLastTick(0), m_nScrollWait(0)
{
}

COleDropTarget::~COleDropTarget()
{
    COleDropTarget::Revoke();
    m_pImpl->m_pOwner = nullptr;
    m_pImpl->Release();
}

LPUNKNOWN COleDropTarget::GetInterface(const IID* piid)
{
    return piid != nullptr && (*piid == IID_IDropTarget || *piid == IID_IUnknown) ? m_pImpl : nullptr;
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd->GetSafeHwnd();
    if (hWnd == nullptr)
        return FALSE;
    Revoke();
    if (FAILED(::RegisterDragDrop(hWnd, m_pImpl)))
        return FALSE;
    m_hWnd = hWnd;
    ::SetPropW(hWnd, kAfxDropTargetProp, this);
    // The window's end revokes the registration.
    AfxOleInstallWndSupport();
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (m_hWnd == nullptr)
        return;
    ::RevokeDragDrop(m_hWnd);
    ::RemovePropW(m_hWnd, kAfxDropTargetProp);
    m_hWnd = nullptr;
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return (DROPEFFECT)-1;
}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point)
{
    CScrollView* pView = DYNAMIC_DOWNCAST(CScrollView, pWnd);
    if (pView == nullptr)
        return DROPEFFECT_NONE;
    int nMapMode;
    CSize sizeTotal, sizePage, sizeLine;
    pView->GetDeviceScrollSizes(nMapMode, sizeTotal, sizePage, sizeLine);
    CRect rectClient;
    pView->GetClientRect(&rectClient);
    return DragScroll(pView, dwKeyState, point, rectClient, sizeLine, ScrollViewBy);
}

DROPEFFECT COleDropTarget::DragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point, const CRect& rectClient,
                                      CSize sizeLine, AFX_SCROLLBY pfnScrollBy)
{
    CRect rectInset = rectClient;
    rectInset.DeflateRect(nScrollInset, nScrollInset);
    CSize sizeStep(std::max<int>(sizeLine.cx, 1), std::max<int>(sizeLine.cy, 1));
    CSize sizeDir(0, 0);
    if (rectClient.PtInRect(point) && !rectInset.PtInRect(point)) {
        sizeDir.cx = point.x < rectInset.left ? -1 : point.x >= rectInset.right ? 1 : 0;
        sizeDir.cy = point.y < rectInset.top ? -1 : point.y >= rectInset.bottom ? 1 : 0;
        // Only the directions the window can still scroll in count.
        if (sizeDir.cx != 0 && !pfnScrollBy(pWnd, CSize(sizeDir.cx * sizeStep.cx, 0), FALSE))
            sizeDir.cx = 0;
        if (sizeDir.cy != 0 && !pfnScrollBy(pWnd, CSize(0, sizeDir.cy * sizeStep.cy), FALSE))
            sizeDir.cy = 0;
    }
    if (sizeDir == CSize(0, 0)) {
        m_sizeScrollDir = sizeDir;
        return DROPEFFECT_NONE;
    }
    DWORD dwNow = m_pClock->GetTickCount();
    if (sizeDir != m_sizeScrollDir) {
        m_sizeScrollDir = sizeDir;
        m_dwLastTick = dwNow;
        m_nScrollWait = nScrollDelay;
    } else if (dwNow - m_dwLastTick >= m_nScrollWait) {
        pfnScrollBy(pWnd, CSize(sizeDir.cx * sizeStep.cx, sizeDir.cy * sizeStep.cy), TRUE);
        m_dwLastTick = dwNow;
        m_nScrollWait = nScrollInterval;
    }
    return DROPEFFECT_SCROLL | ((dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE);
}
