#include <csl/DbQuery/DbConnectionHost.h>

#include <csl/EGeneric.h>

#include <atomic>

namespace {

std::atomic<IDbConnectionHost*> gHost(nullptr);

IDbConnectionHost& Host()
{
    IDbConnectionHost* host = gHost.load();
    if (!host)
        throw EGeneric({TNamedValue("Text", "Condition not meet"), TNamedValue("Condition", "host != NULL"),
                        TNamedValue("SourceFunction", "GetThreadConnection")});
    return *host;
}

}  // namespace

void SetDbConnectionHost(IDbConnectionHost* iHost)
{
    gHost.store(iHost);
}

DbConnection& GetThreadConnection()
{
    IDbConnectionHost& host = Host();
    DbConnection* connection = host.GetThreadSlot();
    return connection ? *connection : host.GetQueryConnection();
}

void SetThreadConnection(DbConnection* iConnection)
{
    Host().SetThreadSlot(iConnection);
}
