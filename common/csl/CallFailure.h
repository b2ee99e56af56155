#pragma once
#include <windows.h>

// What a failed call to the activity server means for the record it carried and for the proxy
// it went through. The monitor reads its server object's answers with it, the user service the
// answers of the server it relays to; the service answers its callers in codes that read the
// same way here, so that a record fares alike on both hops.

enum class TCallFate {
    // The server was not reached or the call did not arrive: nothing ran, send it again later.
    NotDelivered,
    // The call broke after it was sent: the server may have stored the record. A record has no
    // identity the server could recognise, so sending it again could store it twice.
    MayHaveRun,
    // The server ran the call and refused it: it would refuse it again.
    Refused
};

struct TCallFailure {
    TCallFate Fate;
    // The proxy or its server is gone: the next call needs a new server object.
    bool Reconnect;
};

// Answered by a relay when the server behind it was not reached: nothing ran.
const HRESULT ZV_E_SERVER_NOT_REACHED = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0xA001);
// Answered by a relay when the server's call broke after it was sent: it may have run.
const HRESULT ZV_E_SERVER_CALL_BROKEN = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0xA002);
// Answered by the server when it could not reach its database: nothing was stored.
const HRESULT ZV_E_DATABASE_UNAVAILABLE = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0xA003);

// The meaning of a failed HRESULT; any code not known as a failure of the way to the server is
// the server's refusal.
TCallFailure ClassifyCallFailure(HRESULT iResult);

// What a relay answers its caller for the server's answer. A broken way to the server is the
// relay's to mend, not its caller's: such a failure becomes the relay's own code of the same
// fate. Every other answer passes as it came.
HRESULT RelayedResult(HRESULT iServerResult);
