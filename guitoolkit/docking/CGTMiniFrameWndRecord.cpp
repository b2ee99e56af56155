// A mini frame's record in the frame's saved layout, and taking its bar back once the bars
// are loaded.
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/core/CGTGlobalUtils.h>
#include <guitoolkit/docking/CGTBaseTabWnd.h>
#include <guitoolkit/docking/CGTBaseTabbedBar.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/docking/CGTDockingControlBar.h>

namespace {
// The synchronised-activation style of a mini frame.
const DWORD s_SyncActiveStyle = 0x0100;
// The style bits a loaded record may give a mini frame; it is always a pop-up window.
const DWORD s_OwnStyles = WS_VISIBLE | WS_DISABLED | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | s_SyncActiveStyle;

DWORD ReadDword(CArchive& ioArchive)
{
    DWORD value = 0;
    ioArchive >> value;
    return value;
}
}  // namespace

void CGTMiniFrameWnd::Serialize(CArchive& ioArchive)
{
    CWnd::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        CRect window;
        GetWindowRect(&window);
        if (m_RolledUp)
            window.bottom = window.top + m_HeightBeforeRollUp;
        CWnd* bar = GetBar();
        ioArchive << static_cast<DWORD>(GetStyle());
        ioArchive.Write(static_cast<const RECT*>(&window), sizeof(RECT));
        ioArchive << static_cast<DWORD>(IsWindowVisible() ? 1 : 0);
        ioArchive << static_cast<int>(bar != nullptr ? bar->GetDlgCtrlID() : 0);
        ioArchive << m_CaptionButtonFlags << static_cast<DWORD>(m_Pinned);
        return;
    }
    const DWORD style = (ReadDword(ioArchive) & s_OwnStyles) | WS_POPUP;
    RECT stored = {};
    if (ioArchive.Read(&stored, sizeof(stored)) < sizeof(stored))
        AfxThrowArchiveException(CArchiveException::endOfFile);
    ReadDword(ioArchive);
    ioArchive >> m_LoadedBarId;
    ioArchive >> m_CaptionButtonFlags;
    m_Pinned = ReadDword(ioArchive) != 0;
    CRect rect(stored);
    const RECT margins = {m_CaptionHeight, m_CaptionHeight, m_CaptionHeight, m_CaptionHeight};
    theGlobalUtils.AdjustRectToWorkArea(rect, &margins);
    if (!Create(L"", style, rect, s_LoadingFrame))
        AfxThrowArchiveException(CArchiveException::none);
}

// A bar with a size of its own (a toolbar) keeps it and the frame fits around it. A pane has
// none: sized by its fixed layout it would shrink to nothing and take the frame with it, so it
// fills the loaded frame, whose rectangle is the one the user left.
void CGTMiniFrameWnd::PlaceLoadedBar(CGTControlBar& ioBar)
{
    const CSize size = ioBar.CalcFixedLayout(FALSE, TRUE);
    if (size.cx > 0 && size.cy > 0) {
        ioBar.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        FitToBarSize();
    } else {
        AdjustLayout();
    }
    ioBar.StoreCurrentRect();
}

void CGTMiniFrameWnd::ReattachLoadedBar(CGTDockManager& ioManager)
{
    auto* bar =
        m_LoadedBarId != 0 ? DYNAMIC_DOWNCAST(CGTControlBar, ioManager.FindBarById(m_LoadedBarId, TRUE)) : nullptr;
    if (bar == nullptr || !bar->CanFloat() || bar->GetSafeHwnd() == nullptr) {
        DestroyWindow();
        return;
    }
    if (CGTBaseTabWnd* tabs = bar->GetHoldingTabWnd()) {
        if (auto* tabbed = DYNAMIC_DOWNCAST(CGTBaseTabbedBar, tabs->GetParent()))
            tabbed->RemoveBarTab(bar);
        bar->EnableGripper(TRUE);
        bar->ShowWindow(SW_SHOW);
    }
    auto* pane = DYNAMIC_DOWNCAST(CGTDockingControlBar, bar);
    if (pane != nullptr && pane->IsAutoHideMode())
        pane->SetAutoHideMode(FALSE, GTSideAny);
    if (bar->GetParentMiniFrame() == nullptr) {
        CRect window;
        bar->GetWindowRect(&window);
        bar->FloatAtRect(window, GTDockByRect, FALSE);
    }
    CGTMiniFrameWnd* holder = bar->GetParentMiniFrame();
    if (holder == nullptr) {
        DestroyWindow();
        return;
    }
    const BOOL visible = (bar->GetStyle() & WS_VISIBLE) != 0;
    const DWORD flags = m_CaptionButtonFlags;
    if (holder != this) {
        holder->ReleaseBar(bar, FALSE, FALSE);
        bar->SetParent(this);
        AttachBar(bar);
    }
    PlaceLoadedBar(*bar);
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    bar->ShowWindow(visible ? SW_SHOWNA : SW_HIDE);
    ApplyCaptionButtonFlags(flags);
}
