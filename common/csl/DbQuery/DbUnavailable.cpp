#include <csl/DbQuery/DbUnavailable.h>

#include <csl/EComException.h>
#include <csl/ESystemException.h>
#include <csl/ValueConversions.h>

#include <PlatformAdo.h>

namespace {

// The database layer reports a lost connection as E_FAIL (the number that makes a statement
// worth a try on a new connection) and a lock it could not get as a locked resource.
bool MeansUnavailable(HRESULT iCode)
{
    return iCode == E_FAIL || iCode == adErrResourceLocked;
}

}  // namespace

bool DatabaseUnavailableFailure()
{
    try {
        throw;
    } catch (const ESystemException&) {
        return false;
    } catch (const EComException& e) {
        return MeansUnavailable(e.GetHResult());
    } catch (const EGeneric& e) {
        // A failed statement carries the number of the database's error as its "Code".
        return e.HasProperty("Code") && MeansUnavailable(static_cast<HRESULT>(ValueToInt(e.GetProperty("Code"))));
    } catch (...) {
        return false;
    }
}
