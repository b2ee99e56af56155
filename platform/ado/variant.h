// Declarations behind variant.idl come from the Windows headers.
#pragma once
#include <oaidl.h>
