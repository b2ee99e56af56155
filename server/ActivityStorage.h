#pragma once
#include <comutil.h>
#include <oaidl.h>

class DbConnection;

// One interval of use of one program, as the monitor reports it.
struct TActivityRecord {
    DATE StartTime;
    _bstr_t Computer;
    _bstr_t User;
    _bstr_t Process;
    long TimeSpent;
    long KeyboardEvents;
    long MouseEvents;
    // The whole window title; its part before " - " names the document.
    _bstr_t Description;
};

// Stores the record with its names in one transaction on the connection: a failure leaves
// nothing of it behind, new name rows included. True when the program was new to the server.
bool StoreActivity(DbConnection& iConnection, const TActivityRecord& iRecord);

// Stores a program's description and icon (a byte array; none or an empty one stores NULL) in
// one transaction on the connection, creating the program's row when it has none yet.
void StoreProcessInformation(DbConnection& iConnection, const _bstr_t& iProcess, const _bstr_t& iDescription,
                             SAFEARRAY* iIcon);
