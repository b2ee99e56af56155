// The window side of the class library: windows and messages, drawing, menus, frames (of
// one document and of several), views, printing, control bars, the application, standard
// controls and dialogs.
#pragma once
#include <afx.h>
#include "afxres.h"
#include "afxpriv.h"
#include "afxcmdtarget.h"
#include "afxwnd.h"
#include "afxgdi.h"
#include "afxdc.h"
#include "afxmenu.h"
#include "afxmsgmap.h"
#include "afxapp.h"
#include "afxframe.h"
#include "afxdoc.h"
#include "afxdoctempl.h"
#include "afxmdi.h"
#include "afxview.h"
#include "afxprint.h"
#include "afxcmdline.h"
#include "afxrecent.h"
#include "afxbar.h"
#include "afxctrls.h"
#include "afxdialog.h"
