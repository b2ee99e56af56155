// Declarations behind automation.idl come from the Windows headers.
#pragma once
#include <oaidl.h>
