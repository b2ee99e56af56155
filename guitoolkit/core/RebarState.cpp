#include <guitoolkit/core/RebarState.h>
#include <guitoolkit/core/CGTRegistryHolder.h>
#include <commctrl.h>
#include <memory>
#include <vector>

namespace {
const UINT savedMask =
    RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE | RBBIM_ID | RBBIM_IDEALSIZE | RBBIM_HEADERSIZE;
const UINT storedMask = savedMask & ~RBBIM_CHILD;
const size_t recordSize = 80;
const size_t fieldCount = recordSize / 4;

CString KeyOf(LPCWSTR section, HWND rebar)
{
    CString key;
    key.Format(L"%sRIRRebar-%ld", section, ::GetWindowLongW(rebar, GWL_ID));
    return key;
}

UINT BandCount(HWND rebar)
{
    return static_cast<UINT>(::SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
}

// The band's saved fields in the order of the 32-bit record.
void Encode(const REBARBANDINFOW& band, std::vector<DWORD>& fields)
{
    const DWORD record[fieldCount] = {static_cast<DWORD>(recordSize),
                                      band.fMask,
                                      band.fStyle,
                                      band.clrFore,
                                      band.clrBack,
                                      0,
                                      band.cch,
                                      static_cast<DWORD>(band.iImage),
                                      0,
                                      band.cxMinChild,
                                      band.cyMinChild,
                                      band.cx,
                                      0,
                                      band.wID,
                                      band.cyChild,
                                      band.cyMaxChild,
                                      band.cyIntegral,
                                      band.cxIdeal,
                                      0,
                                      band.cxHeader};
    fields.insert(fields.end(), record, record + fieldCount);
}

// The stored fields that were saved; the child, texts and other handles stay unset.
REBARBANDINFOW Decode(const DWORD* record)
{
    REBARBANDINFOW band = {};
    band.cbSize = sizeof(band);
    band.fMask = record[1] & storedMask;
    band.fStyle = record[2];
    band.cxMinChild = record[9];
    band.cyMinChild = record[10];
    band.cx = record[11];
    band.wID = record[13];
    band.cyChild = record[14];
    band.cyMaxChild = record[15];
    band.cyIntegral = record[16];
    band.cxIdeal = record[17];
    band.cxHeader = record[19];
    return band;
}

REBARBANDINFOW BandInfo(HWND rebar, UINT index, UINT mask)
{
    REBARBANDINFOW band = {};
    band.cbSize = sizeof(band);
    band.fMask = mask;
    ::SendMessageW(rebar, RB_GETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
    return band;
}

DWORD ChildId(const REBARBANDINFOW& band)
{
    return band.hwndChild != nullptr ? static_cast<DWORD>(::GetWindowLongW(band.hwndChild, GWL_ID)) : 0;
}

// The band at or after from whose child has the id; -1 when none has.
int FindBand(HWND rebar, UINT from, DWORD childId)
{
    for (UINT index = from; index < BandCount(rebar); ++index) {
        if (ChildId(BandInfo(rebar, index, RBBIM_CHILD)) == childId)
            return static_cast<int>(index);
    }
    return -1;
}
}  // namespace

BOOL SaveRebarWindowState(LPCWSTR iSection, HWND iRebar)
{
    const UINT count = BandCount(iRebar);
    if (count == 0)
        return TRUE;
    std::vector<DWORD> records;
    std::vector<DWORD> ids;
    for (UINT index = 0; index < count; ++index) {
        REBARBANDINFOW band = BandInfo(iRebar, index, savedMask);
        if ((band.fStyle & RBBS_FIXEDSIZE) != 0)
            band.cxMinChild += 4;
        ids.push_back(ChildId(band));
        band.fMask &= ~RBBIM_CHILD;
        Encode(band, records);
    }
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, FALSE);
    if (!registry.CreateKey(KeyOf(iSection, iRebar)))
        return FALSE;
    registry.WriteBinary(L"RBI", reinterpret_cast<const BYTE*>(records.data()),
                         static_cast<UINT>(records.size() * sizeof(DWORD)));
    registry.WriteBinary(L"IDs", reinterpret_cast<const BYTE*>(ids.data()),
                         static_cast<UINT>(ids.size() * sizeof(DWORD)));
    return TRUE;
}

BOOL LoadRebarWindowState(LPCWSTR iSection, HWND iRebar)
{
    CGTRegistryHolder holder;
    CGTRegistry& registry = holder.Create(FALSE, TRUE);
    if (!registry.Open(KeyOf(iSection, iRebar)))
        return FALSE;
    BYTE* recordBytes = nullptr;
    BYTE* idBytes = nullptr;
    UINT recordSizes = 0;
    UINT idSizes = 0;
    registry.ReadBinary(L"RBI", recordBytes, recordSizes);
    std::unique_ptr<BYTE[]> ownedRecords(recordBytes);
    registry.ReadBinary(L"IDs", idBytes, idSizes);
    std::unique_ptr<BYTE[]> ownedIds(idBytes);
    const UINT count = BandCount(iRebar);
    if (count == 0 || recordSizes != count * recordSize || idSizes != count * sizeof(DWORD))
        return TRUE;
    const DWORD* records = reinterpret_cast<const DWORD*>(recordBytes);
    const DWORD* ids = reinterpret_cast<const DWORD*>(idBytes);
    for (UINT index = 0; index < count; ++index) {
        const int found = FindBand(iRebar, index, ids[index]);
        if (found < 0)
            continue;
        if (static_cast<UINT>(found) != index)
            ::SendMessageW(iRebar, RB_MOVEBAND, found, index);
        REBARBANDINFOW band = Decode(records + index * fieldCount);
        ::SendMessageW(iRebar, RB_SETBANDINFOW, index, reinterpret_cast<LPARAM>(&band));
    }
    return TRUE;
}
