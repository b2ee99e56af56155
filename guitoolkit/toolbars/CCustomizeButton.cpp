#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/core/CGTMenuGlyphs.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockBarRow.h>
#include <guitoolkit/toolbars/CGTPopupMenu.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>

IMPLEMENT_SERIAL(CCustomizeButton, CGTToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace {
const UINT rightToLeftLayout = 0x00400000;
// The command of the placeholder item that the frame fills with a bar's buttons.
const UINT barButtonsPlaceholder = 1;

// The sub-menu of one bar: the placeholder the frame fills with its buttons.
HMENU BarButtonsMenu(const CGTToolBar& iBar)
{
    HMENU menu = ::CreatePopupMenu();
    CString id;
    id.Format(L"%d", iBar.GetDlgCtrlID());
    ::AppendMenuW(menu, MF_STRING, barButtonsPlaceholder, id);
    return menu;
}

// The bars "Add or Remove Buttons" offers: the visible toolbars with a customize button in
// the bar's dock row, or the bar alone when it is not docked in a row.
std::vector<CGTToolBar*> RowToolbars(CGTToolBar& iBar)
{
    const CGTDockBarRow* row = iBar.GetDockRow();
    if (row == nullptr)
        return {&iBar};
    std::vector<CGTToolBar*> bars;
    for (POSITION at = row->GetBars().GetHeadPosition(); at != nullptr;) {
        auto* bar = DYNAMIC_DOWNCAST(CGTToolBar, row->GetBars().GetNext(at));
        if (bar != nullptr && bar->IsVisible() && bar->GetCustomizeButton() != nullptr)
            bars.push_back(bar);
    }
    return bars;
}

CString BarName(const CGTToolBar& iBar)
{
    CString name;
    iBar.GetWindowText(name);
    name.Trim();
    if (name.IsEmpty())
        name.LoadString(IDS_GT_UNTITLED);
    return name;
}
}  // namespace

CCustomizeButton::CCustomizeButton() : m_RightAlignedMenu(TRUE), m_Toolbar(nullptr), m_StretchedSize(0, 0)
{
    m_MenuOnly = TRUE;
}

CCustomizeButton::CCustomizeButton(UINT iCustomizeCommandId, LPCWSTR iCustomizeText) : CCustomizeButton()
{
    m_CommandId = iCustomizeCommandId;
    m_Text = iCustomizeText != nullptr ? iCustomizeText : L"";
}

void CCustomizeButton::CopyFrom(const CGTToolbarButton& iSource)
{
    CGTToolbarMenuButton::CopyFrom(iSource);
    if (const auto* source = dynamic_cast<const CCustomizeButton*>(&iSource))
        m_RightAlignedMenu = source->m_RightAlignedMenu;
}

void CCustomizeButton::OnChangeParent(CWnd* iOwner)
{
    CGTToolbarButton::OnChangeParent(iOwner);
    m_Toolbar = DYNAMIC_DOWNCAST(CGTToolBar, iOwner);
    m_ShowText = FALSE;
}

std::vector<CGTToolbarButton*> CCustomizeButton::HiddenItems() const
{
    std::vector<CGTToolbarButton*> items;
    if (m_Toolbar == nullptr)
        return items;
    const CObList& hidden = m_Toolbar->GetOverflowButtons();
    for (POSITION position = hidden.GetHeadPosition(); position != nullptr;)
        items.push_back(static_cast<CGTToolbarButton*>(hidden.GetNext(position)));
    // No separator at either end of the menu.
    if (!items.empty() && items.back()->IsSeparator())
        items.pop_back();
    if (!items.empty() && items.front()->IsSeparator())
        items.erase(items.begin());
    return items;
}

BOOL CCustomizeButton::ShowsHiddenButtonsMark() const
{
    return m_Toolbar != nullptr && !m_Toolbar->GetOverflowButtons().IsEmpty();
}

BOOL CCustomizeButton::IsHot() const
{
    return m_Toolbar != nullptr && m_Toolbar->GetHotButton() == this;
}

BOOL CCustomizeButton::IsPushed() const
{
    return IsDroppedDown() || (m_Style & (TBBS_PRESSED | TBBS_CHECKED)) != 0;
}

// --- Size and drawing ---

CSize CCustomizeButton::CalcSize(CDC*, const CSize& iDefaultSize, BOOL iHorizontal)
{
    m_Horizontal = iHorizontal;
    if (m_Text.IsEmpty())
        m_Text.LoadString(IDS_GT_TOOLBAR_OPTIONS);
    const int margin = CGTVisualManager::GetCurrent()->GetMenuImageMargin();
    const CSize glyph = CGTMenuGlyphs::GetSize();
    return iHorizontal ? CSize(glyph.cx + 2 * margin, iDefaultSize.cy) : CSize(iDefaultSize.cx, glyph.cy + 2 * margin);
}

void CCustomizeButton::OnDraw(CDC* iDc, const CRect& iRect, CGTToolBarImages*, BOOL iHorizontal, BOOL iCustomizeMode,
                              BOOL iHighlight, BOOL, BOOL)
{
    if (m_MenuMode)
        return;
    m_Horizontal = iHorizontal;
    CGTVisualManager* look = CGTVisualManager::GetCurrent();
    const BOOL open = IsDroppedDown();
    DrawFrame(iDc, iRect, iHighlight || open);
    const int margin = look->GetMenuImageMargin();
    const CSize glyph = CGTMenuGlyphs::GetSize();
    const CSize offset = IsPushed() && !look->FlatOpenMenuButtons ? CSize(1, 1) : CSize(0, 0);
    const auto draw = [&](int iGlyph, CRect iStrip) {
        iStrip.OffsetRect(offset);
        CGTMenuGlyphs::DrawCentered(iDc, iGlyph, iStrip);
    };
    if (ShowsCustomizeMark()) {
        if (iHorizontal)
            draw(CGTMenuGlyphs::CustomizeHorizontal,
                 CRect(iRect.left, iRect.bottom - glyph.cy - 2 * margin, iRect.right, iRect.bottom));
        else
            draw(CGTMenuGlyphs::CustomizeVertical,
                 CRect(iRect.left, iRect.top, iRect.left + glyph.cx + 2 * margin, iRect.bottom));
    }
    if (ShowsHiddenButtonsMark()) {
        if (iHorizontal)
            draw(CGTMenuGlyphs::ChevronHorizontal,
                 CRect(iRect.left, iRect.top, iRect.right, iRect.top + glyph.cy + 2 * margin));
        else
            draw(CGTMenuGlyphs::ChevronVertical,
                 CRect(iRect.right - glyph.cx - 2 * margin, iRect.top, iRect.right, iRect.bottom));
    }
    if (iCustomizeMode)
        return;
    if (IsPushed())
        look->DrawButtonBorder(iDc, this, iRect, 1);
    else if (iHighlight && !(m_Style & (TBBS_CHECKED | TBBS_DISABLED | TBBS_INDETERMINATE)))
        look->DrawButtonBorder(iDc, this, iRect, 2);
}

// --- The popup ---

CGTPopupMenu* CCustomizeButton::CreatePopupMenu()
{
    if (CGTToolBar::IsCustomizeMode() || CGTToolBar::IsAltDragging())
        return nullptr;
    CGTPopupMenu* popup = CGTToolbarMenuButton::CreatePopupMenu();
    if (popup == nullptr)
        return nullptr;
    popup->m_RightAlign =
        m_RightAlignedMenu && (m_Toolbar == nullptr || !(m_Toolbar->GetExStyle() & rightToLeftLayout));
    AddHiddenButtons(*popup);
    AddCustomizeItems(*popup);
    popup->ResetDisplayOptions();
    if (m_Toolbar != nullptr)
        popup->m_MessageTarget = m_Toolbar->GetOwner() != nullptr ? m_Toolbar->GetOwner() : m_Toolbar->GetParent();
    return popup;
}

void CCustomizeButton::AddHiddenButtons(CGTPopupMenu& ioPopup) const
{
    const BOOL images = m_Toolbar != nullptr && !m_Toolbar->IsLocked();
    for (CGTToolbarButton* button : HiddenItems()) {
        if (button->IsKindOf(RUNTIME_CLASS(CGTToolbarMenuButton))) {
            ioPopup.InsertItem(*button);
        } else if (button->m_CommandId == 0) {
            ioPopup.InsertSeparator();
        } else {
            // The button says what stands for it in a menu (its command's text, or a sub-menu);
            // one that cannot say still takes its place, so that items and buttons keep in step.
            CGTToolbarMenuButton item(button->m_CommandId, nullptr, images ? button->GetImage() : -1, button->m_Text,
                                      button->m_UserImage);
            button->ExportTo(item);
            item.m_ShowText = TRUE;
            ioPopup.InsertItem(item);
        }
    }
}

void CCustomizeButton::AddCustomizeItems(CGTPopupMenu& ioPopup) const
{
    if (!ShowsCustomizeMark() || m_Toolbar == nullptr)
        return;
    if (ioPopup.GetMenuItemCount() > 0)
        ioPopup.InsertSeparator();
    if (!m_Toolbar->IsQuickCustomize()) {
        CGTToolbarMenuButton item(m_CommandId, nullptr, -1, m_Text);
        ioPopup.InsertItem(item);
        return;
    }
    InsertAddRemoveButtons(ioPopup, RowToolbars(*m_Toolbar));
}

void CCustomizeButton::InsertAddRemoveButtons(CGTPopupMenu& ioPopup, const std::vector<CGTToolBar*>& iBars) const
{
    HMENU bars = ::CreatePopupMenu();
    for (CGTToolBar* bar : iBars)
        ::AppendMenuW(bars, MF_POPUP, reinterpret_cast<UINT_PTR>(BarButtonsMenu(*bar)), BarName(*bar));
    ::AppendMenuW(bars, MF_STRING, m_CommandId, m_Text);
    CString label;
    label.LoadString(IDS_GT_ADD_REMOVE_BUTTONS);
    CGTToolbarMenuButton item(GTSubMenuCommand, bars, -1, label);
    ::DestroyMenu(bars);
    ioPopup.InsertItem(item);
}

BOOL CCustomizeButton::OnClickHiddenButton(CGTPopupMenuBar* iBar, CGTToolbarButton* iItem)
{
    const std::vector<CGTToolbarButton*> hidden = HiddenItems();
    const int index = iBar != nullptr ? iBar->ButtonToIndex(iItem) : -1;
    if (index < 0 || index >= static_cast<int>(hidden.size()))
        return FALSE;
    CGTToolbarButton* button = hidden[static_cast<size_t>(index)];
    const UINT command = button->m_CommandId;
    if (m_Toolbar->TakesButtonCommand(button) || command == 0 || command == GTSubMenuCommand)
        return TRUE;
    CGTToolBar::AddCommandUsage(command);
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (!button->OnClick(m_Toolbar, FALSE) && (tools == nullptr || !tools->InvokeToolByCommand(command))) {
        CWnd* owner = m_Toolbar->GetOwner() != nullptr ? m_Toolbar->GetOwner() : m_Toolbar->GetParent();
        if (owner != nullptr)
            owner->PostMessage(WM_COMMAND, command);
    }
    return TRUE;
}
