#pragma once

#include "ActivityRecord.h"

#include <zorvane.h>

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

// The records that wait for the server. Each keeps the period start of the quantum in which
// it was collected, so a record that waited is still counted in its own period.
class TActivityReporter {
public:
    // Queues the records of a quantum. A record of the same program, owner, title and period as
    // one that waits is added to it. The queue keeps the records of at most iMaxQuanta periods:
    // past that the oldest period's records are dropped, with a log line.
    void Add(std::vector<TActivityRecord> iRecords, size_t iMaxQuanta);

    // Sends the information still owed, then reports the waiting records in order while iGoOn
    // (when given) allows, each followed by the program's description when the server asks for
    // it or iUpdateAll is set. A failed call is
    // read by the shared classification: a record that was not delivered waits, and stops the
    // delivery; one that may have been stored, or that the server refused, is logged and
    // dropped. False when the proxy is of no more use (the rest wait).
    bool Deliver(IZorvane& iServer, const std::wstring& iComputer, bool iUpdateAll,
                 const std::function<bool()>& iGoOn = nullptr);

    const std::deque<TActivityRecord>& Pending() const { return m_Pending; }
    // The programs (by name, with their file paths) whose information the server asked for and
    // has not taken yet: each is sent again at every delivery until it is taken or refused.
    const std::map<std::wstring, std::wstring>& InformationOwed() const { return m_InformationOwed; }

private:
    bool Merge(const TActivityRecord& iRecord);
    void DropOldestQuanta(size_t iMaxQuanta);
    void SendInformation(IZorvane& iServer, const std::wstring& iName, const std::wstring& iPath);
    HRESULT Report(IZorvane& iServer, const std::wstring& iComputer, const TActivityRecord& iRecord, LONG& oNeedMore);

    std::deque<TActivityRecord> m_Pending;
    std::map<std::wstring, std::wstring> m_InformationOwed;
};
