#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/core/CGTKeyboardManager.h>
#include <guitoolkit/core/CGTMouseManager.h>
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/core/CGTVisualManager.h>
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/GuiToolkitGlobals.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/docking/CGTDockBar.h>
#include <guitoolkit/docking/CGTOutlookBar.h>
#include <guitoolkit/docking/CGTReBar.h>
#include <guitoolkit/toolbars/CGTCustomizePage.h>
#include <guitoolkit/toolbars/CGTKeyboardPage.h>
#include <guitoolkit/toolbars/CGTMenuPage.h>
#include <guitoolkit/toolbars/CGTMousePage.h>
#include <guitoolkit/toolbars/CGTOptionsPage.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/CGTToolbarsPage.h>
#include <guitoolkit/toolbars/CGTToolsPage.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <algorithm>

CGTToolbarCustomize* theActiveCustomizeSheet = nullptr;

IMPLEMENT_DYNAMIC(CGTToolbarCustomize, CPropertySheet)

BEGIN_MESSAGE_MAP(CGTToolbarCustomize, CPropertySheet)
    ON_WM_CREATE()
    ON_WM_HELPINFO()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

namespace {
// The context help of a page's control is its identifier on this base.
const DWORD helpBase = 0x41000;
const DWORD helpControls[][2] = {{16601, 16603}, {16611, 16617}, {16621, 16626},
                                 {16631, 16634}, {16641, 16647}, {16651, 16657}};

// Pairs of control and help context, ending in zeros, as the system's help wants them.
const DWORD* HelpIds()
{
    static DWORD ids[2 * 40] = {};
    if (ids[0] == 0) {
        int at = 0;
        for (const auto& range : helpControls)
            for (DWORD control = range[0]; control <= range[1]; ++control) {
                ids[at++] = control;
                ids[at++] = control + helpBase;
            }
    }
    return ids;
}

// The bars keep taking input while the toolbars are customized: buttons are dropped on them.
BOOL StaysEnabled(HWND iChild)
{
    CWnd* child = CWnd::FromHandlePermanent(iChild);
    return child != nullptr &&
        (child->IsKindOf(RUNTIME_CLASS(CDockBar)) || child->IsKindOf(RUNTIME_CLASS(CGTDockBar)) ||
         child->IsKindOf(RUNTIME_CLASS(CGTOutlookBar)) || child->IsKindOf(RUNTIME_CLASS(CGTReBar)) ||
         child->IsKindOf(RUNTIME_CLASS(CGTToolBar)));
}

BOOL HasMenuBar(CFrameWnd* iFrame)
{
    const IGTToolbarFrame* hooks = AsToolbarFrame(iFrame);
    return hooks != nullptr && hooks->GetMenuBar() != nullptr;
}
}  // namespace

CGTToolbarCustomize::CGTToolbarCustomize(CFrameWnd* iParentFrame, BOOL iAutoSetFromMenus, UINT iFlags,
                                         CList<CRuntimeClass*, CRuntimeClass*>* iExtraPages)
    : CPropertySheet(L"", iParentFrame), m_ButtonsByCategory(10), m_CategoryNames(10), m_ToolsPage(nullptr),
      m_ExtraPages(10), m_ParentFrame(iParentFrame), m_AutoSetFromMenus(iAutoSetFromMenus), m_Flags(iFlags),
      m_KeepAmpersands((iFlags & GTCustomizeKeepAmpersands) != 0)
{
    if (iExtraPages != nullptr)
        for (POSITION position = iExtraPages->GetHeadPosition(); position != nullptr;)
            m_ExtraPages.AddTail(static_cast<CPropertyPage*>(iExtraPages->GetNext(position)->CreateObject()));
    if (!CGTVisualManager::GetCurrent()->IsLook2000Allowed())
        m_Flags &= ~GTCustomizeLook2000;
    m_Flags &= ~GTCustomizeUnused;
    m_CommandsPage = new CGTCustomizePage;
    m_ToolbarsPage = new CGTToolbarsPage(iParentFrame);
    m_KeyboardPage = new CGTKeyboardPage(iParentFrame, iAutoSetFromMenus);
    m_MenuPage = new CGTMenuPage(iParentFrame, iAutoSetFromMenus, m_Flags);
    m_MousePage = new CGTMousePage;
    AddPage(m_CommandsPage);
    AddPage(m_ToolbarsPage);
    if (!(m_Flags & GTCustomizeNoTools)) {
        m_ToolsPage = new CGTToolsPage;
        if (CGTUserToolsManager::Current() != nullptr)
            AddPage(m_ToolsPage);
    }
    if (CGTKeyboardManager::Current() != nullptr && iParentFrame != nullptr && iParentFrame->m_hAccelTable != nullptr)
        AddPage(m_KeyboardPage);
    const BOOL menuBar = HasMenuBar(iParentFrame);
    if (CGTContextMenuManager::Current() != nullptr || menuBar)
        AddPage(m_MenuPage);
    if (CGTMouseManager::Current() != nullptr)
        AddPage(m_MousePage);
    for (POSITION position = m_ExtraPages.GetHeadPosition(); position != nullptr;)
        AddPage(m_ExtraPages.GetNext(position));
    m_OptionsPage = new CGTOptionsPage(menuBar, m_Flags);
    AddPage(m_OptionsPage);

    CString title;
    title.LoadString(IDS_GT_CUSTOMIZE);
    m_AllCommandsName.LoadString(IDS_GT_ALL_COMMANDS);
    m_CommandsPage->SetAllCommandsName(m_AllCommandsName);
    m_KeyboardPage->SetAllCommandsName(m_AllCommandsName);
    SetTitle(title);
    if (iAutoSetFromMenus)
        BuildCatalogueFromMenus();
    CString newMenu;
    newMenu.LoadString(IDS_GT_NEW_MENU);
    const CGTToolbarMenuButton newMenuButton(0, nullptr, -1, newMenu);
    AddCatalogueButton(newMenu, newMenuButton);
}

CGTToolbarCustomize::~CGTToolbarCustomize()
{
    for (POSITION position = m_ButtonsByCategory.GetStartPosition(); position != nullptr;) {
        CString name;
        CObList* buttons = nullptr;
        m_ButtonsByCategory.GetNextAssoc(position, name, buttons);
        while (!buttons->IsEmpty())
            delete buttons->RemoveHead();
        delete buttons;
    }
    delete m_CommandsPage;
    delete m_ToolbarsPage;
    delete m_KeyboardPage;
    delete m_MenuPage;
    delete m_MousePage;
    delete m_OptionsPage;
    delete m_ToolsPage;
    while (!m_ExtraPages.IsEmpty())
        delete m_ExtraPages.RemoveHead();
}

BOOL CGTToolbarCustomize::OpenModeless()
{
    const DWORD exStyle =
        m_ParentFrame != nullptr && (m_ParentFrame->GetExStyle() & WS_EX_LAYOUTRTL) ? WS_EX_LAYOUTRTL : 0;
    if (!Create(m_ParentFrame, static_cast<DWORD>(-1), exStyle))
        return FALSE;
    SwitchFrameCustomizeMode(TRUE);
    return TRUE;
}

BOOL CGTToolbarCustomize::EditButtonImage(CWnd*, CBitmap&, int)
{
    // The image editor comes with the appearance module.
    return FALSE;
}

void CGTToolbarCustomize::EnableToolbarsPageOption(BOOL iEnable)
{
    m_ToolbarsPage->EnableUserDefinedToolbars(iEnable);
}

void CGTToolbarCustomize::ReflectToolbarVisibility(CGTToolBar* iBar, BOOL iShow)
{
    m_ToolbarsPage->SetToolbarCheck(iBar, iShow);
}

void CGTToolbarCustomize::SwitchFrameCustomizeMode(BOOL iEnable)
{
    if (m_ParentFrame == nullptr || m_ParentFrame->GetSafeHwnd() == nullptr)
        return;
    CWaitCursor wait;
    for (HWND child = ::GetWindow(m_ParentFrame->m_hWnd, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT))
        if (!StaysEnabled(child))
            ::EnableWindow(child, !iEnable);
    if (IGTToolbarFrame* hooks = AsToolbarFrame(m_ParentFrame))
        hooks->EnableMiniFramesForCustomizing(!iEnable);
    m_ParentFrame->LockWindowUpdate();
    CGTToolBar::SetCustomizeMode(iEnable);
    m_ParentFrame->SendMessage(GTTOOLBAR_CUSTOMIZE, iEnable, 0);
    m_ParentFrame->UnlockWindowUpdate();
    if (!iEnable)
        if (CView* view = m_ParentFrame->GetActiveView())
            view->PostMessage(WM_SETFOCUS);
}

int CGTToolbarCustomize::OnCreate(LPCREATESTRUCT iCreate)
{
    if (CPropertySheet::OnCreate(iCreate) == -1)
        return -1;
    if (m_Flags & GTCustomizeContextHelp)
        ModifyStyleEx(0, WS_EX_CONTEXTHELP);
    theActiveCustomizeSheet = this;
    return 0;
}

BOOL CGTToolbarCustomize::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    PlaceCloseAndHelpButtons();
    return result;
}

void CGTToolbarCustomize::PlaceCloseAndHelpButtons()
{
    CRect client;
    GetClientRect(&client);
    CWnd* close = GetDlgItem(IDCANCEL);
    if (close == nullptr)
        return;
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->ModifyStyle(BS_DEFPUSHBUTTON, 0);
    close->ShowWindow(SW_SHOW);
    close->EnableWindow(TRUE);
    close->ModifyStyle(0, BS_DEFPUSHBUTTON);
    SendMessage(DM_SETDEFID, IDCANCEL);
    CString text;
    text.LoadString(IDS_GT_CLOSE);
    close->SetWindowText(text);
    CRect closeRect;
    close->GetWindowRect(&closeRect);
    ScreenToClient(&closeRect);
    // Room below the pages for the Close button; a sheet that kept its button row has it.
    const int missing = closeRect.bottom + 4 + 8 - client.bottom;
    CRect window;
    GetWindowRect(&window);
    if (missing > 0)
        SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + std::min(missing, closeRect.Height() + 16),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    close->SetWindowPos(nullptr, client.right - closeRect.Width() - 8, closeRect.top + 4, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CWnd* help = GetDlgItem(IDHELP);
    if (help == nullptr)
        return;
    if (m_Flags & GTCustomizeNoHelp) {
        help->ShowWindow(SW_HIDE);
        help->EnableWindow(FALSE);
        return;
    }
    m_HelpButton.SubclassWindow(help->m_hWnd);
    m_HelpButton.ShowWindow(SW_SHOW);
    m_HelpButton.EnableWindow(TRUE);
    const BOOL highColor = theGuiToolkitGlobals.allowHighColorImages && theGuiToolkitGlobals.bitsPerPixel >= 16 &&
        !theGuiToolkitGlobals.isBlackHighContrast;
    m_HelpButton.SetImage(static_cast<HBITMAP>(
        ::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(highColor ? IDB_GT_HELP_HIGH_COLOR : IDB_GT_HELP),
                     IMAGE_BITMAP, 16, 16, LR_CREATEDIBSECTION)));
    m_HelpButton.SetWindowText(L"");
    m_HelpButton.FitToContent();
    m_HelpButton.SetWindowPos(nullptr, client.left + 8, closeRect.top, 0, 0,
                              SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CGTToolbarCustomize::OnCommand(WPARAM iWParam, LPARAM iLParam)
{
    switch (LOWORD(iWParam)) {
    case IDHELP:
        SendHelpRequest();
        return TRUE;
    case IDCANCEL: {
        const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
        if (tools != nullptr && m_ToolsPage != nullptr && !ConfirmToolsBeforeClose(tools->GetTools())) {
            if (GetActivePage() != m_ToolsPage)
                SetActivePage(m_ToolsPage);
            return TRUE;
        }
        DestroyWindow();
        return TRUE;
    }
    default:
        return CPropertySheet::OnCommand(iWParam, iLParam);
    }
}

void CGTToolbarCustomize::SendHelpRequest()
{
    if (m_ParentFrame != nullptr)
        m_ParentFrame->SendMessage(GTTOOLBAR_CUSTOMIZEHELP, GetActiveIndex(), reinterpret_cast<LPARAM>(this));
}

BOOL CGTToolbarCustomize::OnHelpInfo(HELPINFO* iInfo)
{
    if ((m_Flags & GTCustomizeContextHelp) && iInfo->iContextType == HELPINFO_WINDOW)
        AfxGetApp()->WinHelp(iInfo->iCtrlId + helpBase, HELP_CONTEXTPOPUP);
    else
        SendHelpRequest();
    return TRUE;
}

void CGTToolbarCustomize::OnContextMenu(CWnd* iWindow, CPoint)
{
    if (CGTWorkspaceSettings::Current() != nullptr && (m_Flags & GTCustomizeContextHelp) && iWindow != nullptr)
        ::WinHelpW(iWindow->m_hWnd, AfxGetApp()->m_pszHelpFilePath, HELP_CONTEXTMENU,
                   reinterpret_cast<ULONG_PTR>(HelpIds()));
}

void CGTToolbarCustomize::PostNcDestroy()
{
    theActiveCustomizeSheet = nullptr;
    SwitchFrameCustomizeMode(FALSE);
    CPropertySheet::PostNcDestroy();
    delete this;
}
