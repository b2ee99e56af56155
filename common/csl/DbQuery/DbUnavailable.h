#pragma once

// Inside a catch block: true when the failure being handled says that the database was not
// reached (its connection was lost) or stayed locked by another writer longer than the wait
// for its lock. The work that failed wrote nothing, and the same work may succeed later. The
// answer comes from the failure itself, not from the state of the connection afterwards,
// which another caller may already have changed.
bool DatabaseUnavailableFailure();
