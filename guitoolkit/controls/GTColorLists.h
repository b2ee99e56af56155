// The colour lists of the colour controls: a palette's colours, and the stored form the
// colour bar and the colour menu button share (a 32-bit count, then each colour as a 32-bit
// COLORREF).
#pragma once
#include <afxwin.h>
#include <vector>

// More colours than any palette holds: the data is not a colour list.
const DWORD_PTR GTMaxStoredColors = 256;

// Throws an archive exception for a count above GTMaxStoredColors.
void CheckColorCount(DWORD_PTR iCount);
void WriteColors(CArchive& ioArchive, const std::vector<COLORREF>& iColors);
// The colours read; the archive's exception when the count is refused or the data ends.
std::vector<COLORREF> ReadColors(CArchive& ioArchive);

// The entries of a palette; of the stock DEFAULT_PALETTE (20 colours) for null.
std::vector<COLORREF> PaletteColors(HPALETTE iPalette = nullptr);
