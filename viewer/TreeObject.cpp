#include "TreeObject.h"

IMPLEMENT_DYNAMIC(CTreeObject, CCmdTarget)

CTreeObject::CTreeObject(ULONG iId, LPCWSTR iName, CTreeObject* iParent) : m_Id(iId), m_Name(iName), m_Parent(iParent)
{
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
