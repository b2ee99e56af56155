#include "ZorvaneServer.h"

#include <csl/DbQuery/DbType.h>
#include <csl/ESystemException.h>
#include <csl/TComInitializer.h>
#include <csl/TDebugStream.h>
#include <csl/TLockScope.h>
#include <csl/ThreadInterrupt.h>

#include <stdexcept>

namespace {

const wchar_t kDefaultConnectionString[] = L"Provider=SQLite;Data Source=zorvane.db";
const DWORD kRetryDelay = 10000;
// How long a statement waits for another writer's lock before the call that runs it answers
// that nothing was stored: a few seconds, short beside the quantum, so that a locked database
// holds up no reporter for long.
const unsigned long kDefaultBusyTimeout = 3000;

std::wstring Trimmed(const std::wstring& iText)
{
    const size_t first = iText.find_first_not_of(L" \t");
    const size_t last = iText.find_last_not_of(L" \t");
    return first == std::wstring::npos ? std::wstring() : iText.substr(first, last - first + 1);
}

bool NamesItem(const std::wstring& iConnectionString, const wchar_t* iName)
{
    size_t start = 0;
    while (start <= iConnectionString.size()) {
        size_t end = iConnectionString.find(L';', start);
        if (end == std::wstring::npos)
            end = iConnectionString.size();
        const std::wstring item = iConnectionString.substr(start, end - start);
        if (_wcsicmp(Trimmed(item.substr(0, item.find(L'='))).c_str(), iName) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

// SQLite's driver waits 100 s for a lock unless the connection string says otherwise.
std::wstring WithBusyTimeout(const std::wstring& iConnectionString, unsigned long iTimeout)
{
    if (DetectDbType(iConnectionString) != dbSqlite || NamesItem(iConnectionString, L"Timeout"))
        return iConnectionString;
    const bool separated = !iConnectionString.empty() && iConnectionString.back() == L';';
    return iConnectionString + (separated ? L"" : L";") + L"Timeout=" + std::to_wstring(iTimeout);
}

// The statements that differ between kinds of database take the kind from the provider: a
// string without one (an ODBC Driver string) would connect and then store nothing.
void RequireKnownKind(const std::wstring& iConnectionString)
{
    if (DetectDbType(iConnectionString) == dbUnknown)
        throw std::invalid_argument("The ConnectionString names no Provider the server knows (SQLite, "
                                    "Microsoft.Jet.OLEDB, SQLOLEDB or OraOLEDB); it is not used");
}

}  // namespace

// Marks the start-up chain ended when the job that holds it leaves, unless the job handed the
// chain on (to the retry job it queued, or to the start-up run it makes itself).
class TStartupChain {
public:
    explicit TStartupChain(CZorvaneServer& iServer) : m_Server(iServer), m_HandedOn(false) {}
    ~TStartupChain()
    {
        if (!m_HandedOn)
            SetEvent(m_Server.m_StartupIdle.GetHandle());
    }
    TStartupChain(const TStartupChain&) = delete;
    TStartupChain& operator=(const TStartupChain&) = delete;

    void HandOn() { m_HandedOn = true; }

private:
    CZorvaneServer& m_Server;
    bool m_HandedOn;
};

void CZorvaneServer::QueueStartupJob(void (CZorvaneServer::*iJob)())
{
    m_StartupIdle.Reset();
    try {
        IThreadPool::AddMemberCallJob(SmartPtr<IThreadPool>(m_ThreadPool), this, iJob);
    } catch (...) {
        m_StartupIdle.Set();
        throw;
    }
}

// True when the start-up chain has ended.
bool CZorvaneServer::WaitForStartupJob()
{
    switch (WaitForSingleObject(m_StartupIdle.GetHandle(), m_StartupJobWait)) {
    case WAIT_OBJECT_0:
        return true;
    case WAIT_TIMEOUT:
        DebugLog() << "(!) CZorvaneServer::FinalRelease: the start-up job has not ended within " << m_StartupJobWait
                   << " ms; the server stops without it\n";
        return false;
    default:
        ThrowLastSystemError();
    }
}

bool CZorvaneServer::Stopping() const
{
    return WaitForSingleObject(m_StopEvent.GetHandle(), 0) == WAIT_OBJECT_0;
}

void CZorvaneServer::Initialize()
{
    TStartupChain chain(*this);
    try {
        TComInitializer apartment;
        ReadQuantum();
        if (Stopping())
            return;
        ConnectToDatabase();
        if (Stopping())
            return;
        UpdateDateNames();
    } catch (const std::exception& e) {
        DebugLog() << "(!) Failed to connect: " << e.what() << "\n";
        if (Stopping())
            return;
        QueueStartupJob(&CZorvaneServer::DelayedInitialize);
        chain.HandOn();
    }
}

void CZorvaneServer::DelayedInitialize()
{
    TStartupChain chain(*this);
    DebugLog() << "Delaying initialization...\n";
    switch (WaitForSingleObjectEx(m_StopEvent.GetHandle(), kRetryDelay, TRUE)) {
    case WAIT_FAILED:
        ThrowLastSystemError();
    case WAIT_OBJECT_0:
        return;
    case WAIT_IO_COMPLETION:
        ThrowIfInterrupted();
        break;
    default:
        break;
    }
    chain.HandOn();
    Initialize();
}

void CZorvaneServer::ConnectToDatabase()
{
    TLockScope reportLock(m_ReportConnection);
    TLockScope queryLock(m_QueryConnection);
    m_ReportConnection.Close();
    m_QueryConnection.Close();
    DebugLog() << "Connecting to DB...\n";
    const std::wstring text = GetString("ConnectionString", kDefaultConnectionString);
    RequireKnownKind(text);
    const _bstr_t connectionString(WithBusyTimeout(text, GetULong("BusyTimeout", kDefaultBusyTimeout)).c_str());
    m_ReportConnection.SetConnectionString(connectionString);
    m_QueryConnection.SetConnectionString(connectionString);
    m_ReportConnection.Open();
    if (Stopping())
        return;
    CheckDatabaseVersion();
    DebugLog() << "Successfully connected\n";
}

void CZorvaneServer::DisconnectFromDatabase()
{
    TLockScope reportLock(m_ReportConnection);
    TLockScope queryLock(m_QueryConnection);
    DebugLog() << "Disconnecting from DB...\n";
    m_QueryConnection.Close();
    m_ReportConnection.Close();
}
