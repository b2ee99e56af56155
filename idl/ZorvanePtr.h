#pragma once
#include <zorvane.h>

#include <comdef.h>

// Holds a counted reference to an IZorvane.
using IZorvanePtr = _com_ptr_t<_com_IIID<IZorvane, &IID_IZorvane>>;
