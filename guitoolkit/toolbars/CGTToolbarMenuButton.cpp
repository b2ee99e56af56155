#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <memory>

IMPLEMENT_SERIAL(CGTToolbarMenuButton, CGTToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace {
// The data versions between which buttons store their palette fields.
const int paletteFieldsVersion = 0x60520;
const int paletteFieldsGap = 0x70000;
const UINT rightToLeftLayout = 0x00400000;
const int menuTextLimit = 1024;

BOOL StoresPaletteFields()
{
    if (CMenuHash::Instance().IsBusy())
        return TRUE;
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr)
        return FALSE;
    const int version = workspace->GetDataVersion();
    return version >= paletteFieldsVersion && version != paletteFieldsGap;
}

MenuTearOffIdTable* TearOffTable()
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr ? workspace->GetTearOffTable() : nullptr;
}

BOOL IsRightToLeft(const CWnd* iWindow)
{
    return iWindow != nullptr && iWindow->GetSafeHwnd() != nullptr && (iWindow->GetExStyle() & rightToLeftLayout);
}
}  // namespace

CGTToolbarMenuButton::CGTToolbarMenuButton()
    : m_Default(FALSE), m_MenuOnly(FALSE), m_ImageChanged(FALSE), m_MessageWnd(nullptr), m_PaletteMode(FALSE),
      m_PaletteRows(1), m_RightArrow(FALSE), m_OpenAtRight(FALSE), m_SubItems(10), m_DrawArrow(FALSE),
      m_MenuMode(FALSE), m_Popup(nullptr), m_ClickedOnArrow(FALSE), m_TearOffId(0)
{
}

CGTToolbarMenuButton::CGTToolbarMenuButton(UINT iCommandId, HMENU iMenu, int iImage, LPCWSTR iText, BOOL iUserImage)
    : CGTToolbarMenuButton()
{
    m_CommandId = iCommandId;
    m_UserImage = iUserImage;
    SetImage(iImage);
    m_Text = iText != nullptr ? iText : L"";
    CreateFromMenu(iMenu);
}

CGTToolbarMenuButton::~CGTToolbarMenuButton()
{
    if (m_Popup != nullptr)
        m_Popup->m_ParentButton = nullptr;
    DeleteSubItems();
    if (MenuTearOffIdTable* table = TearOffTable())
        table->AddRef(m_TearOffId, FALSE);
}

void CGTToolbarMenuButton::DeleteSubItems()
{
    while (!m_SubItems.IsEmpty())
        delete m_SubItems.RemoveHead();
}

void CGTToolbarMenuButton::Serialize(CArchive& ioArchive)
{
    CGTToolbarButton::Serialize(ioArchive);
    if (ioArchive.IsStoring()) {
        ioArchive << m_TearOffId;
        if (StoresPaletteFields())
            ioArchive << m_PaletteMode << m_PaletteRows;
        m_SubItems.Serialize(ioArchive);
        return;
    }
    DeleteSubItems();
    UINT tearOffId = 0;
    ioArchive >> tearOffId;
    SetTearOff(tearOffId);
    if (StoresPaletteFields())
        ioArchive >> m_PaletteMode >> m_PaletteRows;
    for (DWORD_PTR count = ioArchive.ReadCount(); count > 0; --count) {
        BOOL created = FALSE;
        CObject* item = ioArchive.ReadObject(RUNTIME_CLASS(CGTToolbarButton), created);
        // An item that refers back to one read before would be owned twice.
        if (item != nullptr && !created)
            AfxThrowArchiveException(CArchiveException::badIndex);
        if (item != nullptr)
            m_SubItems.AddTail(item);
    }
}

void CGTToolbarMenuButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarButton::CopyFrom(iSource);
    const auto* source = dynamic_cast<const CGTToolbarMenuButton*>(&iSource);
    if (source == nullptr)
        return;
    m_Default = source->m_Default;
    m_MenuOnly = source->m_MenuOnly;
    m_ImageChanged = source->m_ImageChanged;
    m_MessageWnd = source->m_MessageWnd;
    m_PaletteMode = source->m_PaletteMode;
    m_PaletteRows = source->m_PaletteRows;
    m_RightArrow = source->m_RightArrow;
    m_OpenAtRight = source->m_OpenAtRight;
    SetTearOff(source->m_TearOffId);
    DeleteSubItems();
    for (POSITION position = source->m_SubItems.GetHeadPosition(); position != nullptr;) {
        const auto* item = static_cast<const CGTToolbarButton*>(source->m_SubItems.GetNext(position));
        std::unique_ptr<CGTToolbarButton> copy(static_cast<CGTToolbarButton*>(item->GetRuntimeClass()->CreateObject()));
        if (copy == nullptr)
            continue;
        copy->CopyFrom(*item);
        m_SubItems.AddTail(copy.release());
    }
}

BOOL CGTToolbarMenuButton::IsSameCommand(const CGTToolbarButton& iOther) const
{
    const auto* other = dynamic_cast<const CGTToolbarMenuButton*>(&iOther);
    if (other == nullptr || m_CommandId != other->m_CommandId || m_SubItems.GetCount() != other->m_SubItems.GetCount())
        return FALSE;
    for (POSITION mine = m_SubItems.GetHeadPosition(), theirs = other->m_SubItems.GetHeadPosition(); mine != nullptr;) {
        const auto* item = static_cast<const CGTToolbarButton*>(m_SubItems.GetNext(mine));
        const auto* otherItem = static_cast<const CGTToolbarButton*>(other->m_SubItems.GetNext(theirs));
        if (!item->IsSameCommand(*otherItem))
            return FALSE;
    }
    return TRUE;
}

void CGTToolbarMenuButton::ResetImageToDefault()
{
    CGTToolbarButton::ResetImageToDefault();
    for (POSITION position = m_SubItems.GetHeadPosition(); position != nullptr;)
        static_cast<CGTToolbarButton*>(m_SubItems.GetNext(position))->ResetImageToDefault();
}

// --- Windows menus ---

void CGTToolbarMenuButton::CreateFromMenu(HMENU iMenu)
{
    DeleteSubItems();
    if (iMenu == nullptr)
        return;
    const UINT defaultCommand = ::GetMenuDefaultItem(iMenu, FALSE, 0);
    const int count = ::GetMenuItemCount(iMenu);
    for (int index = 0; index < count; ++index) {
        std::unique_ptr<CGTToolbarMenuButton> item(
            static_cast<CGTToolbarMenuButton*>(GetRuntimeClass()->CreateObject()));
        if (item == nullptr)
            return;
        item->m_CommandId = ::GetMenuItemID(iMenu, index);
        wchar_t text[menuTextLimit + 1] = {};
        ::GetMenuStringW(iMenu, index, text, menuTextLimit, MF_BYPOSITION);
        item->m_Text = text;
        const UINT state = ::GetMenuState(iMenu, index, MF_BYPOSITION);
        if (item->m_CommandId == 0)
            item->m_Style = TBBS_SEPARATOR;
        if (HMENU subMenu = ::GetSubMenu(iMenu, index)) {
            item->m_CommandId = GTSubMenuCommand;
            if (TearOffTable() != nullptr)
                item->SetTearOff(MenuTearOffIdTable::ExtractId(item->m_Text));
            item->CreateFromMenu(subMenu);
        } else if (item->m_CommandId == defaultCommand && defaultCommand != static_cast<UINT>(-1)) {
            item->m_Default = TRUE;
        }
        if (state & MF_MENUBREAK)
            item->m_Style |= GTMenuColumnBreak;
        if (state & (MF_GRAYED | MF_DISABLED))
            item->m_Style |= TBBS_DISABLED;
        m_SubItems.AddTail(item.release());
    }
}

HMENU CGTToolbarMenuButton::ExportItemsToMenu(const CObList& iItems, UINT iDefaultCommand)
{
    HMENU menu = ::CreatePopupMenu();
    if (menu == nullptr)
        return nullptr;
    for (POSITION position = iItems.GetHeadPosition(); position != nullptr;) {
        const auto* item = static_cast<const CGTToolbarButton*>(iItems.GetNext(position));
        const auto* menuItem = dynamic_cast<const CGTToolbarMenuButton*>(item);
        if (item->IsShowAllButton())
            continue;
        UINT flags = 0;
        if (item->m_Style & GTMenuColumnBreak)
            flags |= MF_MENUBREAK;
        if (item->m_Style & TBBS_DISABLED)
            flags |= MF_GRAYED;
        BOOL appended = FALSE;
        if (item->IsSeparator() || item->m_CommandId == 0) {
            appended = ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (item->m_CommandId == GTSubMenuCommand && menuItem != nullptr) {
            HMENU subMenu = menuItem->ExportSubItemsToMenu();
            CString text = item->m_Text;
            if (menuItem->IsTearOffMenu()) {
                flags |= MF_MENUBARBREAK;
                MenuTearOffIdTable::EncodeId(menuItem->GetTearOffId(), text);
            }
            appended =
                subMenu != nullptr && ::AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(subMenu), text);
            if (!appended && subMenu != nullptr)
                ::DestroyMenu(subMenu);
        } else {
            appended = ::AppendMenuW(menu, flags | MF_STRING, item->m_CommandId, item->m_Text);
        }
        if (!appended) {
            ::DestroyMenu(menu);
            return nullptr;
        }
    }
    if (iDefaultCommand != 0)
        ::SetMenuDefaultItem(menu, iDefaultCommand, FALSE);
    return menu;
}

HMENU CGTToolbarMenuButton::ExportSubItemsToMenu() const
{
    if (m_SubItems.IsEmpty() && HasRealCommand() && !m_MenuOnly)
        return nullptr;
    UINT defaultCommand = 0;
    for (POSITION position = m_SubItems.GetHeadPosition(); position != nullptr;) {
        const auto* item = dynamic_cast<const CGTToolbarMenuButton*>(m_SubItems.GetNext(position));
        if (item != nullptr && item->m_Default)
            defaultCommand = item->m_CommandId;
    }
    return ExportItemsToMenu(m_SubItems, defaultCommand);
}

BOOL CGTToolbarMenuButton::IsTearOffMenu() const
{
    return m_TearOffId != 0;
}

void CGTToolbarMenuButton::SetTearOff(UINT iTearOffId)
{
    if (iTearOffId == m_TearOffId)
        return;
    if (MenuTearOffIdTable* table = TearOffTable()) {
        table->AddRef(m_TearOffId, FALSE);
        table->AddRef(iTearOffId, TRUE);
    }
    m_TearOffId = iTearOffId;
}

// --- Parent, size and clicks ---

BOOL CGTToolbarMenuButton::HasRealCommand() const
{
    return m_CommandId != 0 && m_CommandId != GTSubMenuCommand;
}

void CGTToolbarMenuButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    if (iOwner == nullptr)
        return;
    const BOOL hasSubItems = !m_SubItems.IsEmpty();
    if (m_ParentBar != nullptr && m_ParentBar->GetLookKind() == GTLookBarKind::MenuBar) {
        m_DrawArrow = m_CommandId != 0 && hasSubItems;
        m_ShowText = TRUE;
        m_ShowImage = FALSE;
        m_MenuMode = FALSE;
        return;
    }
    m_DrawArrow = m_CommandId == 0 || hasSubItems;
    m_MenuMode = DYNAMIC_DOWNCAST(CGTPopupMenuBar, iOwner) != nullptr;
    if (m_MenuMode) {
        m_ShowText = TRUE;
        m_ShowImage = FALSE;
    }
}

int CGTToolbarMenuButton::ArrowPart(BOOL iHorizontal) const
{
    const CSize glyph = CGTMenuGlyphs::GetSize();
    const int scale = CGTToolBar::IsLargeIcons() ? 2 : 1;
    return (iHorizontal ? glyph.cx : glyph.cy) * scale - 2;
}

void CGTToolbarMenuButton::AppendShortcut()
{
    const int tab = m_Text.Find(L'\t');
    if (tab >= 0)
        m_Text = m_Text.Left(tab);
    CFrameWnd* frame = GetActiveTopLevelFrame(m_ParentBar);
    if (frame == nullptr)
        return;
    CString shortcut;
    if (!CGTKeyboardManager::FormatCommandShortcut(m_CommandId, shortcut, frame)) {
        CFrameWnd* child = frame->GetActiveFrame();
        if (child == frame || child == nullptr ||
            !CGTKeyboardManager::FormatCommandShortcut(m_CommandId, shortcut, child))
            return;
    }
    m_Text += L'\t';
    m_Text += shortcut;
}

CSize CGTToolbarMenuButton::CalcSize(CDC* iDc, const CSize& iDefaultSize, BOOL iHorizontal)
{
    m_Horizontal = iHorizontal;
    if (!m_Visible)
        return CSize(0, 0);
    if (m_MenuMode && CGTKeyboardManager::Current() != nullptr && (m_CommandId < 0xF000 || m_CommandId > 0xF1EF))
        AppendShortcut();
    CSize size = CGTToolbarButton::CalcSize(iDc, iDefaultSize, iHorizontal);
    if (IsSeparator())
        return size;
    LONG& along = iHorizontal ? size.cx : size.cy;
    if (m_DrawArrow || m_MenuMode)
        along += ArrowPart(iHorizontal);
    if (m_MenuMode) {
        size.cx += iDefaultSize.cx + 6;
        if (auto* bar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, m_ParentBar))
            size.cy = bar->GetRowHeight();
        return size;
    }
    along += 2 * CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    return size;
}

CRect CGTToolbarMenuButton::ArrowRect(const CRect& iRect) const
{
    CRect rect = iRect;
    if (m_TextBelow) {
        const CSize extra = CGTVisualManager::GetCurrent()->GetButtonExtraSize();
        rect.DeflateRect(extra.cx / 2 + 1, extra.cy / 2 + 1);
    }
    const int part = ArrowPart(m_Horizontal) + 2;
    if (m_Horizontal)
        rect.left = rect.right - part;
    else
        rect.top = rect.bottom - part;
    return rect;
}

BOOL CGTToolbarMenuButton::OnClick(CWnd* iOwner, BOOL iDelay)
{
    m_ClickedOnArrow = FALSE;
    if (m_DrawArrow && !iDelay && !m_MenuMode) {
        if (HasRealCommand()) {
            CPoint cursor;
            CGTCursor::Current().GetPosition(cursor);
            if (iOwner != nullptr && iOwner->GetSafeHwnd() != nullptr)
                iOwner->ScreenToClient(&cursor);
            m_ClickedOnArrow = ArrowRect(m_Rect).PtInRect(cursor);
            if (!m_ClickedOnArrow)
                return FALSE;
        } else {
            m_ClickedOnArrow = TRUE;
        }
    }
    if (!m_ClickedOnArrow && HasRealCommand() && !m_DrawArrow && !m_MenuOnly)
        return FALSE;
    auto* popupBar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, iOwner);
    if (m_Popup != nullptr) {
        m_Popup->m_CloseParent = FALSE;
        if (m_Popup->GetSafeHwnd() != nullptr)
            m_Popup->DestroyWindow();
        m_Popup = nullptr;
        // The menu that holds the item takes the keys again.
        if (CGTPopupMenu* holder = popupBar != nullptr ? popupBar->GetParentPopup() : nullptr)
            CGTPopupMenu::ActivatePopupMenu(holder->HostFrame(), holder);
    } else if (!iDelay || popupBar == nullptr || CGTToolBar::IsCustomizeMode()) {
        if (!OpenPopupForParent(iOwner))
            return FALSE;
    } else {
        popupBar->StartDelayedSubmenu(this, 1);
    }
    InvalidateWithShadow();
    return TRUE;
}

void CGTToolbarMenuButton::InvalidateWithShadow() const
{
    if (m_ParentBar == nullptr || m_ParentBar->GetSafeHwnd() == nullptr)
        return;
    CRect rect = m_Rect;
    const int depth = CGTVisualManager::GetCurrent()->MenuShadowDepth;
    rect.InflateRect(depth, depth);
    m_ParentBar->RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

CGTPopupMenu* CGTToolbarMenuButton::CreatePopupMenu()
{
    return new CGTPopupMenu;
}

BOOL CGTToolbarMenuButton::IsEmptyMenuAllowed() const
{
    return FALSE;
}

BOOL CGTToolbarMenuButton::OpenPopupForParent(CWnd* iBar)
{
    if (m_Popup != nullptr)
        return TRUE;
    CWnd* bar = iBar != nullptr ? iBar : m_ParentBar;
    if (bar == nullptr || bar->GetSafeHwnd() == nullptr)
        return FALSE;
    HMENU menu = ExportSubItemsToMenu();
    if (menu == nullptr && !IsEmptyMenuAllowed())
        return FALSE;
    CGTPopupMenu* popup = CreatePopupMenu();
    if (popup == nullptr) {
        if (menu != nullptr)
            ::DestroyMenu(menu);
        return FALSE;
    }
    if (popup->GetMenuItemCount() > 0 && menu != nullptr) {
        ::DestroyMenu(menu);
        menu = nullptr;
    }
    CRect rect = m_Rect;
    bar->ClientToScreen(&rect);
    int direction = 1;
    CPoint at(rect.left, rect.bottom - 1);
    auto* popupBar = DYNAMIC_DOWNCAST(CGTPopupMenuBar, bar);
    const CGTToolBar* toolbar = DYNAMIC_DOWNCAST(CGTToolBar, bar);
    if (popupBar != nullptr) {
        CRect window;
        bar->GetParent()->GetWindowRect(&window);
        const BOOL rightToLeft = IsRightToLeft(bar->GetParent());
        at = CPoint(rightToLeft ? window.left - 1 : window.right + 1, rect.top - 2);
        direction = rightToLeft ? 4 : 3;
    } else if (toolbar != nullptr && toolbar->GetLookKind() == GTLookBarKind::MenuBar && !toolbar->IsHorizontal()) {
        at = CPoint(rect.right, rect.top);
        direction = 3;
    } else if (m_OpenAtRight) {
        at = CPoint(rect.right - 2, rect.top);
    } else if (IsRightToLeft(bar)) {
        at = CPoint(rect.right - 2, rect.bottom - 1);
    }
    popup->m_ParentButton = this;
    popup->m_Direction = direction;
    m_Popup = popup;
    if (!popup->Create(bar, at.x, at.y, menu, FALSE, FALSE)) {
        // The failed window took the popup object and its menu with it.
        m_Popup = nullptr;
        return FALSE;
    }
    if (m_MessageWnd != nullptr)
        popup->m_MessageTarget = m_MessageWnd;
    return TRUE;
}

void CGTToolbarMenuButton::OnCancelMode()
{
    if (m_Popup != nullptr && m_Popup->GetSafeHwnd() != nullptr) {
        m_Popup->CloseSubMenus();
        m_Popup->m_CloseParent = FALSE;
        m_Popup->CloseMenu(FALSE);
    }
    m_Popup = nullptr;
    if (m_ParentBar != nullptr && m_ParentBar->GetSafeHwnd() != nullptr) {
        InvalidateWithShadow();
        m_ParentBar->UpdateWindow();
    }
}

BOOL CGTToolbarMenuButton::OnClickUp(CWnd* iOwner)
{
    return OnClick(iOwner, FALSE);
}

BOOL CGTToolbarMenuButton::IsDroppedDown() const
{
    return m_Popup != nullptr && m_Popup->GetSafeHwnd() != nullptr;
}

IGTLookPopupMenu* CGTToolbarMenuButton::GetOpenMenu() const
{
    return IsDroppedDown() ? m_Popup : nullptr;
}

BOOL CGTToolbarMenuButton::OnBeforeDrag() const
{
    if (IsDroppedDown()) {
        m_Popup->CloseSubMenus();
        m_Popup->SendMessage(WM_CLOSE);
    }
    return TRUE;
}

void CGTToolbarMenuButton::OnCloseParentPopups()
{
    CGTPopupMenu* popup = m_ParentBar != nullptr ? DYNAMIC_DOWNCAST(CGTPopupMenu, m_ParentBar->GetParent()) : nullptr;
    if (popup == nullptr)
        return;
    while (CGTPopupMenu* parent = popup->GetParentPopup())
        popup = parent;
    popup->SendMessage(WM_CLOSE);
}

void CGTToolbarMenuButton::OnDrawDroppedDown()
{
    m_ImageChanged = TRUE;
    if (m_ParentBar == nullptr || m_ParentBar->GetSafeHwnd() == nullptr)
        return;
    const int margin = CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    CRect column = m_Rect;
    column.left += margin;
    column.right = column.left + CGTToolBar::GetMenuImageSize().cx + 2 * margin;
    m_ParentBar->InvalidateRect(&column);
    m_ParentBar->UpdateWindow();
}

void CGTToolbarMenuButton::SplitMenuText(const CString& iText, CString& oLabel, CString& oShortcut)
{
    const int tab = iText.Find(L'\t');
    oLabel = tab >= 0 ? iText.Left(tab) : iText;
    oShortcut = tab >= 0 ? iText.Mid(tab + 1) : CString();
}
