// The popup menu's life: creation and filling, its frame, the keys along the chain of
// open menus, closing, and tearing a menu off into a bar.
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/docking/CGTMiniFrameWnd.h>
#include <guitoolkit/controls/CGTActivePopupMenu.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTMenuSound.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GTOwnerFrame.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/docking/IGTDockingFrame.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTShowAllButton.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <afxrecent.h>
#include <algorithm>
#include <memory>

IMPLEMENT_DYNCREATE(CGTPopupMenu, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CGTPopupMenu, CMiniFrameWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_WM_DESTROY()
    ON_WM_KEYDOWN()
    ON_WM_ERASEBKGND()
    ON_WM_TIMER()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SHOWWINDOW()
    ON_WM_SETCURSOR()
    ON_WM_ACTIVATEAPP()
    ON_REGISTERED_MESSAGE(GTM_ACCHITTEST, &CGTPopupMenu::OnAccHitTest)
    ON_REGISTERED_MESSAGE(GTM_ACCGETSTATE, &CGTPopupMenu::OnAccGetState)
END_MESSAGE_MAP()

int CGTPopupMenu::s_AnimationPeriod = 30;
DWORD CGTPopupMenu::s_LastAnimationTick = 0;
BOOL CGTPopupMenu::s_SavedRecentlyUsed = TRUE;

namespace {
const UINT rightToLeftLayout = 0x00400000;
const UINT recentFileCommand = 0xE110;
const UINT barId = 1;
const DWORD barStyle = 0x40402808 | CBRS_TOOLTIPS | CBRS_FLYBY;

// A dialog or property page that hooks the mouse while a popup is open over it.
IGTPopupMenuHost* HostOf(CWnd* iTarget)
{
    return dynamic_cast<IGTPopupMenuHost*>(iTarget);
}
}  // namespace

CGTPopupMenu::CGTPopupMenu()
    : m_CloseParent(TRUE), m_MessageTarget(nullptr), m_ParentButton(nullptr), m_Direction(GTPopupFree),
      m_DestroyMenu(TRUE), m_TrackMode(FALSE), m_RightAlign(FALSE), m_MaxWidth(-1), m_LogoSize(0), m_LogoSide(0),
      m_Menu(nullptr), m_ContentHeight(0), m_Painted(FALSE), m_Closing(FALSE), m_Creating(FALSE), m_RevealLeft(TRUE),
      m_RevealTop(TRUE), m_Scrollable(FALSE), m_ScrollDirection(0), m_FadePercent(0), m_TearOffTracking(FALSE),
      m_TearOffHighlighted(FALSE), m_ExportedMenu(nullptr), m_ShowFull(FALSE)
{
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (globals.isRemoteSession)
        GTMenuOptions::s_Animation = 0;
    m_Animation = GTMenuOptions::s_Animation;
    if (m_Animation == 3 && globals.bitsPerPixel <= 8)
        m_Animation = 0;
    m_AnimationDone = m_Animation == 0;
    m_ShadowSize = GTMenuOptions::s_Shadows && !CGTToolBar::IsCustomizeMode() && globals.bitsPerPixel > 8
        ? CGTVisualManager::GetCurrent()->MenuShadowDepth
        : 0;
    m_ScrollButtonHeight = CGTMenuGlyphs::GetSize().cy + 2 * CGTVisualManager::GetCurrent()->GetPopupMenuBorderSize();
}

CGTPopupMenu::~CGTPopupMenu()
{
    if (m_DestroyMenu && m_Menu != nullptr)
        ::DestroyMenu(m_Menu);
    if (m_Tooltip.GetSafeHwnd() != nullptr)
        m_Tooltip.DestroyWindow();
}

// --- Creation ---

BOOL CGTPopupMenu::Create(CWnd* iOwner, int iX, int iY, HMENU iMenu, BOOL, BOOL iOwnMessage)
{
    PlayMenuSound(CGTMenuSound::MenuPopup);
    const LPCWSTR windowClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursorW(nullptr, IDC_ARROW),
                                                    reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    m_Menu = iMenu;
    CPoint ownerOrigin(0, 0);
    const BOOL hasOwner = iOwner != nullptr && iOwner->GetSafeHwnd() != nullptr;
    if (hasOwner)
        iOwner->ClientToScreen(&ownerOrigin);
    m_Location = m_InitialLocation = PopupStartLocation(iX, iY, hasOwner ? &ownerOrigin : nullptr);
    const DWORD exStyle = hasOwner ? iOwner->GetExStyle() & rightToLeftLayout : 0;
    if (CGTPopupMenu* parent = GetParentPopup()) {
        m_TrackMode = parent->m_TrackMode;
        m_MessageTarget = parent->m_MessageTarget;
    }
    if (iOwnMessage)
        m_MessageTarget = iOwner;
    // Owned by what owns the owner, so that the whole chain stays above the frame.
    CWnd* parent = nullptr;
    if (hasOwner) {
        parent = iOwner->GetOwner() != nullptr ? iOwner->GetOwner() : iOwner->GetParent();
        if (parent == nullptr)
            parent = iOwner;
    }
    const BOOL animate = m_Animation != 0 && !CGTToolBar::IsCustomizeMode();
    if (!animate)
        m_AnimationDone = TRUE;
    m_Creating = TRUE;
    const BOOL created = CWnd::CreateEx(exStyle, windowClass, L"", WS_POPUP, m_Location.x, m_Location.y, 0, 0,
                                        parent != nullptr ? parent->GetSafeHwnd() : nullptr, nullptr);
    if (!created)
        return FALSE;
    m_Creating = FALSE;
    if (m_RightAlign) {
        m_Location.x += 1 - m_FinalSize.cx;
        m_InitialLocation = m_Location;
        RecalcLayout();
    }
    if (animate) {
        const CSize full(m_FinalSize.cx + m_ShadowSize, m_FinalSize.cy + m_ShadowSize);
        m_AnimatedSize = full;
        if (m_Animation == 1)
            m_AnimatedSize = CSize(m_MenuBar.GetColumnWidth(), m_MenuBar.GetRowHeight());
        else if (m_Animation == 2)
            m_AnimatedSize.cy = m_MenuBar.GetRowHeight();
        SetTimer(1, static_cast<UINT>(s_AnimationPeriod), nullptr);
        s_LastAnimationTick = CGTClock::Current().Milliseconds();
    }
    if (CWnd* top = GetTopLevelParent(); top != nullptr && top != this)
        top->UpdateWindow();
    CaptureBackground();
    if (m_Animation == 3 && m_ShadowSize == 0)
        m_AnimatedSize = m_FinalSize;
    SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (CGTToolBar::IsCustomizeMode())
        m_MenuBar.RedrawWindow();
    return TRUE;
}

int CGTPopupMenu::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CMiniFrameWnd::OnCreate(iCreate) == -1)
        return -1;
    m_MenuBar.SetTrackMode(m_TrackMode);
    if (m_ParentButton != nullptr && m_ParentButton->m_PaletteMode)
        m_MenuBar.SetPalette(m_ParentButton->m_PaletteRows);
    CGTToolBar* parentBar = m_ParentButton != nullptr ? m_ParentButton->GetParentToolBar() : nullptr;
    if (auto* parentMenu = DYNAMIC_DOWNCAST(CGTPopupMenuBar, parentBar))
        parentBar = parentMenu->GetParentToolBar();
    m_MenuBar.SetParentToolBar(parentBar);
    const DWORD style = m_AnimationDone ? barStyle | WS_VISIBLE : barStyle;
    if (!m_MenuBar.Create(this, style, barId))
        return -1;
    if (CGTPopupMenu* parent = GetParentPopup())
        m_MaxWidth = parent->m_MaxWidth;
    m_MenuBar.SetMaxWidth(m_MaxWidth);
    m_MenuBar.SetOwner(GetParent());
    return InitMenuBar() ? 0 : -1;
}

BOOL CGTPopupMenu::InitMenuBar()
{
    if (m_Menu != nullptr) {
        const BOOL fromHash = m_ParentButton == nullptr && CMenuHash::Instance().LoadMenuBar(m_Menu, &m_MenuBar);
        const BOOL recentlyUsed = !GTMenuOptions::s_ShowAllCommands && GTMenuOptions::s_RecentlyUsed &&
            CGTToolBar::GetCommandUsage().HasEnoughInformation() && m_ParentButton != nullptr;
        if (!fromHash && !m_MenuBar.ImportFromMenu(m_Menu, !recentlyUsed))
            return FALSE;
    }
    if (!CGTToolBar::IsCustomizeMode())
        FillRecentFiles();
    CFrameWnd* target = DYNAMIC_DOWNCAST(CFrameWnd, m_MenuBar.GetCommandTarget());
    if (target == nullptr)
        target = GetToolkitPopupFrame(GetParent());
    if (target != nullptr)
        m_MenuBar.OnUpdateCmdUI(target, FALSE);
    if (!ActivatePopupMenu(HostFrame(), this))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CGTPopupMenu::FillRecentFiles()
{
    CWinApp* app = AfxGetApp();
    CRecentFileList* files = app != nullptr ? app->m_pRecentFileList : nullptr;
    if (files == nullptr)
        return;
    int placeholder = -1;
    for (int index = 0; index < m_MenuBar.GetButtonCount() && placeholder < 0; ++index) {
        const CGTToolbarButton* item = m_MenuBar.GetButton(index);
        if (item->m_CommandId == recentFileCommand && item->m_Text == L"Recent File")
            placeholder = index;
    }
    if (placeholder < 0)
        return;
    m_MenuBar.RemoveButton(placeholder);
    wchar_t folder[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    CString current = folder;
    if (current.Right(1) != L"\\")
        current += L"\\";
    int inserted = 0;
    for (int entry = 0; entry < files->GetSize(); ++entry) {
        CString name;
        if (!files->GetDisplayName(name, entry, current, current.GetLength()))
            continue;
        CString text;
        text.Format(L"&%d %s", inserted + 1, static_cast<LPCWSTR>(name));
        auto* item = new CGTToolbarMenuButton(recentFileCommand + entry, nullptr, -1, text);
        if (m_MenuBar.InsertButton(item, placeholder + inserted) < 0)
            delete item;
        else
            ++inserted;
    }
    // Without files the separator after the list would follow another one.
    const CGTToolbarButton* before = m_MenuBar.GetButton(placeholder - 1);
    const CGTToolbarButton* after = m_MenuBar.GetButton(placeholder);
    if (inserted == 0 && after != nullptr && after->IsSeparator() && (before == nullptr || before->IsSeparator()))
        m_MenuBar.RemoveButton(placeholder);
}

// --- The chain and the frame ---

CFrameWnd* CGTPopupMenu::HostFrame() const
{
    CWnd* parent = GetSafeHwnd() != nullptr ? GetParent() : nullptr;
    return GetToolkitPopupFrame(parent);
}

CGTPopupMenu* CGTPopupMenu::GetActiveMenu()
{
    return DYNAMIC_DOWNCAST(CGTPopupMenu, CGTActivePopupMenu::Get());
}

BOOL CGTPopupMenu::ActivatePopupMenu(CFrameWnd* iFrame, CGTPopupMenu* iPopup)
{
    if (iPopup != nullptr) {
        if (IGTPopupMenuHost* host = HostOf(iPopup->m_MessageTarget))
            host->SetActivePopupMenu(iPopup);
    }
    if (AsToolbarFrame(iFrame) == nullptr) {
        CGTActivePopupMenu::Set(iPopup);
    } else if (!FrameAcceptsPopupMenu(iFrame, iPopup)) {
        // A refused popup that is still being made fails its creation instead.
        if (iPopup != nullptr && !iPopup->m_Closing && !iPopup->m_Creating)
            iPopup->CloseMenu(FALSE);
        return FALSE;
    }
    if (iPopup == nullptr)
        return TRUE;
    CGTPopupMenuBar& bar = iPopup->m_MenuBar;
    const int count = bar.GetButtonCount();
    const CGTToolbarButton* last = bar.GetButton(count - 1);
    if (iPopup->m_ParentButton != nullptr && !bar.AreAllCommandsShown() &&
        (last == nullptr || !last->IsShowAllButton()))
        bar.InsertButton(new CGTShowAllButton);
    if (iPopup->m_TrackMode)
        CGTActivePopupMenu::Set(iPopup);
    return TRUE;
}

CGTPopupMenu* CGTPopupMenu::GetParentPopup() const
{
    CGTToolBar* bar = m_ParentButton != nullptr ? m_ParentButton->GetParentToolBar() : nullptr;
    auto* menuBar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, bar);
    return menuBar != nullptr ? menuBar->GetParentPopup() : nullptr;
}

CGTToolBar* CGTPopupMenu::GetParentToolBar() const
{
    return m_ParentButton != nullptr ? m_ParentButton->GetParentToolBar() : nullptr;
}

CGTToolbarMenuButton* CGTPopupMenu::GetSelItem()
{
    return dynamic_cast<CGTToolbarMenuButton*>(m_MenuBar.GetHotButton());
}

void CGTPopupMenu::CloseSubMenus()
{
    for (int index = 0; index < m_MenuBar.GetButtonCount(); ++index)
        m_MenuBar.GetButton(index)->OnCancelMode();
}

void CGTPopupMenu::CloseMenu(BOOL iSetFocusToBar)
{
    if (GetSafeHwnd() == nullptr)
        return;
    m_Closing = TRUE;
    CGTPopupMenu* parent = GetParentPopup();
    if (parent != nullptr && !parent->m_Closing) {
        m_CloseParent = FALSE;
        ActivatePopupMenu(HostFrame(), parent);
    } else {
        ActivatePopupMenu(HostFrame(), nullptr);
        if (IGTPopupMenuHost* host = HostOf(m_MessageTarget))
            host->SetActivePopupMenu(nullptr);
        CGTToolBar* toolbar = GetParentToolBar();
        if (iSetFocusToBar && toolbar != nullptr && toolbar->GetSafeHwnd() != nullptr)
            toolbar->SetFocus();
    }
    SendMessage(WM_CLOSE);
}

BOOL CGTPopupMenu::IsCommandRunning() const
{
    return m_MenuBar.GetSafeHwnd() != nullptr && m_MenuBar.IsCommandRunning();
}

BOOL CGTPopupMenu::IsIdle() const
{
    return m_AnimationDone && m_ScrollDirection == 0;
}

void CGTPopupMenu::OnDestroy()
{
    m_Closing = TRUE;
    if (m_ShowFull)
        GTMenuOptions::s_RecentlyUsed = s_SavedRecentlyUsed;
    CGTPopupMenu* parent = GetParentPopup();
    if (m_ParentButton != nullptr) {
        m_ParentButton->OnPopupDestroyed();
        m_ParentButton->m_Style &= ~TBBS_PRESSED;
        if (parent != nullptr && m_CloseParent && !CGTToolBar::IsCustomizeMode())
            parent->PostMessage(WM_CLOSE);
    }
    // An expanded menu stays expanded while the user goes along the menu bar, and no longer.
    if (parent == nullptr && !DropsFromMenuBar())
        GTMenuOptions::s_ShowAllCommands = FALSE;
    if (IGTPopupMenuHost* host = HostOf(m_MessageTarget))
        host->SetActivePopupMenu(nullptr);
    if (IGTToolbarFrame* hooks = AsToolbarFrame(HostFrame()))
        hooks->OnPopupMenuClosed(this);
    if (GetActiveMenu() == this)
        CGTActivePopupMenu::Set(nullptr);
    CGTToolBar* toolbar = GetParentToolBar();
    if (!CGTToolBar::IsCustomizeMode() && GetActiveMenu() == nullptr && toolbar != nullptr &&
        toolbar->GetSafeHwnd() != nullptr && ::GetFocus() != toolbar->GetSafeHwnd())
        toolbar->ResetHotButton();
    CMiniFrameWnd::OnDestroy();
}

void CGTPopupMenu::PostNcDestroy()
{
    // The sub-menus closed after this popup's own destroy handling.
    if (GetActiveMenu() == this)
        CGTActivePopupMenu::Set(nullptr);
    if (m_ParentButton != nullptr)
        m_ParentButton->OnCancelMode();
    CMiniFrameWnd::PostNcDestroy();
}

// --- Items ---

int CGTPopupMenu::InsertItem(const CGTToolbarButton& iButton, int iIndex)
{
    return m_MenuBar.InsertButtonCopy(iButton, iIndex);
}

int CGTPopupMenu::InsertSeparator(int iIndex)
{
    return m_MenuBar.InsertSeparator(iIndex);
}

BOOL CGTPopupMenu::RemoveItem(int iIndex)
{
    return m_MenuBar.RemoveButton(iIndex);
}

void CGTPopupMenu::RemoveAllItems()
{
    m_MenuBar.RemoveAllButtons();
}

HMENU CGTPopupMenu::ExportToMenu()
{
    DestroyExportedMenu();
    m_ExportedMenu = m_MenuBar.ExportToMenu();
    return m_ExportedMenu;
}

BOOL CGTPopupMenu::DestroyExportedMenu()
{
    if (m_ExportedMenu == nullptr)
        return FALSE;
    ::DestroyMenu(m_ExportedMenu);
    m_ExportedMenu = nullptr;
    return TRUE;
}

void CGTPopupMenu::ShowAllCommands()
{
    if (m_ParentButton == nullptr)
        return;
    m_MenuBar.ClearHotItem();
    GTMenuOptions::s_ShowAllCommands = TRUE;
    PlayMenuSound(CGTMenuSound::MenuPopup);
    ShowWindow(SW_HIDE);
    ResetShadowStrips();
    m_Location = m_InitialLocation;
    InitMenuBar();
    if (m_Scrollable)
        RecalcScrollLayout(TRUE);
    if (CWnd* top = GetTopLevelParent(); top != nullptr && top != this)
        top->UpdateWindow();
    CaptureBackground();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (CGTToolBar* toolbar = GetParentToolBar(); toolbar != nullptr && toolbar->GetSafeHwnd() != nullptr)
        toolbar->InvalidateButton(toolbar->ButtonToIndex(m_ParentButton));
}

void CGTPopupMenu::ResetDisplayOptions()
{
    s_SavedRecentlyUsed = GTMenuOptions::s_RecentlyUsed;
    GTMenuOptions::s_RecentlyUsed = FALSE;
    m_ShowFull = TRUE;
}

// --- Keys ---

void CGTPopupMenu::OnKeyDown(UINT iChar, UINT iRepeat, UINT iFlags)
{
    if (IsRightToLeft() && (iChar == VK_LEFT || iChar == VK_RIGHT))
        iChar = iChar == VK_LEFT ? VK_RIGHT : VK_LEFT;
    const HWND window = m_hWnd;
    switch (iChar) {
    case VK_ESCAPE:
        CloseMenu(TRUE);
        return;
    case VK_LEFT:
        OnLeftKey();
        return;
    case VK_RIGHT:
        OnRightKey();
        return;
    default:
        break;
    }
    if (iChar == VK_DOWN && CGTKeyState::Current().GetAsyncKeyState(VK_CONTROL) < 0 && HasHiddenItems()) {
        ShowAllCommands();
        return;
    }
    if (!m_MenuBar.OnKeyDown(iChar)) {
        CMiniFrameWnd::OnKeyDown(iChar, iRepeat, iFlags);
        return;
    }
    const BOOL navigation = iChar == VK_HOME || iChar == VK_END || iChar == VK_UP || iChar == VK_DOWN;
    if (::IsWindow(window) && navigation && m_Scrollable)
        ScrollToHotItem();
}

void CGTPopupMenu::OnLeftKey()
{
    if (GetParentPopup() != nullptr) {
        CloseMenu(FALSE);
        return;
    }
    if (CGTToolBar* toolbar = GetParentToolBar()) {
        toolbar->DropDownPrevMenu();
        return;
    }
    if (m_ParentButton != nullptr && m_ParentButton->IsDroppedDown())
        CloseMenu(FALSE);
}

void CGTPopupMenu::OnRightKey()
{
    const int animation = GTMenuOptions::s_Animation;
    GTMenuOptions::s_Animation = 0;
    CGTToolbarMenuButton* item = GetSelItem();
    const BOOL opensSubMenu = item != nullptr && !(item->m_Style & TBBS_DISABLED) &&
        (item->m_CommandId == GTSubMenuCommand || item->IsEmptyMenuAllowed());
    if (opensSubMenu && !item->IsDroppedDown() && item->OpenPopupForParent(&m_MenuBar)) {
        if (GetSelItem() == item && item->GetPopupMenu() != nullptr)
            item->GetPopupMenu()->SendMessage(WM_KEYDOWN, VK_HOME);
    } else if (CGTPopupMenu* parent = GetParentPopup()) {
        parent->SendMessage(WM_KEYDOWN, IsRightToLeft() ? VK_LEFT : VK_RIGHT);
    } else if (CGTToolBar* toolbar = GetParentToolBar()) {
        toolbar->DropDownNextMenu();
    }
    GTMenuOptions::s_Animation = animation;
}

int CGTPopupMenu::FirstRowShowing(int iFirstRow, const CRect& iItem, const CRect& iClient, int iRowHeight, int iCount,
                                  int iMenuHeight)
{
    if (iRowHeight <= 0)
        return iFirstRow;
    int rows = 0;
    if (iItem.top < iClient.top)
        rows = (iItem.top - iClient.top) / iRowHeight - 1;
    else if (iItem.bottom > iClient.bottom)
        rows = (iItem.bottom - iClient.bottom) / iRowHeight + 1;
    const int last = std::max(0, iCount - (iMenuHeight / iRowHeight - 2) - 1);
    return std::clamp(iFirstRow + rows, 0, last);
}

void CGTPopupMenu::ScrollToHotItem()
{
    const CGTToolbarButton* item = m_MenuBar.GetHotButton();
    if (item == nullptr)
        return;
    CRect client;
    m_MenuBar.GetClientRect(&client);
    const int first = FirstRowShowing(m_MenuBar.GetFirstVisibleRow(), item->Rect(), client, m_MenuBar.GetRowHeight(),
                                      m_MenuBar.GetButtonCount(), m_FinalSize.cy);
    if (first == m_MenuBar.GetFirstVisibleRow())
        return;
    m_MenuBar.SetFirstVisibleRow(first);
    RecalcScrollLayout();
}

void CGTPopupMenu::OnActivateApp(BOOL iActive, DWORD iThreadId)
{
    CMiniFrameWnd::OnActivateApp(iActive, iThreadId);
    if (iActive || CGTToolBar::IsCustomizeMode() || IsCommandRunning())
        return;
    if (m_TrackMode)
        m_Closing = TRUE;
    PostMessage(WM_CLOSE);
}

// --- Window behaviour ---

int CGTPopupMenu::OnMouseActivate(CWnd*, UINT, UINT)
{
    return MA_NOACTIVATE;
}

BOOL CGTPopupMenu::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CGTPopupMenu::OnShowWindow(BOOL iShow, UINT iStatus)
{
    CMiniFrameWnd::OnShowWindow(iShow, iStatus);
    if (!iShow)
        m_Painted = FALSE;
}

BOOL CGTPopupMenu::OnSetCursor(CWnd* iWnd, UINT iHitTest, UINT iMessage)
{
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    if (m_TearOffRect.IsRectEmpty() || !m_TearOffRect.PtInRect(cursor))
        return CMiniFrameWnd::OnSetCursor(iWnd, iHitTest, iMessage);
    GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (globals.cursorSizeAll == nullptr)
        globals.cursorSizeAll = ::LoadCursorW(nullptr, IDC_SIZEALL);
    ::SetCursor(globals.cursorSizeAll);
    return TRUE;
}

LRESULT CGTPopupMenu::OnAccHitTest(WPARAM, LPARAM iScreenPoint)
{
    CPoint point(static_cast<short>(LOWORD(iScreenPoint)), static_cast<short>(HIWORD(iScreenPoint)));
    m_MenuBar.ScreenToClient(&point);
    return m_MenuBar.HitTest(point);
}

LRESULT CGTPopupMenu::OnAccGetState(WPARAM, LPARAM iIndex)
{
    const CGTToolbarButton* item = m_MenuBar.GetButton(static_cast<int>(iIndex));
    return item != nullptr ? static_cast<LRESULT>(item->m_Style) : -1;
}

BOOL CGTPopupMenu::OnCmdMsg(UINT iId, int iCode, void* iExtra, AFX_CMDHANDLERINFO* iHandlerInfo)
{
    if (CMiniFrameWnd::OnCmdMsg(iId, iCode, iExtra, iHandlerInfo))
        return TRUE;
    return m_MessageTarget != nullptr && m_MessageTarget->OnCmdMsg(iId, iCode, iExtra, iHandlerInfo);
}

BOOL CGTPopupMenu::OnNotify(WPARAM iWParam, LPARAM iLParam, LRESULT* oResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(iLParam);
    if (m_Tooltip.GetSafeHwnd() != nullptr && header->hwndFrom == m_Tooltip.GetSafeHwnd() &&
        (header->code == TTN_SHOW || header->code == TTN_POP)) {
        m_TearOffHighlighted = header->code == TTN_SHOW;
        InvalidateRect(&m_TearOffRect);
        UpdateWindow();
    }
    return CMiniFrameWnd::OnNotify(iWParam, iLParam, oResult);
}

BOOL CGTPopupMenu::PreTranslateMessage(MSG* iMsg)
{
    if (m_Tooltip.GetSafeHwnd() != nullptr)
        m_Tooltip.RelayEvent(iMsg);
    return CMiniFrameWnd::PreTranslateMessage(iMsg);
}

// --- Tearing off ---

void CGTPopupMenu::OnLButtonDown(UINT iFlags, CPoint iPoint)
{
    if (CGTToolBar::IsCustomizeMode() || m_TearOffRect.IsRectEmpty() || !m_TearOffRect.PtInRect(iPoint)) {
        CMiniFrameWnd::OnLButtonDown(iFlags, iPoint);
        return;
    }
    m_TearOffTracking = m_TearOffHighlighted = TRUE;
    SetCapture();
    InvalidateRect(&m_TearOffRect);
}

void CGTPopupMenu::OnLButtonUp(UINT iFlags, CPoint iPoint)
{
    if (!m_TearOffTracking) {
        CMiniFrameWnd::OnLButtonUp(iFlags, iPoint);
        return;
    }
    m_TearOffTracking = m_TearOffHighlighted = FALSE;
    ReleaseCapture();
    InvalidateRect(&m_TearOffRect);
}

void CGTPopupMenu::TearOff(CPoint iPoint)
{
    const UINT tearOffId = m_ParentButton != nullptr ? m_ParentButton->GetTearOffId() : 0;
    CFrameWnd* frame = HostFrame();
    IGTToolbarFrame* hooks = AsToolbarFrame(frame);
    if (tearOffId == 0 || hooks == nullptr)
        return;
    ClientToScreen(&iPoint);
    CGTPopupMenu* top = this;
    while (top->GetParentPopup() != nullptr)
        top = top->GetParentPopup();
    const HWND topWindow = top->GetSafeHwnd();
    CGTToolBar* bar = hooks->FindTearOffBar(tearOffId);
    if (bar != nullptr && bar->GetSafeHwnd() != nullptr) {
        if (IGTDockingFrame* docking = AsDockingFrame(frame))
            docking->ShowBar(bar, TRUE, FALSE, FALSE);
        else
            bar->ShowBar(TRUE, FALSE, FALSE);
        frame->RecalcLayout();
        ::SendMessageW(topWindow, WM_CLOSE, 0, 0);
        return;
    }
    CString label;
    CString shortcut;
    CGTToolbarMenuButton::SplitMenuText(m_ParentButton->m_Text, label, shortcut);
    bar = CreateTearOffBar(frame, tearOffId, label);
    if (bar == nullptr)
        return;
    hooks->AddTearOffBar(bar);
    bar->SetBehaviourStyle(bar->GetBehaviourStyle() | GTBehaviourCanFloat | GTBehaviourCanHide);
    const CSize size = bar->CalcFixedLayout(FALSE, TRUE);
    bar->FloatAtRect(CRect(iPoint - CSize(size.cx / 2, 5), size), GTDockByRect, TRUE);
    // The tear-off follows the mouse from here; a cancel shows this popup again and takes the
    // bar away, a release closes the menus.
    if (CGTMiniFrameWnd::TrackNewTearOff(*bar, this) == 1 && ::IsWindow(topWindow))
        ::SendMessageW(topWindow, WM_CLOSE, 0, 0);
}

CGTToolBar* CGTPopupMenu::CreateTearOffBar(CWnd* iParent, UINT iId, LPCWSTR iName)
{
    auto bar = std::make_unique<CGTToolBar>();
    if (!bar->Create(iParent, 0x50402808, iId))
        return nullptr;
    bar->SetWindowText(iName);
    const BOOL keepsTearOffIds =
        CGTWorkspaceSettings::Current() != nullptr && CGTWorkspaceSettings::Current()->GetTearOffTable();
    const int count = m_MenuBar.GetButtonCount();
    for (int index = 0; index < count; ++index) {
        const CGTToolbarButton* item = m_MenuBar.GetButton(index);
        if (item->IsShowAllButton())
            continue;
        if (item->IsSeparator()) {
            if (index < count - 1)
                bar->InsertSeparator();
            continue;
        }
        const auto* menuItem = dynamic_cast<const CGTToolbarMenuButton*>(item);
        CString label;
        CString shortcut;
        CGTToolbarMenuButton::SplitMenuText(item->m_Text, label, shortcut);
        if (item->m_CommandId == GTSubMenuCommand && menuItem != nullptr) {
            auto* subMenu = new CGTToolbarMenuButton;
            subMenu->CopyFrom(*menuItem);
            subMenu->m_Text = label;
            if (!keepsTearOffIds)
                subMenu->SetTearOff(0);
            if (bar->InsertButton(subMenu) < 0)
                delete subMenu;
        } else if (!CGTToolBar::IsSystemCommand(item->m_CommandId)) {
            auto* button = new CGTToolbarButton(item->m_CommandId, -1, label);
            button->m_ShowText = TRUE;
            button->m_ShowImage = button->GetImage() >= 0;
            if (bar->InsertButton(button) < 0)
                delete button;
        }
    }
    bar->SetBarStyle(bar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC);
    bar->EnableDocking(CBRS_ALIGN_ANY);
    return bar.release();
}

// --- Look ---

CRect CGTPopupMenu::GetScreenRect() const
{
    CRect rect;
    if (GetSafeHwnd() != nullptr)
        GetWindowRect(&rect);
    return rect;
}

IGTLookButton* CGTPopupMenu::GetParentButton() const
{
    return GetParentPopup() == nullptr ? m_ParentButton : nullptr;
}

BOOL CGTPopupMenu::DropsFromMenuBar() const
{
    const CGTToolBar* bar = GetParentToolBar();
    return bar != nullptr && bar->GetLookKind() == GTLookBarKind::MenuBar;
}

BOOL CGTPopupMenu::DropsFromCustomizeButton() const
{
    return m_ParentButton != nullptr && m_ParentButton->AsCustomizeButton() != nullptr;
}

BOOL CGTPopupMenu::IsRightToLeft() const
{
    return GetSafeHwnd() != nullptr && (GetExStyle() & rightToLeftLayout) != 0;
}

BOOL CGTPopupMenu::IsCustomizeMode() const
{
    return CGTToolBar::IsCustomizeMode();
}
