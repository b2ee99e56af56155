#include "RecordsetObject.h"

#include <algorithm>

#include "FieldObject.h"
#include "RecordsetSort.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Recordset";
// Marks the start of a recordset in a marshalling stream, followed by the data's length.
constexpr uint32_t kStreamMark = 0x53524441;

void ReadExactly(IStream* iStream, void* oBuffer, ULONG iSize)
{
    BYTE* bytes = static_cast<BYTE*>(oBuffer);
    while (iSize > 0) {
        ULONG read = 0;
        HRESULT hr = iStream->Read(bytes, iSize, &read);
        CheckResult(hr, L"Cannot read the marshalled recordset");
        if (read == 0)
            throw AdoError(RPC_E_INVALID_DATA, L"The marshalled recordset data is cut short");
        bytes += read;
        iSize -= read;
    }
}

// The data grows chunk by chunk as it arrives, so that a length beyond the stream's end is
// found cut short instead of being allocated whole.
std::vector<BYTE> ReadData(IStream* iStream, uint32_t iSize)
{
    constexpr size_t kChunk = 1 << 16;
    std::vector<BYTE> data;
    while (data.size() < iSize) {
        size_t read = data.size();
        data.resize(read + std::min<size_t>(kChunk, iSize - read));
        ReadExactly(iStream, data.data() + read, static_cast<ULONG>(data.size() - read));
    }
    return data;
}

uint32_t ReadHeader(IStream* iStream)
{
    uint32_t header[2] = {};
    ReadExactly(iStream, header, sizeof header);
    if (header[0] != kStreamMark) {
        throw AdoError(RPC_E_INVALID_DATA, L"The stream holds no marshalled recordset");
    }
    return header[1];
}

}  // namespace

void RecordsetObject::Load(const RecordsetImage& iImage)
{
    std::vector<size_t> order = iImage.Table ? SortOrder(*iImage.Table, iImage.Sort) : std::vector<size_t>();
    m_Table = iImage.Table;
    m_Order = std::move(order);
    m_Sort = iImage.Sort;
    m_Position = iImage.Position;
}

const RecordTable& RecordsetObject::Table() const
{
    if (!m_Table)
        throw AdoError(adErrObjectClosed, L"The recordset is closed");
    return *m_Table;
}

const Variant& RecordsetObject::CurrentValue(size_t iColumn) const
{
    const RecordTable& table = Table();
    if (AtEnd()) {
        throw AdoError(adErrNoCurrentRecord, L"There is no current record: the recordset is at its end");
    }
    return table.Value(m_Order[m_Position], iColumn);
}

HRESULT RecordsetObject::get_RecordCount(long* oCount)
{
    return Guard(kSource, [&] {
        CheckPointer(oCount);
        *oCount = static_cast<long>(Table().RowCount());
    });
}

HRESULT RecordsetObject::get_EOF(VARIANT_BOOL* oEof)
{
    return Guard(kSource, [&] {
        CheckPointer(oEof);
        Table();
        *oEof = AtEnd() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT RecordsetObject::get_BOF(VARIANT_BOOL* oBof)
{
    return Guard(kSource, [&] {
        CheckPointer(oBof);
        Table();
        *oBof = m_Order.empty() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT RecordsetObject::MoveFirst()
{
    return Guard(kSource, [&] {
        Table();
        m_Position = 0;
    });
}

HRESULT RecordsetObject::MoveNext()
{
    return Guard(kSource, [&] {
        Table();
        if (AtEnd())
            throw AdoError(adErrNoCurrentRecord, L"The recordset is already at its end");
        ++m_Position;
    });
}

HRESULT RecordsetObject::get_State(long* oState)
{
    return Guard(kSource, [&] {
        CheckPointer(oState);
        *oState = m_Table ? adStateOpen : adStateClosed;
    });
}

HRESULT RecordsetObject::get_Sort(BSTR* oSort)
{
    return Guard(kSource, [&] {
        CheckPointer(oSort);
        *oSort = MakeBstr(m_Sort);
    });
}

HRESULT RecordsetObject::put_Sort(BSTR iSort)
{
    return Guard(kSource, [&] {
        Table();
        Load({m_Table, FromBstr(iSort), 0});
    });
}

HRESULT RecordsetObject::get_Fields(Fields** oFields)
{
    return Guard(kSource, [&] {
        CheckPointer(oFields);
        *oFields = nullptr;
        Table();
        *oFields = Make<FieldsCollection>(ComPtr<RecordsetObject>(this)).Detach();
    });
}

HRESULT RecordsetObject::GetUnmarshalClass(REFIID, void*, DWORD, void*, DWORD, CLSID* oUnmarshaller)
{
    return Guard(kSource, [&] {
        CheckPointer(oUnmarshaller);
        *oUnmarshaller = CLSID_Recordset;
    });
}

HRESULT RecordsetObject::GetMarshalSizeMax(REFIID, void*, DWORD, void*, DWORD, DWORD* oSize)
{
    return Guard(kSource, [&] {
        CheckPointer(oSize);
        *oSize = static_cast<DWORD>(2 * sizeof(uint32_t) + WriteRecordset({m_Table, m_Sort, m_Position}).size());
    });
}

HRESULT RecordsetObject::MarshalInterface(IStream* iStream, REFIID, void*, DWORD, void*, DWORD)
{
    return Guard(kSource, [&] {
        CheckPointer(iStream);
        std::vector<BYTE> data = WriteRecordset({m_Table, m_Sort, m_Position});
        uint32_t header[2] = {kStreamMark, static_cast<uint32_t>(data.size())};
        CheckResult(iStream->Write(header, sizeof header, nullptr), L"Cannot write the recordset");
        CheckResult(iStream->Write(data.data(), static_cast<ULONG>(data.size()), nullptr),
                    L"Cannot write the recordset");
    });
}

HRESULT RecordsetObject::UnmarshalInterface(IStream* iStream, REFIID iInterface, void** oObject)
{
    return Guard(kSource, [&] {
        CheckPointer(iStream);
        CheckPointer(oObject);
        *oObject = nullptr;
        std::vector<BYTE> data = ReadData(iStream, ReadHeader(iStream));
        Load(ReadRecordset(data.data(), data.size()));
        CheckResult(QueryInterface(iInterface, oObject), L"The recordset does not offer the interface asked for");
    });
}

HRESULT RecordsetObject::ReleaseMarshalData(IStream* iStream)
{
    return Guard(kSource, [&] {
        CheckPointer(iStream);
        LARGE_INTEGER skip;
        skip.QuadPart = ReadHeader(iStream);
        CheckResult(iStream->Seek(skip, STREAM_SEEK_CUR, nullptr), L"Cannot skip the recordset data");
    });
}

HRESULT RecordsetObject::DisconnectObject(DWORD)
{
    return S_OK;
}

}  // namespace ado
