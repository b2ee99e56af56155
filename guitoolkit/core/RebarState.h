// The band layout of a rebar control in the registry, under the caller's section path, key
// "RIRRebar-<the rebar's control id>": "RBI", one 80-byte band record per band (the band
// information of the 32-bit build, field by field: size, mask, style, fore and back
// colours, text, text length, image, child, minimum child width and height, width,
// background, id, child height, its maximum and step, ideal width, parameter and header
// width, each 32 bits; the child and pointers stored as 0), and "IDs", the 32-bit control id
// of each band's child.
#pragma once
#include <afxwin.h>

// FALSE when the key cannot be created; a rebar without bands writes nothing.
BOOL SaveRebarWindowState(LPCWSTR iSection, HWND iRebar);
// FALSE when the key cannot be opened. The bands are put back in their stored order with
// their stored sizes and styles; a stored state that does not fit the rebar's bands
// changes nothing.
BOOL LoadRebarWindowState(LPCWSTR iSection, HWND iRebar);
