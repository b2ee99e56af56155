#include "ServerTestSupport.h"

#include <ComMethodResult.h>

#include <csl/EComException.h>
#include <csl/ESystemException.h>
#include <csl/TDebugStream.h>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

HRESULT Answer(const std::function<void()>& iThrow)
{
    try {
        iThrow();
    } catch (...) {
        return ComMethodResult("ReportActivity");
    }
    return S_OK;
}

TEST(ComMethodResultTest, EveryExceptionAnswersAFailureAndIsLogged)
{
    SmartPtr<TTextCollector> log(new TTextCollector);
    DebugLog().RemoveAllWriters();
    DebugLog().AddWriter(log);
    struct Case {
        const char* name;
        std::function<void()> thrower;
        HRESULT expected;
    } cases[] = {
        {"COM failure", [] { ComErrorHandler(E_ACCESSDENIED); }, E_ACCESSDENIED},
        {"Win32 code 5", [] { throw ESystemException(5); }, static_cast<HRESULT>(0x80070005)},
        {"Win32 code beyond 16 bits", [] { throw ESystemException(0x12345); }, static_cast<HRESULT>(0x80072345)},
        // No error recorded is still a failure, never success.
        {"Win32 code 0", [] { throw ESystemException(0); }, E_FAIL},
        {"database failure", [] { throw EGeneric(TNamedValue("Text", "no such table")); }, E_FAIL},
        {"standard exception", [] { throw std::runtime_error("bad"); }, E_FAIL},
        {"anything else", [] { throw 7; }, E_FAIL},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, Answer(c.thrower)) << c.name;

    EXPECT_EQ(7, log->Count("(!) Exception in CZorvaneServer::ReportActivity() "));
    EXPECT_EQ(1, log->Count("(!) Exception in CZorvaneServer::ReportActivity() bad\n"));
    EXPECT_EQ(1, log->Count("(!) Exception in CZorvaneServer::ReportActivity() - catch( ... )\n"));
    DebugLog().RemoveAllWriters();
}

}  // namespace
