#include <guitoolkit/toolbars/CGTToolbarsPage.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/core/GuiToolkitSeams.h>
#include <guitoolkit/toolbars/CGTDropDownToolBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/CToolbarNameDlg.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>

IMPLEMENT_DYNAMIC(CGTToolbarsPage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTToolbarsPage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_GT_TOOLBARS, &CGTToolbarsPage::OnSelectionChanged)
    ON_CONTROL(CLBN_CHKCHANGE, IDC_GT_TOOLBARS, &CGTToolbarsPage::OnCheckChanged)
    ON_LBN_DBLCLK(IDC_GT_TOOLBARS, &CGTToolbarsPage::OnDoubleClick)
    ON_BN_CLICKED(IDC_GT_RESET_TOOLBAR, &CGTToolbarsPage::OnReset)
    ON_BN_CLICKED(IDC_GT_RESET_ALL, &CGTToolbarsPage::OnResetAll)
    ON_BN_CLICKED(IDC_GT_NEW_TOOLBAR, &CGTToolbarsPage::OnNewToolbar)
    ON_BN_CLICKED(IDC_GT_RENAME_TOOLBAR, &CGTToolbarsPage::OnRenameToolbar)
    ON_BN_CLICKED(IDC_GT_DELETE_TOOLBAR, &CGTToolbarsPage::OnDeleteToolbar)
    ON_BN_CLICKED(IDC_GT_TEXT_LABELS, &CGTToolbarsPage::OnTextLabels)
END_MESSAGE_MAP()

namespace {
CString NameOf(const CGTToolBar& iBar)
{
    CString name;
    iBar.GetWindowText(name);
    if (name.IsEmpty())
        name.LoadString(IDS_GT_UNTITLED);
    return name;
}
}  // namespace

CGTToolbarsPage::CGTToolbarsPage(CFrameWnd* iParentFrame)
    : CPropertyPage(IDD_GT_TOOLBARS_PAGE), m_TextLabels(FALSE), m_SelectedToolbar(nullptr), m_UserToolbars(FALSE),
      m_ParentFrame(iParentFrame)
{
}

BOOL CGTToolbarsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_Toolbars.SubclassDlgItem(IDC_GT_TOOLBARS, this);
    m_Toolbars.SetCheckStyle(BS_AUTOCHECKBOX);
    if (!m_UserToolbars) {
        for (const UINT button : {IDC_GT_NEW_TOOLBAR, IDC_GT_RENAME_TOOLBAR, IDC_GT_DELETE_TOOLBAR})
            GetDlgItem(button)->ShowWindow(SW_HIDE);
        GetDlgItem(IDC_GT_NEW_TOOLBAR)->EnableWindow(FALSE);
    }
    CWnd* frame = m_ParentFrame != nullptr ? m_ParentFrame->GetTopLevelFrame() : nullptr;
    const CObList& bars = CGTToolBar::GetAllToolbars();
    for (POSITION position = bars.GetHeadPosition(); position != nullptr;) {
        auto* bar = static_cast<CGTToolBar*>(bars.GetNext(position));
        if (::IsWindow(bar->GetSafeHwnd()) && !bar->IsKindOf(RUNTIME_CLASS(CGTDropDownToolBar)) &&
            bar->GetTopLevelFrame() == frame && bar->CanBeListed())
            AddToolbar(bar);
    }
    const auto* sheet = DYNAMIC_DOWNCAST(CGTToolbarCustomize, GetParent());
    if (sheet == nullptr || !(sheet->GetFlags() & GTCustomizeTextLabels))
        GetDlgItem(IDC_GT_TEXT_LABELS)->ShowWindow(SW_HIDE);
    if (m_Toolbars.GetCount() > 0)
        m_Toolbars.SetCurSel(0);
    OnSelectionChanged();
    return TRUE;
}

int CGTToolbarsPage::AddToolbar(CGTToolBar* iBar)
{
    const int index = m_Toolbars.AddString(NameOf(*iBar));
    m_Toolbars.SetItemDataPtr(index, iBar);
    m_Toolbars.SetCheck(index, iBar->IsVisible() ? 1 : 0);
    m_Toolbars.SetItemState(index, CanClose(iBar));
    m_Toolbars.Enable(index, CanClose(iBar));
    return index;
}

void CGTToolbarsPage::SelectItem(int iIndex)
{
    m_Toolbars.SetCurSel(iIndex);
    m_Toolbars.SetTopIndex(iIndex);
    OnSelectionChanged();
}

CGTToolBar* CGTToolbarsPage::ToolbarAt(int iIndex)
{
    return iIndex >= 0 && iIndex < m_Toolbars.GetCount() ? static_cast<CGTToolBar*>(m_Toolbars.GetItemDataPtr(iIndex))
                                                         : nullptr;
}

BOOL CGTToolbarsPage::CanClose(const CGTToolBar* iBar) const
{
    return iBar->CanHide();
}

BOOL CGTToolbarsPage::IsUserDefined(CGTToolBar* iBar) const
{
    IGTToolbarFrame* hooks = AsToolbarFrame(m_ParentFrame);
    return hooks != nullptr && hooks->IsUserDefinedToolbar(iBar);
}

void CGTToolbarsPage::ShowToolbar(CGTToolBar* iBar, BOOL iShow)
{
    iBar->ShowBar(iShow, FALSE, TRUE);
}

void CGTToolbarsPage::SetToolbarCheck(CGTToolBar* iBar, BOOL iCheck)
{
    if (m_Toolbars.GetSafeHwnd() == nullptr)
        return;
    for (int index = 0; index < m_Toolbars.GetCount(); ++index)
        if (ToolbarAt(index) == iBar) {
            m_Toolbars.SetCheck(index, iCheck ? 1 : 0);
            return;
        }
}

void CGTToolbarsPage::OnSelectionChanged()
{
    m_SelectedToolbar = ToolbarAt(m_Toolbars.GetCurSel());
    CGTToolBar* bar = m_SelectedToolbar;
    GetDlgItem(IDC_GT_RESET_TOOLBAR)->EnableWindow(bar != nullptr && bar->CanBeRestored());
    const BOOL own = bar != nullptr && IsUserDefined(bar);
    GetDlgItem(IDC_GT_DELETE_TOOLBAR)->EnableWindow(own);
    GetDlgItem(IDC_GT_RENAME_TOOLBAR)->EnableWindow(own);
    GetDlgItem(IDC_GT_TEXT_LABELS)->EnableWindow(bar != nullptr);
    m_TextLabels = bar != nullptr && bar->AreTextLabels();
    CheckDlgButton(IDC_GT_TEXT_LABELS, m_TextLabels ? BST_CHECKED : BST_UNCHECKED);
}

void CGTToolbarsPage::OnCheckChanged()
{
    const int index = m_Toolbars.GetCurSel();
    CGTToolBar* bar = ToolbarAt(index);
    if (bar == nullptr)
        return;
    if (CanClose(bar)) {
        ShowToolbar(bar, m_Toolbars.GetCheck(index) != 0);
        return;
    }
    if (m_Toolbars.GetCheck(index) == 0) {
        m_Toolbars.SetCheck(index, 1);
        CGTBeeper::Current().Beep(static_cast<UINT>(-1));
    }
}

void CGTToolbarsPage::OnDoubleClick()
{
    const int index = m_Toolbars.GetCurSel();
    CGTToolBar* bar = ToolbarAt(index);
    if (bar == nullptr)
        return;
    if (CanClose(bar))
        m_Toolbars.SetCheck(index, m_Toolbars.GetCheck(index) ? 0 : 1);
    else
        CGTBeeper::Current().Beep(static_cast<UINT>(-1));
    OnSelectionChanged();
}

BOOL CGTToolbarsPage::Confirm(UINT iPrompt, const CGTToolBar* iBar) const
{
    CString prompt;
    if (iBar != nullptr)
        prompt.Format(iPrompt, static_cast<LPCWSTR>(NameOf(*iBar)));
    else
        prompt.LoadString(iPrompt);
    return AfxMessageBox(prompt, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CGTToolbarsPage::OnReset()
{
    if (m_SelectedToolbar != nullptr && Confirm(IDS_GT_RESET_TOOLBAR, m_SelectedToolbar))
        m_SelectedToolbar->RestoreOriginalState();
}

void CGTToolbarsPage::OnResetAll()
{
    if (!Confirm(IDS_GT_RESET_ALL_TOOLBARS, nullptr))
        return;
    GetCommandManager().ClearUserImages();
    CGTToolBar::RestoreDefaultImages();
    for (int index = 0; index < m_Toolbars.GetCount(); ++index)
        if (CGTToolBar* bar = ToolbarAt(index); bar->CanBeRestored())
            bar->RestoreOriginalState();
}

void CGTToolbarsPage::OnDeleteToolbar()
{
    CGTToolBar* bar = m_SelectedToolbar;
    if (bar == nullptr || !Confirm(IDS_GT_DELETE_TOOLBAR, bar))
        return;
    if (m_ParentFrame == nullptr ||
        m_ParentFrame->SendMessage(GTTOOLBAR_DELETE, 0, reinterpret_cast<LPARAM>(bar)) == 0) {
        CGTBeeper::Current().Beep(MB_ICONASTERISK);
        return;
    }
    m_Toolbars.DeleteString(m_Toolbars.GetCurSel());
    m_Toolbars.SetCurSel(0);
    OnSelectionChanged();
}

void CGTToolbarsPage::OnNewToolbar()
{
    if (m_ParentFrame == nullptr) {
        CGTBeeper::Current().Beep(MB_ICONASTERISK);
        return;
    }
    CToolbarNameDlg dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    auto* bar = reinterpret_cast<CGTToolBar*>(m_ParentFrame->SendMessage(
        GTTOOLBAR_CREATE, 0, reinterpret_cast<LPARAM>(static_cast<LPCWSTR>(dialog.GetName()))));
    if (bar == nullptr)
        return;
    const int index = m_Toolbars.AddString(dialog.GetName());
    m_Toolbars.SetItemDataPtr(index, bar);
    m_Toolbars.SetCheck(index, 1);
    SelectItem(index);
}

void CGTToolbarsPage::OnRenameToolbar()
{
    CGTToolBar* bar = m_SelectedToolbar;
    if (bar == nullptr)
        return;
    CString name;
    bar->GetWindowText(name);
    CToolbarNameDlg dialog(this, name);
    if (dialog.DoModal() != IDOK)
        return;
    bar->SetWindowText(dialog.GetName());
    // A floating bar's caption is its frame's.
    if (CWnd* frame = bar->IsFloating() ? bar->GetParent() : nullptr) {
        frame->SetWindowText(dialog.GetName());
        frame->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    m_Toolbars.DeleteString(m_Toolbars.GetCurSel());
    SelectItem(AddToolbar(bar));
}

void CGTToolbarsPage::OnTextLabels()
{
    m_TextLabels = IsDlgButtonChecked(IDC_GT_TEXT_LABELS) == BST_CHECKED;
    if (m_SelectedToolbar != nullptr)
        m_SelectedToolbar->EnableTextLabels(m_TextLabels);
}
