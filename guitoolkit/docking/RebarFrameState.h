// The band layouts of all the rebars a frame holds, each kept as RebarState.h describes.
#pragma once
#include <afxwin.h>

// The same for every rebar bar (CGTReBar) among the frame's child windows. The walk stops
// at the first rebar whose key cannot be opened (load) or created (save), with FALSE.
BOOL SaveRebarState(LPCWSTR iSection, CWnd* iFrame);
BOOL LoadRebarState(LPCWSTR iSection, CWnd* iFrame);
