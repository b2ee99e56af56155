// The colour last chosen for each command id, shared by the process's colour bars and
// colour menu buttons. Stored format: an archive count, then pairs of 32-bit command id and
// COLORREF.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CGTLastColors {
public:
    static void Set(UINT iCommandId, COLORREF iColor);
    // -1 for a command without a colour.
    static COLORREF Get(UINT iCommandId);
    static void RemoveAll();
    static INT_PTR GetCount();
    // A count above 256 or beyond the data throws an archive exception and leaves the map
    // as it was.
    static void Serialize(CArchive& ioArchive);

private:
    static CMap<UINT, UINT, COLORREF, COLORREF>& Map();
};
