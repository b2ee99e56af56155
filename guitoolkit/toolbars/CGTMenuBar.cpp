#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarSystemMenuButton.h>
#include <guitoolkit/toolbars/CHelpComboBoxButton.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <afxmdi.h>
#include <memory>

IMPLEMENT_SERIAL(CGTMenuBar, CGTToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CGTMenuBar, CGTToolBar)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_TIMER()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_GETOBJECT, &CGTMenuBar::OnGetObject)
    ON_REGISTERED_MESSAGE(GTM_ACCHITTEST, &CGTMenuBar::OnAccHitTest)
END_MESSAGE_MAP()

namespace {
const UINT setMessageString = 0x0362;
const UINT idleMessage = 0xE001;
const int menuTextLimit = 1024;

MenuTearOffIdTable* TearOffTable()
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr ? workspace->GetTearOffTable() : nullptr;
}
}  // namespace

CGTMenuBar::CGTMenuBar()
    : m_KeepDocumentMenus(TRUE), m_MenuButtonClass(RUNTIME_CLASS(CGTToolbarMenuButton)), m_Frame(nullptr),
      m_Maximized(FALSE), m_CurrentMenu(nullptr), m_DefaultMenu(nullptr), m_OwnDefaultMenu(nullptr),
      m_ChildSystemMenu(nullptr), m_ChildIcon(nullptr), m_FrameMenuId(0), m_CaptionButtonCount(0),
      m_SavedCaptionButtonCount(0), m_ItemsHaveImages(FALSE), m_SystemButtonSize(0, 0), m_HelpComboId(0),
      m_HelpComboWidth(0), m_Stretched(TRUE), m_Loading(FALSE)
{
}

CGTMenuBar::~CGTMenuBar()
{
    if (m_OwnDefaultMenu != nullptr)
        ::DestroyMenu(m_OwnDefaultMenu);
}

BOOL CGTMenuBar::Create(CWnd* iParent, DWORD iStyle, UINT iId)
{
    m_Frame = iParent;
    return CGTToolBar::Create(iParent, iStyle, iId);
}

BOOL CGTMenuBar::CreateEx(CWnd* iParent, DWORD iToolbarStyle, DWORD iStyle, CRect iBorders, UINT iId)
{
    m_Frame = iParent;
    return CGTToolBar::CreateEx(iParent, iToolbarStyle, iStyle, iBorders, iId);
}

CFrameWnd* CGTMenuBar::Frame() const
{
    if (auto* frame = DYNAMIC_DOWNCAST(CFrameWnd, m_Frame))
        return frame;
    return GetSafeHwnd() != nullptr ? GetParentFrame() : nullptr;
}

// --- Switches of the class ---

void CGTMenuBar::SetShowAllCommands(BOOL iShowAll)
{
    GTMenuOptions::s_ShowAllCommands = iShowAll;
}

BOOL CGTMenuBar::IsShowAllCommands()
{
    return GTMenuOptions::s_ShowAllCommands;
}

void CGTMenuBar::SetRecentlyUsedMenus(BOOL iOn)
{
    GTMenuOptions::s_RecentlyUsed = iOn;
}

BOOL CGTMenuBar::IsRecentlyUsedMenus()
{
    return GTMenuOptions::s_RecentlyUsed;
}

CFont& CGTMenuBar::GetMenuFont(BOOL iHorizontal)
{
    return iHorizontal ? theGuiToolkitGlobals.fontRegular : theGuiToolkitGlobals.fontVert;
}

// --- Menus ---

CGTToolbarButton* CGTMenuBar::MakeItem(HMENU iMenu, int iIndex) const
{
    wchar_t text[menuTextLimit + 1] = {};
    ::GetMenuStringW(iMenu, iIndex, text, menuTextLimit, MF_BYPOSITION);
    CString label = text;
    if (HMENU subMenu = ::GetSubMenu(iMenu, iIndex)) {
        CObject* made = m_MenuButtonClass->CreateObject();
        auto* button = DYNAMIC_DOWNCAST(CGTToolbarMenuButton, made);
        if (button == nullptr) {
            delete made;
            return nullptr;
        }
        const UINT tearOffId = MenuTearOffIdTable::ExtractId(label);
        button->m_CommandId = 0;
        button->m_Text = label;
        button->CreateFromMenu(subMenu);
        button->SetTearOff(tearOffId);
        button->m_ShowText = TRUE;
        button->m_ShowImage = FALSE;
        return button;
    }
    const UINT id = ::GetMenuItemID(iMenu, iIndex);
    if (id == 0) {
        auto* separator = new CGTToolbarButton;
        separator->m_Style = TBBS_SEPARATOR;
        return separator;
    }
    auto* button = new CGTToolbarButton(id, -1, label);
    button->m_ShowText = TRUE;
    button->m_ShowImage = FALSE;
    return button;
}

void CGTMenuBar::CreateFromMenu(HMENU iMenu, BOOL iDefault, BOOL iForce)
{
    if (GetSafeHwnd() != nullptr && ::GetFocus() == m_hWnd) {
        if (CFrameWnd* frame = GetParentFrame())
            frame->SetFocus();
    }
    if (iMenu == m_CurrentMenu && !IsCustomizeMode() && !iForce) {
        if (m_Maximized) {
            SetMaximizeMode(FALSE, nullptr, FALSE);
            InvalidateButton(0);
        }
        if (!m_Stretched)
            AdjustSize();
        return;
    }
    MenuTearOffIdTable* table = TearOffTable();
    if (table != nullptr && m_CurrentMenu != nullptr)
        table->ResetIds(m_CurrentMenu);
    if (m_CurrentMenu != nullptr)
        CMenuHash::Instance().SaveMenuBar(m_CurrentMenu, this);
    const BOOL wasMaximized = m_Maximized;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    m_CurrentMenu = iMenu;
    if (iDefault)
        m_DefaultMenu = iMenu;
    if (iForce || !CMenuHash::Instance().LoadMenuBar(iMenu, this)) {
        if (table != nullptr)
            RewriteSubMenuItems(*table, iMenu);
        std::unique_ptr<CGTToolbarButton> customize = CopyOfCustomizeButton();
        RemoveAllButtons();
        for (int index = 0; index < ::GetMenuItemCount(iMenu); ++index) {
            CGTToolbarButton* item = MakeItem(iMenu, index);
            if (item != nullptr && InsertButton(item) < 0)
                delete item;
        }
        if (m_HelpComboId != 0 && CommandToIndex(m_HelpComboId) < 0)
            InsertButton(new CHelpComboBoxButton(m_HelpComboId, m_HelpComboWidth, m_HelpComboPrompt));
        if (customize != nullptr && InsertButton(customize.get()) >= 0)
            m_CustomizeButton = customize.release();
    }
    AfterMenuChange(wasMaximized);
}

void CGTMenuBar::AfterMenuChange(BOOL iWasMaximized)
{
    if (iWasMaximized)
        RestoreMaximizeMode(FALSE);
    if (GetSafeHwnd() != nullptr)
        AdjustLayout();
    RebuildAccessKeys();
    if (!m_Stretched)
        AdjustSize();
}

void CGTMenuBar::RebuildFromMenu(HMENU iMenu, BOOL iDefault)
{
    m_CurrentMenu = nullptr;
    CreateFromMenu(iMenu, iDefault, TRUE);
}

void CGTMenuBar::EnableHelpCombobox(UINT iCommandId, LPCWSTR iPrompt, int iWidth)
{
    m_HelpComboId = iCommandId;
    m_HelpComboPrompt = iPrompt != nullptr ? iPrompt : L"";
    m_HelpComboWidth = iWidth;
}

CHelpComboBoxButton* CGTMenuBar::GetHelpCombobox() const
{
    return DYNAMIC_DOWNCAST(CHelpComboBoxButton, GetButton(LastItemIndex() + 1));
}

int CGTMenuBar::LastItemIndex() const
{
    int last = GetButtonCount() - 1 - m_CaptionButtonCount - (m_CustomizeButton != nullptr ? 1 : 0);
    if (DYNAMIC_DOWNCAST(CHelpComboBoxButton, GetButton(last)) != nullptr)
        --last;
    return last;
}

// --- The maximized child ---

void CGTMenuBar::SetMaximizeMode(BOOL iMaximized, CWnd* iChild, BOOL iRecalc)
{
    if ((iMaximized != FALSE) == (m_Maximized != FALSE))
        return;
    if (iMaximized) {
        if (iChild == nullptr)
            return;
        AddMaximizeButtons(iChild);
        m_Maximized = TRUE;
    } else {
        RemoveMaximizeButtons();
        m_Maximized = FALSE;
    }
    if (iRecalc) {
        AdjustLayout();
        if (!m_Stretched)
            AdjustSize();
    }
}

void CGTMenuBar::AddMaximizeButtons(CWnd* iChild)
{
    HMENU system = nullptr;
    CMenu* menu = iChild->GetSystemMenu(FALSE);
    if (menu != nullptr && ::IsMenu(menu->GetSafeHmenu()) && (iChild->GetStyle() & WS_SYSMENU))
        system = menu->GetSafeHmenu();
    auto icon = reinterpret_cast<HICON>(iChild->SendMessage(WM_GETICON, ICON_SMALL));
    if (icon == nullptr)
        icon = reinterpret_cast<HICON>(::GetClassLongPtrW(iChild->GetSafeHwnd(), GCLP_HICONSM));
    m_ChildSystemMenu = system;
    m_ChildIcon = icon;
    if (system != nullptr) {
        auto* button = new CGTToolbarSystemMenuButton(system, icon);
        if (InsertButton(button, 0) < 0)
            delete button;
    }
    m_CaptionButtonCount = 0;
    const auto add = [this](UINT iCommand, BOOL iEnabled) {
        auto* button = new CGTToolbarMenuButtonsButton(iCommand);
        if (!iEnabled)
            button->m_Style |= TBBS_DISABLED;
        if (InsertButton(button) < 0)
            delete button;
        else
            ++m_CaptionButtonCount;
    };
    const DWORD style = iChild->GetStyle();
    if (style & WS_MINIMIZEBOX)
        add(SC_MINIMIZE, TRUE);
    if (style & WS_MAXIMIZEBOX)
        add(SC_RESTORE, TRUE);
    const UINT close = system != nullptr ? ::GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) : static_cast<UINT>(-1);
    add(SC_CLOSE, close != static_cast<UINT>(-1) && !(close & (MF_GRAYED | MF_DISABLED)));
}

void CGTMenuBar::RemoveMaximizeButtons()
{
    if (GetSystemMenuButton() != nullptr)
        RemoveButton(0);
    for (int removed = 0; removed < m_CaptionButtonCount; ++removed) {
        const int last = GetButtonCount() - 1 - (m_CustomizeButton != nullptr ? 1 : 0);
        if (DYNAMIC_DOWNCAST(CGTToolbarMenuButtonsButton, GetButton(last)) != nullptr)
            RemoveButton(last);
    }
    m_SavedCaptionButtonCount = m_CaptionButtonCount;
    m_CaptionButtonCount = 0;
}

void CGTMenuBar::RestoreMaximizeMode(BOOL iRecalc)
{
    if (m_Maximized || m_SavedCaptionButtonCount == 0)
        return;
    auto* frame = DYNAMIC_DOWNCAST(CMDIFrameWnd, Frame());
    BOOL maximized = FALSE;
    CMDIChildWnd* child = frame != nullptr ? frame->MDIGetActive(&maximized) : nullptr;
    if (child == nullptr || !maximized)
        return;
    AddMaximizeButtons(child);
    m_Maximized = TRUE;
    if (!iRecalc)
        return;
    if (CFrameWnd* parent = GetParentFrame())
        parent->RecalcLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

CGTToolbarSystemMenuButton* CGTMenuBar::GetSystemMenuButton() const
{
    return m_Maximized ? DYNAMIC_DOWNCAST(CGTToolbarSystemMenuButton, GetButton(0)) : nullptr;
}

BOOL CGTMenuBar::TakesButtonCommand(CGTToolbarButton* iButton)
{
    const auto* caption = DYNAMIC_DOWNCAST(CGTToolbarMenuButtonsButton, iButton);
    if (caption == nullptr)
        return FALSE;
    auto* frame = DYNAMIC_DOWNCAST(CMDIFrameWnd, Frame());
    CMDIChildWnd* child = frame != nullptr ? frame->MDIGetActive() : nullptr;
    if (child == nullptr)
        CGTBeeper::Current().Beep(static_cast<UINT>(-1));
    else
        child->SendMessage(WM_SYSCOMMAND, caption->GetSystemCommand());
    return TRUE;
}

// --- Window messages ---

int CGTMenuBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTToolBar::OnCreate(iCreate) == -1)
        return -1;
    CString name;
    name.LoadString(IDS_GT_MENU_BAR);
    SetWindowText(name);
    SetBarStyle(GetBarStyle() | CBRS_HIDE_INPLACE);
    UpdateSystemButtonSize();
    if (IGTToolbarFrame* frame = AsToolbarFrame(Frame()))
        frame->SetMenuBar(this);
    return 0;
}

void CGTMenuBar::UpdateSystemButtonSize()
{
    const int side = ::GetSystemMetrics(SM_CXMENUSIZE);
    CRect rect(0, 0, side, side);
    CClientDC screen(nullptr);
    CDC dc;
    CBitmap bitmap;
    if (dc.CreateCompatibleDC(&screen) && bitmap.CreateCompatibleBitmap(&screen, side, side)) {
        CBitmap* previous = dc.SelectObject(&bitmap);
        dc.DrawFrameControl(&rect, DFC_CAPTION, DFCS_ADJUSTRECT);
        dc.SelectObject(previous);
    }
    m_SystemButtonSize = rect.Size();
}

void CGTMenuBar::OnSetFocus(CWnd* iPrevious)
{
    CGTToolBar::OnSetFocus(iPrevious);
    if (GetDroppedDownMenuButton() != nullptr)
        return;
    if (CWnd* frame = Frame())
        frame->SendMessage(setMessageString, idleMessage);
    if (GetHotButton() == nullptr) {
        const int first = GetSystemMenuButton() != nullptr ? 1 : 0;
        if (first <= LastItemIndex()) {
            m_HotIndex = first;
            InvalidateButton(first);
        }
    }
}

void CGTMenuBar::SetHot(int iIndex)
{
    CGTToolBar::SetHot(iIndex);
    if (GetSafeHwnd() == nullptr)
        return;
    KillTimer(s_ShowAllTimer);
    if (GetDroppedDownMenuButton() != nullptr)
        SetTimer(s_ShowAllTimer, s_ShowAllDelay, nullptr);
    else
        SetShowAllCommands(FALSE);
}

void CGTMenuBar::OnTimer(UINT_PTR iTimer)
{
    if (iTimer != s_ShowAllTimer) {
        CGTToolBar::OnTimer(iTimer);
        return;
    }
    KillTimer(s_ShowAllTimer);
    int index = -1;
    CGTToolbarMenuButton* dropped = GetDroppedDownMenuButton(&index);
    CPoint cursor;
    CGTCursor::Current().GetPosition(cursor);
    ScreenToClient(&cursor);
    CGTPopupMenu* popup = dropped != nullptr ? dropped->GetPopupMenu() : nullptr;
    if (popup != nullptr && dropped->Rect().PtInRect(cursor) && popup->HasHiddenItems())
        popup->ShowAllCommands();
}

void CGTMenuBar::OnLButtonDblClk(UINT iFlags, CPoint iPoint)
{
    CGTToolBar::OnLButtonDblClk(iFlags, iPoint);
    const int index = HitTest(iPoint);
    auto* button = dynamic_cast<CGTToolbarMenuButton*>(GetButton(index));
    if (!IsRecentlyUsedMenus() || !GetCommandUsage().HasEnoughInformation() || IsShowAllCommands() ||
        IsCustomizeMode() || button == nullptr || DYNAMIC_DOWNCAST(CGTToolbarSystemMenuButton, button) != nullptr)
        return;
    SetShowAllCommands(TRUE);
    button->OnCancelMode();
    if (!(button->m_Style & TBBS_DISABLED))
        button->OnClick(this, FALSE);
    m_HotIndex = index;
    InvalidateButton(index);
    UpdateWindow();
}

void CGTMenuBar::OnSettingChange(UINT iFlags, LPCWSTR iSection)
{
    CGTToolBar::OnSettingChange(iFlags, iSection);
    UpdateSystemButtonSize();
    Invalidate();
}

LRESULT CGTMenuBar::OnGetObject(WPARAM iWParam, LPARAM iLParam)
{
    const GuiToolkitGlobals& globals = theGuiToolkitGlobals;
    if (static_cast<LONG>(iLParam) != OBJID_CLIENT || globals.pfnAccessibilityEntry == nullptr)
        return 0;
    return globals.InvokeOptionalTwoArgEntry(iWParam, iLParam);
}

LRESULT CGTMenuBar::OnAccHitTest(WPARAM, LPARAM iScreenPoint)
{
    CPoint point(static_cast<short>(LOWORD(iScreenPoint)), static_cast<short>(HIWORD(iScreenPoint)));
    ScreenToClient(&point);
    return HitTest(point);
}
