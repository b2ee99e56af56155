#include <guitoolkit/controls/CGTLastColors.h>
#include <guitoolkit/controls/GTColorLists.h>
#include <utility>
#include <vector>

CMap<UINT, UINT, COLORREF, COLORREF>& CGTLastColors::Map()
{
    static CMap<UINT, UINT, COLORREF, COLORREF> colors(10);
    return colors;
}

void CGTLastColors::Set(UINT iCommandId, COLORREF iColor)
{
    Map().SetAt(iCommandId, iColor);
}

COLORREF CGTLastColors::Get(UINT iCommandId)
{
    COLORREF color = static_cast<COLORREF>(-1);
    Map().Lookup(iCommandId, color);
    return color;
}

void CGTLastColors::RemoveAll()
{
    Map().RemoveAll();
}

INT_PTR CGTLastColors::GetCount()
{
    return Map().GetCount();
}

void CGTLastColors::Serialize(CArchive& ioArchive)
{
    if (ioArchive.IsStoring()) {
        ioArchive.WriteCount(Map().GetCount());
        for (POSITION position = Map().GetStartPosition(); position != nullptr;) {
            UINT command = 0;
            COLORREF color = 0;
            Map().GetNextAssoc(position, command, color);
            ioArchive << command << color;
        }
        return;
    }
    const DWORD_PTR count = ioArchive.ReadCount();
    CheckColorCount(count);
    std::vector<std::pair<UINT, COLORREF>> read(static_cast<size_t>(count));
    for (auto& [command, color] : read)
        ioArchive >> command >> color;
    Map().RemoveAll();
    for (const auto& [command, color] : read)
        Map().SetAt(command, color);
}
