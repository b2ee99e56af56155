// Owns the registry object of one load or save call: made on the first Create, deleted
// when the holder goes out of scope.
#pragma once
#include <guitoolkit/core/CGTRegistry.h>

class CGTRegistryHolder {
public:
    CGTRegistryHolder() : registry(nullptr), flag(FALSE) {}
    ~CGTRegistryHolder() { delete registry; }
    CGTRegistryHolder(const CGTRegistryHolder&) = delete;
    CGTRegistryHolder& operator=(const CGTRegistryHolder&) = delete;

    // Rooted at HKEY_LOCAL_MACHINE with admin, else HKEY_CURRENT_USER; later calls answer
    // the object the first one made.
    CGTRegistry& Create(BOOL admin, BOOL readOnly);

    CGTRegistry* registry;
    BOOL flag;
};
