#pragma once
#include <afxwin.h>

class CRightView;
class CTreeObject;

// What the report view shows for one tree node. The node that made it owns it.
class CReport : public CCmdTarget {
    DECLARE_DYNAMIC(CReport)
public:
    // Neither is owned: the view shows the report, the node is what it reports on.
    CReport(CRightView* iView, CTreeObject* iOwner);

    // Fills the view from scratch; callers pass 0, which no report reads.
    virtual void Build(int iFlag) = 0;

protected:
    CRightView* m_View;
    CTreeObject* m_Owner;
};
