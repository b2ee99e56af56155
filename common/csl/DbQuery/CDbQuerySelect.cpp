#include <csl/DbQuery/CDbQuerySelect.h>

void CDbQuerySelect::AddColumn(const std::string& iExpression, const std::string& iAlias)
{
    m_Columns.push_back(iExpression + " AS " + iAlias);
}

void CDbQuerySelect::AddPlainColumn(const std::string& iExpression)
{
    m_Columns.push_back(iExpression);
}

void CDbQuerySelect::AddModifier(const std::string& iWord)
{
    m_Modifiers.push_back(iWord);
}

bool CDbQuerySelect::RenderQuery(std::ostream& oText, TDbQueryValues&) const
{
    oText << "SELECT";
    if (!m_Modifiers.empty()) {
        oText << " ";
        WriteJoined(oText, m_Modifiers, " ");
    }
    oText << " ";
    if (m_Columns.empty())
        oText << "*";
    else
        WriteJoined(oText, m_Columns, ",");
    return true;
}
