// The toolbar's stored state: its archive form and its registry key.
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/core/CGTOwnedObList.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/RegistrySectionPath.h>

namespace {
// The data version from which a bar stores the length it had when it last floated.
const int mruWidthVersion = 0x60200;

BOOL StoresMruWidth()
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr && workspace->GetDataVersion() >= mruWidthVersion;
}

BOOL KeepsOriginalState()
{
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    return workspace != nullptr && workspace->m_KeepOriginalState;
}

// A stored list of buttons: each object is read as a button, so the data of any other class
// is refused before anything of it is made, and the list with it.
class ButtonListReader : public CGTOwnedObList {
public:
    ButtonListReader() : CGTOwnedObList(RUNTIME_CLASS(CGTToolbarButton)) {}
};
}  // namespace

CString CGTToolBar::StateKeyName(LPCWSTR iSectionPath, int iIndex, UINT iId)
{
    CString key;
    if (iId == static_cast<UINT>(-1))
        key.Format(L"%sRIRToolBar-%d", iSectionPath, iIndex);
    else
        key.Format(L"%sRIRToolBar-%d%x", iSectionPath, iIndex, iId);
    return key;
}

int CGTToolBar::KeyIndex(int iIndex) const
{
    return iIndex == -1 ? GetDlgCtrlID() : iIndex;
}

void CGTToolBar::Serialize(CArchive& ioArchive)
{
    CGTBaseToolBar::Serialize(ioArchive);
    if (m_Locked)
        return;
    if (ioArchive.IsStoring()) {
        CObList stored;
        for (POSITION position = m_Buttons.GetHeadPosition(); position != nullptr;) {
            auto* button = static_cast<CGTToolbarButton*>(m_Buttons.GetNext(position));
            if (button->CanBeStored())
                stored.AddTail(button);
        }
        stored.Serialize(ioArchive);
        CString name;
        if (GetSafeHwnd() != nullptr)
            GetWindowText(name);
        ioArchive << m_TextLabels << name;
        if (StoresMruWidth())
            ioArchive << m_MruWidth;
        return;
    }
    // Read whole before anything changes: a list refused on the way leaves the bar as it was.
    ButtonListReader read;
    read.Serialize(ioArchive);
    BOOL textLabels = FALSE;
    CString name;
    ioArchive >> textLabels >> name;
    int mruWidth = m_MruWidth;
    if (StoresMruWidth())
        ioArchive >> mruWidth;
    CObList buttons;
    read.MoveTo(buttons);
    ReplaceButtons(buttons);
    m_TextLabels = textLabels;
    m_MruWidth = mruWidth;
    RecalcButtonLayout();
    if (GetSafeHwnd() != nullptr)
        SetWindowText(name);
    for (int index = GetButtonCount() - 1; index >= 0; --index) {
        if (!IsCommandPermitted(GetButton(index)->m_CommandId))
            RemoveButton(index);
    }
}

void CGTToolBar::ReplaceButtons(CObList& ioRead)
{
    std::unique_ptr<CGTToolbarButton> customize = CopyOfCustomizeButton();
    RemoveAllButtons();
    while (!ioRead.IsEmpty()) {
        auto* button = static_cast<CGTToolbarButton*>(ioRead.RemoveHead());
        button->m_Style &= ~(TBBS_CHECKED | TBBS_PRESSED);
        m_Buttons.AddTail(button);
        button->OnChangeParent(this);
    }
    if (customize != nullptr && InsertButton(customize.get()) >= 0)
        m_CustomizeButton = customize.release();
}

BOOL CGTToolBar::SaveState(LPCWSTR iProfile, int iIndex, UINT iId)
{
    const CString key = StateKeyName(BuildRegistrySectionPath(StateSection(), iProfile), KeyIndex(iIndex), iId);
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    if (registry.CreateKey(key)) {
        if (GetSafeHwnd() != nullptr) {
            CString name;
            GetWindowText(name);
            registry.WriteString(L"Name", name);
        }
        if (registry.WriteSerializable(L"Buttons", *this) && KeepsOriginalState() && !m_OriginalButtons.IsEmpty())
            registry.WriteObList(L"OriginalItems", m_OriginalButtons);
        if (!m_ResetState.IsEmpty())
            registry.WriteObList(L"OrigResetItems", m_ResetState);
    }
    return CGTBaseToolBar::SaveState(iProfile, iIndex, iId);
}

BOOL CGTToolBar::LoadResetState(CGTRegistry& ioRegistry)
{
    ButtonListReader reader;
    if (!ioRegistry.ReadSerializable(L"OrigResetItems", reader) || reader.Objects().IsEmpty())
        return FALSE;
    DeleteButtons(m_ResetState);
    reader.MoveTo(m_ResetState);
    return TRUE;
}

BOOL CGTToolBar::LoadState(LPCWSTR iProfile, int iIndex, UINT iId)
{
    const CString key = StateKeyName(BuildRegistrySectionPath(StateSection(), iProfile), KeyIndex(iIndex), iId);
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(key) || !registry.VerifyValue(L"Buttons"))
        return FALSE;
    const BOOL loaded = registry.ReadSerializable(L"Buttons", *this);
    if (!loaded)
        RestoreOriginalState();
    LoadResetState(registry);
    m_ResourceChanged = FALSE;
    if (loaded && KeepsOriginalState()) {
        ButtonListReader original;
        if (registry.ReadSerializable(L"OriginalItems", original))
            m_ResourceChanged = MergeOriginalButtons(original.Objects());
    }
    const BOOL result = CGTBaseToolBar::LoadState(iProfile, iIndex, iId);
    if (GetSafeHwnd() != nullptr)
        AdjustLayout();
    return loaded && result;
}

BOOL CGTToolBar::RemoveStateFromRegistry(LPCWSTR iProfile, int iIndex, UINT iId)
{
    const CString key = StateKeyName(BuildRegistrySectionPath(StateSection(), iProfile), KeyIndex(iIndex), iId);
    CGTRegistryHolder holder;
    return holder.Create(FALSE, FALSE).DeleteKey(key, FALSE);
}

BOOL CGTToolBar::LoadLargeIconsState(LPCWSTR iProfile)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(BuildRegistrySectionPath(L"RIRToolBars", iProfile) + L"RIRToolbarParameters"))
        return FALSE;
    int largeIcons = s_LargeIcons;
    if (registry.ReadInt(L"LargeIcons", largeIcons))
        s_LargeIcons = largeIcons;
    return TRUE;
}
