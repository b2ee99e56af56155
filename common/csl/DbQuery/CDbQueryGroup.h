#pragma once
#include <csl/DbQuery/CDbQueryList.h>

// The GROUP BY clause.
class CDbQueryGroup : public CDbQueryList {
public:
    void AddColumn(const std::string& iExpression) { m_Items.push_back(iExpression); }

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;
};
