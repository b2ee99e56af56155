// The toolbar's stored state: its archive form and its registry key.
#include <guitoolkit/toolbars/CGTToolBar.h>
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

// Reads a stored list of buttons. Each object is read as a button: the data of any other
// class is refused before anything of it is made, and the list with it.
class ButtonListReader : public CObject {
public:
    ~ButtonListReader() override
    {
        while (!m_Buttons.IsEmpty())
            delete m_Buttons.RemoveHead();
    }

    void Serialize(CArchive& ioArchive) override
    {
        for (DWORD_PTR count = ioArchive.ReadCount(); count > 0; --count) {
            if (CObject* button = ioArchive.ReadObject(RUNTIME_CLASS(CGTToolbarButton)))
                m_Buttons.AddTail(button);
        }
    }

    CObList m_Buttons;
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
    std::unique_ptr<CGTToolbarButton> customize = CopyOfCustomizeButton();
    RemoveAllButtons();
    if (!ReadButtons(ioArchive)) {
        RemoveAllButtons();
        RestoreOriginalState();
        RecalcButtonLayout();
        return;
    }
    ioArchive >> m_TextLabels;
    if (customize != nullptr && InsertButton(customize.get()) >= 0)
        m_CustomizeButton = customize.release();
    RecalcButtonLayout();
    CString name;
    ioArchive >> name;
    if (GetSafeHwnd() != nullptr)
        SetWindowText(name);
    for (int index = GetButtonCount() - 1; index >= 0; --index) {
        if (!IsCommandPermitted(GetButton(index)->m_CommandId))
            RemoveButton(index);
    }
    if (StoresMruWidth())
        ioArchive >> m_MruWidth;
}

BOOL CGTToolBar::ReadButtons(CArchive& ioArchive)
{
    for (DWORD_PTR count = ioArchive.ReadCount(); count > 0; --count) {
        CGTToolbarButton* button = nullptr;
        try {
            button = static_cast<CGTToolbarButton*>(ioArchive.ReadObject(RUNTIME_CLASS(CGTToolbarButton)));
        } catch (CArchiveException* error) {
            // An object of another class stands where a button should: the list is unusable.
            if (error->m_cause != CArchiveException::badClass)
                throw;
            error->Delete();
        }
        if (button == nullptr)
            return FALSE;
        button->m_Style &= ~(TBBS_CHECKED | TBBS_PRESSED);
        m_Buttons.AddTail(button);
        button->OnChangeParent(this);
    }
    return TRUE;
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
    if (!ioRegistry.ReadSerializable(L"OrigResetItems", reader) || reader.m_Buttons.IsEmpty())
        return FALSE;
    DeleteButtons(m_ResetState);
    m_ResetState.AddTail(&reader.m_Buttons);
    reader.m_Buttons.RemoveAll();
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
    if (!loaded) {
        RemoveAllButtons();
        RestoreOriginalState();
    }
    LoadResetState(registry);
    m_ResourceChanged = FALSE;
    if (loaded && KeepsOriginalState()) {
        ButtonListReader original;
        if (registry.ReadSerializable(L"OriginalItems", original))
            m_ResourceChanged = MergeOriginalButtons(original.m_Buttons);
    }
    const BOOL result = CGTBaseToolBar::LoadState(iProfile, iIndex, iId);
    if (GetSafeHwnd() != nullptr)
        AdjustLayout();
    return result;
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
