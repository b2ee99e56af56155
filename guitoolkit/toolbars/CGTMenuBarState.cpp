// The menu bar's stored state and its resets: each stored menu in turn passes through the
// bar, which loads, saves or resets it, while the menu shown is kept aside in the menu hash.
#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/toolbars/CMenuHash.h>
#include <guitoolkit/core/GuiToolkitMessages.h>
#include <guitoolkit/toolbars/CGTMenuBar.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>
#include <afxmdi.h>
#include <memory>

namespace {
// A menu of the program's resources; null when it has none.
HMENU LoadMenuResource(UINT iResourceId)
{
    const LPCWSTR name = MAKEINTRESOURCEW(iResourceId);
    return ::LoadMenuW(AfxFindResourceHandle(name, RT_MENU), name);
}

// The templates of several documents that have a shared menu.
std::vector<CMultiDocTemplate*> MenuTemplates()
{
    std::vector<CMultiDocTemplate*> templates;
    CWinApp* app = AfxGetApp();
    if (app == nullptr)
        return templates;
    for (POSITION position = app->GetFirstDocTemplatePosition(); position != nullptr;) {
        auto* multi = DYNAMIC_DOWNCAST(CMultiDocTemplate, app->GetNextDocTemplate(position));
        if (multi != nullptr && multi->m_hMenuShared != nullptr)
            templates.push_back(multi);
    }
    return templates;
}

// Each child frame of the template's documents.
template <class Visit>
void ForEachChildOf(CMultiDocTemplate& iTemplate, Visit iVisit)
{
    for (POSITION document = iTemplate.GetFirstDocPosition(); document != nullptr;) {
        CDocument* open = iTemplate.GetNextDoc(document);
        for (POSITION view = open->GetFirstViewPosition(); view != nullptr;) {
            if (auto* child = DYNAMIC_DOWNCAST(CMDIChildWnd, open->GetNextView(view)->GetParentFrame()))
                iVisit(*child);
        }
    }
}
}  // namespace

BOOL CGTMenuBar::BuildOriginalItems(UINT iResourceId)
{
    CObList none;
    ReplaceOriginalState(none);
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (workspace == nullptr || !workspace->m_MenusCanBeCustomized)
        return FALSE;
    HMENU menu = LoadMenuResource(iResourceId);
    if (menu == nullptr)
        return FALSE;
    CObList items;
    for (int index = 0; index < ::GetMenuItemCount(menu); ++index) {
        if (CGTToolbarButton* item = MakeItem(menu, index))
            items.AddTail(item);
    }
    ReplaceOriginalState(items);
    ::DestroyMenu(menu);
    return TRUE;
}

template <class Visit>
void CGTMenuBar::ForEachStoredMenu(Visit iVisit)
{
    if (m_KeepDocumentMenus) {
        for (CMultiDocTemplate* menuTemplate : MenuTemplates())
            iVisit(menuTemplate->m_hMenuShared, menuTemplate->m_nIDResource, menuTemplate->m_nIDResource, FALSE);
    }
    if (m_DefaultMenu != nullptr)
        iVisit(m_DefaultMenu, m_FrameMenuId, 0u, TRUE);
}

BOOL CGTMenuBar::LoadState(LPCWSTR iProfile, int iIndex, UINT)
{
    CMenuHash& hash = CMenuHash::Instance();
    const HMENU current = m_CurrentMenu;
    if (current != nullptr)
        hash.SaveMenuBar(current, this);
    const BOOL wasMaximized = m_Maximized;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    m_Loading = TRUE;
    ForEachStoredMenu([&](HMENU iMenu, UINT iResourceId, UINT iKeyId, BOOL iDefault) {
        BuildOriginalItems(iResourceId);
        const BOOL loaded = CGTToolBar::LoadState(iProfile, iIndex, iKeyId);
        if ((!loaded || m_ResourceChanged) && GetParent() != nullptr) {
            RebuildFromMenu(iMenu, iDefault);
            GetParent()->SendMessage(GTTOOLBAR_RESETMENU, iResourceId);
        }
        hash.SaveMenuBar(iMenu, this);
    });
    m_Loading = FALSE;
    m_CurrentMenu = current;
    if (current != nullptr)
        hash.LoadMenuBar(current, this);
    if (wasMaximized)
        RestoreMaximizeMode(FALSE);
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
    AdjustLayout();
    RebuildAccessKeys();
    return TRUE;
}

BOOL CGTMenuBar::SaveState(LPCWSTR iProfile, int iIndex, UINT)
{
    CMenuHash& hash = CMenuHash::Instance();
    const HMENU current = m_CurrentMenu;
    if (current != nullptr)
        hash.SaveMenuBar(current, this);
    const BOOL wasMaximized = m_Maximized;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    ForEachStoredMenu([&](HMENU iMenu, UINT iResourceId, UINT iKeyId, BOOL) {
        if (!hash.LoadMenuBar(iMenu, this))
            return;
        BuildOriginalItems(iResourceId);
        CGTToolBar::SaveState(iProfile, iIndex, iKeyId);
    });
    if (current != nullptr)
        hash.LoadMenuBar(current, this);
    if (wasMaximized)
        RestoreMaximizeMode(FALSE);
    AdjustLayout();
    return TRUE;
}

BOOL CGTMenuBar::RestoreOriginalState()
{
    if (m_Loading)
        return FALSE;
    CMenuHash& hash = CMenuHash::Instance();
    HMENU current = m_CurrentMenu;
    if (current != nullptr)
        hash.SaveMenuBar(current, this);
    std::unique_ptr<CGTToolbarButton> customize = CopyOfCustomizeButton();
    const CGTWorkspaceSettings* workspace = CGTWorkspaceSettings::Current();
    if (MenuTearOffIdTable* table = workspace != nullptr ? workspace->GetTearOffTable() : nullptr)
        table->ResetIds();
    const BOOL wasMaximized = m_Maximized;
    SetMaximizeMode(FALSE, nullptr, FALSE);
    // Each menu is replaced by a fresh copy of its resource, which its owner takes.
    const auto replace = [&](HMENU iOld, HMENU iNew, BOOL iDefault) {
        RebuildFromMenu(iNew, iDefault);
        hash.SaveMenuBar(iNew, this);
        hash.RemoveMenu(iOld);
        if (iOld == current)
            current = iNew;
        ::DestroyMenu(iOld);
    };
    for (CMultiDocTemplate* menuTemplate : MenuTemplates()) {
        HMENU fresh = LoadMenuResource(menuTemplate->m_nIDResource);
        if (fresh == nullptr)
            continue;
        const HMENU old = menuTemplate->m_hMenuShared;
        menuTemplate->m_hMenuShared = fresh;
        ForEachChildOf(*menuTemplate, [&](CMDIChildWnd& iChild) {
            iChild.m_hMenuShared = fresh;
            iChild.m_hAccelTable = menuTemplate->m_hAccelTable;
        });
        replace(old, fresh, FALSE);
    }
    if (HMENU fresh = m_FrameMenuId != 0 ? LoadMenuResource(m_FrameMenuId) : nullptr) {
        OnDefaultMenuLoaded(fresh);
        const HMENU old = m_DefaultMenu;
        CFrameWnd* frame = Frame();
        if (frame != nullptr) {
            frame->m_hMenuDefault = fresh;
        } else {
            m_OwnDefaultMenu = fresh;
        }
        replace(old, fresh, TRUE);
    }
    m_CurrentMenu = nullptr;
    if (current != nullptr)
        CreateFromMenu(current, current == m_DefaultMenu, FALSE);
    if (wasMaximized)
        RestoreMaximizeMode(FALSE);
    if (customize != nullptr && InsertButton(customize.get()) >= 0)
        m_CustomizeButton = customize.release();
    AdjustLayout();
    return TRUE;
}

void CGTMenuBar::ResetImagesToDefault()
{
    CMenuHash& hash = CMenuHash::Instance();
    if (m_CurrentMenu != nullptr)
        hash.SaveMenuBar(m_CurrentMenu, this);
    ForEachStoredMenu([&](HMENU iMenu, UINT, UINT, BOOL) {
        if (!hash.LoadMenuBar(iMenu, this))
            return;
        CGTToolBar::ResetImagesToDefault();
        hash.SaveMenuBar(iMenu, this);
    });
    if (m_CurrentMenu != nullptr)
        hash.LoadMenuBar(m_CurrentMenu, this);
    if (CFrameWnd* frame = GetParentFrame())
        frame->RecalcLayout();
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
