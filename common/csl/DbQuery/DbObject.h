#pragma once
#include <windows.h>

// An object that is stored as a row: a COM object of this kind passed as a statement value
// is bound as its ID. Such an object answers QueryInterface for IID_DbObject (with its own
// IUnknown); only then is it cast, since a cast needs type information that objects made
// by other modules do not carry.
class DbObject {
public:
    explicit DbObject(DWORD iObjectId = 0) : ObjectId(iObjectId) {}

    DWORD ObjectId;
};

// {C855FDD5-73A3-425F-9210-D5FBAFD9616E}
extern const IID IID_DbObject;
