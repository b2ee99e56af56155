#pragma once
#include <guitoolkit/controls/CGTGridCtrl.h>

// The report grid. A cell whose data is not 0 holds the address of its sort key, a VARIANT
// that the report owns, so that a duration sorts by milliseconds and not by its text.
class CZVGrid : public CGTGridCtrl {
    DECLARE_DYNAMIC(CZVGrid)
public:
    CZVGrid() = default;
    ~CZVGrid() override = default;

    // Two sort keys in the order the toolkit gives values of their type; any other pair as
    // the base grid compares.
    int CompareItems(CGTGridItem* iItem1, CGTGridItem* iItem2) override;

protected:
    DECLARE_MESSAGE_MAP()
};
