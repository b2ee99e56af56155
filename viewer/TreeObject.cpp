#include "TreeObject.h"

#include "Report.h"
#include "RightView.h"

IMPLEMENT_DYNAMIC(CTreeObject, CCmdTarget)

CTreeObject::CTreeObject(ULONG iId, LPCWSTR iName, CTreeObject* iParent)
    : m_Id(iId), m_Name(iName), m_Report(nullptr), m_Parent(iParent)
{
}

CTreeObject::~CTreeObject()
{
    delete m_Report;
}

void CTreeObject::DeleteReport()
{
    delete m_Report;
    m_Report = nullptr;
}

void CTreeObject::ShowReport() {}

void CTreeObject::SetReport(CReport* iReport)
{
    if (iReport != m_Report)
        DeleteReport();
    m_Report = iReport;
}

void CTreeObject::ShowNewReport(CReport* (*iMake)(CRightView* iView, CTreeObject* iOwner))
{
    CRightView* view = GetReportView();
    if (!view)
        return;
    SetReport(iMake(view, this));
    m_Report->Build(0);
}

void CTreeObject::FillRequest(SummaryActivityRequest&) const {}

void CTreeObject::FillFromAncestor(int iLevels, unsigned long& ioField) const
{
    const CTreeObject* object = this;
    for (int i = 0; i < iLevels && object; ++i)
        object = object->m_Parent;
    if (object)
        ioField = object->m_Id;
}
