#include <guitoolkit/controls/GTColorLists.h>

void CheckColorCount(DWORD_PTR iCount)
{
    if (iCount > GTMaxStoredColors)
        AfxThrowArchiveException(CArchiveException::badIndex);
}

void WriteColors(CArchive& ioArchive, const std::vector<COLORREF>& iColors)
{
    ioArchive << static_cast<int>(iColors.size());
    for (COLORREF color : iColors)
        ioArchive << color;
}

std::vector<COLORREF> ReadColors(CArchive& ioArchive)
{
    int count = 0;
    ioArchive >> count;
    if (count < 0)
        AfxThrowArchiveException(CArchiveException::badIndex);
    CheckColorCount(static_cast<DWORD_PTR>(count));
    std::vector<COLORREF> colors(static_cast<size_t>(count));
    for (COLORREF& color : colors)
        ioArchive >> color;
    return colors;
}

std::vector<COLORREF> PaletteColors(HPALETTE iPalette)
{
    if (iPalette == nullptr)
        iPalette = static_cast<HPALETTE>(::GetStockObject(DEFAULT_PALETTE));
    std::vector<PALETTEENTRY> entries(::GetPaletteEntries(iPalette, 0, 0, nullptr));
    if (!entries.empty())
        ::GetPaletteEntries(iPalette, 0, static_cast<UINT>(entries.size()), entries.data());
    std::vector<COLORREF> colors;
    for (const PALETTEENTRY& entry : entries)
        colors.push_back(RGB(entry.peRed, entry.peGreen, entry.peBlue));
    return colors;
}
