#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/CGTKeyHelper.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/GTDocumentTemplateChoices.h>
#include <guitoolkit/toolbars/GTOwningCustomizeSheet.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTPageResources.h>
#include <map>

namespace {
// The flags that make two shortcuts the same key.
const BYTE keyFlagsMask = FVIRTKEY | FSHIFT | FCONTROL | FALT;
}  // namespace

IMPLEMENT_DYNCREATE(CGTKeyboardPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTKeyboardPage, CPropertyPage)
    ON_CBN_SELCHANGE(IDC_GT_KEYS_CATEGORY, &CGTKeyboardPage::OnCategoryChanged)
    ON_LBN_SELCHANGE(IDC_GT_KEYS_COMMANDS, &CGTKeyboardPage::OnCommandChanged)
    ON_CBN_SELCHANGE(IDC_GT_KEYS_TABLE, &CGTKeyboardPage::OnTableChanged)
    ON_LBN_SELCHANGE(IDC_GT_KEYS_CURRENT, &CGTKeyboardPage::OnCurrentKeyChanged)
    ON_EN_UPDATE(IDC_GT_KEYS_NEW, &CGTKeyboardPage::OnNewKeyChanged)
    ON_BN_CLICKED(IDC_GT_KEYS_ASSIGN, &CGTKeyboardPage::OnAssign)
    ON_BN_CLICKED(IDC_GT_KEYS_REMOVE, &CGTKeyboardPage::OnRemove)
    ON_BN_CLICKED(IDC_GT_KEYS_RESET_ALL, &CGTKeyboardPage::OnResetAll)
END_MESSAGE_MAP()

CGTKeyboardPage::CGTKeyboardPage(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus)
    : CPropertyPage(IDD_GT_KEYBOARD_PAGE), m_Table(nullptr), m_Template(nullptr), m_Command(nullptr),
      m_SelectedEntry(-1), m_ParentFrame(iParentFrame), m_AutoSetFromMenus(iAutoSetFromMenus)
{
}

CGTKeyboardPage::~CGTKeyboardPage() = default;

void CGTKeyboardPage::DoDataExchange(CDataExchange* ioExchange)
{
    CPropertyPage::DoDataExchange(ioExchange);
    DDX_Control(ioExchange, IDC_GT_KEYS_ASSIGNED_LABEL, m_AssignedLabel);
    DDX_Control(ioExchange, IDC_GT_KEYS_NEW, m_NewKey);
    DDX_Control(ioExchange, IDC_GT_KEYS_TABLE, m_Tables);
    DDX_Control(ioExchange, IDC_GT_KEYS_ICON, m_Icon);
    DDX_Control(ioExchange, IDC_GT_KEYS_REMOVE, m_Remove);
    DDX_Control(ioExchange, IDC_GT_KEYS_CURRENT, m_CurrentKeys);
    DDX_Control(ioExchange, IDC_GT_KEYS_COMMANDS, m_Commands);
    DDX_Control(ioExchange, IDC_GT_KEYS_CATEGORY, m_Categories);
    DDX_Control(ioExchange, IDC_GT_KEYS_ASSIGN, m_Assign);
    DDX_Text(ioExchange, IDC_GT_KEYS_DESCRIPTION, m_Description);
    DDX_Text(ioExchange, IDC_GT_KEYS_ASSIGNED_TO, m_AssignedTo);
}

BOOL CGTKeyboardPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this))
        sheet->ListCategoriesInComboBox(m_Categories, FALSE);
    if (m_Categories.GetCount() > 0) {
        m_Categories.SetCurSel(0);
        OnCategoryChanged();
    }
    if (m_AutoSetFromMenus)
        AddDocumentTemplateChoices(m_Tables);
    if (m_ParentFrame != nullptr && m_ParentFrame->m_hAccelTable != nullptr) {
        const int index = m_Tables.AddString(LoadToolkitString(IDS_GT_DEFAULT_ACCELERATORS));
        m_Tables.SetItemData(index, 0);
        m_Tables.SetCurSel(index);
    }
    if (m_Tables.GetCurSel() == CB_ERR)
        m_Tables.SetCurSel(0);
    OnTableChanged();
    return TRUE;
}

CMultiDocTemplate* CGTKeyboardPage::SelectedTemplate() const
{
    const int index = m_Tables.GetCurSel();
    return index == CB_ERR ? nullptr : reinterpret_cast<CMultiDocTemplate*>(m_Tables.GetItemData(index));
}

CGTToolbarButton* CGTKeyboardPage::SelectedCommand() const
{
    const int index = m_Commands.GetCurSel();
    return index == LB_ERR ? nullptr : reinterpret_cast<CGTToolbarButton*>(m_Commands.GetItemData(index));
}

void CGTKeyboardPage::OnTableChanged()
{
    m_Entries.clear();
    m_Table = nullptr;
    m_Template = SelectedTemplate();
    HICON icon = nullptr;
    if (m_Tables.GetCurSel() != CB_ERR) {
        if (m_Template != nullptr) {
            icon = DocumentTemplateIcon(*m_Template);
            m_Table = m_Template->m_hAccelTable;
        } else if (m_ParentFrame != nullptr) {
            icon = WindowClassIcon(*m_ParentFrame);
            m_Table = m_ParentFrame->m_hAccelTable;
        }
    }
    m_Icon.SetIcon(icon);
    if (const int count = m_Table != nullptr ? ::CopyAcceleratorTableW(m_Table, nullptr, 0) : 0; count > 0) {
        m_Entries.resize(count);
        ::CopyAcceleratorTableW(m_Table, m_Entries.data(), count);
    }
    OnCommandChanged();
}

void CGTKeyboardPage::OnCategoryChanged()
{
    m_Commands.ResetContent();
    m_CurrentKeys.ResetContent();
    const int category = m_Categories.GetCurSel();
    if (category != CB_ERR) {
        CString name;
        m_Categories.GetLBText(category, name);
        const auto* buttons = reinterpret_cast<const CObList*>(m_Categories.GetItemData(category));
        std::map<CString, int> sameText;
        for (POSITION position = buttons->GetHeadPosition(); position != nullptr;)
            ++sameText[static_cast<CGTToolbarButton*>(buttons->GetNext(position))->m_Text];
        for (POSITION position = buttons->GetHeadPosition(); position != nullptr;) {
            auto* button = static_cast<CGTToolbarButton*>(buttons->GetNext(position));
            if (button->m_CommandId == 0 || button->m_CommandId == static_cast<UINT>(-1))
                continue;
            const BOOL useSecondText =
                !button->m_SecondText.IsEmpty() && (name == m_AllCommandsName || sameText[button->m_Text] > 1);
            const int index = m_Commands.AddString(useSecondText ? button->m_SecondText : button->m_Text);
            m_Commands.SetItemData(index, reinterpret_cast<DWORD_PTR>(button));
        }
    }
    m_Commands.SetCurSel(0);
    OnCommandChanged();
}

void CGTKeyboardPage::OnCommandChanged()
{
    m_Command = SelectedCommand();
    m_Description.Empty();
    if (m_Command != nullptr && m_ParentFrame != nullptr && m_ParentFrame->GetSafeHwnd() != nullptr)
        m_ParentFrame->GetMessageString(m_Command->m_CommandId, m_Description);
    ShowCommandKeys();
    m_NewKey.EnableWindow(m_Command != nullptr);
    UpdateData(FALSE);
}

void CGTKeyboardPage::ShowCommandKeys()
{
    m_CurrentKeys.ResetContent();
    m_SelectedEntry = -1;
    m_Remove.EnableWindow(FALSE);
    if (m_Command == nullptr)
        return;
    for (size_t entry = 0; entry < m_Entries.size(); ++entry) {
        if (m_Entries[entry].cmd != m_Command->m_CommandId)
            continue;
        CString text;
        CGTKeyHelper(&m_Entries[entry]).Format(text);
        const int index = m_CurrentKeys.AddString(text);
        m_CurrentKeys.SetItemData(index, entry);
    }
}

void CGTKeyboardPage::OnCurrentKeyChanged()
{
    const int index = m_CurrentKeys.GetCurSel();
    m_SelectedEntry = index == LB_ERR ? -1 : static_cast<int>(m_CurrentKeys.GetItemData(index));
    m_Remove.EnableWindow(m_SelectedEntry >= 0);
}

void CGTKeyboardPage::OnNewKeyChanged()
{
    m_AssignedTo.Empty();
    m_AssignedLabel.ShowWindow(SW_HIDE);
    m_Assign.EnableWindow(FALSE);
    if (m_NewKey.HasCapturedKey()) {
        const ACCEL& key = m_NewKey.GetCapturedKey();
        auto owner = std::find_if(m_Entries.begin(), m_Entries.end(), [&key](const ACCEL& iEntry) {
            return iEntry.key == key.key && (iEntry.fVirt & keyFlagsMask) == (key.fVirt & keyFlagsMask);
        });
        if (owner != m_Entries.end()) {
            m_AssignedTo = CommandName(owner->cmd);
            if (m_AssignedTo.IsEmpty())
                m_AssignedTo = L"????";
        } else {
            m_AssignedTo = LoadToolkitString(IDS_GT_UNASSIGNED);
            m_Assign.EnableWindow(m_Command != nullptr);
        }
        m_AssignedLabel.ShowWindow(SW_SHOW);
    }
    SetDlgItemText(IDC_GT_KEYS_ASSIGNED_TO, m_AssignedTo);
}

CString CGTKeyboardPage::CommandName(UINT iCommandId) const
{
    CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this);
    LPCWSTR name = sheet != nullptr ? sheet->GetCommandName(iCommandId) : nullptr;
    return name != nullptr ? CString(name) : CString();
}

void CGTKeyboardPage::InstallWorkingCopy()
{
    CGTKeyboardManager::ReplaceAcceleratorTable(m_Template, m_Entries.data(), static_cast<int>(m_Entries.size()),
                                                m_ParentFrame);
    m_Table = m_Template != nullptr ? m_Template->m_hAccelTable
        : m_ParentFrame != nullptr  ? m_ParentFrame->m_hAccelTable
                                    : nullptr;
}

void CGTKeyboardPage::OnAssign()
{
    if (m_Command == nullptr || !m_NewKey.HasCapturedKey())
        return;
    ACCEL record = m_NewKey.GetCapturedKey();
    record.cmd = static_cast<WORD>(m_Command->m_CommandId);
    if (CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this);
        sheet != nullptr && !sheet->ConfirmKeyAssignment(record))
        return;
    m_Entries.push_back(record);
    InstallWorkingCopy();
    ShowCommandKeys();
    m_NewKey.ClearCapturedKey();
    OnNewKeyChanged();
    m_Commands.SetFocus();
}

void CGTKeyboardPage::OnRemove()
{
    if (m_SelectedEntry < 0 || m_SelectedEntry >= static_cast<int>(m_Entries.size()))
        return;
    m_Entries.erase(m_Entries.begin() + m_SelectedEntry);
    InstallWorkingCopy();
    OnCommandChanged();
    m_Commands.SetFocus();
}

void CGTKeyboardPage::OnResetAll()
{
    if (AfxMessageBox(LoadToolkitString(IDS_GT_RESET_KEYBOARD), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    CGTKeyboardManager::LoadDefaultAccelerators();
    if (m_ParentFrame != nullptr)
        m_ParentFrame->SendMessage(GTTOOLBAR_RESETKEYBOARD);
    OnTableChanged();
}
