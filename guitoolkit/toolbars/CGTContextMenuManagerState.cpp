// Storing the user's changes to the context menus and the items their resources define.
#include <guitoolkit/toolbars/CGTContextMenuManager.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/toolbars/CGTPopupMenuBar.h>
#include <memory>

namespace {
const DWORD stateBarStyle = 0x50402808;
const UINT stateBarId = 0xE800;

// Copies of the buttons, each of its own class.
void CopyButtons(const CObList& iFrom, CObList& oTo)
{
    for (POSITION position = iFrom.GetHeadPosition(); position != nullptr;) {
        const auto* button = static_cast<const CGTToolbarButton*>(iFrom.GetNext(position));
        auto* copy = static_cast<CGTToolbarButton*>(button->GetRuntimeClass()->CreateObject());
        if (copy == nullptr)
            continue;
        copy->CopyFrom(*button);
        oTo.AddTail(copy);
    }
}

void DeleteButtons(CObList& ioList)
{
    while (!ioList.IsEmpty())
        delete ioList.RemoveHead();
}

struct BarDeleter {
    void operator()(CGTPopupMenuBar* iBar) const
    {
        iBar->DestroyWindow();
        delete iBar;
    }
};
using StateBar = std::unique_ptr<CGTPopupMenuBar, BarDeleter>;
}  // namespace

CGTPopupMenuBar* CGTContextMenuManager::CreateStateBar()
{
    CWnd* parent = AfxGetMainWnd();
    if (parent == nullptr || parent->GetSafeHwnd() == nullptr)
        parent = CWnd::GetDesktopWindow();
    auto bar = std::make_unique<CGTPopupMenuBar>();
    if (!bar->Create(parent, stateBarStyle, stateBarId))
        return nullptr;
    return bar.release();
}

std::vector<std::pair<UINT, HMENU>> CGTContextMenuManager::ItemMenus() const
{
    std::vector<std::pair<UINT, HMENU>> menus;
    UINT id = 0;
    HMENU menu = nullptr;
    for (POSITION position = m_MenusById.GetStartPosition(); position != nullptr;) {
        m_MenusById.GetNextAssoc(position, id, menu);
        menus.emplace_back(id, ::GetSubMenu(menu, 0));
    }
    return menus;
}

void CGTContextMenuManager::DeleteOriginalItems()
{
    UINT id = 0;
    CObList* items = nullptr;
    for (POSITION position = m_OriginalItems.GetStartPosition(); position != nullptr;) {
        m_OriginalItems.GetNextAssoc(position, id, items);
        DeleteButtons(*items);
        delete items;
    }
    m_OriginalItems.RemoveAll();
}

BOOL CGTContextMenuManager::SaveState(LPCWSTR iProfile)
{
    for (const auto& [id, items] : ItemMenus()) {
        StateBar bar(CreateStateBar());
        // Every item is stored, the rarely used ones of a personalised menu too.
        if (bar == nullptr || !bar->ImportFromMenu(items, TRUE))
            return FALSE;
        bar->LoadFromResource(id);
        if (bar->SaveState(iProfile, static_cast<int>(id)) && bar->GetResourceId() == 0)
            CMenuHash::Instance().SaveMenuBar(items, bar.get());
        CObList* original = nullptr;
        if (m_OriginalItems.Lookup(id, original)) {
            DeleteButtons(*original);
            delete original;
            m_OriginalItems.RemoveKey(id);
        }
        if (!bar->GetOriginalItems().IsEmpty()) {
            original = new CObList;
            CopyButtons(bar->GetOriginalItems(), *original);
            m_OriginalItems.SetAt(id, original);
        }
    }
    return TRUE;
}

BOOL CGTContextMenuManager::LoadState(LPCWSTR iProfile)
{
    for (const auto& [id, items] : ItemMenus()) {
        StateBar bar(CreateStateBar());
        if (bar == nullptr)
            return FALSE;
        CMenuHash::Instance().LoadMenuBar(items, bar.get());
        CObList* original = nullptr;
        if (m_OriginalItems.Lookup(id, original)) {
            CObList copies;
            CopyButtons(*original, copies);
            bar->ReplaceOriginalState(copies);
        }
        if (!bar->LoadState(iProfile, static_cast<int>(id)))
            return FALSE;
        // Popups of the menu take the loaded items from the hash.
        CMenuHash::Instance().SaveMenuBar(items, bar.get());
    }
    return TRUE;
}

BOOL CGTContextMenuManager::ResetState()
{
    for (const auto& [id, items] : ItemMenus())
        CMenuHash::Instance().RemoveMenu(items);
    DeleteOriginalItems();
    return TRUE;
}
