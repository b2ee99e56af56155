#include "ComMethodResult.h"

#include <csl/EComException.h>
#include <csl/ESystemException.h>
#include <csl/TDebugStream.h>
#include <csl/ValueConversions.h>

namespace {

// A Win32 code as an HRESULT by the standard rule. A thrown exception is a failure even when
// its code reads as success (0: the error was lost before it was recorded).
HRESULT SystemResult(const ESystemException& iException)
{
    const int code = ValueToInt(iException.GetProperty("Code"));
    const HRESULT result = code > 0 ? static_cast<HRESULT>(0x80070000u | (code & 0xFFFF)) : code;
    return FAILED(result) ? result : E_FAIL;
}

}  // namespace

HRESULT ComMethodResult(const char* iMethod)
{
    try {
        throw;
    } catch (const EComException& e) {
        DebugLog() << "(!) Exception in CZorvaneServer::" << iMethod << "() " << e << "\n";
        const HRESULT result = e.GetHResult();
        return FAILED(result) ? result : E_FAIL;
    } catch (const ESystemException& e) {
        DebugLog() << "(!) Exception in CZorvaneServer::" << iMethod << "() " << e << "\n";
        return SystemResult(e);
    } catch (const std::exception& e) {
        DebugLog() << "(!) Exception in CZorvaneServer::" << iMethod << "() " << e.what() << "\n";
        return E_FAIL;
    } catch (...) {
        DebugLog() << "(!) Exception in CZorvaneServer::" << iMethod << "() - catch( ... )\n";
        return E_FAIL;
    }
}
