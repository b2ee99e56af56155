// The frame's side of loading and saving: tear-off bars, the child windows, the main
// window's placement.
#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
// Shown normally unless maximised.
int NormalisedShowCmd(int iShowCmd)
{
    return iShowCmd == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
}

// The work area of the monitor that shows the rectangle; the system's without one.
CRect WorkAreaOf(const CRect& iRect)
{
    MONITORINFO info = {};
    info.cbSize = sizeof(info);
    HMONITOR monitor = ::MonitorFromRect(&iRect, MONITOR_DEFAULTTONULL);
    if (monitor == nullptr || !::GetMonitorInfoW(monitor, &info))
        return CGTWorkspace::GetWorkArea();
    return info.rcWork;
}

// The bars that keep their own state among the frame's descendants: not the toolbars,
// which the workspace loads and saves as toolbars.
template <class Visit>
void ForEachStatefulChild(CWnd& iFrame, Visit iVisit)
{
    for (HWND child = ::GetWindow(iFrame.GetSafeHwnd(), GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        auto* bar = DYNAMIC_DOWNCAST(CGTBaseControlBar, CWnd::FromHandlePermanent(child));
        if (bar != nullptr && !bar->IsKindOf(RUNTIME_CLASS(CGTToolBar)))
            iVisit(*bar);
    }
}
}  // namespace

CString CGTFrameImpl::TearOffKey() const
{
    return CGTWorkspace::Current()->GetRegSectionPath() + m_TearOffRegName;
}

void CGTFrameImpl::AddTearOffBar(CGTToolBar* iBar)
{
    m_TearOffBars.AddTail(iBar);
}

void CGTFrameImpl::RemoveTearOffBar(CGTToolBar* iBar)
{
    if (POSITION at = m_TearOffBars.Find(iBar))
        m_TearOffBars.RemoveAt(at);
}

CGTToolBar* CGTFrameImpl::FindTearOffBar(UINT iId) const
{
    for (POSITION at = m_TearOffBars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(m_TearOffBars.GetNext(at));
        if (bar->GetSafeHwnd() != nullptr && static_cast<UINT>(bar->GetDlgCtrlID()) == iId)
            return bar;
    }
    return nullptr;
}

void CGTFrameImpl::DeleteTearOffBars()
{
    while (!m_TearOffBars.IsEmpty())
        DestroyBar(static_cast<CGTToolBar*>(m_TearOffBars.RemoveHead()));
}

void CGTFrameImpl::SaveTearOffBars(BOOL iThisFrameOnly)
{
    if (CGTWorkspace::Current() == nullptr)
        return;
    const CString key = TearOffKey();
    const CString path = CGTWorkspace::Current()->GetRegSectionPath();
    CString barKey;
    for (int index = 0;; ++index) {
        barKey.Format(L"%s-%d", static_cast<LPCWSTR>(key), index);
        CGTRegistryHolder holder;
        if (!holder.Create(FALSE, FALSE).DeleteKey(barKey, FALSE))
            break;
    }
    // The keys count the bars saved, so that a load, which stops at the first missing key,
    // finds every one of them.
    int saved = 0;
    for (POSITION at = m_TearOffBars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(m_TearOffBars.GetNext(at));
        if (bar->GetSafeHwnd() == nullptr || !bar->IsVisible() ||
            (iThisFrameOnly && bar->GetTopLevelFrame() != m_Owner))
            continue;
        barKey.Format(L"%s-%d", static_cast<LPCWSTR>(key), saved);
        CString name;
        bar->GetWindowText(name);
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, FALSE);
        if (!registry.CreateKey(barKey) || !registry.WriteDword(L"ID", bar->GetDlgCtrlID()) ||
            !registry.WriteString(L"Name", name) || !registry.WriteObject(L"State", bar))
            continue;
        bar->SaveState(path, saved);
        ++saved;
    }
}

void CGTFrameImpl::LoadTearOffBars()
{
    DeleteTearOffBars();
    if (CGTWorkspace::Current() == nullptr)
        return;
    const CString key = TearOffKey();
    const CString path = CGTWorkspace::Current()->GetRegSectionPath();
    for (int index = 0;; ++index) {
        CString barKey;
        barKey.Format(L"%s-%d", static_cast<LPCWSTR>(key), index);
        CGTRegistryHolder holder;
        CGTRegistry& registry = holder.Create(FALSE, TRUE);
        DWORD id = 0;
        CString name;
        CObject* object = nullptr;
        if (!registry.Open(barKey) || !registry.ReadDword(L"ID", id) || !registry.ReadString(L"Name", name) ||
            !registry.ReadObject(L"State", object, RUNTIME_CLASS(CGTToolBar)))
            return;
        auto* bar = static_cast<CGTToolBar*>(object);
        if (!bar->Create(m_Owner, s_BarWindowStyle, id)) {
            delete bar;
            return;
        }
        bar->SetWindowText(name);
        PrepareLoadedBar(*bar);
        m_TearOffBars.AddTail(bar);
        bar->LoadState(path, index);
        if (m_DockManager != nullptr)
            m_DockManager->DockBar(bar);
    }
}

void CGTFrameImpl::LoadChildWindowsState(LPCWSTR iPath)
{
    if (m_Owner->GetSafeHwnd() != nullptr)
        ForEachStatefulChild(*m_Owner, [iPath](CGTBaseControlBar& bar) { bar.LoadState(iPath); });
}

void CGTFrameImpl::SaveChildWindowsState(LPCWSTR iPath)
{
    if (m_Owner->GetSafeHwnd() != nullptr)
        ForEachStatefulChild(*m_Owner, [iPath](CGTBaseControlBar& bar) { bar.SaveState(iPath); });
}

void CGTFrameImpl::NotifyWorkspaceOfLoad()
{
    if (CGTWorkspace* workspace = CGTWorkspace::Current())
        workspace->LoadState(nullptr, this);
}

BOOL CGTFrameImpl::LoadLargeIconsOption()
{
    const CGTWorkspace* workspace = CGTWorkspace::Current();
    return workspace != nullptr && CGTToolBar::LoadLargeIconsState(workspace->GetRegSectionPath());
}

void CGTFrameImpl::StoreWindowPlacement()
{
    CGTWorkspace* workspace = CGTWorkspace::Current();
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (workspace == nullptr || m_Owner->GetSafeHwnd() == nullptr || !m_Owner->GetWindowPlacement(&placement))
        return;
    const CRect area = CGTWorkspace::GetWorkArea();
    CRect rect = placement.rcNormalPosition;
    rect.OffsetRect(area.left, area.top);
    workspace->StoreWindowPlacement(rect, placement.flags, NormalisedShowCmd(placement.showCmd));
}

void CGTFrameImpl::ApplySavedPlacement(CREATESTRUCT& ioCreate)
{
    CGTWorkspace* workspace = CGTWorkspace::Current();
    if (workspace == nullptr || (ioCreate.style & WS_CHILD) != 0)
        return;
    CRect rect;
    int flags = 0;
    int showCmd = SW_SHOWNORMAL;
    if (!workspace->LoadWindowPlacement(rect, flags, showCmd))
        return;
    showCmd = NormalisedShowCmd(showCmd);
    if (CWinApp* app = AfxGetApp()) {
        const int current = app->m_nCmdShow;
        if (current != SW_SHOWMINIMIZED && current != SW_SHOWMAXIMIZED && current != SW_MINIMIZE &&
            current != SW_SHOWMINNOACTIVE)
            app->m_nCmdShow = showCmd;
    }
    const CRect area = WorkAreaOf(rect);
    CRect placed;
    if (showCmd == SW_SHOWMAXIMIZED)
        placed = area;
    else if (!CRect().IntersectRect(rect, area))
        return;
    else
        placed = rect;
    ioCreate.x = placed.left;
    ioCreate.y = placed.top;
    ioCreate.cx = placed.Width();
    ioCreate.cy = placed.Height();
}

void CGTFrameImpl::OnFrameClosing()
{
    CGTWorkspace* workspace = CGTWorkspace::Current();
    if (workspace == nullptr)
        return;
    if (IsFullScreen())
        m_FullScreen->RestoreFrameState(m_Owner);
    workspace->OnClosingMainFrame(this);
    StoreWindowPlacement();
}
