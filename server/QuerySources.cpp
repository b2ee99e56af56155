#include "QuerySources.h"

SmartPtr<CDbQuery> CopySources(const CDbQuery& iQuery)
{
    SmartPtr<CDbQuery> copy(new CDbQuery);
    copy->GetFrom() = iQuery.GetFrom();
    copy->GetWhere() = iQuery.GetWhere();
    return copy;
}

SmartPtr<CDbQuery> SelectDistinct(const CDbQuery& iQuery, std::initializer_list<std::string> iColumns)
{
    SmartPtr<CDbQuery> distinct = CopySources(iQuery);
    distinct->GetSelect().AddModifier("DISTINCT");
    for (const std::string& column : iColumns)
        distinct->GetSelect().AddPlainColumn(column);
    return distinct;
}
