#include <guitoolkit/toolbars/CGTCustomizePage.h>
#include <guitoolkit/core/CGTCommandManager.h>
#include <guitoolkit/core/GuiToolkitResources.h>
#include <guitoolkit/toolbars/CGTToolbarButton.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>

IMPLEMENT_DYNAMIC(CGTCustomizePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CGTCustomizePage, CPropertyPage)
    ON_LBN_SELCHANGE(IDC_GT_CATEGORIES, &CGTCustomizePage::OnSelectCategory)
    ON_LBN_SELCHANGE(IDC_GT_COMMANDS, &CGTCustomizePage::OnSelectCommand)
END_MESSAGE_MAP()

namespace {
// How many buttons of the list have the text.
int CountText(const CObList& iButtons, const CString& iText)
{
    int count = 0;
    for (POSITION position = iButtons.GetHeadPosition(); position != nullptr;)
        count += static_cast<CGTToolbarButton*>(iButtons.GetNext(position))->m_Text == iText ? 1 : 0;
    return count;
}

// Where a text goes among the sorted texts of a list: before the first greater one.
int SortedPlace(CListBox& iList, const CString& iText)
{
    for (int index = 0; index < iList.GetCount(); ++index) {
        CString text;
        iList.GetText(index, text);
        if (text.Compare(iText) > 0)
            return index;
    }
    return -1;
}
}  // namespace

CGTCustomizePage::CGTCustomizePage() : CPropertyPage(IDD_GT_COMMANDS_PAGE), m_SelectedButton(nullptr) {}

BOOL CGTCustomizePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_Categories.SubclassDlgItem(IDC_GT_CATEGORIES, this);
    m_Commands.SubclassDlgItem(IDC_GT_COMMANDS, this);
    if (auto* sheet = DYNAMIC_DOWNCAST(CGTToolbarCustomize, GetParent()))
        sheet->ListCategoriesInListBox(m_Categories, TRUE);
    m_Categories.SetCurSel(0);
    OnSelectCategory();
    return TRUE;
}

void CGTCustomizePage::OnSelectCategory()
{
    CWaitCursor wait;
    m_Commands.SetRedraw(FALSE);
    m_Commands.ResetContent();
    ShowButtonDescription(nullptr);
    const int selected = m_Categories.GetCurSel();
    const auto* buttons = selected >= 0 ? static_cast<const CObList*>(m_Categories.GetItemDataPtr(selected)) : nullptr;
    CString category;
    if (selected >= 0)
        m_Categories.GetText(selected, category);
    const BOOL allCommands = category == m_AllCommandsName;
    for (POSITION position = buttons != nullptr ? buttons->GetHeadPosition() : nullptr; position != nullptr;) {
        auto* button = static_cast<CGTToolbarButton*>(buttons->GetNext(position));
        button->m_UserImage = button->m_CommandId != static_cast<UINT>(-1) &&
            GetCommandManager().GetCommandImage(button->m_CommandId, FALSE) < 0;
        const BOOL byPath = !button->m_SecondText.IsEmpty() && (allCommands || CountText(*buttons, button->m_Text) > 1);
        const CString& text = byPath ? button->m_SecondText : button->m_Text;
        const int index = m_Commands.InsertString(allCommands ? SortedPlace(m_Commands, text) : -1, text);
        m_Commands.SetItemDataPtr(index, button);
    }
    m_Commands.SetRedraw(TRUE);
    m_Commands.Invalidate();
}

void CGTCustomizePage::OnSelectCommand()
{
    const int selected = m_Commands.GetCurSel();
    ShowButtonDescription(selected >= 0 ? static_cast<CGTToolbarButton*>(m_Commands.GetItemDataPtr(selected))
                                        : nullptr);
}

void CGTCustomizePage::ShowButtonDescription(CGTToolbarButton* iButton)
{
    m_Description.Empty();
    if (iButton != nullptr) {
        auto* sheet = DYNAMIC_DOWNCAST(CGTToolbarCustomize, GetParent());
        CFrameWnd* frame = sheet != nullptr ? sheet->GetParentFrame() : nullptr;
        if (iButton->m_CommandId == 0)
            m_Description = iButton->m_Text;
        else if (frame != nullptr && frame->GetSafeHwnd() != nullptr)
            frame->GetMessageString(iButton->m_CommandId, m_Description);
    }
    m_SelectedButton = iButton;
    SetDlgItemText(IDC_GT_DESCRIPTION, m_Description);
}
