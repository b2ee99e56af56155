#include <csl/CallFailure.h>

#include <gtest/gtest.h>

namespace {

struct TCase {
    HRESULT result;
    TCallFate fate;
    bool reconnect;
};

const TCase kCases[] = {
    {static_cast<HRESULT>(0x800706BA), TCallFate::NotDelivered, true},  // RPC server unavailable
    {static_cast<HRESULT>(0x800706BF), TCallFate::NotDelivered, true},  // call failed, did not execute
    {RPC_E_DISCONNECTED, TCallFate::NotDelivered, true},
    {static_cast<HRESULT>(0x800706B5), TCallFate::NotDelivered, true},  // interface no longer served
    {CO_E_OBJNOTCONNECTED, TCallFate::NotDelivered, true},
    {RPC_E_SERVER_DIED_DNE, TCallFate::NotDelivered, true},
    {RPC_E_CALL_REJECTED, TCallFate::NotDelivered, false},
    {E_ACCESSDENIED, TCallFate::NotDelivered, false},
    {ZV_E_SERVER_NOT_REACHED, TCallFate::NotDelivered, false},
    {ZV_E_DATABASE_UNAVAILABLE, TCallFate::NotDelivered, false},
    {static_cast<HRESULT>(0x800706BE), TCallFate::MayHaveRun, true},  // call failed after it was sent
    {RPC_E_SERVER_DIED, TCallFate::MayHaveRun, true},
    {RPC_E_SERVERFAULT, TCallFate::MayHaveRun, true},
    {RPC_E_TIMEOUT, TCallFate::MayHaveRun, false},
    {ZV_E_SERVER_CALL_BROKEN, TCallFate::MayHaveRun, false},
    {E_FAIL, TCallFate::Refused, false},
    {E_INVALIDARG, TCallFate::Refused, false},
    {static_cast<HRESULT>(0x80040E2F), TCallFate::Refused, false},  // integrity violation
    // An activation failure is no answer of a call: a relay that could not activate its server
    // answers that it did not reach it.
    {REGDB_E_CLASSNOTREG, TCallFate::Refused, false},
    {static_cast<HRESULT>(0x800406BA), TCallFate::Refused, false},  // 1722 in the low word only
};

TEST(CallFailure, ClassifiesEachFailure)
{
    for (const TCase& c : kCases) {
        const TCallFailure failure = ClassifyCallFailure(c.result);
        EXPECT_EQ(c.fate, failure.Fate) << std::hex << c.result;
        EXPECT_EQ(c.reconnect, failure.Reconnect) << std::hex << c.result;
    }
}

// The relay mends its own way to the server: its caller keeps its proxy, and the record fares
// as it would have on the way to the server.
TEST(CallFailure, ARelayedAnswerKeepsTheFateAndNeverAsksTheCallerToReconnect)
{
    for (const TCase& c : kCases) {
        const HRESULT relayed = RelayedResult(c.result);
        const TCallFailure failure = ClassifyCallFailure(relayed);
        EXPECT_EQ(c.fate, failure.Fate) << std::hex << c.result;
        EXPECT_FALSE(failure.Reconnect) << std::hex << c.result;
        if (!c.reconnect) {
            EXPECT_EQ(c.result, relayed) << "passed as it came: " << std::hex << c.result;
        }
    }
    EXPECT_EQ(S_OK, RelayedResult(S_OK));
    EXPECT_EQ(S_FALSE, RelayedResult(S_FALSE));
}

}  // namespace
