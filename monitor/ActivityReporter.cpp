#include "ActivityReporter.h"

#include "ComResult.h"
#include "MonitorLog.h"
#include "ProcessInfoSender.h"

#include <csl/CallFailure.h>
#include <csl/EComException.h>
#include <csl/_time_t.h>

#include <comutil.h>

namespace {

bool SameRecord(const TActivityRecord& iA, const TActivityRecord& iB)
{
    return iA.PeriodStart == iB.PeriodStart && iA.Name == iB.Name && iA.Owner == iB.Owner && iA.Title == iB.Title;
}

const char* FateText(TCallFate iFate)
{
    switch (iFate) {
    case TCallFate::NotDelivered:
        return "not delivered, kept for a later quantum";
    case TCallFate::MayHaveRun:
        return "the call broke after it was sent: the record may have been stored, and is not sent again";
    default:
        return "refused, dropped";
    }
}

}  // namespace

void TActivityReporter::Add(std::vector<TActivityRecord> iRecords, size_t iMaxQuanta)
{
    for (TActivityRecord& record : iRecords)
        if (!Merge(record))
            m_Pending.push_back(std::move(record));
    DropOldestQuanta(iMaxQuanta);
}

bool TActivityReporter::Merge(const TActivityRecord& iRecord)
{
    for (auto waiting = m_Pending.rbegin(); waiting != m_Pending.rend(); ++waiting) {
        if (SameRecord(*waiting, iRecord)) {
            waiting->Time += iRecord.Time;
            waiting->KeyEvents += iRecord.KeyEvents;
            waiting->MouseEvents += iRecord.MouseEvents;
            return true;
        }
    }
    return false;
}

// The records of one quantum are queued together, so each period is one run of the queue.
void TActivityReporter::DropOldestQuanta(size_t iMaxQuanta)
{
    size_t quanta = 0;
    for (size_t i = 0; i < m_Pending.size(); ++i)
        if (i == 0 || m_Pending[i].PeriodStart != m_Pending[i - 1].PeriodStart)
            ++quanta;
    for (; quanta > iMaxQuanta; --quanta) {
        const long long oldest = m_Pending.front().PeriodStart;
        size_t dropped = 0;
        for (; !m_Pending.empty() && m_Pending.front().PeriodStart == oldest; ++dropped)
            m_Pending.pop_front();
        if (LogOn())
            DebugLog() << "(!) Backlog full: " << static_cast<unsigned long>(dropped)
                       << " record(s) of the quantum starting " << _time_t(oldest).ToString() << " dropped\n";
    }
}

bool TActivityReporter::Deliver(IZorvane& iServer, const std::wstring& iComputer, bool iUpdateAll,
                                const std::function<bool()>& iGoOn)
{
    const std::map<std::wstring, std::wstring> owed = m_InformationOwed;
    for (const auto& program : owed)
        SendInformation(iServer, program.first, program.second);
    while (!m_Pending.empty() && (!iGoOn || iGoOn())) {
        const TActivityRecord& record = m_Pending.front();
        LONG needMore = 0;
        const HRESULT result = Report(iServer, iComputer, record, needMore);
        if (SUCCEEDED(result)) {
            if (needMore != 0 || iUpdateAll)
                SendInformation(iServer, record.Name, record.Path);
            m_Pending.pop_front();
            continue;
        }
        const TCallFailure failure = ClassifyCallFailure(result);
        if (LogOn())
            DebugLog() << "(!) " << record.Name << " of " << _time_t(record.PeriodStart).ToString() << ": "
                       << FateText(failure.Fate) << "\n";
        if (failure.Fate == TCallFate::NotDelivered)
            return !failure.Reconnect;
        m_Pending.pop_front();
        if (failure.Reconnect)
            return false;
    }
    return true;
}

// The server asks for a program's information only once, when it first stores the program: a
// call that did not reach it, or may not have, is made again later (storing it twice does no
// harm). One the server refused would be refused again.
void TActivityReporter::SendInformation(IZorvane& iServer, const std::wstring& iName, const std::wstring& iPath)
{
    const HRESULT result = SendProcessInformation(iServer, iName, iPath);
    if (SUCCEEDED(result) || ClassifyCallFailure(result).Fate == TCallFate::Refused)
        m_InformationOwed.erase(iName);
    else
        m_InformationOwed[iName] = iPath;
}

// The failure's text goes to the log; its HRESULT is the answer. An exception that is no COM
// error came from this side, before the call: a record the monitor cannot send is dropped.
HRESULT TActivityReporter::Report(IZorvane& iServer, const std::wstring& iComputer, const TActivityRecord& iRecord,
                                  LONG& oNeedMore)
{
    try {
        CheckComResult(iServer.ReportActivity(
            _time_t(iRecord.PeriodStart).localvarianttime(), _bstr_t(iComputer.c_str()), _bstr_t(iRecord.Owner.c_str()),
            _bstr_t(iRecord.Name.c_str()), static_cast<LONG>(iRecord.Time), iRecord.KeyEvents, iRecord.MouseEvents,
            _bstr_t(iRecord.Title.c_str()), &oNeedMore));
        return S_OK;
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) ReportActivity FAILED!\n" << failure << "\n";
        auto com = dynamic_cast<const EComException*>(&failure);
        return com ? com->GetHResult() : E_FAIL;
    }
}
