#include <csl/DbQuery/CDbQueryWhere.h>

void CDbQueryWhere::AddEqual(const std::string& iColumn, const _variant_t& iValue)
{
    AddCompare(iColumn, "=", iValue);
}

void CDbQueryWhere::AddCompare(const std::string& iColumn, const std::string& iOperator, const _variant_t& iValue)
{
    m_Items.push_back(iColumn + iOperator + "?");
    m_Values.push_back(iValue);
}

void CDbQueryWhere::AddBetween(const std::string& iColumn, const _variant_t& iLow, const _variant_t& iHigh)
{
    m_Items.push_back(iColumn + " BETWEEN ? AND ?");
    m_Values.push_back(iLow);
    m_Values.push_back(iHigh);
}

bool CDbQueryWhere::RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const
{
    if (IsEmpty())
        return false;
    oText << "WHERE (";
    WriteJoined(oText, m_Items, ") AND (");
    oText << ")";
    ioValues.insert(ioValues.end(), m_Values.begin(), m_Values.end());
    return true;
}
