#pragma once
#include <guitoolkit/controls/CGTGridItem.h>

// A cell of a count: a 64-bit integer (VT_I8), shown whole in decimal, sorted by value. Sums
// of a busy year pass what 32 bits hold.
class CCountGridItem : public CGTGridItem {
    DECLARE_DYNAMIC(CCountGridItem)
public:
    explicit CCountGridItem(LONGLONG iCount);

    CString FormatItem() override;

    static CString Text(LONGLONG iCount);
};
