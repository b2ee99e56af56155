#pragma once

class DbConnection;

// A transaction scope. While it lives, its connection is locked for this thread and is the
// thread's current connection. Its work stays only through Commit; a scope that ends
// without it (an exception, an early return) rolls back. Scopes on one connection nest.
// No statement retries inside a transaction, so an outermost scope that fails on a lost
// connection closes it instead: the next statement or scope opens it anew.
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
    void Rollback();
    // Never throws.
    bool CloseIfLost();

    DbConnection& m_Connection;
    DbConnection& m_Previous;
    bool m_Committed;
    bool m_Outermost;
};
