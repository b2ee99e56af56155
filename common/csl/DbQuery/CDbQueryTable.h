#pragma once
#include <csl/DbQuery/CDbQuerySource.h>

// A table of a FROM chain: "name" or "name alias".
class CDbQueryTable : public CDbQuerySource {
public:
    CDbQueryTable(const SmartPtr<IDbQuery>& iPrevious, const std::string& iName, const std::string& iAlias);

    bool RenderQuery(std::ostream& oText, TDbQueryValues& ioValues) const override;

private:
    const std::string m_Name;
    const std::string m_Alias;
};
