#include "ActivityReporter.h"

#include "ComResult.h"
#include "MonitorLog.h"
#include "ProcessInfoSender.h"

#include <csl/EComException.h>
#include <csl/_time_t.h>

#include <comutil.h>

void TActivityReporter::Add(std::vector<TActivityRecord> records)
{
    for (TActivityRecord& record : records)
        pending_.push_back(std::move(record));
}

bool TActivityReporter::Deliver(IZorvane& server, const std::wstring& computer, bool updateAll)
{
    while (!pending_.empty()) {
        const TActivityRecord& record = pending_.front();
        try {
            LONG needMoreInformation = Report(server, computer, record);
            if (needMoreInformation != 0 || updateAll)
                SendProcessInformation(server, record.name, record.path);
        } catch (const std::exception& failure) {
            if (LogOn())
                DebugLog() << "(!) ReportActivity FAILED!\n" << failure << "\n";
            auto com = dynamic_cast<const EComException*>(&failure);
            if (com && IsTransportFailure(com->GetHResult()))
                return false;
        }
        pending_.pop_front();
    }
    return true;
}

LONG TActivityReporter::Report(IZorvane& server, const std::wstring& computer, const TActivityRecord& record)
{
    LONG needMoreInformation = 0;
    CheckComResult(server.ReportActivity(_time_t(record.periodStart).localvarianttime(), _bstr_t(computer.c_str()),
                                         _bstr_t(record.owner.c_str()), _bstr_t(record.name.c_str()),
                                         static_cast<LONG>(record.time), record.keyEvents, record.mouseEvents,
                                         _bstr_t(record.title.c_str()), &needMoreInformation));
    return needMoreInformation;
}
