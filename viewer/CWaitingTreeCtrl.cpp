#include "CWaitingTreeCtrl.h"

#include <mmsystem.h>

#include <cstring>

BEGIN_MESSAGE_MAP(CWaitingTreeCtrl, CTreeCtrl)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace {

const UINT kTimerResolution = 5;

}  // namespace

CWaitingTreeCtrl::CWaitingTreeCtrl()
    : m_TimerPeriod(0), m_ShowAnimation(FALSE), m_PlaceholderIcon(nullptr), m_Thread(nullptr), m_TimerEvent(nullptr),
      m_WakeEvent(nullptr), m_Stop(0), m_Snapshot(nullptr), m_TimerId(0), m_Caption(L"Loading..."), m_State{0, 0},
      m_Placeholder(nullptr), m_LoadingItem(nullptr)
{
}

CWaitingTreeCtrl::~CWaitingTreeCtrl()
{
    DropSnapshot();
}

void CWaitingTreeCtrl::OnAnimationStart(HTREEITEM) {}

void CWaitingTreeCtrl::OnAnimationFrame(BOOL, int&, int&) {}

void CWaitingTreeCtrl::OnAnimationEnd() {}

BOOL CWaitingTreeCtrl::ShouldReloadChildren(HTREEITEM)
{
    return FALSE;
}

void CWaitingTreeCtrl::ReloadRoot()
{
    PrepareLoading(TVI_ROOT);
    FinishLoading(TVI_ROOT);
    SetRedraw(FALSE);
    SCROLLINFO scroll = {sizeof scroll, SIF_ALL};
    ::GetScrollInfo(m_hWnd, SB_HORZ, &scroll);
    if (HTREEITEM first = GetRootItem())
        SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(first));
    scroll.fMask = SIF_POS;
    ::SetScrollInfo(m_hWnd, SB_HORZ, &scroll, FALSE);
    SetRedraw(TRUE);
}

BOOL CWaitingTreeCtrl::OnChildNotify(UINT iMessage, WPARAM iWParam, LPARAM iLParam, LRESULT* oResult)
{
    if (iMessage == WM_NOTIFY) {
        const NMTREEVIEWW* notify = reinterpret_cast<const NMTREEVIEWW*>(iLParam);
        if (notify->hdr.code == TVN_ITEMEXPANDINGW && m_LoadingItem) {
            // One load at a time: COM's modal loop lets input in while the server is asked.
            if (oResult)
                *oResult = TRUE;
            return TRUE;
        }
        if (notify->hdr.code == TVN_ITEMEXPANDINGW || notify->hdr.code == TVN_ITEMEXPANDEDW) {
            HTREEITEM item = notify->itemNew.hItem;
            if (notify->hdr.code == TVN_ITEMEXPANDINGW && (notify->action & TVE_EXPAND))
                PrepareLoading(item);
            else if (notify->hdr.code == TVN_ITEMEXPANDEDW && (notify->action & TVE_EXPAND))
                FinishLoading(item);
            else if (notify->hdr.code == TVN_ITEMEXPANDEDW && (notify->action & TVE_COLLAPSE) &&
                     ShouldReloadChildren(item))
                DeleteChildren(item);
            if (oResult)
                *oResult = 0;
            return TRUE;
        }
    }
    return CTreeCtrl::OnChildNotify(iMessage, iWParam, iLParam, oResult);
}

void CWaitingTreeCtrl::PrepareLoading(HTREEITEM iItem)
{
    if (GetChildItem(iItem)) {
        if (!ShouldReloadChildren(iItem)) {
            m_LoadingItem = nullptr;
            return;
        }
        DeleteChildren(iItem);
    }
    m_LoadingItem = iItem;
    UpdateWindow();
    SetRedraw(FALSE);
    m_Placeholder = InsertItem(m_Caption, iItem, TVI_LAST);
    m_State[0] = 0;
    m_State[1] = 1;
}

// The item keeps its button, so that it can be expanded again, and forgets that it was
// expanded: an expansion by the program (TVM_EXPAND) then asks for its children again too.
void CWaitingTreeCtrl::DeleteChildren(HTREEITEM iItem)
{
    for (HTREEITEM child = GetChildItem(iItem); child;) {
        HTREEITEM next = GetNextSiblingItem(child);
        DeleteItem(child);
        child = next;
    }
    if (iItem != TVI_ROOT) {
        TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN | TVIF_STATE, iItem};
        item.cChildren = 1;
        item.stateMask = TVIS_EXPANDEDONCE;
        SetItem(&item);
    }
}

void CWaitingTreeCtrl::FinishLoading(HTREEITEM iItem)
{
    if (!m_LoadingItem)
        return;
    BOOL loaded = FALSE;
    try {
        loaded = LoadBehindPlaceholder(iItem);
    } catch (...) {
        StopAnimation();
        DropSnapshot();
        m_LoadingItem = nullptr;
        SetRedraw(TRUE);
        throw;
    }
    StopAnimation();
    m_LoadingItem = nullptr;
    if (iItem != TVI_ROOT) {
        const BOOL hasChild = GetChildItem(iItem) != nullptr;
        if (loaded) {
            TVITEMW item = {TVIF_HANDLE | TVIF_CHILDREN, iItem};
            item.cChildren = hasChild ? 1 : 0;
            SetItem(&item);
        } else if (!hasChild) {
            SetItemState(iItem, 0, TVIS_EXPANDED);
        }
    }
    DropSnapshot();
    SetRedraw(TRUE);
}

BOOL CWaitingTreeCtrl::LoadBehindPlaceholder(HTREEITEM iItem)
{
    if (m_ShowAnimation) {
        SetRedraw(TRUE);
        SendMessage(TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(m_Placeholder));
        UpdateWindow();
    }
    StartAnimation();
    if (m_ShowAnimation)
        PaintPlaceholderIcon();
    SetRedraw(FALSE);
    TakeSnapshot();
    DeleteItem(m_Placeholder);
    m_Placeholder = nullptr;
    return LoadItemChildren(iItem);
}

void CWaitingTreeCtrl::PaintPlaceholderIcon()
{
    const CRect cell = GetItemIconRect(m_Placeholder);
    HDC dc = ::GetDC(m_hWnd);
    HBRUSH background = CreateSolidBrush(GetBackgroundColor());
    if (m_PlaceholderIcon)
        DrawIconEx(dc, cell.left, cell.top, m_PlaceholderIcon, cell.Width(), cell.Height(), 0, background, DI_NORMAL);
    else
        FillRect(dc, &cell, background);
    DeleteObject(background);
    ::ReleaseDC(m_hWnd, dc);
}

COLORREF CWaitingTreeCtrl::GetBackgroundColor()
{
    const COLORREF colour = static_cast<COLORREF>(SendMessage(TVM_GETBKCOLOR));
    return colour == CLR_NONE ? GetSysColor(COLOR_WINDOW) : colour & 0xFFFFFF;
}

CRect CWaitingTreeCtrl::GetItemIconRect(HTREEITEM iItem)
{
    CRect cell(0, 0, 0, 0);
    // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
    RECT text = {};
    std::memcpy(&text, &iItem, sizeof iItem);
    if (!SendMessage(TVM_GETIMAGELIST, TVSIL_NORMAL) || !iItem ||
        !SendMessage(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&text)))
        return cell;
    const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
    cell.left = text.left - 3 - width;
    cell.top = text.top + (text.bottom - text.top - height) / 2;
    cell.right = cell.left + width;
    cell.bottom = cell.top + height;
    return cell;
}

void CWaitingTreeCtrl::StartAnimation()
{
    OnAnimationStart(m_Placeholder);
    InterlockedExchange(&m_Stop, 0);
    m_TimerEvent = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    m_WakeEvent = CreateEventW(nullptr, FALSE, TRUE, nullptr);
    m_Thread = CreateThread(nullptr, 0, AnimationThreadProc, this, 0, nullptr);
    if (m_TimerPeriod)
        m_TimerId = timeSetEvent(m_TimerPeriod, kTimerResolution, reinterpret_cast<LPTIMECALLBACK>(m_TimerEvent), 0,
                                 TIME_PERIODIC | TIME_CALLBACK_EVENT_SET);
}

void CWaitingTreeCtrl::StopAnimation()
{
    if (!m_Thread && !m_TimerEvent)
        return;
    if (m_TimerId)
        timeKillEvent(m_TimerId);
    m_TimerId = 0;
    InterlockedExchange(&m_Stop, 1);
    SetEvent(m_WakeEvent);
    if (m_Thread) {
        WaitForSingleObject(m_Thread, INFINITE);
        CloseHandle(m_Thread);
    }
    CloseHandle(m_TimerEvent);
    CloseHandle(m_WakeEvent);
    m_Thread = m_TimerEvent = m_WakeEvent = nullptr;
    OnAnimationEnd();
}

DWORD WINAPI CWaitingTreeCtrl::AnimationThreadProc(LPVOID iControl)
{
    static_cast<CWaitingTreeCtrl*>(iControl)->Animate();
    return 0;
}

// Draws through its own device context only: it never sends to the GUI thread, which is
// blocked in the call the animation waits for.
void CWaitingTreeCtrl::Animate()
{
    const HANDLE events[2] = {m_TimerEvent, m_WakeEvent};
    while (!m_Stop) {
        const DWORD woken = WaitForMultipleObjects(2, events, FALSE, INFINITE);
        if (m_Stop || woken > WAIT_OBJECT_0 + 1)
            break;
        OnAnimationFrame(woken == WAIT_OBJECT_0, m_State[0], m_State[1]);
    }
}

void CWaitingTreeCtrl::TakeSnapshot()
{
    DropSnapshot();
    CRect client;
    GetClientRect(&client);
    HDC dc = ::GetDC(m_hWnd);
    HDC memory = CreateCompatibleDC(dc);
    m_Snapshot = CreateCompatibleBitmap(dc, client.Width(), client.Height());
    HGDIOBJ old = SelectObject(memory, m_Snapshot);
    BitBlt(memory, 0, 0, client.Width(), client.Height(), dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    ::ReleaseDC(m_hWnd, dc);
}

void CWaitingTreeCtrl::DropSnapshot()
{
    if (m_Snapshot)
        DeleteObject(m_Snapshot);
    m_Snapshot = nullptr;
}

BOOL CWaitingTreeCtrl::OnEraseBkgnd(CDC* iDC)
{
    if (!m_Snapshot)
        return static_cast<BOOL>(Default());
    CRect client;
    GetClientRect(&client);
    HDC memory = CreateCompatibleDC(iDC->GetSafeHdc());
    HGDIOBJ old = SelectObject(memory, m_Snapshot);
    BitBlt(iDC->GetSafeHdc(), 0, 0, client.Width(), client.Height(), memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    if (m_WakeEvent)
        SetEvent(m_WakeEvent);
    return TRUE;
}
