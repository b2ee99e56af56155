#include <guitoolkit/core/CGTRegistryHolder.h>

CGTRegistry& CGTRegistryHolder::Create(BOOL admin, BOOL readOnly)
{
    if (registry == nullptr) {
        // Made by class, as the application may put its own registry class in place.
        registry = static_cast<CGTRegistry*>(RUNTIME_CLASS(CGTRegistry)->CreateObject());
        registry->isReadOnly = readOnly;
        registry->currentKey = admin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        registry->isAdmin = admin;
        registry->holderFlag = flag;
    }
    return *registry;
}
