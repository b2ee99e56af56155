// The sheet's catalogue of the commands the user may place: built from the application's
// menus and its user tools, and listed by category.
#include <guitoolkit/toolbars/CGTUserToolsManager.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/CGTToolBar.h>
#include <guitoolkit/toolbars/CGTToolbarCustomize.h>
#include <guitoolkit/toolbars/CGTToolbarMenuButton.h>
#include <guitoolkit/toolbars/IGTToolbarFrame.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <memory>

namespace {
// The commands of an MDI frame's window menu.
const UINT firstWindowCommand = 57648;
const UINT lastWindowCommand = 57663;

// A text without what follows its first tab (the shortcut key).
CString CutAtTab(const CString& iText)
{
    const int tab = iText.Find(L'\t');
    return tab >= 0 ? iText.Left(tab) : iText;
}

// A menu path and item as one word: each word capitalised, the blanks left out.
CString PathText(const CString& iPath)
{
    CString result;
    BOOL afterBlank = FALSE;
    for (int at = 0; at < iPath.GetLength(); ++at) {
        const wchar_t character = iPath[at];
        if (character == L' ') {
            afterBlank = TRUE;
            continue;
        }
        result += afterBlank ? static_cast<wchar_t>(::towupper(character)) : character;
        afterBlank = FALSE;
    }
    return CutAtTab(result);
}

// The part of the command's string after its first newline: its short name.
CString ShortName(UINT iCommandId)
{
    CString text;
    if (!text.LoadString(iCommandId))
        return CString();
    const int newline = text.Find(L'\n');
    return newline >= 0 ? text.Mid(newline + 1) : CString();
}
}  // namespace

void CGTToolbarCustomize::AddCatalogueButton(LPCWSTR iCategory, const CGTToolbarButton& iButton, int iInsertAt)
{
    if (!iButton.IsCustomizable() || !CGTToolBar::IsCommandPermitted(iButton.m_CommandId))
        return;
    CString text = iButton.m_Text;
    text.Trim();
    BOOL userTool = FALSE;
    const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (tools != nullptr && tools->IsInRange(iButton.m_CommandId)) {
        const CGTUserTool* tool = tools->FindToolByCommand(iButton.m_CommandId);
        if (tool == nullptr)
            return;
        text = tool->m_Label;
        userTool = TRUE;
    }
    if (text.IsEmpty()) {
        text = ShortName(iButton.m_CommandId);
        if (text.IsEmpty())
            return;
    } else {
        if (!m_KeepAmpersands)
            text.Remove(L'&');
        text = CutAtTab(text);
    }
    AddToCategory(iCategory, iButton, text, userTool, iInsertAt);
    if (m_AllCommandsName != iCategory)
        AddCatalogueButton(m_AllCommandsName, iButton);
}

void CGTToolbarCustomize::AddToCategory(const CString& iCategory, const CGTToolbarButton& iButton, const CString& iText,
                                        BOOL iUserTool, int iInsertAt)
{
    CObList* buttons = nullptr;
    if (!m_ButtonsByCategory.Lookup(iCategory, buttons)) {
        buttons = new CObList(10);
        m_ButtonsByCategory.SetAt(iCategory, buttons);
        if (iCategory != m_AllCommandsName)
            m_CategoryNames.AddTail(iCategory);
    } else {
        const UINT subMenu = static_cast<UINT>(-1);
        for (POSITION position = buttons->GetHeadPosition(); position != nullptr;) {
            auto* listed = static_cast<CGTToolbarButton*>(buttons->GetNext(position));
            const BOOL same = iButton.m_CommandId != subMenu
                ? listed->m_CommandId == iButton.m_CommandId
                : listed->m_CommandId == subMenu && listed->m_Text == iText;
            if (!same)
                continue;
            if (listed->m_Text.IsEmpty())
                listed->m_Text = iText;
            return;
        }
    }
    std::unique_ptr<CGTToolbarButton> copy(static_cast<CGTToolbarButton*>(iButton.GetRuntimeClass()->CreateObject()));
    if (copy == nullptr)
        return;
    copy->CopyFrom(iButton);
    copy->m_Text = iText;
    if (iUserTool)
        copy->SetImage(0);
    POSITION before = iInsertAt >= 0 ? buttons->FindIndex(iInsertAt) : nullptr;
    if (before != nullptr)
        buttons->InsertBefore(before, copy.get());
    else
        buttons->AddTail(copy.get());
    copy.release()->OnAddToCustomizePage();
}

void CGTToolbarCustomize::AddMenuTree(CMenu* iMenu, BOOL iPopups, LPCWSTR iCategory, LPCWSTR iPath)
{
    BOOL windowMenu = FALSE;
    const int count = static_cast<int>(iMenu->GetMenuItemCount());
    for (int position = 0; position < count; ++position) {
        CString text;
        iMenu->GetMenuString(position, text, MF_BYPOSITION);
        if (!m_KeepAmpersands)
            text.Remove(L'&');
        const UINT id = iMenu->GetMenuItemID(position);
        if (CMenu* subMenu = iMenu->GetSubMenu(position)) {
            CString category = iCategory != nullptr ? CString(iCategory) : text;
            if (iCategory == nullptr)
                category.Remove(L'&');
            if (iPopups) {
                CString label = text;
                const UINT tearOffId = MenuTearOffIdTable::ExtractId(label);
                CGTToolbarMenuButton button(static_cast<UINT>(-1), subMenu->GetSafeHmenu(), -1, label);
                if (tearOffId != 0)
                    button.SetTearOff(tearOffId);
                AddCatalogueButton(category, button);
            }
            const CString path = CString(iPath) + text;
            if (m_AutoSetFromMenus)
                AddMenuTree(subMenu, iPopups, category, path);
            else
                AddMenuTree(subMenu, iPopups);
            continue;
        }
        if (id == 0)
            continue;
        if (iPopups && id >= firstWindowCommand && id <= lastWindowCommand)
            windowMenu = TRUE;
        CGTToolbarButton button(id, -1, text);
        if (iPath != nullptr)
            button.m_SecondText = PathText(CString(iPath) + button.m_Text);
        AddCatalogueButton(iCategory != nullptr ? iCategory : static_cast<LPCWSTR>(m_AllCommandsName), button);
    }
    if (!windowMenu || iCategory == nullptr)
        return;
    const IGTToolbarFrame* hooks = AsToolbarFrame(m_ParentFrame);
    UINT command = 0;
    CString text;
    if (hooks != nullptr && hooks->GetWindowsDialogCommand(command, text))
        AddCatalogueButton(iCategory, CGTToolbarButton(command, -1, text));
}

void CGTToolbarCustomize::BuildCatalogueFromMenus()
{
    if (CWinApp* application = AfxGetApp()) {
        for (POSITION position = application->GetFirstDocTemplatePosition(); position != nullptr;) {
            auto* kind = DYNAMIC_DOWNCAST(CMultiDocTemplate, application->GetNextDocTemplate(position));
            if (kind != nullptr && kind->m_hMenuShared != nullptr)
                AddMenuTree(CMenu::FromHandle(kind->m_hMenuShared), FALSE);
        }
    }
    HMENU menu = m_ParentFrame != nullptr ? m_ParentFrame->m_hMenuDefault : nullptr;
    if (menu == nullptr) {
        const IGTToolbarFrame* hooks = AsToolbarFrame(m_ParentFrame);
        const CGTMenuBar* menuBar = hooks != nullptr ? hooks->GetMenuBar() : nullptr;
        menu = menuBar != nullptr ? menuBar->GetDefaultMenu() : nullptr;
    }
    if (menu != nullptr)
        AddMenuTree(CMenu::FromHandle(menu), FALSE);
}

void CGTToolbarCustomize::AddUserToolButtons(LPCWSTR iCategory)
{
    const CGTUserToolsManager* tools = CGTUserToolsManager::Current();
    if (tools == nullptr)
        return;
    const CObList& list = tools->GetTools();
    for (POSITION position = list.GetHeadPosition(); position != nullptr;) {
        const auto* tool = static_cast<const CGTUserTool*>(list.GetNext(position));
        AddCatalogueButton(iCategory, CGTToolbarButton(tool->m_CommandId, 0, tool->m_Label));
    }
}

template <class Add>
void CGTToolbarCustomize::ListCategories(BOOL iAddEmpty, Add iAdd) const
{
    for (POSITION position = m_CategoryNames.GetHeadPosition(); position != nullptr;) {
        const CString& name = m_CategoryNames.GetNext(position);
        CObList* buttons = nullptr;
        if (!m_ButtonsByCategory.Lookup(name, buttons))
            continue;
        BOOL hasCommand = FALSE;
        for (POSITION item = buttons->GetHeadPosition(); item != nullptr && !hasCommand;) {
            const UINT id = static_cast<CGTToolbarButton*>(buttons->GetNext(item))->m_CommandId;
            hasCommand = id != 0 && id != static_cast<UINT>(-1);
        }
        if (iAddEmpty || hasCommand)
            iAdd(name, buttons);
    }
    CObList* all = nullptr;
    m_ButtonsByCategory.Lookup(m_AllCommandsName, all);
    iAdd(m_AllCommandsName, all);
}

void CGTToolbarCustomize::ListCategoriesInListBox(CListBox& ioList, BOOL iAddEmpty) const
{
    ListCategories(iAddEmpty, [&ioList](const CString& iName, CObList* iButtons) {
        ioList.SetItemDataPtr(ioList.AddString(iName), iButtons);
    });
}

void CGTToolbarCustomize::ListCategoriesInComboBox(CComboBox& ioList, BOOL iAddEmpty) const
{
    ListCategories(iAddEmpty, [&ioList](const CString& iName, CObList* iButtons) {
        ioList.SetItemDataPtr(ioList.AddString(iName), iButtons);
    });
}

void CGTToolbarCustomize::ListAllCommands(CListBox& ioList) const
{
    ioList.ResetContent();
    const CObList* all = GetCategoryButtons(m_AllCommandsName);
    if (all == nullptr)
        return;
    for (POSITION position = all->GetHeadPosition(); position != nullptr;) {
        const auto* button = static_cast<const CGTToolbarButton*>(all->GetNext(position));
        const CString& text = button->m_SecondText.IsEmpty() ? button->m_Text : button->m_SecondText;
        ioList.SetItemData(ioList.AddString(text), button->m_CommandId);
    }
}

LPCWSTR CGTToolbarCustomize::GetCommandName(UINT iCommandId) const
{
    const CObList* all = GetCategoryButtons(m_AllCommandsName);
    for (POSITION position = all != nullptr ? all->GetHeadPosition() : nullptr; position != nullptr;) {
        const auto* button = static_cast<const CGTToolbarButton*>(all->GetNext(position));
        if (button->m_CommandId == iCommandId)
            return button->m_Text;
    }
    return nullptr;
}

const CObList* CGTToolbarCustomize::GetCategoryButtons(LPCWSTR iCategory) const
{
    CObList* buttons = nullptr;
    return m_ButtonsByCategory.Lookup(iCategory, buttons) ? buttons : nullptr;
}
