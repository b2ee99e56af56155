#pragma once

class DbConnection;

// What the program that owns the connections offers the database layer: a per-thread slot
// for the connection of the thread's open transaction, and the connection that serves every
// thread without one.
class IDbConnectionHost {
public:
    // Null when the thread's slot is empty.
    virtual DbConnection* GetThreadSlot() = 0;
    virtual void SetThreadSlot(DbConnection* iConnection) = 0;
    virtual DbConnection& GetQueryConnection() = 0;

protected:
    ~IDbConnectionHost() = default;
};

// The host of this process; null removes it. Set it before any statement runs.
void SetDbConnectionHost(IDbConnectionHost* iHost);

// The thread's current connection: the one in its slot, else the query connection. Throws
// EGeneric when no host is set.
DbConnection& GetThreadConnection();
void SetThreadConnection(DbConnection* iConnection);
