// The popup menu bar's items: made from a Windows menu and back, measured in columns,
// placed and painted.
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <guitoolkit/core/CGTMemDC.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/GTOwnerFrame.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/GTMenuOptions.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <algorithm>
#include <cwchar>
#include <memory>

IMPLEMENT_SERIAL(CGTPopupMenuBar, CGTToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CGTPopupMenuBar, CGTToolBar)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCPAINT()
    ON_WM_NCCALCSIZE()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CGTPopupMenuBar::OnIdleUpdate)
END_MESSAGE_MAP()

int CGTPopupMenuBar::s_SubMenuDelay = -1;
int CGTPopupMenuBar::s_LastInvokedItem = -1;

namespace {
const int defaultSubMenuDelay = 500;
const int longestSubMenuDelay = 5000;
const int emptyMenuWidth = 50;
const int emptyMenuHeight = 20;
const int menuTextLimit = 1024;

// A DC with the menu font, on the bar's client area or the screen.
class MenuFontDC : public CClientDC {
public:
    explicit MenuFontDC(CWnd* iBar)
        : CClientDC(iBar->GetSafeHwnd() != nullptr ? iBar : nullptr),
          m_Previous(SelectObject(&theGuiToolkitGlobals.fontRegular))
    {
    }
    ~MenuFontDC() override { SelectObject(m_Previous); }

private:
    CFont* m_Previous;
};

// The access key of a menu text: the character after "&", upper-cased; 0 for none.
UINT AccessKeyOf(const CString& iText)
{
    const int amp = iText.Find(L'&');
    if (amp < 0 || amp >= iText.GetLength() - 1)
        return 0;
    wchar_t key[2] = {iText[amp + 1], 0};
    ::CharUpperW(key);
    return key[0];
}

BOOL IsUserToolCommand(UINT iCommandId)
{
    const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    return tools != nullptr && tools->FindToolByCommand(iCommandId) != nullptr;
}
}  // namespace

CGTPopupMenuBar::CGTPopupMenuBar()
    : m_ParentToolBar(nullptr), m_DefaultCommand(0), m_DelayedOpen(nullptr), m_DelayedClose(nullptr),
      m_IgnoreRelease(TRUE), m_SkipNextMove(TRUE), m_FirstVisibleRow(0), m_SeparatorLeft(-1), m_SeparatorRight(-1),
      m_AllShown(TRUE), m_MaxWidth(-1), m_HiddenAccessKeys(17), m_CommandRunning(FALSE), m_TrackMode(FALSE),
      m_KeyboardNavigation(FALSE), m_Palette(FALSE), m_PaletteRows(1)
{
    m_MenuMode = TRUE;
}

CGTPopupMenuBar::~CGTPopupMenuBar() = default;

CGTPopupMenu* CGTPopupMenuBar::GetParentPopup() const
{
    return GetSafeHwnd() != nullptr ? DYNAMIC_DOWNCAST(CGTPopupMenu, GetParent()) : nullptr;
}

IGTLookPopupMenu* CGTPopupMenuBar::GetPopupMenu() const
{
    return GetParentPopup();
}

void CGTPopupMenuBar::SetPalette(int iRows)
{
    m_Palette = TRUE;
    m_PaletteRows = std::max(iRows, 1);
}

// --- The sub-menu delay ---

int CGTPopupMenuBar::ParseMenuShowDelay(const CString& iText)
{
    const wchar_t* start = iText;
    wchar_t* end = nullptr;
    const long value = std::wcstol(start, &end, 10);
    if (end == start)
        return defaultSubMenuDelay;
    return static_cast<int>(std::clamp(value, 0L, static_cast<long>(longestSubMenuDelay)));
}

int CGTPopupMenuBar::GetSubMenuDelay()
{
    if (s_SubMenuDelay != -1)
        return s_SubMenuDelay;
    s_SubMenuDelay = defaultSubMenuDelay;
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    CString text;
    if (registry.Open(L"Control Panel\\Desktop") && registry.ReadString(L"MenuShowDelay", text))
        s_SubMenuDelay = ParseMenuShowDelay(text);
    return s_SubMenuDelay;
}

// --- Window ---

int CGTPopupMenuBar::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CGTToolBar::OnCreate(iCreate) == -1)
        return -1;
    GetSubMenuDelay();
    return 0;
}

void CGTPopupMenuBar::OnDestroy()
{
    KillTimer(1);
    KillTimer(2);
    m_DelayedOpen = m_DelayedClose = nullptr;
    for (int index = 0; index < GetButtonCount(); ++index) {
        if (auto* item = dynamic_cast<CGTToolbarMenuButton*>(GetButton(index));
            item != nullptr && item->IsDroppedDown())
            item->OnCancelMode();
    }
    CGTToolBar::OnDestroy();
}

void CGTPopupMenuBar::OnNcPaint() {}

void CGTPopupMenuBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CGTPopupMenuBar::RemoveAllButtons()
{
    if (GetSafeHwnd() != nullptr) {
        KillTimer(1);
        KillTimer(2);
    }
    m_DelayedOpen = m_DelayedClose = nullptr;
    CGTToolBar::RemoveAllButtons();
}

// --- Windows menus ---

BOOL CGTPopupMenuBar::ImportFromMenu(HMENU iMenu, BOOL iShowAllCommands)
{
    RemoveAllButtons();
    m_AllShown = TRUE;
    m_HiddenAccessKeys.RemoveAll();
    if (iMenu == nullptr)
        return FALSE;
    CGTPopupMenu* popup = GetParentPopup();
    CWnd* frame =
        popup != nullptr && popup->m_MessageTarget != nullptr ? popup->m_MessageTarget : GetToolkitPopupFrame(this);
    if (frame == nullptr)
        frame = AfxGetMainWnd();
    if (frame != nullptr && frame->GetSafeHwnd() != nullptr)
        frame->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(iMenu), 0);
    const BOOL filter = !m_TrackMode && !iShowAllCommands && !GTMenuOptions::s_ShowAllCommands &&
        GTMenuOptions::s_RecentlyUsed && GetCommandUsage().HasEnoughInformation();
    const int count = ::GetMenuItemCount(iMenu);
    const int columnLength = std::max(1, static_cast<int>(static_cast<double>(count) / m_PaletteRows + 0.5));
    int added = 0;
    for (int position = 0; position < count; ++position) {
        wchar_t buffer[menuTextLimit + 1] = {};
        ::GetMenuStringW(iMenu, position, buffer, menuTextLimit, MF_BYPOSITION);
        CString text = buffer;
        MENUITEMINFOW info = {sizeof(info)};
        info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        if (!::GetMenuItemInfoW(iMenu, position, TRUE, &info))
            continue;
        const UINT state = ::GetMenuState(iMenu, position, MF_BYPOSITION);
        if (info.fType & MFT_SEPARATOR) {
            const CGTToolbarButton* last = GetButton(GetButtonCount() - 1);
            if (last != nullptr && !last->IsSeparator() && position != count - 1 && !m_Palette)
                InsertSeparator();
            continue;
        }
        UINT command = info.wID;
        UINT tearOffId = 0;
        if (info.hSubMenu != nullptr) {
            command = GTSubMenuCommand;
            tearOffId = MenuTearOffIdTable::ExtractId(text);
        }
        if (filter && IsCommandRarelyUsed(command)) {
            if (IsCommandPermitted(command)) {
                m_AllShown = FALSE;
                if (const UINT key = AccessKeyOf(text))
                    m_HiddenAccessKeys[key] = command;
            }
            continue;
        }
        auto* item = new CGTToolbarMenuButton(command, info.hSubMenu, -1, text);
        item->SetTearOff(tearOffId);
        if ((state & (MF_GRAYED | MF_DISABLED)) && !IsUserToolCommand(command))
            item->m_Style |= TBBS_DISABLED;
        if (state & MF_CHECKED)
            item->m_Style |= TBBS_CHECKED;
        if (info.fType & MFT_MENUBREAK)
            item->m_Style |= GTMenuColumnBreak;
        if (InsertButton(item) < 0) {
            delete item;
            continue;
        }
        if (m_Palette) {
            item->m_ShowImage = item->GetImage() >= 0;
            item->m_Wrap = ++added % columnLength == 0;
        }
    }
    // Items left out after the last separator leave it standing at the end.
    const int last = GetButtonCount() - 1;
    if (last >= 0 && GetButton(last)->IsSeparator())
        RemoveButton(last);
    const UINT defaultCommand = ::GetMenuDefaultItem(iMenu, FALSE, 0);
    m_DefaultCommand = defaultCommand == static_cast<UINT>(-1) ? 0 : defaultCommand;
    return TRUE;
}

HMENU CGTPopupMenuBar::ExportToMenu() const
{
    return CGTToolbarMenuButton::ExportItemsToMenu(m_Buttons, m_DefaultCommand);
}

BOOL CGTPopupMenuBar::LoadFromResource(UINT iMenuId)
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr || !workspace->m_MenusCanBeCustomized)
        return FALSE;
    LPCWSTR name = MAKEINTRESOURCEW(iMenuId);
    HMENU menu = ::LoadMenuW(AfxFindResourceHandle(name, RT_MENU), name);
    if (menu == nullptr)
        return FALSE;
    HMENU items = ::GetSubMenu(menu, 0);
    if (items == nullptr) {
        ::DestroyMenu(menu);
        return FALSE;
    }
    CObList original;
    for (int position = 0; position < ::GetMenuItemCount(items); ++position) {
        wchar_t text[menuTextLimit + 1] = {};
        ::GetMenuStringW(items, position, text, menuTextLimit, MF_BYPOSITION);
        const UINT command = ::GetMenuItemID(items, position);
        CGTToolbarButton* item = nullptr;
        if (HMENU subMenu = ::GetSubMenu(items, position)) {
            item = new CGTToolbarMenuButton(GTSubMenuCommand, subMenu, -1, text);
        } else if (command == 0) {
            item = new CGTToolbarButton;
            item->m_Style = TBBS_SEPARATOR;
        } else {
            item = new CGTToolbarButton(command, -1, text);
        }
        original.AddTail(item);
    }
    ::DestroyMenu(menu);
    ReplaceOriginalState(original);
    return TRUE;
}

UINT CGTPopupMenuBar::FindHiddenAccessKey(UINT iKey) const
{
    UINT command = 0;
    return m_HiddenAccessKeys.Lookup(iKey, command) ? command : 0;
}

// --- Sizes and layout ---

int CGTPopupMenuBar::GetRowHeight() const
{
    return std::max(static_cast<int>(GetImageSize().cy) + 2, theGuiToolkitGlobals.textHeightRegular);
}

CSize CGTPopupMenuBar::GetImageSize() const
{
    if (m_ParentToolBar != nullptr && m_ParentToolBar->IsLocked())
        return m_ParentToolBar->GetImageSize();
    return GetMenuImageSize();
}

CSize CGTPopupMenuBar::MeasureItem(CDC& ioDc, CGTToolbarButton& ioItem, CSize iRowSize)
{
    if (ioItem.IsSeparator())
        return CSize(0, s_SeparatorHeight);
    CFont* previous = nullptr;
    if (ioItem.m_CommandId == m_DefaultCommand && m_DefaultCommand != 0)
        previous = ioDc.SelectObject(&theGuiToolkitGlobals.fontBold);
    CSize size = ioItem.CalcSize(&ioDc, iRowSize, TRUE);
    if (previous != nullptr)
        ioDc.SelectObject(previous);
    if (ioItem.m_Text.Find(L'\t') >= 0)
        size.cx += 10;
    if (m_MaxWidth > 0 && size.cx > m_MaxWidth - 2)
        size.cx = m_MaxWidth - 2;
    return size;
}

CSize CGTPopupMenuBar::GetStretchLimit(BOOL iStretch, BOOL iHorizontal)
{
    if (m_Palette)
        return CGTToolBar::GetStretchLimit(iStretch, iHorizontal);
    RebuildAccessKeys();
    m_ColumnWidths.RemoveAll();
    if (m_Buttons.IsEmpty())
        return CSize(emptyMenuWidth, emptyMenuHeight);
    MenuFontDC dc(this);
    const CSize image = GetImageSize();
    const CSize rowSize(image.cx + 2, GetRowHeight());
    const BOOL columns = !IsCustomizeMode();
    int columnWidth = 0;
    int columnHeight = 0;
    int tallest = 0;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* item = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (columns && (item->m_Style & GTMenuColumnBreak) && columnHeight > 0) {
            m_ColumnWidths.Add(columnWidth + 1);
            columnWidth = columnHeight = 0;
        }
        const CSize size = MeasureItem(dc, *item, rowSize);
        columnWidth = std::max(columnWidth, static_cast<int>(size.cx));
        columnHeight += size.cy;
        tallest = std::max(tallest, columnHeight);
    }
    int width = columnWidth + 2;
    if (!m_ColumnWidths.IsEmpty()) {
        m_ColumnWidths.Add(columnWidth + 1);
        width = 1;
        for (INT_PTR column = 0; column < m_ColumnWidths.GetSize(); ++column)
            width += m_ColumnWidths[column];
    }
    if (m_MaxWidth > 0)
        width = std::min(width, m_MaxWidth);
    return CSize(width, tallest + 2);
}

void CGTPopupMenuBar::RecalcButtonLayout()
{
    if (m_Palette) {
        CGTToolBar::RecalcButtonLayout();
        return;
    }
    if (GetSafeHwnd() == nullptr)
        return;
    if (m_SeparatorLeft < 0) {
        m_SeparatorLeft = GetMenuImageSize().cx / 2 + 3;
        m_SeparatorRight = CGTMenuGlyphs::GetSize().cx;
    }
    CRect client;
    GetClientRect(&client);
    MenuFontDC dc(this);
    const CSize rowSize(GetImageSize().cx + 2, GetRowHeight());
    const BOOL columns = !IsCustomizeMode() && !m_ColumnWidths.IsEmpty();
    const int top = client.top - GetRowHeight() * m_FirstVisibleRow + 1;
    int column = 0;
    int left = client.left;
    int width = columns ? static_cast<int>(m_ColumnWidths[0]) : client.Width();
    int y = top;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* item = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        if (columns && (item->m_Style & GTMenuColumnBreak) && y > top && column + 1 < m_ColumnWidths.GetSize()) {
            left += width + 1;
            width = static_cast<int>(m_ColumnWidths[++column]);
            y = top;
        }
        const int height = MeasureItem(dc, *item, rowSize).cy;
        if (item->IsSeparator())
            item->SetRect(CRect(left + m_SeparatorLeft, y, left + width - m_SeparatorRight, y + height));
        else
            item->SetRect(CRect(left, y, left + width, y + height));
        y += height;
    }
    UpdateTooltips();
}

void CGTPopupMenuBar::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr)
        return;
    if (CGTPopupMenu* popup = GetParentPopup())
        popup->RecalcLayout();
    RecalcButtonLayout();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// --- Painting ---

void CGTPopupMenuBar::DrawBackground(CDC* iDc)
{
    if (m_Palette) {
        CGTToolBar::DrawBackground(iDc);
        return;
    }
    CRect clip;
    iDc->GetClipBox(&clip);
    CGTMemDC memory(*iDc, this);
    DrawContent(&memory.GetDC(), clip);
}

void CGTPopupMenuBar::DrawContent(CDC* iDc, const CRect& iClip)
{
    CRect client;
    GetClientRect(&client);
    CGTVisualManager::GetCurrent()->DrawBarBackground(iDc, this, client, iClip);
    DrawRarelyUsedRuns(iDc);
    CFont* previous = iDc->SelectObject(&theGuiToolkitGlobals.fontRegular);
    iDc->SetBkMode(TRANSPARENT);
    for (int index = 0; index < GetButtonCount(); ++index) {
        CGTToolbarButton* item = GetButton(index);
        if (item->IsSeparator()) {
            // The look's flag names the bar's direction: a menu stands upright, so its separators
            // lie across it.
            if (CRect().IntersectRect(item->Rect(), iClip))
                DrawSeparator(iDc, item->Rect(), FALSE);
            continue;
        }
        if (CRect().IntersectRect(item->Rect(), iClip))
            DrawButtonItem(iDc, item, nullptr, IsButtonHot(index), TRUE);
    }
    iDc->SelectObject(previous);
}

void CGTPopupMenuBar::DrawRarelyUsedRuns(CDC* iDc)
{
    const CGTPopupMenu* popup = GetParentPopup();
    if (IsCustomizeMode() || !GTMenuOptions::s_RecentlyUsed || popup == nullptr || popup->m_ParentButton == nullptr)
        return;
    CRect run;
    const auto flush = [&]() {
        if (!run.IsRectEmpty())
            CGTVisualManager::GetCurrent()->DrawRarelyUsedMenuArea(iDc, run);
        run.SetRectEmpty();
    };
    for (int index = 0; index < GetButtonCount(); ++index) {
        const CGTToolbarButton* item = GetButton(index);
        if (!item->IsSeparator() && IsCommandRarelyUsed(item->m_CommandId))
            run.UnionRect(run, item->Rect());
        else
            flush();
    }
    flush();
}

void CGTPopupMenuBar::SetButtonStyle(int iIndex, UINT iStyle)
{
    CGTToolbarButton* item = GetButton(iIndex);
    if (item == nullptr || item->m_Style == iStyle)
        return;
    const UINT changed = item->m_Style ^ iStyle;
    item->SetStyle(iStyle);
    if (GetSafeHwnd() == nullptr || changed == TBBS_DISABLED)
        return;
    CRect rect = item->GetRect();
    if ((changed & TBBS_CHECKED) && dynamic_cast<CGTToolbarMenuButton*>(item) != nullptr)
        rect.InflateRect(2 * ::GetSystemMetrics(SM_CXBORDER), 2 * ::GetSystemMetrics(SM_CYBORDER));
    InvalidateRect(&rect);
}

// --- Command targets, updates and tooltips ---

CWnd* CGTPopupMenuBar::GetCommandTarget() const
{
    if (m_TrackMode)
        return nullptr;
    CGTPopupMenu* popup = GetParentPopup();
    if (popup != nullptr && popup->m_MessageTarget != nullptr)
        return popup;
    return CGTToolBar::GetCommandTarget();
}

LRESULT CGTPopupMenuBar::OnIdleUpdate(WPARAM, LPARAM)
{
    if (m_TrackMode || !IsWindowVisible())
        return 0;
    CFrameWnd* frame = DYNAMIC_DOWNCAST(CFrameWnd, GetCommandTarget());
    if (frame == nullptr)
        frame = GetParentFrame();
    if (frame != nullptr)
        OnUpdateCmdUI(frame, frame->m_bAutoMenuEnable);
    return 0;
}

INT_PTR CGTPopupMenuBar::OnToolHitTest(CPoint iPoint, TOOLINFO* oInfo) const
{
    if (m_Palette)
        return CGTToolBar::OnToolHitTest(iPoint, oInfo);
    CGTToolbarButton* item = GetButton(HitTest(iPoint));
    if (item == nullptr)
        return -1;
    if (oInfo == nullptr)
        return static_cast<INT_PTR>(item->m_CommandId);
    oInfo->uId = item->m_CommandId;
    oInfo->hwnd = m_hWnd;
    oInfo->rect = item->Rect();
    if (!item->GetTooltipText(const_cast<CGTPopupMenuBar*>(this), oInfo))
        return -1;
    return static_cast<INT_PTR>(oInfo->uId);
}
