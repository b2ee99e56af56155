// Basic types, macros and switches shared by every header of the class library.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>
#include <tchar.h>
#include <cstddef>
#include <cstring>
#include <new>

// winbase.h maps this name to GetTickCount; the date class needs it as a member.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

#ifndef AFXAPI
#define AFXAPI __stdcall
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif
#ifndef AFX_CDECL
#define AFX_CDECL __cdecl
#endif

// An opaque iteration position of the lists and maps.
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

// Debug checks: the library is always built as a release build.
#ifndef ASSERT
#define ASSERT(f) ((void)0)
#endif
#ifndef VERIFY
#define VERIFY(f) ((void)(f))
#endif
#ifndef ASSERT_VALID
#define ASSERT_VALID(pOb) ((void)0)
#endif
#ifndef ASSERT_KINDOF
#define ASSERT_KINDOF(class_name, object) ((void)0)
#endif
#ifndef TRACE
#define TRACE(...) ((void)0)
#endif
#ifndef DEBUG_NEW
#define DEBUG_NEW new
#endif
#ifndef UNUSED_ALWAYS
#define UNUSED_ALWAYS(x) ((void)(x))
#endif

// The module whose resources (strings, dialogs, bitmaps) the library loads. It starts
// as the program's own module.
HINSTANCE AFXAPI AfxGetResourceHandle();
void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
