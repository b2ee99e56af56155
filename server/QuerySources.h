#pragma once
#include <csl/DbQuery/CDbQuery.h>

#include <initializer_list>
#include <string>

// A new query with the FROM and WHERE of iQuery as they are now: later additions to iQuery
// do not reach it.
SmartPtr<CDbQuery> CopySources(const CDbQuery& iQuery);

// SELECT DISTINCT of the columns over a copy of the sources and filters of iQuery.
SmartPtr<CDbQuery> SelectDistinct(const CDbQuery& iQuery, std::initializer_list<std::string> iColumns);
