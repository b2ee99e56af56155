#include "AdoError.h"
#include "CommandObject.h"
#include "ConnectionObject.h"
#include "ParameterObject.h"
#include "PlatformAdo.h"
#include "RecordsetObject.h"

namespace ado {
namespace {

template <class T>
void Create(REFIID iid, void** object)
{
    CheckResult(Make<T>()->QueryInterface(iid, object), L"The object does not offer that interface");
}

}  // namespace

HRESULT CreateInstance(REFCLSID classId, REFIID iid, void** object)
{
    return Guard(L"PlatformADO", [&] {
        CheckPointer(object);
        *object = nullptr;
        if (classId == CLSID_Connection) {
            Create<ConnectionObject>(iid, object);
        } else if (classId == CLSID_Command) {
            Create<CommandObject>(iid, object);
        } else if (classId == CLSID_Parameter) {
            Create<ParameterObject>(iid, object);
        } else if (classId == CLSID_Recordset) {
            Create<RecordsetObject>(iid, object);
        } else {
            throw AdoError(CLASS_E_CLASSNOTAVAILABLE, L"The class is not one of the database objects");
        }
    });
}

}  // namespace ado
