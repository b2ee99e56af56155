// Extensions: control bars, mini-frames and toolbar resources.
#pragma once
#include "afxwin.h"
#include "afxtoolbarres.h"
