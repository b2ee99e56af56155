#pragma once
#include <comutil.h>

// The IDs of the names kept once each in their tables, found or inserted on the thread's
// current connection. A name is cut to its column's width first; an empty one fails (its
// column is NOT NULL).
long GetComputerId(const _bstr_t& iName);
long GetUserId(const _bstr_t& iName);
// oInserted, when given, tells whether this call created the program's row.
long GetProcessId(const _bstr_t& iName, bool* oInserted = nullptr);
long GetDocumentId(const _bstr_t& iName);
