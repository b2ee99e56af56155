#include "AdoError.h"
#include "CommandObject.h"
#include "ConnectionObject.h"
#include "ParameterObject.h"
#include "PlatformAdo.h"
#include "RecordsetObject.h"

namespace ado {
namespace {

template <class T>
void Create(REFIID iInterface, void** oObject)
{
    CheckResult(Make<T>()->QueryInterface(iInterface, oObject), L"The object does not offer that interface");
}

}  // namespace

HRESULT CreateInstance(REFCLSID iClassId, REFIID iInterface, void** oObject)
{
    return Guard(L"PlatformADO", [&] {
        CheckPointer(oObject);
        *oObject = nullptr;
        if (iClassId == CLSID_Connection) {
            Create<ConnectionObject>(iInterface, oObject);
        } else if (iClassId == CLSID_Command) {
            Create<CommandObject>(iInterface, oObject);
        } else if (iClassId == CLSID_Parameter) {
            Create<ParameterObject>(iInterface, oObject);
        } else if (iClassId == CLSID_Recordset) {
            Create<RecordsetObject>(iInterface, oObject);
        } else {
            throw AdoError(CLASS_E_CLASSNOTAVAILABLE, L"The class is not one of the database objects");
        }
    });
}

}  // namespace ado
