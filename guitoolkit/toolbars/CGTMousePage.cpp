#include <guitoolkit/toolbars/CGTMousePage.h>
#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTOwningCustomizeSheet.h>
#include <guitoolkit/toolbars/GTPageResources.h>

IMPLEMENT_DYNCREATE(CGTMousePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTMousePage, CPropertyPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_GT_MOUSE_VIEWS, &CGTMousePage::OnViewChanged)
    ON_BN_CLICKED(IDC_GT_MOUSE_NO_COMMAND, &CGTMousePage::OnNoCommand)
    ON_BN_CLICKED(IDC_GT_MOUSE_COMMAND, &CGTMousePage::OnAssociateCommand)
    ON_LBN_SELCHANGE(IDC_GT_MOUSE_COMMANDS, &CGTMousePage::OnCommandChosen)
END_MESSAGE_MAP()

CGTMousePage::CGTMousePage() : CPropertyPage(IDD_GT_MOUSE_PAGE), m_ViewId(-1) {}

void CGTMousePage::DoDataExchange(CDataExchange* ioExchange)
{
    CPropertyPage::DoDataExchange(ioExchange);
    DDX_Control(ioExchange, IDC_GT_MOUSE_VIEWS, m_Views);
    DDX_Control(ioExchange, IDC_GT_MOUSE_COMMANDS, m_Commands);
    DDX_Control(ioExchange, IDC_GT_MOUSE_DESCRIPTION, m_DescriptionText);
}

BOOL CGTMousePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    if (CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this))
        sheet->ListAllCommands(m_Commands);
    m_ViewIcons.Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), ILC_COLOR32 | ILC_MASK, 0, 1);
    m_Views.SetImageList(&m_ViewIcons, LVSIL_SMALL);
    CRect client;
    m_Views.GetClientRect(&client);
    m_Views.InsertColumn(0, L"", LVCFMT_LEFT, client.Width());
    AddViews();
    if (m_Views.GetItemCount() > 0)
        m_Views.SetItemState(0, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    return TRUE;
}

void CGTMousePage::AddViews()
{
    CGTMouseManager* mouse = CGTMouseManager::Current();
    if (mouse == nullptr)
        return;
    CStringList names;
    mouse->GetViewNames(names);
    for (POSITION position = names.GetHeadPosition(); position != nullptr;) {
        const CString& name = names.GetNext(position);
        const int viewId = mouse->GetViewIdByName(name);
        int index = 0;
        while (index < m_Views.GetItemCount() && m_Views.GetItemText(index, 0).Compare(name) <= 0)
            ++index;
        int image = -1;
        if (const UINT iconId = mouse->GetViewIconId(viewId); iconId != 0) {
            if (HICON icon = AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(iconId) : nullptr)
                image = m_ViewIcons.Add(icon);
        }
        index = m_Views.InsertItem(index, name, image);
        m_Views.SetItemData(index, static_cast<DWORD_PTR>(viewId));
    }
}

void CGTMousePage::OnViewChanged(NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(iHeader);
    if (!(change->uChanged & LVIF_STATE) || !(change->uNewState & LVIS_SELECTED))
        return;
    m_ViewId = static_cast<int>(m_Views.GetItemData(change->iItem));
    CGTMouseManager* mouse = CGTMouseManager::Current();
    const UINT command = mouse != nullptr ? mouse->GetViewDblClickCommand(m_ViewId) : 0;
    CheckRadioButton(IDC_GT_MOUSE_NO_COMMAND, IDC_GT_MOUSE_COMMAND,
                     command != 0 ? IDC_GT_MOUSE_COMMAND : IDC_GT_MOUSE_NO_COMMAND);
    m_Commands.EnableWindow(command != 0);
    m_Commands.SetCurSel(-1);
    for (int index = 0; command != 0 && index < m_Commands.GetCount(); ++index) {
        if (m_Commands.GetItemData(index) == command) {
            m_Commands.SetCurSel(index);
            m_Commands.SetTopIndex(index);
        }
    }
    ShowDescription(command);
}

void CGTMousePage::ShowDescription(UINT iCommandId)
{
    m_Description.Empty();
    CFrameWnd* frame = GetTopLevelFrame();
    if (iCommandId != 0 && frame != nullptr)
        frame->GetMessageString(iCommandId, m_Description);
    m_DescriptionText.SetWindowText(m_Description);
}

void CGTMousePage::OnNoCommand()
{
    if (CGTMouseManager* mouse = CGTMouseManager::Current(); mouse != nullptr && m_ViewId >= 0)
        mouse->SetViewCommand(m_ViewId, 0);
    m_Commands.EnableWindow(FALSE);
}

void CGTMousePage::OnAssociateCommand()
{
    m_Commands.EnableWindow(TRUE);
    if (m_ViewId < 0) {
        CGTBeeper::Current().Beep(0xFFFFFFFF);
        return;
    }
    if (CGTMouseManager* mouse = CGTMouseManager::Current())
        mouse->SetViewCommand(m_ViewId, 0);
}

void CGTMousePage::OnCommandChosen()
{
    if (m_ViewId < 0) {
        CGTBeeper::Current().Beep(0xFFFFFFFF);
        return;
    }
    const int index = m_Commands.GetCurSel();
    const UINT command = index == LB_ERR ? 0 : static_cast<UINT>(m_Commands.GetItemData(index));
    ShowDescription(command);
    if (CGTMouseManager* mouse = CGTMouseManager::Current())
        mouse->SetViewCommand(m_ViewId, command);
}
