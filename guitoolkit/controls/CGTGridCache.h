// The rows a virtual grid has built, in pages of consecutive rows. A few pages are kept;
// making one more evicts the oldest page not hit since the last eviction (second chance).
#pragma once
#include <afxwin.h>
#include <afxtempl.h>
#include <functional>

class CGTGridRow;

// One page's rows, null until built; owned.
class CGTGridPage : public CObject {
public:
    explicit CGTGridPage(int iSize) { m_Rows.SetSize(iSize); }
    ~CGTGridPage() override;
    CGTGridPage(const CGTGridPage&) = delete;
    CGTGridPage& operator=(const CGTGridPage&) = delete;

    CArray<CGTGridRow*, CGTGridRow*> m_Rows;
};

struct CGTGridCachePageInfo {
    int m_First;
    int m_Count;
    CGTGridPage* m_Page;
    BOOL m_Used;

    BOOL Covers(int iIndex) const { return iIndex >= m_First && iIndex < m_First + m_Count; }
};

class CGTGridCache : public CObject {
public:
    CGTGridCache();
    ~CGTGridCache() override;
    CGTGridCache(const CGTGridCache&) = delete;
    CGTGridCache& operator=(const CGTGridCache&) = delete;

    // Null when no page holds a built row at the index.
    CGTGridRow* GetRow(int iIndex);
    // FALSE for a negative index.
    BOOL SetRow(int iIndex, CGTGridRow* iRow);
    void CleanUp();
    // Pages holding these rows count as used at every eviction: the rows the grid is
    // working on (the current row, the row in edit) must outlive it. -1 for none.
    void KeepRows(int iFirst, int iSecond);
    void ForEachRow(const std::function<void(int, CGTGridRow*)>& iVisit) const;
    int GetPageCount() const { return (int)m_Pages.GetCount(); }

    const int m_PageSize;
    const int m_MaxPages;

private:
    CGTGridCachePageInfo MakePage(int iIndex) const;
    BOOL IsKept(const CGTGridCachePageInfo& iPage) const;
    void Evict();

    CList<CGTGridCachePageInfo, const CGTGridCachePageInfo&> m_Pages;
    int m_Kept[2];
};
