#include <csl/DbQuery/CDbQueryJoin.h>

CDbQueryJoin::CDbQueryJoin(const SmartPtr<IDbQuery>& iLeft, const SmartPtr<IDbQuery>& iRight,
                           const std::string& iCondition, const std::string& iKind)
    : m_Left(iLeft), m_Right(iRight), m_Condition(iCondition), m_Kind(iKind)
{
}

bool CDbQueryJoin::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    oText << "(";
    m_Left->RenderQuery(oText, ioValues);
    oText << " " << m_Kind << " JOIN ";
    m_Right->RenderQuery(oText, ioValues);
    oText << " ON (" << m_Condition << "))";
    return true;
}
