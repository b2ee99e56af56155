#include "ZorvaneServer.h"

#include "ComMethodResult.h"

#include <csl/CallerAccount.h>
#include <csl/DailyLog.h>
#include <csl/EComException.h>
#include <csl/TDebugStream.h>
#include <csl/TMutex.h>
#include <csl/TSeTranslatorGuard.h>
#include <csl/SystemUtils.h>

#include <comdef.h>

namespace {

const wchar_t kConfigKey[] = L"SOFTWARE\\Halvorn Software\\Zorvane\\ZorvaneServer";
const unsigned long kDefaultQuantum = 60;
// Long enough for a database to answer a stop, short enough for the service manager.
const DWORD kStartupJobWait = 15000;
const char kReportPrefix[] = "[SQL/SRV] ";
const char kQueryPrefix[] = "[SQL/GUI] ";

// One server per computer: the constructor takes it, FinalRelease gives it back.
TMutex& InstanceMutex()
{
    static TMutex mutex("GlobalZorvaneServerMutex");
    return mutex;
}

void TakeInstanceMutex()
{
    if (!InstanceMutex().Lock(0)) {
        DebugLog() << "(!) ERROR: Another instance of ZorvaneServer is running on this computer\n";
        _com_issue_error(E_FAIL);
    }
}

}  // namespace

CZorvaneServer::CZorvaneServer()
    : CRegistryConfig(kConfigKey), m_StopEvent(true, false), m_Quantum(kDefaultQuantum),
      m_AdministratorsSid(nullptr, &FreeSid), m_StartupIdle(true, true), m_StartupJobWait(kStartupJobWait)
{
    InstallComErrorHandler();
    TSeTranslatorGuard guard;
    TakeInstanceMutex();
    try {
        Load();
        m_ProgramDirectory = GetProgramDirectory();
        if (!SetCurrentDirectoryW(m_ProgramDirectory.c_str()))
            ThrowLastSystemError();
        ConfigureDailyLog(*this, DebugLog(), m_ProgramDirectory, L"ZorvaneSrv_%Y_%m_%d.log");
        SetDbConnectionHost(this);
        m_ReportConnection.SetLogPrefix(const_string(kReportPrefix, sizeof(kReportPrefix) - 1));
        m_QueryConnection.SetLogPrefix(const_string(kQueryPrefix, sizeof(kQueryPrefix) - 1));
        m_ThreadPool = TThreadPool::Create(10, 0);
        DebugLog() << "---------------- ZorvaneServer started ----------------\n";
        m_AdministratorsSid.reset(AllocateAdministratorsSid());
    } catch (...) {
        // No half-built server stays reachable: the object is not created at all.
        try {
            throw;
        } catch (const std::exception& e) {
            DebugLog() << e.what() << "\n";
        } catch (...) {
        }
        SetDbConnectionHost(nullptr);
        ReleaseMutex(InstanceMutex().GetHandle());
        throw;
    }
}

// A start-up job that FinalRelease stopped waiting for still uses the stop event, the pool and
// both connections: none of them goes before the job has ended.
CZorvaneServer::~CZorvaneServer()
{
    if (WaitForSingleObject(m_StartupIdle.GetHandle(), 0) != WAIT_OBJECT_0) {
        DebugLog() << "CZorvaneServer: waiting for the start-up job to end\n";
        WaitForSingleObject(m_StartupIdle.GetHandle(), INFINITE);
    }
    DebugLog() << "---------------- ZorvaneServer stopped ----------------\n";
    SetDbConnectionHost(nullptr);
}

HRESULT CZorvaneServer::FinalConstruct()
{
    TSeTranslatorGuard guard;
    try {
        QueueStartupJob(&CZorvaneServer::Initialize);
        return S_OK;
    } catch (...) {
        return ComMethodResult("FinalConstruct");
    }
}

// The start-up job ends at its next step once the stop event is set, so waiting for it is
// usually short; then no pool thread holds a connection when the pool stops its workers. A job
// held up inside a statement (a database that does not answer) is not waited for here without
// end: FinalRelease leaves it its connections and its pool, whose shutdown would end its thread
// by force, and the destructor waits for it.
void CZorvaneServer::FinalRelease()
{
    TSeTranslatorGuard guard;
    try {
        m_StopEvent.Set();
        if (WaitForStartupJob()) {
            m_ThreadPool->Shutdown();
            DisconnectFromDatabase();
        }
        InstanceMutex().Unlock();
    } catch (const std::exception& e) {
        DebugLog() << "(!) CZorvaneServer::FinalRelease: exception " << e.what() << "\n";
    }
}

STDMETHODIMP CZorvaneServer::GetQuantum(unsigned long* oQuantum)
{
    if (!oQuantum)
        return E_POINTER;
    *oQuantum = m_Quantum;
    return S_OK;
}

void CZorvaneServer::ReadQuantum()
{
    const unsigned long quantum = GetULong("Quantum", kDefaultQuantum);
    if (quantum == 0 || quantum > 24 * 60 * 60) {
        DebugLog() << "(!) Quantum " << quantum << " is out of range (1 to 86400 seconds); " << kDefaultQuantum
                   << " is used\n";
        return;
    }
    m_Quantum = quantum;
}

DbConnection* CZorvaneServer::GetThreadSlot()
{
    return static_cast<DbConnection*>(m_ConnectionSlot.Get());
}

void CZorvaneServer::SetThreadSlot(DbConnection* iConnection)
{
    m_ConnectionSlot.Set(iConnection);
}
