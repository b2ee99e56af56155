// The class library's core: object model, exceptions, CString, geometry, files,
// archives and the named collections. Date and variant classes: <afxdisp.h>.
#pragma once
#include "afxdefs.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxexcept.h"
#include "afxtypes.h"
#include "afxfile.h"
#include "afxarch.h"
#include "afxtempl.h"
#include "afxcoll.h"
