#pragma once

class DbConnection;

// A transaction scope. While it lives, its connection is locked for this thread and is the
// thread's current connection. Its work stays only through Commit; a scope that ends
// without it (an exception, an early return) rolls back. Scopes on one connection nest.
class TDbTransaction {
public:
    explicit TDbTransaction(DbConnection& iConnection);
    // On the thread's current connection.
    TDbTransaction();
    TDbTransaction(const TDbTransaction&) = delete;
    TDbTransaction& operator=(const TDbTransaction&) = delete;
    // Rolls back unless committed; never throws (a failure is logged).
    ~TDbTransaction();

    // Commits this scope's level; once only.
    void Commit();

private:
    void Begin();

    DbConnection& m_Connection;
    DbConnection& m_Previous;
    bool m_Committed;
};
