// The OLE part of the class library: start-up, automation clients, hosted controls, data
// transfer and drag and drop, and the thin OLE document and in-place frame bases.
#pragma once
#include <afxwin.h>
#include <afxdisp.h>
#include "afxoledisp.h"
#include "afxoledragdrop.h"
#include "afxoledoc.h"
#include "afxoleframe.h"

// OLE on the calling thread, undone once when the program ends on that thread. FALSE when the
// thread is already in another apartment (a multithreaded one).
BOOL AFXAPI AfxOleInit();
// Whether AfxOleInit succeeded on the calling thread: drop targets need that.
BOOL AFXAPI AfxOleIsInitialized();
// Lets dialog templates, form views and template bars host controls named by class id, and
// CWnd::CreateControl create them. Without it such windows fail.
void AFXAPI AfxEnableControlContainer();
