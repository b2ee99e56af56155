#pragma once
#include <csl/DbQuery/CDbQueryList.h>

// The WHERE clause: conditions joined by AND, each with the values of its placeholders.
// A copy takes the conditions and values as they are at that moment.
class CDbQueryWhere : public CDbQueryList {
public:
    // "column=?"
    void AddEqual(const std::string& iColumn, const _variant_t& iValue);
    // "column" + operator + "?", for operators such as ">=" and "<=".
    void AddCompare(const std::string& iColumn, const std::string& iOperator, const _variant_t& iValue);
    // "column BETWEEN ? AND ?"
    void AddBetween(const std::string& iColumn, const _variant_t& iLow, const _variant_t& iHigh);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    std::vector<_variant_t> m_Values;
};
