#pragma once

#include "ActivityRecord.h"

#include <zorvane.h>

#include <deque>
#include <functional>
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

    // Reports the waiting records in order while iGoOn (when given) allows, each followed by the
    // program's description when the server asks for it or iUpdateAll is set. A failed call is
    // read by the shared classification: a record that was not delivered waits, and stops the
    // delivery; one that may have been stored, or that the server refused, is logged and
    // dropped. False when the proxy is of no more use (the rest wait).
    bool Deliver(IZorvane& iServer, const std::wstring& iComputer, bool iUpdateAll,
                 const std::function<bool()>& iGoOn = nullptr);

    const std::deque<TActivityRecord>& Pending() const { return m_Pending; }

private:
    bool Merge(const TActivityRecord& iRecord);
    void DropOldestQuanta(size_t iMaxQuanta);
    HRESULT Report(IZorvane& iServer, const std::wstring& iComputer, const TActivityRecord& iRecord, LONG& oNeedMore);

    std::deque<TActivityRecord> m_Pending;
};
