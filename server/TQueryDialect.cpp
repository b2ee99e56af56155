#include "TQueryDialect.h"

#include "TLocaleDateNames.h"

#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbConnectionHost.h>

TQueryDialect TQueryDialect::Current()
{
    return {GetThreadConnection().GetDbType(), TLocaleDateNames().FirstDayOfWeek()};
}
