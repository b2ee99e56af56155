#include "ActivityReporter.h"

#include "ComResult.h"
#include "MonitorLog.h"
#include "ProcessInfoSender.h"

#include <csl/CallFailure.h>
#include <csl/EComException.h>
#include <csl/_time_t.h>

#include <comutil.h>

namespace {

bool SameRecord(const TActivityRecord& a, const TActivityRecord& b)
{
    return a.periodStart == b.periodStart && a.name == b.name && a.owner == b.owner && a.title == b.title;
}

const char* FateText(TCallFate fate)
{
    switch (fate) {
    case TCallFate::NotDelivered:
        return "not delivered, kept for a later quantum";
    case TCallFate::MayHaveRun:
        return "the call broke after it was sent: the record may have been stored, and is not sent again";
    default:
        return "refused, dropped";
    }
}

}  // namespace

void TActivityReporter::Add(std::vector<TActivityRecord> records, size_t maxQuanta)
{
    for (TActivityRecord& record : records)
        if (!Merge(record))
            pending_.push_back(std::move(record));
    DropOldestQuanta(maxQuanta);
}

bool TActivityReporter::Merge(const TActivityRecord& record)
{
    for (auto waiting = pending_.rbegin(); waiting != pending_.rend(); ++waiting) {
        if (SameRecord(*waiting, record)) {
            waiting->time += record.time;
            waiting->keyEvents += record.keyEvents;
            waiting->mouseEvents += record.mouseEvents;
            return true;
        }
    }
    return false;
}

// The records of one quantum are queued together, so each period is one run of the queue.
void TActivityReporter::DropOldestQuanta(size_t maxQuanta)
{
    size_t quanta = 0;
    for (size_t i = 0; i < pending_.size(); ++i)
        if (i == 0 || pending_[i].periodStart != pending_[i - 1].periodStart)
            ++quanta;
    for (; quanta > maxQuanta; --quanta) {
        const long long oldest = pending_.front().periodStart;
        size_t dropped = 0;
        for (; !pending_.empty() && pending_.front().periodStart == oldest; ++dropped)
            pending_.pop_front();
        if (LogOn())
            DebugLog() << "(!) Backlog full: " << static_cast<unsigned long>(dropped)
                       << " record(s) of the quantum starting " << _time_t(oldest).ToString() << " dropped\n";
    }
}

bool TActivityReporter::Deliver(IZorvane& server, const std::wstring& computer, bool updateAll,
                                const std::function<bool()>& goOn)
{
    while (!pending_.empty() && (!goOn || goOn())) {
        const TActivityRecord& record = pending_.front();
        LONG needMore = 0;
        const HRESULT result = Report(server, computer, record, needMore);
        if (SUCCEEDED(result)) {
            if (needMore != 0 || updateAll)
                SendProcessInformation(server, record.name, record.path);
            pending_.pop_front();
            continue;
        }
        const TCallFailure failure = ClassifyCallFailure(result);
        if (LogOn())
            DebugLog() << "(!) " << record.name << " of " << _time_t(record.periodStart).ToString() << ": "
                       << FateText(failure.Fate) << "\n";
        if (failure.Fate == TCallFate::NotDelivered)
            return !failure.Reconnect;
        pending_.pop_front();
        if (failure.Reconnect)
            return false;
    }
    return true;
}

// The failure's text goes to the log; its HRESULT is the answer. An exception that is no COM
// error came from this side, before the call: a record the monitor cannot send is dropped.
HRESULT TActivityReporter::Report(IZorvane& server, const std::wstring& computer, const TActivityRecord& record,
                                  LONG& needMore)
{
    try {
        CheckComResult(server.ReportActivity(_time_t(record.periodStart).localvarianttime(), _bstr_t(computer.c_str()),
                                             _bstr_t(record.owner.c_str()), _bstr_t(record.name.c_str()),
                                             static_cast<LONG>(record.time), record.keyEvents, record.mouseEvents,
                                             _bstr_t(record.title.c_str()), &needMore));
        return S_OK;
    } catch (const std::exception& failure) {
        if (LogOn())
            DebugLog() << "(!) ReportActivity FAILED!\n" << failure << "\n";
        auto com = dynamic_cast<const EComException*>(&failure);
        return com ? com->GetHResult() : E_FAIL;
    }
}
