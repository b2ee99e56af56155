#include "Report.h"

IMPLEMENT_DYNAMIC(CReport, CCmdTarget)

CReport::CReport(CRightView* iView, CTreeObject* iOwner) : m_View(iView), m_Owner(iOwner) {}
