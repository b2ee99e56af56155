#include <csl/CallFailure.h>

namespace {

struct TKnownFailure {
    HRESULT Result;
    TCallFailure Failure;
};

const TKnownFailure kKnownFailures[] = {
    // Nothing ran, and the proxy is of no more use.
    {HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE), {TCallFate::NotDelivered, true}},
    {HRESULT_FROM_WIN32(RPC_S_CALL_FAILED_DNE), {TCallFate::NotDelivered, true}},
    {RPC_E_DISCONNECTED, {TCallFate::NotDelivered, true}},
    {RPC_E_SERVER_DIED_DNE, {TCallFate::NotDelivered, true}},
    {CO_E_OBJNOTCONNECTED, {TCallFate::NotDelivered, true}},
    {CO_E_SERVER_STOPPING, {TCallFate::NotDelivered, true}},
    // The object behind the proxy is no longer served (its server is stopping).
    {HRESULT_FROM_WIN32(RPC_S_UNKNOWN_IF), {TCallFate::NotDelivered, true}},
    // Nothing ran; the server is there but would not take the call now.
    {HRESULT_FROM_WIN32(RPC_S_SERVER_TOO_BUSY), {TCallFate::NotDelivered, false}},
    {RPC_E_CALL_REJECTED, {TCallFate::NotDelivered, false}},
    {RPC_E_SERVERCALL_RETRYLATER, {TCallFate::NotDelivered, false}},
    {E_ACCESSDENIED, {TCallFate::NotDelivered, false}},
    {ZV_E_SERVER_NOT_REACHED, {TCallFate::NotDelivered, false}},
    {ZV_E_DATABASE_UNAVAILABLE, {TCallFate::NotDelivered, false}},
    // The call was sent and broke on its way back or in the server.
    {HRESULT_FROM_WIN32(RPC_S_CALL_FAILED), {TCallFate::MayHaveRun, true}},
    {RPC_E_SERVER_DIED, {TCallFate::MayHaveRun, true}},
    {RPC_E_SERVERFAULT, {TCallFate::MayHaveRun, true}},
    {RPC_E_CONNECTION_TERMINATED, {TCallFate::MayHaveRun, true}},
    {RPC_E_TIMEOUT, {TCallFate::MayHaveRun, false}},
    {RPC_E_CALL_CANCELED, {TCallFate::MayHaveRun, false}},
    {ZV_E_SERVER_CALL_BROKEN, {TCallFate::MayHaveRun, false}},
};

}  // namespace

TCallFailure ClassifyCallFailure(HRESULT iResult)
{
    for (const TKnownFailure& known : kKnownFailures)
        if (known.Result == iResult)
            return known.Failure;
    return {TCallFate::Refused, false};
}

HRESULT RelayedResult(HRESULT iServerResult)
{
    if (SUCCEEDED(iServerResult))
        return iServerResult;
    const TCallFailure failure = ClassifyCallFailure(iServerResult);
    if (!failure.Reconnect)
        return iServerResult;
    return failure.Fate == TCallFate::NotDelivered ? ZV_E_SERVER_NOT_REACHED : ZV_E_SERVER_CALL_BROKEN;
}
