#pragma once

#include "ActivityRecord.h"

#include <zorvane.h>

#include <deque>
#include <string>
#include <vector>

// The records that wait for the server. Each keeps the period start of the quantum in which
// it was collected, so a record that waited is still counted in its own period.
class TActivityReporter {
public:
    void Add(std::vector<TActivityRecord> records);

    // Reports the waiting records in order, each followed by the program's description when the
    // server asks for it or updateAll is set. A record the server refuses is logged and dropped;
    // a transport failure stops the delivery and returns false (the connection is lost, the
    // rest wait).
    bool Deliver(IZorvane& server, const std::wstring& computer, bool updateAll);

    const std::deque<TActivityRecord>& Pending() const { return pending_; }

private:
    LONG Report(IZorvane& server, const std::wstring& computer, const TActivityRecord& record);

    std::deque<TActivityRecord> pending_;
};
