// Putting buttons into the toolbar and taking them out, and building them from resources.
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <afxtoolbarres.h>
#include <algorithm>

BOOL CGTToolBar::Create(CWnd* iParent, DWORD iStyle, UINT iId)
{
    return CreateEx(iParent, TBSTYLE_FLAT, iStyle, CRect(1, 1, 1, 1), iId);
}

int CGTToolBar::InsertButton(CGTToolbarButton* iButton, int iIndex)
{
    const int count = GetButtonCount();
    if (iButton == nullptr || iIndex < -1 || iIndex > count || !IsCommandPermitted(iButton->m_CommandId))
        return -1;
    if (iIndex == -1 || iIndex == count) {
        if (m_CustomizeButton == nullptr) {
            m_Buttons.AddTail(iButton);
            iIndex = count;
        } else {
            m_Buttons.InsertBefore(m_Buttons.Find(m_CustomizeButton), iButton);
            iIndex = count - 1;
        }
    } else {
        m_Buttons.InsertBefore(m_Buttons.FindIndex(iIndex), iButton);
    }
    iButton->OnChangeParent(this);
    return iIndex;
}

int CGTToolBar::InsertNewSeparator(int iIndex)
{
    auto* separator = new CGTToolbarButton;
    separator->m_Style = TBBS_SEPARATOR;
    const int index = InsertButton(separator, iIndex);
    if (index < 0)
        delete separator;
    return index;
}

BOOL CGTToolBar::RemoveButton(int iIndex)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr || button == m_CustomizeButton)
        return FALSE;
    m_Buttons.RemoveAt(m_Buttons.FindIndex(iIndex));
    button->OnCancelMode();
    delete button;
    // Indexes past the removed button move down; one that named it names nothing.
    for (int* index : {&m_SelectedIndex, &m_PressedIndex}) {
        if (*index == iIndex)
            *index = -1;
        else if (*index > iIndex)
            --*index;
    }
    if (m_HotIndex >= iIndex)
        SetHot(m_HotIndex == iIndex ? -1 : m_HotIndex - 1);
    // No separator ends the bar (but a lone first entry), and none follows another.
    const int last = GetButtonCount() - (m_CustomizeButton != nullptr ? 2 : 1);
    for (int tail = last; tail > 0 && GetButton(tail)->IsSeparator(); --tail) {
        delete GetButton(tail);
        m_Buttons.RemoveAt(m_Buttons.FindIndex(tail));
    }
    CGTToolbarButton* before = GetButton(iIndex - 1);
    CGTToolbarButton* after = GetButton(iIndex);
    if (before != nullptr && after != nullptr && after != m_CustomizeButton && before->IsSeparator() &&
        after->IsSeparator()) {
        m_Buttons.RemoveAt(m_Buttons.FindIndex(iIndex));
        delete after;
    }
    RebuildAccessKeys();
    return TRUE;
}

BOOL CGTToolBar::LoadBitmap(UINT iResourceId, UINT iColdId, UINT iMenuId, BOOL iLocked, UINT iDisabledId,
                            UINT iMenuDisabledId)
{
    const GTToolBarImageIds ids = {iColdId, iResourceId, iDisabledId, 0, 0, 0, iMenuId, iMenuDisabledId};
    return LoadBitmapEx(ids, iLocked);
}

BOOL CGTToolBar::LoadToolBar(UINT iResourceId, UINT iColdId, UINT iMenuId, BOOL iLocked, UINT iDisabledId,
                             UINT iMenuDisabledId, UINT iHotId)
{
    const GTToolBarImageIds ids = {iColdId, iHotId, iDisabledId, 0, 0, 0, iMenuId, iMenuDisabledId};
    return LoadToolBarEx(iResourceId, ids, iLocked);
}

BOOL CGTToolBar::LoadBitmapEx(const GTToolBarImageIds& iImageIds, BOOL iLocked)
{
    m_Locked = iLocked;
    const HINSTANCE module = AfxGetResourceHandle();
    const auto load = [module](CGTToolBarImages& ioImages, UINT iId) {
        return iId == 0 || ioImages.LoadFromResource(iId, module, TRUE);
    };
    using Kind = GTToolBarImageKind;
    if (iLocked) {
        return iImageIds.images != 0 && load(ImagesOf(Kind::Images), iImageIds.images) &&
            load(ImagesOf(Kind::ColdImages), iImageIds.cold) &&
            load(ImagesOf(Kind::DisabledImages), iImageIds.disabled) &&
            load(ImagesOf(Kind::LargeImages), iImageIds.large) &&
            load(ImagesOf(Kind::LargeColdImages), iImageIds.largeCold) &&
            load(ImagesOf(Kind::LargeDisabledImages), iImageIds.largeDisabled) &&
            load(ImagesOf(Kind::MenuImages), iImageIds.menu) &&
            load(ImagesOf(Kind::DisabledMenuImages), iImageIds.disabledMenu);
    }
    CGTToolBarImages& images = GetImages(Kind::Images);
    if (iImageIds.images == 0 || !load(images, iImageIds.images))
        return FALSE;
    int first = -1;
    m_FirstImage = images.firstImageOfResource.Lookup(iImageIds.images, first) ? first : -1;
    return load(GetImages(Kind::ColdImages), iImageIds.cold) && load(GetImages(Kind::MenuImages), iImageIds.menu) &&
        load(GetImages(Kind::DisabledImages), iImageIds.disabled) &&
        load(GetImages(Kind::DisabledMenuImages), iImageIds.disabledMenu) &&
        load(GetImages(Kind::LargeImages), iImageIds.large) &&
        load(GetImages(Kind::LargeColdImages), iImageIds.largeCold) &&
        load(GetImages(Kind::LargeDisabledImages), iImageIds.largeDisabled);
}

BOOL CGTToolBar::LoadToolBarEx(UINT iResourceId, const GTToolBarImageIds& iImageIds, BOOL iLocked)
{
    CToolBarResource resource;
    if (!resource.Load(iResourceId))
        return FALSE;
    const CSize image = resource.m_sizeButton;
    const CSize button(image.cx + 6, image.cy + 6);
    if (iLocked)
        SetLockedSizes(button, image);
    else
        SetSizes(button, image);
    GTToolBarImageIds ids = iImageIds;
    if (ids.images == 0)
        ids.images = iResourceId;
    // Without its images the bar would show buttons it cannot draw.
    if (m_ResourceId == 0 && !LoadBitmapEx(ids, iLocked))
        return FALSE;
    const int count = static_cast<int>(resource.m_arrItems.GetSize());
    if (!iLocked) {
        int image = m_FirstImage;
        for (int i = 0; i < count; ++i) {
            if (resource.m_arrItems[i] != 0)
                SetDefaultImage(resource.m_arrItems[i], image++);
        }
    }
    m_ResourceId = iResourceId;
    const BOOL built = SetButtons(resource.m_arrItems.GetData(), count, TRUE);
    if (!built)
        m_ResourceId = 0;
    return built;
}

BOOL CGTToolBar::SetButtons(const UINT* iIds, int iCount, BOOL iRemapImages)
{
    std::unique_ptr<CGTToolbarButton> customize = CopyOfCustomizeButton();
    RemoveAllButtons();
    DeleteButtons(m_OriginalButtons);
    if (iIds == nullptr) {
        for (int i = 0; i < iCount; ++i)
            InsertNewSeparator(-1);
    } else {
        // A locked bar draws from its own strips, whose first image is its first button's.
        int image = m_Locked ? 0 : m_FirstImage;
        for (int i = 0; i < iCount; ++i) {
            const UINT id = iIds[i];
            m_OriginalButtons.AddTail(new CGTToolbarButton(id, -1, nullptr, FALSE, TRUE));
            if (id == 0) {
                InsertNewSeparator(-1);
                continue;
            }
            if (iRemapImages) {
                const int index = InsertButtonCopy(CGTToolbarButton(id, image, nullptr, FALSE, m_Locked));
                if (index >= 0 && !m_Locked)
                    SetDefaultImage(id, image);
            } else if (int known = -1; GetDefaultImage(id, known)) {
                InsertButtonCopy(CGTToolbarButton(id, known, nullptr, FALSE, m_Locked));
            }
            ++image;
        }
    }
    if (customize != nullptr && InsertButton(customize.get()) >= 0)
        m_CustomizeButton = customize.release();
    if (GetSafeHwnd() != nullptr) {
        CWnd* frame = GetParentFrame() != nullptr ? GetParentFrame() : FindOwnerFrame();
        CWnd* target = frame != nullptr ? frame : GetParent();
        if (target != nullptr)
            target->SendMessage(GTTOOLBAR_RESETTOOLBAR, m_ResourceId, 0);
        DeleteButtons(m_ResetState);
        for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;)
            InsertResetStateButton(*static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position)));
    }
    return TRUE;
}

std::unique_ptr<CGTToolbarButton> CGTToolBar::CopyOfCustomizeButton() const
{
    if (m_CustomizeButton == nullptr)
        return nullptr;
    std::unique_ptr<CGTToolbarButton> copy(
        static_cast<CGTToolbarButton*>(m_CustomizeButton->GetRuntimeClass()->CreateObject()));
    copy->CopyFrom(*m_CustomizeButton);
    return copy;
}

BOOL CGTToolBar::RestoreOriginalState()
{
    if (m_ResourceId == 0)
        return FALSE;
    const BOOL loaded = LoadToolBar(m_ResourceId);
    AdjustLayout();
    if (GetSafeHwnd() != nullptr) {
        if (CFrameWnd* frame = GetParentFrame())
            frame->RecalcLayout();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return loaded;
}

namespace {
BOOL HasSameCommand(const CObList& iList, const CGTToolbarButton& iButton)
{
    for (POSITION position = iList.GetHeadPosition(); position != nullptr;) {
        if (static_cast<const CGTToolbarButton*>(iList.GetNext(position))->IsSameCommand(iButton))
            return TRUE;
    }
    return FALSE;
}
}  // namespace

BOOL CGTToolBar::MergeOriginalButtons(const CObList& iStored)
{
    BOOL changed = FALSE;
    for (POSITION position = iStored.GetHeadPosition(); position != nullptr;) {
        const auto* stored = static_cast<const CGTToolbarButton*>(iStored.GetNext(position));
        if (HasSameCommand(m_OriginalButtons, *stored))
            continue;
        changed = TRUE;
        const int index = CommandToIndex(stored->m_CommandId);
        if (index >= 0)
            RemoveButton(index);
    }
    int place = 0;
    for (POSITION position = m_OriginalButtons.GetHeadPosition(); position != nullptr; ++place) {
        const auto* original = static_cast<const CGTToolbarButton*>(m_OriginalButtons.GetNext(position));
        if (HasSameCommand(iStored, *original))
            continue;
        changed = TRUE;
        const int at = std::min(place, GetButtonCount());
        if (original->IsSeparator()) {
            InsertNewSeparator(at);
            continue;
        }
        int image = -1;
        GetDefaultImage(original->m_CommandId, image);
        InsertButtonCopy(CGTToolbarButton(original->m_CommandId, image, nullptr, FALSE, m_Locked), at);
    }
    if (iStored.GetCount() != m_OriginalButtons.GetCount())
        return TRUE;
    for (POSITION stored = iStored.GetHeadPosition(), original = m_OriginalButtons.GetHeadPosition();
         stored != nullptr;) {
        if (!static_cast<const CGTToolbarButton*>(iStored.GetNext(stored))
                 ->IsSameCommand(*static_cast<const CGTToolbarButton*>(m_OriginalButtons.GetNext(original))))
            return TRUE;
    }
    return changed;
}

UINT CGTToolBar::GetItemID(int iIndex) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    return button != nullptr ? button->m_CommandId : 0;
}

BOOL CGTToolBar::SetButtonText(int iIndex, LPCWSTR iText)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr)
        return FALSE;
    button->m_Text = iText;
    return TRUE;
}

CString CGTToolBar::GetButtonText(int iIndex) const
{
    const CGTToolbarButton* button = GetButton(iIndex);
    return button != nullptr ? button->m_Text : CString();
}

void CGTToolBar::SetButtonTextOptions(int iIndex, LPCWSTR iText, BOOL iShowText, BOOL iShowImage)
{
    CGTToolbarButton* button = GetButton(iIndex);
    if (button == nullptr)
        return;
    if (iShowText) {
        if (iText != nullptr)
            button->m_Text = iText;
        else
            LoadButtonText(*button);
    }
    button->m_ShowText = iShowText;
    button->m_ShowImage = iShowImage;
}
