#include <guitoolkit/controls/CGTGridCache.h>
#include <guitoolkit/controls/CGTGridRow.h>
#include <algorithm>

CGTGridPage::~CGTGridPage()
{
    for (INT_PTR i = m_Rows.GetSize() - 1; i >= 0; --i)
        delete m_Rows[i];
}

CGTGridCache::CGTGridCache() : m_PageSize(150), m_MaxPages(5), m_Pages(10), m_Kept{-1, -1} {}

CGTGridCache::~CGTGridCache()
{
    CleanUp();
}

CGTGridRow* CGTGridCache::GetRow(int iIndex)
{
    for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr;) {
        CGTGridCachePageInfo& page = m_Pages.GetNext(position);
        if (page.Covers(iIndex)) {
            page.m_Used = TRUE;
            return page.m_Page->m_Rows[iIndex - page.m_First];
        }
    }
    return nullptr;
}

BOOL CGTGridCache::SetRow(int iIndex, CGTGridRow* iRow)
{
    if (iIndex < 0)
        return FALSE;
    for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr;) {
        CGTGridCachePageInfo& page = m_Pages.GetNext(position);
        if (page.Covers(iIndex)) {
            page.m_Page->m_Rows[iIndex - page.m_First] = iRow;
            return TRUE;
        }
    }
    CGTGridCachePageInfo page = MakePage(iIndex);
    page.m_Page->m_Rows[iIndex - page.m_First] = iRow;
    m_Pages.AddHead(page);
    Evict();
    return TRUE;
}

CGTGridCachePageInfo CGTGridCache::MakePage(int iIndex) const
{
    int size = m_PageSize;
    int lower = std::max(iIndex - m_PageSize, 0);
    for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr;) {
        const CGTGridCachePageInfo& page = m_Pages.GetNext(position);
        if (page.m_First > iIndex && page.m_First - iIndex < size)
            size = page.m_First - iIndex;
        const int end = page.m_First + page.m_Count;
        if (end <= iIndex)
            lower = std::max(lower, end);
    }
    // A page cut short by the next one extends backwards, down to the one before.
    const int offset = size < m_PageSize && iIndex > lower ? std::min(m_PageSize - size, iIndex - lower) : 0;
    return {iIndex - offset, offset + size, new CGTGridPage(offset + size), TRUE};
}

BOOL CGTGridCache::IsKept(const CGTGridCachePageInfo& iPage) const
{
    return iPage.Covers(m_Kept[0]) || iPage.Covers(m_Kept[1]);
}

void CGTGridCache::Evict()
{
    while (m_Pages.GetCount() > m_MaxPages) {
        CGTGridCachePageInfo page = m_Pages.RemoveTail();
        if (page.m_Used || IsKept(page)) {
            page.m_Used = FALSE;
            m_Pages.AddHead(page);
        } else {
            delete page.m_Page;
        }
    }
}

void CGTGridCache::CleanUp()
{
    while (!m_Pages.IsEmpty())
        delete m_Pages.RemoveHead().m_Page;
}

void CGTGridCache::KeepRows(int iFirst, int iSecond)
{
    m_Kept[0] = iFirst;
    m_Kept[1] = iSecond;
}

void CGTGridCache::ForEachRow(const std::function<void(int, CGTGridRow*)>& iVisit) const
{
    for (POSITION position = m_Pages.GetHeadPosition(); position != nullptr;) {
        const CGTGridCachePageInfo& page = m_Pages.GetNext(position);
        for (int i = 0; i < page.m_Count; ++i)
            if (page.m_Page->m_Rows[i] != nullptr)
                iVisit(page.m_First + i, page.m_Page->m_Rows[i]);
    }
}
