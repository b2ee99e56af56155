#include <guitoolkit/toolbars/CGTToolsPage.h>
#include <guitoolkit/core/CGTLocalResource.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/GTOwningCustomizeSheet.h>
#include <guitoolkit/toolbars/GTPageResources.h>

IMPLEMENT_DYNCREATE(CGTToolsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTToolsPage, CPropertyPage)
    ON_EN_UPDATE(IDC_GT_TOOLS_COMMAND, &CGTToolsPage::OnToolEdited)
    ON_EN_UPDATE(IDC_GT_TOOLS_ARGUMENTS, &CGTToolsPage::OnToolEdited)
    ON_EN_UPDATE(IDC_GT_TOOLS_DIRECTORY, &CGTToolsPage::OnToolEdited)
    ON_BN_CLICKED(IDC_GT_TOOLS_BROWSE, &CGTToolsPage::OnBrowseCommand)
    ON_BN_CLICKED(IDC_GT_TOOLS_ARGUMENTS_MENU, &CGTToolsPage::OnArgumentsPicked)
    ON_BN_CLICKED(IDC_GT_TOOLS_DIRECTORY_MENU, &CGTToolsPage::OnInitialDirectoryPicked)
END_MESSAGE_MAP()

CGTToolsPage::CGTToolsPage() : CPropertyPage(IDD_GT_TOOLS_PAGE), m_ToolsList(*this), m_SelectedTool(nullptr) {}

void CGTToolsPage::DoDataExchange(CDataExchange* ioExchange)
{
    CPropertyPage::DoDataExchange(ioExchange);
    DDX_Control(ioExchange, IDC_GT_TOOLS_COMMAND, m_CommandEdit);
    DDX_Control(ioExchange, IDC_GT_TOOLS_ARGUMENTS, m_ArgumentsEdit);
    DDX_Control(ioExchange, IDC_GT_TOOLS_DIRECTORY, m_DirectoryEdit);
    DDX_Control(ioExchange, IDC_GT_TOOLS_BROWSE, m_BrowseButton);
    DDX_Text(ioExchange, IDC_GT_TOOLS_COMMAND, m_Command);
    DDX_Text(ioExchange, IDC_GT_TOOLS_ARGUMENTS, m_Arguments);
    DDX_Text(ioExchange, IDC_GT_TOOLS_DIRECTORY, m_InitialDirectory);
}

BOOL CGTToolsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_ToolsList.SubclassDlgItem(IDC_GT_TOOLS_LIST, this);
    m_ToolsList.AddStandardButtons();
    if (CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this))
        sheet->NotifyToolsPageOpened();
    if (CGTUserToolsManager* tools = CGTUserToolsManager::Current()) {
        const CObList& list = tools->GetTools();
        for (POSITION position = list.GetHeadPosition(); position != nullptr;) {
            auto* tool = static_cast<CGTUserTool*>(list.GetNext(position));
            m_ToolsList.AddItem(tool->m_Label, reinterpret_cast<DWORD_PTR>(tool));
        }
        AttachPickList(m_DirectoryButton, m_DirectoryMenu, IDC_GT_TOOLS_DIRECTORY_MENU,
                       tools->GetInitialDirectoryMenuId());
        AttachPickList(m_ArgumentsButton, m_ArgumentsMenu, IDC_GT_TOOLS_ARGUMENTS_MENU, tools->GetArgumentsMenuId());
    }
    // The first item took the selection as it came.
    m_ToolsList.OnSelectionChanged();
    return TRUE;
}

void CGTToolsPage::OnToolSelected(CGTUserTool* iTool)
{
    CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this);
    if (sheet != nullptr)
        sheet->NotifyToolLeaving(m_SelectedTool);
    m_Command = iTool != nullptr ? iTool->GetCommand() : CString();
    m_Arguments = iTool != nullptr ? iTool->m_Arguments : CString();
    m_InitialDirectory = iTool != nullptr ? iTool->m_InitialDirectory : CString();
    // Each edit reports its new text as an edit: none may reach a tool before all three show
    // the same one.
    m_SelectedTool = nullptr;
    UpdateData(FALSE);
    m_SelectedTool = iTool;
    EnableToolControls();
    if (sheet != nullptr)
        sheet->NotifyToolEntered(iTool);
}

void CGTToolsPage::EnableToolControls()
{
    const BOOL enable = m_SelectedTool != nullptr;
    for (CWnd* control :
         std::initializer_list<CWnd*>{&m_CommandEdit, &m_ArgumentsEdit, &m_DirectoryEdit, &m_BrowseButton})
        control->EnableWindow(enable);
    for (CGTMenuButton* button : {&m_ArgumentsButton, &m_DirectoryButton})
        if (button->GetSafeHwnd() != nullptr)
            button->EnableWindow(enable);
}

void CGTToolsPage::OnToolEdited()
{
    if (m_SelectedTool == nullptr)
        return;
    UpdateData();
    m_SelectedTool->SetCommand(m_Command);
    m_SelectedTool->m_Arguments = m_Arguments;
    m_SelectedTool->m_InitialDirectory = m_InitialDirectory;
}

void CGTToolsPage::OnBrowseCommand()
{
    CFileDialog dialog(TRUE, L"exe", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                       LoadToolkitString(IDS_GT_TOOLS_FILTER), this);
    if (dialog.DoModal() == IDOK)
        m_CommandEdit.SetWindowText(dialog.GetPathName());
}

BOOL CGTToolsPage::OnKillActive()
{
    CGTToolbarCustomize* sheet = OwningCustomizeSheet(*this);
    CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (sheet != nullptr && tools != nullptr && !sheet->ConfirmToolsBeforeClose(tools->GetTools()))
        return FALSE;
    return CPropertyPage::OnKillActive();
}

void CGTToolsPage::OnOK()
{
    OnToolEdited();
    CPropertyPage::OnOK();
}

void CGTToolsPage::AttachPickList(CGTMenuButton& ioButton, CMenu& ioMenu, UINT iButtonId, UINT iMenuId)
{
    if (iMenuId == 0 || !ioMenu.LoadMenu(iMenuId))
        return;
    ioButton.SubclassDlgItem(iButtonId, this);
    ioButton.m_Menu = ::GetSubMenu(ioMenu.GetSafeHmenu(), 0);
    ioButton.ShowWindow(SW_SHOW);
}

void CGTToolsPage::OnArgumentsPicked()
{
    TypePicked(m_ArgumentsButton, m_ArgumentsEdit);
}

void CGTToolsPage::OnInitialDirectoryPicked()
{
    TypePicked(m_DirectoryButton, m_DirectoryEdit);
}

void CGTToolsPage::TypePicked(const CGTMenuButton& iButton, CEdit& ioEdit)
{
    CString text;
    if (iButton.m_ChosenCommand == 0 || !text.LoadString(iButton.m_ChosenCommand))
        return;
    for (int index = 0; index < text.GetLength(); ++index)
        ioEdit.SendMessage(WM_CHAR, text[index], 0);
}
