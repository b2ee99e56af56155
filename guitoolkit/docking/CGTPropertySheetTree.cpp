// The sheet's tree navigation: categories and pages as items, a category leading to the page
// last reached under it, and the active page's category path kept expanded.
#include <guitoolkit/docking/CGTPropertySheet.h>

namespace {
void RemoveFromList(CObList& ioList, CObject* iItem)
{
    if (POSITION position = ioList.Find(iItem))
        ioList.RemoveAt(position);
}
}  // namespace

CGTPropSheetCategory* CGTPropertySheet::AddTreeCategory(const CString& iName, int iIcon, int iSelectedIcon,
                                                        CGTPropSheetCategory* iParent)
{
    auto* category = new CGTPropSheetCategory(iName, iIcon, iSelectedIcon, iParent, *this);
    (iParent != nullptr ? iParent->m_SubCategories : m_Categories).AddTail(category);
    if (m_Tree.GetSafeHwnd() != nullptr)
        category->m_TreeItem = InsertTreeItem(iName, category, iParent);
    return category;
}

HTREEITEM CGTPropertySheet::InsertTreeItem(const CString& iLabel, CObject* iData, CGTPropSheetCategory* iParent)
{
    TVINSERTSTRUCTW insert = {};
    insert.hParent = iParent != nullptr && iParent->m_TreeItem != nullptr ? iParent->m_TreeItem : TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(iLabel));
    insert.item.iImage = I_IMAGECALLBACK;
    insert.item.iSelectedImage = I_IMAGECALLBACK;
    insert.item.lParam = reinterpret_cast<LPARAM>(iData);
    return m_Tree.InsertItem(&insert);
}

void CGTPropertySheet::InsertCategoryItem(CGTPropSheetCategory& iCategory)
{
    iCategory.m_TreeItem = InsertTreeItem(iCategory.m_Name, &iCategory, iCategory.m_Parent);
    for (POSITION position = iCategory.m_SubCategories.GetHeadPosition(); position != nullptr;)
        InsertCategoryItem(*static_cast<CGTPropSheetCategory*>(iCategory.m_SubCategories.GetNext(position)));
}

void CGTPropertySheet::OnRemoveTreePage(CPropertyPage* iPage)
{
    auto* page = DYNAMIC_DOWNCAST(CGTPropertyPage, iPage);
    if (page == nullptr)
        return;
    if (page->m_TreeItem != nullptr && m_Tree.GetSafeHwnd() != nullptr)
        m_Tree.DeleteItem(page->m_TreeItem);
    page->m_TreeItem = nullptr;
    if (page->m_Category != nullptr)
        RemoveFromList(page->m_Category->m_Pages, page);
    page->m_Category = nullptr;
}

void CGTPropertySheet::ForgetCategory(CGTPropSheetCategory& iCategory)
{
    while (!iCategory.m_Pages.IsEmpty()) {
        auto* page = static_cast<CPropertyPage*>(iCategory.m_Pages.GetHead());
        RemovePage(page);
        // A page the sheet no longer holds leaves the category all the same.
        RemoveFromList(iCategory.m_Pages, page);
    }
    RemoveFromList(iCategory.m_Parent != nullptr ? iCategory.m_Parent->m_SubCategories : m_Categories, &iCategory);
    if (iCategory.m_TreeItem != nullptr && m_Tree.GetSafeHwnd() != nullptr)
        m_Tree.DeleteItem(iCategory.m_TreeItem);
    iCategory.m_TreeItem = nullptr;
}

CPropertyPage* CGTPropertySheet::PageUnder(const CGTPropSheetCategory& iCategory) const
{
    if (iCategory.m_LastSelectedItem != nullptr) {
        auto* data = reinterpret_cast<CObject*>(m_Tree.GetItemData(iCategory.m_LastSelectedItem));
        if (auto* page = DYNAMIC_DOWNCAST(CPropertyPage, data))
            return page;
        if (auto* category = DYNAMIC_DOWNCAST(CGTPropSheetCategory, data))
            return PageUnder(*category);
    }
    const CGTPropSheetCategory* leaf = &iCategory;
    while (!leaf->m_SubCategories.IsEmpty())
        leaf = static_cast<CGTPropSheetCategory*>(leaf->m_SubCategories.GetHead());
    return leaf->m_Pages.IsEmpty() ? nullptr : static_cast<CPropertyPage*>(leaf->m_Pages.GetHead());
}

void CGTPropertySheet::RememberPath(HTREEITEM iPageItem, CGTPropSheetCategory* iCategory)
{
    HTREEITEM child = iPageItem;
    for (CGTPropSheetCategory* category = iCategory; category != nullptr; category = category->m_Parent) {
        category->m_LastSelectedItem = child;
        child = category->m_TreeItem;
    }
}

void CGTPropertySheet::ExpandCategoryPath(CGTPropSheetCategory* iCategory, UINT iCode)
{
    for (CGTPropSheetCategory* category = iCategory; category != nullptr; category = category->m_Parent)
        if (category->m_TreeItem != nullptr)
            m_Tree.Expand(category->m_TreeItem, iCode);
}

void CGTPropertySheet::RedrawTreeItem(HTREEITEM iItem)
{
    CRect rect;
    if (iItem != nullptr && m_Tree.GetItemRect(iItem, rect, FALSE))
        m_Tree.InvalidateRect(rect);
}

void CGTPropertySheet::OnTreeSelChanged(NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    const BOOL wasChanging = m_TreeChangesPage;
    m_TreeChangesPage = TRUE;
    OnTreeSelected(reinterpret_cast<NMTREEVIEWW*>(iHeader)->itemNew.hItem);
    m_TreeChangesPage = wasChanging;
}

void CGTPropertySheet::OnTreeSelected(HTREEITEM iItem)
{
    if (iItem == nullptr)
        return;
    CPropertyPage* oldPage = CurrentPage();
    auto* oldGtPage = DYNAMIC_DOWNCAST(CGTPropertyPage, oldPage);
    CGTPropSheetCategory* oldCategory = oldGtPage != nullptr ? oldGtPage->m_Category : nullptr;
    auto* data = reinterpret_cast<CObject*>(m_Tree.GetItemData(iItem));
    CPropertyPage* page = DYNAMIC_DOWNCAST(CPropertyPage, data);
    auto* category = DYNAMIC_DOWNCAST(CGTPropSheetCategory, data);
    if (page == nullptr && category != nullptr)
        page = PageUnder(*category);
    if (page == nullptr)
        return;
    if (page != oldPage && !SetActivePage(page)) {
        if (oldGtPage != nullptr && oldGtPage->m_TreeItem != nullptr)
            m_Tree.SelectItem(oldGtPage->m_TreeItem);
        return;
    }
    auto* gtPage = DYNAMIC_DOWNCAST(CGTPropertyPage, page);
    if (category == nullptr && gtPage != nullptr)
        RememberPath(iItem, gtPage->m_Category);
    RedrawTreeItem(oldGtPage != nullptr ? oldGtPage->m_TreeItem : nullptr);
    RedrawTreeItem(gtPage != nullptr ? gtPage->m_TreeItem : nullptr);
    CGTPropSheetCategory* newCategory = gtPage != nullptr ? gtPage->m_Category : nullptr;
    if (newCategory != oldCategory) {
        ExpandCategoryPath(oldCategory, TVE_COLLAPSE);
        ExpandCategoryPath(newCategory, TVE_EXPAND);
    }
}

void CGTPropertySheet::OnTreeGetDispInfo(NMHDR* iHeader, LRESULT* oResult)
{
    *oResult = 0;
    TVITEMW& item = reinterpret_cast<NMTVDISPINFOW*>(iHeader)->item;
    auto* data = reinterpret_cast<CObject*>(item.lParam);
    int image = -1;
    if (auto* page = DYNAMIC_DOWNCAST(CGTPropertyPage, data))
        image = page == CurrentPage() ? page->m_SelectedIcon : page->m_Icon;
    else if (auto* category = DYNAMIC_DOWNCAST(CGTPropSheetCategory, data))
        image = (m_Tree.GetItemState(item.hItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0 ? category->m_SelectedIcon
                                                                                      : category->m_Icon;
    item.iImage = image;
    item.iSelectedImage = image;
}
