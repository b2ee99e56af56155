#include <guitoolkit/frame/CGTFrameImpl.h>
#include <guitoolkit/frame/CGTWorkspace.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockManager.h>
#include <guitoolkit/frame/CGTFullScreenImpl.h>
#include <guitoolkit/docking/GTDockingConstants.h>
#include <guitoolkit/toolbars/CGTToolBar.h>

namespace {
// Tooltips, fly-by prompts and the top border.
const DWORD barStyleExtra = 0x34;
}  // namespace

CGTFrameImpl::CGTFrameImpl(CFrameWnd* iOwner)
    : m_UserToolbarClass(RUNTIME_CLASS(CGTToolBar)), m_AllowDockStateLoad(TRUE),
      m_FirstUserToolbarId(static_cast<UINT>(-1)), m_LastUserToolbarId(static_cast<UINT>(-1)), m_UserToolbars(10),
      m_TearOffBars(10), m_TearOffRegName(L"ControlBars-TearOff"), m_MenuBar(nullptr), m_FrameMenu(nullptr),
      m_Owner(iOwner), m_DockManager(nullptr), m_ResourceId(0), m_FullScreenCommand(0),
      m_FullScreen(new CGTFullScreenImpl(this))
{
}

CGTFrameImpl::~CGTFrameImpl()
{
    DeleteUserToolbars();
    DeleteTearOffBars();
}

void CGTFrameImpl::DeleteUserToolbars()
{
    while (!m_UserToolbars.IsEmpty())
        DestroyBar(static_cast<CGTToolBar*>(m_UserToolbars.RemoveHead()));
}

const CGTRegisteredMessage GTMSG_LEAVEFULLSCREEN(L"GTMSG_LEAVEFULLSCREEN");

BOOL CGTFrameImpl::IsFullScreen() const
{
    return m_FullScreen->IsFullScreen();
}

BOOL CGTFrameImpl::RouteFullScreenCommand(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo)
{
    if (m_FullScreenCommand == 0 || iId != m_FullScreenCommand)
        return FALSE;
    if (static_cast<UINT>(iCode) == CN_UPDATE_COMMAND_UI) {
        static_cast<CCmdUI*>(iExtra)->Enable(TRUE);
        static_cast<CCmdUI*>(iExtra)->SetCheck(IsFullScreen() ? 1 : 0);
        return TRUE;
    }
    // A question whether the command has a handler is answered, not run.
    if (iCode == CN_COMMAND && iHandlerInfo != nullptr)
        return TRUE;
    if (iCode != CN_COMMAND || iExtra != nullptr)
        return FALSE;
    if (IsFullScreen())
        m_Owner->PostMessage(GTMSG_LEAVEFULLSCREEN);
    else
        m_FullScreen->ShowFullScreen(m_Owner, m_FullScreenCommand);
    return TRUE;
}

void CGTFrameImpl::LeaveFullScreen()
{
    m_FullScreen->RestoreFrameState(m_Owner);
}

void CGTFrameImpl::RecalcOwnerLayout()
{
    if (m_Owner->GetSafeHwnd() != nullptr)
        m_Owner->RecalcLayout();
}

void CGTFrameImpl::DestroyBar(CGTToolBar* iBar)
{
    if (iBar->GetSafeHwnd() != nullptr) {
        if (m_DockManager != nullptr)
            m_DockManager->RemoveBar(iBar, FALSE, FALSE);
        iBar->UnDockControlBar(FALSE);
        iBar->DestroyWindow();
    }
    delete iBar;
}

void CGTFrameImpl::SetUserToolbarRange(UINT iFirstId, UINT iLastId)
{
    m_FirstUserToolbarId = iFirstId;
    m_LastUserToolbarId = iLastId;
}

CGTToolBar* CGTFrameImpl::GetUserToolbarAt(int iIndex) const
{
    POSITION at = iIndex >= 0 ? m_UserToolbars.FindIndex(iIndex) : nullptr;
    return at != nullptr ? static_cast<CGTToolBar*>(m_UserToolbars.GetAt(at)) : nullptr;
}

UINT CGTFrameImpl::FreeUserToolbarId() const
{
    const UINT none = static_cast<UINT>(-1);
    if (m_FirstUserToolbarId == none || m_LastUserToolbarId == none || m_FirstUserToolbarId > m_LastUserToolbarId ||
        static_cast<UINT>(m_UserToolbars.GetCount()) > m_LastUserToolbarId - m_FirstUserToolbarId)
        return none;
    for (UINT id = m_FirstUserToolbarId; id <= m_LastUserToolbarId; ++id) {
        BOOL taken = FALSE;
        for (POSITION at = m_UserToolbars.GetHeadPosition(); at != nullptr && !taken;)
            taken = static_cast<CWnd*>(m_UserToolbars.GetNext(at))->GetDlgCtrlID() == static_cast<int>(id);
        if (!taken)
            return id;
    }
    return none;
}

CGTToolBar* CGTFrameImpl::MakeUserToolbarWindow(UINT iId) const
{
    auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, m_UserToolbarClass->CreateObject());
    if (bar == nullptr)
        return nullptr;
    if (!bar->Create(m_Owner, s_BarWindowStyle, iId)) {
        delete bar;
        return nullptr;
    }
    return bar;
}

void CGTFrameImpl::PrepareLoadedBar(CGTToolBar& ioBar) const
{
    ioBar.SetBarStyle(ioBar.GetBarStyle() | barStyleExtra);
    // The dock manager docks only bars that may float.
    ioBar.SetBehaviourStyle(ioBar.GetBehaviourStyle() | GTBehaviourCanFloat | GTBehaviourCanHide);
    ioBar.EnableDocking(GTSideAny);
}

CGTToolBar* CGTFrameImpl::CreateNewUserToolbar(LPCWSTR iName)
{
    const UINT id = FreeUserToolbarId();
    if (id == static_cast<UINT>(-1)) {
        // An unset range offers no user toolbars at all: nothing to tell the user.
        if (m_FirstUserToolbarId != static_cast<UINT>(-1) && m_FirstUserToolbarId <= m_LastUserToolbarId) {
            CString message;
            message.Format(L"You can't create more than %d user-defined toolbars!",
                           static_cast<int>(m_LastUserToolbarId - m_FirstUserToolbarId + 1));
            AfxMessageBox(message, MB_ICONINFORMATION);
        }
        return nullptr;
    }
    CGTToolBar* bar = MakeUserToolbarWindow(id);
    if (bar == nullptr)
        return nullptr;
    bar->SetWindowText(iName);
    PrepareLoadedBar(*bar);
    const CPoint centre(::GetSystemMetrics(SM_CXFULLSCREEN) / 2, ::GetSystemMetrics(SM_CYFULLSCREEN) / 2);
    CRect place;
    bar->GetWindowRect(&place);
    bar->FloatAtRect(CRect(centre, place.Size()), GTDockUnknown);
    RecalcOwnerLayout();
    m_UserToolbars.AddTail(bar);
    return bar;
}

BOOL CGTFrameImpl::DeleteUserToolbar(CGTToolBar* iBar)
{
    POSITION at = iBar != nullptr ? m_UserToolbars.Find(iBar) : nullptr;
    if (at == nullptr)
        return FALSE;
    m_UserToolbars.RemoveAt(at);
    if (const CGTWorkspace* workspace = CGTWorkspace::Current())
        iBar->RemoveStateFromRegistry(workspace->GetRegSectionPath());
    DestroyBar(iBar);
    RecalcOwnerLayout();
    return TRUE;
}

void CGTFrameImpl::LoadUserToolbars()
{
    if (m_FirstUserToolbarId == static_cast<UINT>(-1) || m_LastUserToolbarId == static_cast<UINT>(-1) ||
        m_FirstUserToolbarId > m_LastUserToolbarId || CGTWorkspace::Current() == nullptr)
        return;
    // The loaded bars replace those of an earlier load, which would otherwise stay beside
    // them under the same ids.
    DeleteUserToolbars();
    const CString path = CGTWorkspace::Current()->GetRegSectionPath();
    for (UINT id = m_FirstUserToolbarId; id <= m_LastUserToolbarId; ++id) {
        CGTToolBar* bar = MakeUserToolbarWindow(id);
        if (bar == nullptr)
            continue;
        if (!bar->LoadState(path)) {
            bar->DestroyWindow();
            delete bar;
            continue;
        }
        PrepareLoadedBar(*bar);
        if (m_DockManager != nullptr)
            m_DockManager->DockBar(bar);
        m_UserToolbars.AddTail(bar);
    }
}

void CGTFrameImpl::SaveUserToolbars(BOOL iThisFrameOnly)
{
    if (CGTWorkspace::Current() == nullptr)
        return;
    const CString path = CGTWorkspace::Current()->GetRegSectionPath();
    for (POSITION at = m_UserToolbars.GetHeadPosition(); at != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(m_UserToolbars.GetNext(at));
        if (!iThisFrameOnly || bar->GetTopLevelFrame() == m_Owner)
            bar->SaveState(path);
    }
}

void CGTFrameImpl::ReplaceMenuItemsWithToolbars(CMenu& ioMenu, UINT iFirstId, UINT iLastId) const
{
    for (int index = static_cast<int>(ioMenu.GetMenuItemCount()) - 1; index >= 0; --index) {
        const UINT id = ioMenu.GetMenuItemID(index);
        if (id < iFirstId || id > iLastId)
            continue;
        if (CGTToolBar* bar = GetUserToolbarAt(static_cast<int>(id - iFirstId))) {
            CString name;
            bar->GetWindowText(name);
            ioMenu.ModifyMenu(index, MF_BYPOSITION | MF_STRING, id, name);
        } else {
            ioMenu.DeleteMenu(index, MF_BYPOSITION);
        }
    }
}
