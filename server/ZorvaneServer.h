#pragma once
#include <ComCoClass.h>
#include <ComObjectRoot.h>
#include <IDispatchImpl.h>
#include <zorvane.h>

#include <csl/CRegistryConfig.h>
#include <csl/DbQuery/DbConnection.h>
#include <csl/DbQuery/DbConnectionHost.h>
#include <csl/SmartPtr.h>
#include <csl/TEvent.h>
#include <csl/TComCallerToken.h>
#include <csl/TThreadPool.h>

#include "TTlsSlot.h"

#include <atomic>
#include <memory>
#include <string>

class IDateNames;

// The server's one COM object: IZorvane against the database. It is built once, when the
// module registers its class objects; its start-up job connects to the database (retrying every
// 10 seconds until it succeeds or the server stops) and brings the schema up to date. It hosts
// the database layer: the thread-local slot of each thread's transaction connection and the
// query connection that serves every other statement.
class CZorvaneServer : public CComObjectRoot,
                       public CComCoClass<CZorvaneServer, &CLSID_ZorvaneServer>,
                       public IDispatchImpl<IZorvane, &IID_IZorvane, &LIBID_ZorvaneServerLib, 1, 0>,
                       public CRegistryConfig,
                       public IDbConnectionHost {
public:
    DECLARE_REGISTRY_CLASS(L"ZorvaneServer.Zorvane.1", L"ZorvaneServer.Zorvane", L"Zorvane Class")

    BEGIN_COM_MAP(CZorvaneServer)
        COM_INTERFACE_ENTRY(IZorvane)
        COM_INTERFACE_ENTRY2(IDispatch, IZorvane)
    END_COM_MAP()

    // Throws when another server holds the single-instance mutex, or when any later step
    // fails: the class object then cannot be created.
    CZorvaneServer();
    ~CZorvaneServer() override;

    HRESULT FinalConstruct();
    void FinalRelease();

    STDMETHOD(ReportActivity)(DATE iStartTime, BSTR iComputer, BSTR iUser, BSTR iProcess, long iTimeSpent,
                              long iKeyboardEvents, long iMouseEvents, BSTR iDescription,
                              long* oNeedMoreInformation) override;
    STDMETHOD(GetQuantum)(unsigned long* oQuantum) override;
    STDMETHOD(SendProcessInformation)(BSTR iProcess, BSTR iDescription, SAFEARRAY* iIcon) override;
    STDMETHOD(GetSummaryActivityData)(SummaryActivityRequest* ioActivityRequest, _Recordset** oData) override;
    STDMETHOD(GetSummaryObjectData)(SummaryObjectRequest* ioObjectRequest, _Recordset** oData) override;

    // The start-up job and the retry job that repeats it.
    void Initialize();
    void DelayedInitialize();
    void ConnectToDatabase();
    void DisconnectFromDatabase();

    // The schema: run on the calling thread's current connection.
    void CheckDatabaseVersion();
    void UpgradeDB_1_to_2();
    // Day and month names from the system's locale, or from the names given.
    void UpdateDateNames();
    void UpdateDateNames(const IDateNames& iNames);

    // Where the caller check of the summary queries gets the caller's token: the client's of
    // the current COM call, unless a test puts in its own.
    void SetCallerToken(std::unique_ptr<ICallerToken> iTokens);
    // True when the caller of the current call sees only his own activity; oUserId is then
    // his UserInfo ID. Denies the call (E_ACCESSDENIED) when the caller cannot be identified.
    bool CheckCaller(unsigned long& oUserId);

    // How long FinalRelease waits for a start-up job that has not ended.
    void SetStartupJobWait(DWORD iMilliseconds) { m_StartupJobWait = iMilliseconds; }

    // BUILTIN\Administrators, for the caller check of the summary queries.
    PSID GetAdministratorsSid() const { return m_AdministratorsSid.get(); }

    // IDbConnectionHost
    DbConnection* GetThreadSlot() override;
    void SetThreadSlot(DbConnection* iConnection) override;
    DbConnection& GetQueryConnection() override { return m_QueryConnection; }

private:
    void ReadQuantum();
    bool Stopping() const;
    void QueueStartupJob(void (CZorvaneServer::*iJob)());
    bool WaitForStartupJob();
    bool TableExists(const char* iTable);
    int ReadDatabaseVersion();
    void CreateSchema();
    void CreateDateNumbers();

    TEvent m_StopEvent;
    std::wstring m_ProgramDirectory;
    SmartPtr<TThreadPool> m_ThreadPool;
    DbConnection m_ReportConnection;
    DbConnection m_QueryConnection;
    std::atomic<unsigned long> m_Quantum;
    std::unique_ptr<void, PVOID(WINAPI*)(PSID)> m_AdministratorsSid;
    TTlsSlot m_ConnectionSlot;
    // Set while no start-up or retry job is queued or running.
    TEvent m_StartupIdle;
    DWORD m_StartupJobWait;
    std::unique_ptr<ICallerToken> m_CallerToken{new TComCallerToken};

    friend class TStartupChain;
};
