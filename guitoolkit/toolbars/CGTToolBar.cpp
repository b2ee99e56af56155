#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitHooks.h>
#include <guitoolkit/toolbars/CCmdUsageCount.h>
#include <guitoolkit/toolbars/CCustomizeButton.h>
#include <guitoolkit/toolbars/GTCommandText.h>
#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CGTToolBar, CGTBaseToolBar, VERSIONABLE_SCHEMA | 1)

CObList CGTToolBar::s_AllToolbars;
BOOL CGTToolBar::s_CustomizeMode = FALSE;
BOOL CGTToolBar::s_LargeIcons = FALSE;
CGTToolBarImages* CGTToolBar::s_UserImages = nullptr;
CSize CGTToolBar::s_ButtonSize(23, 22);
CSize CGTToolBar::s_ImageSize(16, 15);
CSize CGTToolBar::s_CurrentButtonSize(23, 22);
CSize CGTToolBar::s_CurrentImageSize(16, 15);
CSize CGTToolBar::s_MenuImageSize(-1, -1);
CSize CGTToolBar::s_MenuButtonSize(-1, -1);
double CGTToolBar::s_LargeScale = 2.0;
BOOL CGTToolBar::s_ShowTooltips = TRUE;
BOOL CGTToolBar::s_ShowShortcutKeys = TRUE;
COLORREF CGTToolBar::s_CustomTextColor = static_cast<COLORREF>(-1);
CGTToolBar* CGTToolBar::s_CustomizeSelectionBar = nullptr;
CRuntimeClass* CGTToolBar::s_CustomizeButtonClass = RUNTIME_CLASS(CCustomizeButton);
HCURSOR CGTToolBar::s_DragCursors[2] = {};
HHOOK CGTToolBar::s_MouseHook = nullptr;
CGTToolBar* CGTToolBar::s_MouseHookBar = nullptr;
CString CGTToolBar::s_TooltipText;

namespace {
// The images of each command as the toolbars loaded them from their resources.
CMap<UINT, UINT, int, int>& DefaultImages()
{
    static CMap<UINT, UINT, int, int> images;
    return images;
}

std::unique_ptr<CCmdUsageCount>& UsageCounter()
{
    static std::unique_ptr<CCmdUsageCount> counter;
    return counter;
}

CSize Scaled(CSize size, double scale)
{
    return CSize(static_cast<int>(size.cx * scale + 0.5), static_cast<int>(size.cy * scale + 0.5));
}

BOOL InstallHooks()
{
    SetGuiToolkitHook(GTModuleHook::FontsChanged, &CGTToolBar::NotifyAllFontsChanged);
    SetGuiToolkitHook(GTModuleHook::ToolBarCleanUp, &CGTToolBar::CleanUpGlobals);
    GTLookClientHooks& hooks = CGTVisualManager::ClientHooks();
    hooks.redrawAllToolbars = &CGTToolBar::RedrawAll;
    hooks.reapplyToolbarLook = &CGTToolBar::ReapplyLook;
    hooks.menuImageSize = &CGTToolBar::GetMenuImageSize;
    CGTKeyboardManager::SetExcludedCommandQuery(
        [](UINT iCommand) -> BOOL { return !CGTToolBar::IsCommandPermitted(iCommand); });
    return TRUE;
}

// The core and the looks reach the toolbars through their hooks from the start.
const BOOL hooksInstalled = InstallHooks();

BOOL IsLargeKind(GTToolBarImageKind kind)
{
    return kind == GTToolBarImageKind::LargeImages || kind == GTToolBarImageKind::LargeColdImages ||
        kind == GTToolBarImageKind::LargeDisabledImages;
}
}  // namespace

CGTToolBar::CGTToolBar()
    : m_Locked(FALSE), m_LargeIconsAllowed(TRUE), m_LockedButtonSize(23, 22), m_LockedImageSize(16, 15),
      m_LockedCurrentButtonSize(23, 22), m_LockedCurrentImageSize(16, 15), m_PressedIndex(-1), m_HotIndex(-1),
      m_SelectedIndex(-1), m_ResourceId(0), m_Floating(FALSE), m_NoDropTarget(FALSE), m_InsertionIndex(-1),
      m_FirstImage(-1), m_MenuMode(FALSE), m_SavedFocus(nullptr), m_UpdateDialogControls(TRUE), m_DrawBorder(TRUE),
      m_GrayDisabled(TRUE), m_NoTextUpdate(FALSE), m_CustomizeButton(nullptr), m_SiblingToolBar(nullptr),
      m_QuickCustomize(FALSE), m_TextLabels(FALSE), m_MruWidth(32767), m_LabelsTaller(FALSE), m_LabelHeight(0),
      m_MenuSelection(-1), m_LastPoint(-1, -1), m_Tracking(FALSE), m_SavedCapture(nullptr), m_ResizedButton(nullptr),
      m_RememberFocus(TRUE), m_DraggedButton(nullptr), m_CopyDrag(FALSE), m_DragStart(-1, -1), m_LastSize(0, 0),
      m_ResourceChanged(FALSE)
{
    (void)hooksInstalled;
}

CGTToolBar::~CGTToolBar()
{
    // A bar whose window outlives it is no longer one of the process's toolbars.
    if (POSITION position = s_AllToolbars.Find(this))
        s_AllToolbars.RemoveAt(position);
    SetSiblingToolBar(nullptr);
    RemoveAllButtons();
    DeleteButtons(m_OriginalButtons);
    DeleteButtons(m_ResetState);
}

void CGTToolBar::DeleteButtons(CObList& ioList)
{
    while (!ioList.IsEmpty())
        delete ioList.RemoveHead();
}

BOOL CGTToolBar::IsLive() const
{
    return m_hWnd != nullptr && ::IsWindow(m_hWnd) && CWnd::FromHandlePermanent(m_hWnd) == this;
}

// --- Lookup and list operations ---

CGTToolbarButton* CGTToolBar::GetButton(int iIndex) const
{
    if (iIndex < 0 || iIndex >= GetButtonCount())
        return nullptr;
    return static_cast<CGTToolbarButton*>(m_Buttons.GetAt(m_Buttons.FindIndex(iIndex)));
}

int CGTToolBar::CommandToIndex(UINT iCommandId, int iStart) const
{
    for (int index = std::max(iStart, 0); index < GetButtonCount(); ++index) {
        if (GetButton(index)->m_CommandId == iCommandId)
            return index;
    }
    return -1;
}

int CGTToolBar::ButtonToIndex(const CGTToolbarButton* iButton) const
{
    int index = 0;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr; ++index) {
        if (m_Buttons.GetNext(position) == iButton)
            return index;
    }
    return -1;
}

int CGTToolBar::HitTest(CPoint iPoint) const
{
    for (int index = 0; index < GetButtonCount(); ++index) {
        const CGTToolbarButton* button = GetButton(index);
        if (button->Rect().PtInRect(iPoint) && !button->IsHiddenByLayout())
            return button->IsSeparator() ? -1 : index;
    }
    return -1;
}

CGTToolbarButton* CGTToolBar::InvalidateButton(int iIndex)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || GetSafeHwnd() == nullptr)
        return button;
    CRect rect = button->GetRect();
    if (button == m_CustomizeButton) {
        rect.right += 10;
        rect.bottom += 10;
        if (button->IsExtraSize()) {
            const CSize extra = CGTVisualManager::GetCurrent()->GetButtonExtraSize();
            rect.InflateRect(extra.cx, extra.cy);
            RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
            return button;
        }
    }
    InvalidateRect(&rect, TRUE);
    return button;
}

int CGTToolBar::InsertButtonCopy(const CGTToolbarButton& iButton, int iIndex)
{
    auto* copy = static_cast<CGTToolbarButton*>(iButton.GetRuntimeClass()->CreateObject());
    if (copy == nullptr)
        return -1;
    copy->CopyFrom(iButton);
    const int index = InsertButton(copy, iIndex);
    if (index < 0)
        delete copy;
    return index;
}

int CGTToolBar::InsertSeparator(int iIndex)
{
    if (GetButtonCount() == 0 || iIndex == 0)
        return -1;
    return InsertNewSeparator(iIndex);
}

void CGTToolBar::RemoveAllButtons()
{
    m_PressedIndex = m_HotIndex = m_SelectedIndex = -1;
    while (!m_Buttons.IsEmpty()) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.RemoveHead());
        button->OnCancelMode();
        delete button;
    }
    m_CustomizeButton = nullptr;
}

int CGTToolBar::GetCommandButtons(UINT iCommandId, CObList& oButtons)
{
    oButtons.RemoveAll();
    if (iCommandId == 0)
        return 0;
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (!bar->IsLive())
            continue;
        for (POSITION item = bar->m_Buttons.GetHeadPosition(); item != nullptr;) {
            auto* button = static_cast<CGTToolbarButton*>(bar->m_Buttons.GetNext(item));
            if (button->m_CommandId == iCommandId)
                oButtons.AddTail(button);
        }
    }
    return static_cast<int>(oButtons.GetCount());
}

void CGTToolBar::ReplaceOriginalState(CObList& ioButtons)
{
    DeleteButtons(m_OriginalButtons);
    m_OriginalButtons.AddTail(&ioButtons);
    ioButtons.RemoveAll();
}

int CGTToolBar::InsertResetStateButton(const CGTToolbarButton& iButton, int iIndex)
{
    const int count = static_cast<int>(m_ResetState.GetCount());
    if (iIndex < -1 || iIndex > count)
        return -1;
    auto* copy = static_cast<CGTToolbarButton*>(iButton.GetRuntimeClass()->CreateObject());
    if (copy == nullptr)
        return -1;
    copy->CopyFrom(iButton);
    if (iIndex == -1 || iIndex == count) {
        m_ResetState.AddTail(copy);
        return count;
    }
    m_ResetState.InsertBefore(m_ResetState.FindIndex(iIndex), copy);
    return iIndex;
}

BOOL CGTToolBar::RemoveResetStateButton(UINT iCommandId)
{
    for (POSITION position = m_ResetState.GetHeadPosition(); position != nullptr;) {
        const POSITION current = position;
        auto* button = static_cast<CGTToolbarButton*>(m_ResetState.GetNext(position));
        if (button->m_CommandId == iCommandId) {
            m_ResetState.RemoveAt(current);
            delete button;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CGTToolBar::IsButtonHot(int iIndex) const
{
    if (s_CustomizeMode && !m_Locked)
        return FALSE;
    if (m_MenuMode)
        return iIndex == m_HotIndex;
    return iIndex == m_PressedIndex || (iIndex == m_HotIndex && m_PressedIndex == -1);
}

void CGTToolBar::RestoreFocus()
{
    if (m_SavedFocus != nullptr && ::IsWindow(m_SavedFocus))
        ::SetFocus(m_SavedFocus);
    m_SavedFocus = nullptr;
}

BOOL CGTToolBar::LoadButtonText(CGTToolbarButton& ioButton)
{
    const CString text = GetCommandText(ioButton.m_CommandId);
    if (text.IsEmpty())
        return FALSE;
    ioButton.m_Text = text;
    return TRUE;
}

void CGTToolBar::ResetImagesToDefault()
{
    if (m_Locked)
        return;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
        static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position))->ResetImageToDefault();
    if (GetSafeHwnd() != nullptr && IsWindowVisible())
        AdjustLayout();
}

BOOL CGTToolBar::SetCustomizeButton(BOOL iEnable, UINT iCommandId, LPCWSTR iLabel, BOOL iQuickCustomize)
{
    m_QuickCustomize = iQuickCustomize;
    if (!iEnable) {
        if (m_CustomizeButton != nullptr) {
            delete m_Buttons.RemoveTail();
            m_CustomizeButton = nullptr;
        }
    } else if (m_CustomizeButton != nullptr) {
        m_CustomizeButton->m_CommandId = iCommandId;
        m_CustomizeButton->m_Text = iLabel != nullptr ? iLabel : L"";
    } else {
        CObject* made = s_CustomizeButtonClass != nullptr ? s_CustomizeButtonClass->CreateObject() : nullptr;
        std::unique_ptr<CGTToolbarButton> button(DYNAMIC_DOWNCAST(CGTToolbarButton, made));
        if (button == nullptr) {
            delete made;
            return FALSE;
        }
        button->m_CommandId = iCommandId;
        button->m_Text = iLabel != nullptr ? iLabel : L"";
        const int index = InsertButtonCopy(*button);
        if (index < 0)
            return FALSE;
        m_CustomizeButton = GetButton(index);
    }
    AdjustLayout();
    return TRUE;
}

void CGTToolBar::ResetAllImages()
{
    theGuiToolkitGlobals.UpdateSysColors();
    CGTVisualManager::GetCurrent()->ResetAfterLookChange();
    for (int kind = 0; kind < static_cast<int>(GTToolBarImageKind::Count); ++kind)
        GetImages(static_cast<GTToolBarImageKind>(kind)).Reload();
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        for (CGTToolBarImages& images : bar->m_OwnImages)
            images.Reload();
    }
    if (s_UserImages != nullptr)
        s_UserImages->Reload();
    RedrawAll(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// --- Sizes and images ---

CSize CGTToolBar::GetButtonSize() const
{
    CSize size = m_Locked ? (m_LargeIconsAllowed ? m_LockedCurrentButtonSize : m_LockedButtonSize)
                          : (m_LargeIconsAllowed ? s_CurrentButtonSize : s_ButtonSize);
    if (IsButtonExtraSizeAvailable())
        size += CGTVisualManager::GetCurrent()->GetButtonExtraSize();
    return size;
}

BOOL CGTToolBar::IsRounded() const
{
    return !UsesDialogColors() && (GetBarStyle() & CBRS_FLOATING) == 0 && GetParentMiniFrame() == nullptr;
}

IGTLookCustomizeButton* CGTToolBar::GetLookCustomizeButton() const
{
    return m_CustomizeButton != nullptr ? m_CustomizeButton->AsCustomizeButton() : nullptr;
}

CSize CGTToolBar::GetImageSize() const
{
    if (m_Locked)
        return m_LargeIconsAllowed ? m_LockedCurrentImageSize : m_LockedImageSize;
    return m_LargeIconsAllowed ? s_CurrentImageSize : s_ImageSize;
}

CSize CGTToolBar::GetMenuImageSize()
{
    return s_MenuImageSize.cx == -1 ? s_ImageSize : s_MenuImageSize;
}

CSize CGTToolBar::GetMenuButtonSize()
{
    return s_MenuButtonSize.cx == -1 ? s_ButtonSize : s_MenuButtonSize;
}

void CGTToolBar::SetSizes(CSize iButton, CSize iImage)
{
    s_ButtonSize = s_CurrentButtonSize = iButton;
    s_ImageSize = s_CurrentImageSize = iImage;
    const CSize largeImage = Scaled(iImage, s_LargeScale);
    for (int kind = 0; kind < static_cast<int>(GTToolBarImageKind::MenuImages); ++kind)
        GetImages(static_cast<GTToolBarImageKind>(kind)).sizeImage =
            IsLargeKind(static_cast<GTToolBarImageKind>(kind)) ? largeImage : iImage;
    if (s_UserImages != nullptr)
        s_UserImages->sizeImage = iImage;
    if (s_LargeIcons) {
        s_CurrentButtonSize = Scaled(iButton, s_LargeScale);
        s_CurrentImageSize = largeImage;
    }
}

void CGTToolBar::ApplyLargeIcons(BOOL iOn)
{
    s_LargeIcons = iOn ? TRUE : FALSE;
    s_CurrentButtonSize = s_LargeIcons ? Scaled(s_ButtonSize, s_LargeScale) : s_ButtonSize;
    s_CurrentImageSize = s_LargeIcons ? Scaled(s_ImageSize, s_LargeScale) : s_ImageSize;
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (!bar->IsLive())
            continue;
        if (bar->m_Locked) {
            const CSize button = s_LargeIcons ? Scaled(bar->m_LockedButtonSize, s_LargeScale) : bar->m_LockedButtonSize;
            const CSize image = s_LargeIcons ? Scaled(bar->m_LockedImageSize, s_LargeScale) : bar->m_LockedImageSize;
            if (button == bar->m_LockedCurrentButtonSize && image == bar->m_LockedCurrentImageSize)
                continue;
            bar->m_LockedCurrentButtonSize = button;
            bar->m_LockedCurrentImageSize = image;
        }
        bar->AdjustLayout();
    }
}

void CGTToolBar::SetLockedSizes(CSize iButton, CSize iImage)
{
    m_LockedButtonSize = m_LockedCurrentButtonSize = iButton;
    m_LockedImageSize = m_LockedCurrentImageSize = iImage;
    const CSize largeImage = Scaled(iImage, s_LargeScale);
    for (int kind = 0; kind < static_cast<int>(GTToolBarImageKind::Count); ++kind)
        m_OwnImages[kind].sizeImage = IsLargeKind(static_cast<GTToolBarImageKind>(kind)) ? largeImage : iImage;
    if (s_LargeIcons) {
        m_LockedCurrentButtonSize = Scaled(iButton, s_LargeScale);
        m_LockedCurrentImageSize = largeImage;
    }
}

CGTToolBarImages& CGTToolBar::GetImages(GTToolBarImageKind iKind)
{
    static CGTToolBarImages images[static_cast<int>(GTToolBarImageKind::Count)];
    return images[static_cast<int>(iKind)];
}

CGTToolBarImages& CGTToolBar::ImagesOf(GTToolBarImageKind iKind)
{
    return m_Locked ? m_OwnImages[static_cast<int>(iKind)] : GetImages(iKind);
}

CGTToolBarImages* CGTToolBar::GetLockedMenuImages()
{
    if (!m_Locked)
        return nullptr;
    for (GTToolBarImageKind kind : {GTToolBarImageKind::MenuImages, GTToolBarImageKind::Images}) {
        if (m_OwnImages[static_cast<int>(kind)].count > 0)
            return &m_OwnImages[static_cast<int>(kind)];
    }
    return nullptr;
}

void CGTToolBar::SetUserImages(CGTToolBarImages* iImages)
{
    s_UserImages = iImages;
}

CGTToolBarImages* CGTToolBar::CommandListImages(BOOL iUserImage)
{
    if (iUserImage)
        return s_UserImages;
    CGTToolBarImages& menu = GetImages(GTToolBarImageKind::MenuImages);
    CGTToolBarImages& images = GetImages(GTToolBarImageKind::Images);
    return menu.count == images.count ? &menu : &images;
}

BOOL CGTToolBar::GetDefaultImage(UINT iCommandId, int& oImage)
{
    return DefaultImages().Lookup(iCommandId, oImage);
}

void CGTToolBar::SetDefaultImage(UINT iCommandId, int iImage)
{
    DefaultImages()[iCommandId] = iImage;
}

void CGTToolBar::RestoreDefaultImages()
{
    CMap<UINT, UINT, int, int>& images = DefaultImages();
    for (POSITION position = images.GetStartPosition(); position != nullptr;) {
        UINT command = 0;
        int image = -1;
        images.GetNextAssoc(position, command, image);
        GetCommandManager().SetCommandImage(command, image, FALSE);
    }
}

COLORREF CGTToolBar::GetTextColor()
{
    return s_CustomTextColor == static_cast<COLORREF>(-1) ? theGuiToolkitGlobals.colorBarText : s_CustomTextColor;
}

void CGTToolBar::NotifyButtonsFontChanged()
{
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
        static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position))->OnGlobalFontsChanged();
}

// --- Class-wide ---

const CObList& CGTToolBar::GetAllToolbars()
{
    return s_AllToolbars;
}

BOOL CGTToolBar::IsSystemCommand(UINT iCommandId)
{
    // Recent files, the system menu, the MDI window list, and the framework's own range (a
    // signed comparison: ids with the top bit set are ordinary commands).
    return (iCommandId >= 0xE110 && iCommandId <= 0xE11F) || IsSystemMenuCommand(iCommandId) ||
        (iCommandId >= 0xE210 && iCommandId <= 0xE21F) || static_cast<int>(iCommandId) >= 0xFF00;
}

CCmdUsageCount& CGTToolBar::GetCommandUsage()
{
    if (UsageCounter() == nullptr)
        UsageCounter() = std::make_unique<CCmdUsageCount>();
    return *UsageCounter();
}

void CGTToolBar::AddCommandUsage(UINT iCommandId)
{
    GetCommandUsage().AddCommand(iCommandId);
}

BOOL CGTToolBar::SetCustomizeMode(BOOL iCustomize)
{
    iCustomize = iCustomize ? TRUE : FALSE;
    if (iCustomize == s_CustomizeMode)
        return FALSE;
    // A bar may create or destroy bars while it switches: then every bar is told again.
    for (BOOL changed = TRUE; changed;) {
        CObList before;
        before.AddTail(&s_AllToolbars);
        for (POSITION position = before.GetHeadPosition(); position != nullptr;) {
            auto* bar = static_cast<CGTToolBar*>(before.GetNext(position));
            if (s_AllToolbars.Find(bar) != nullptr && bar->IsLive())
                bar->OnCustomizeMode(iCustomize);
        }
        changed = before.GetCount() != s_AllToolbars.GetCount();
        for (POSITION position = before.GetHeadPosition(); !changed && position != nullptr;)
            changed = s_AllToolbars.Find(before.GetNext(position)) == nullptr;
    }
    s_CustomizeMode = iCustomize;
    CGTToolBar* firstVisible = nullptr;
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (!bar->IsLive())
            continue;
        if (!bar->m_Locked)
            bar->AdjustLayout();
        if (firstVisible == nullptr && bar->IsWindowVisible())
            firstVisible = bar;
    }
    if (firstVisible != nullptr) {
        if (CFrameWnd* frame = firstVisible->GetParentFrame())
            frame->RecalcLayout();
    }
    RedrawAll(RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    if (!iCustomize)
        s_CustomizeSelectionBar = nullptr;
    return TRUE;
}

void CGTToolBar::OnCustomizeMode(BOOL iCustomize)
{
    m_PressedIndex = m_HotIndex = m_SelectedIndex = -1;
    for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
        button->OnCancelMode();
        if (!(button->m_Style & TBBS_DISABLED))
            button->EnableControl(!iCustomize);
    }
}

void CGTToolBar::RedrawAll(UINT iFlags)
{
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (bar->IsLive() && bar->IsWindowVisible())
            bar->RedrawWindow(nullptr, nullptr, iFlags);
    }
}

void CGTToolBar::ReapplyLook()
{
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (bar->IsLive())
            bar->AdjustLayout();
    }
}

void CGTToolBar::NotifyAllFontsChanged()
{
    for (POSITION position = s_AllToolbars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(s_AllToolbars.GetNext(position));
        if (bar->IsLive())
            bar->NotifyButtonsFontChanged();
    }
}

void CGTToolBar::CleanUpGlobals()
{
    for (int kind = 0; kind < static_cast<int>(GTToolBarImageKind::Count); ++kind)
        GetImages(static_cast<GTToolBarImageKind>(kind)).Clear();
    DefaultImages().RemoveAll();
    UsageCounter().reset();
    CGTToolBarImages::ReleaseSharedResources();
}
