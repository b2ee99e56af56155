#include "RecordsetObject.h"

#include <algorithm>

#include "FieldObject.h"
#include "RecordsetSort.h"

namespace ado {
namespace {

constexpr const wchar_t* kSource = L"PlatformADO.Recordset";
// Marks the start of a recordset in a marshalling stream, followed by the data's length.
constexpr uint32_t kStreamMark = 0x53524441;

void ReadExactly(IStream* stream, void* buffer, ULONG size)
{
    BYTE* bytes = static_cast<BYTE*>(buffer);
    while (size > 0) {
        ULONG read = 0;
        HRESULT hr = stream->Read(bytes, size, &read);
        CheckResult(hr, L"Cannot read the marshalled recordset");
        if (read == 0)
            throw AdoError(RPC_E_INVALID_DATA, L"The marshalled recordset data is cut short");
        bytes += read;
        size -= read;
    }
}

// The data grows chunk by chunk as it arrives, so that a length beyond the stream's end is
// found cut short instead of being allocated whole.
std::vector<BYTE> ReadData(IStream* stream, uint32_t size)
{
    constexpr size_t kChunk = 1 << 16;
    std::vector<BYTE> data;
    while (data.size() < size) {
        size_t read = data.size();
        data.resize(read + std::min<size_t>(kChunk, size - read));
        ReadExactly(stream, data.data() + read, static_cast<ULONG>(data.size() - read));
    }
    return data;
}

uint32_t ReadHeader(IStream* stream)
{
    uint32_t header[2] = {};
    ReadExactly(stream, header, sizeof header);
    if (header[0] != kStreamMark) {
        throw AdoError(RPC_E_INVALID_DATA, L"The stream holds no marshalled recordset");
    }
    return header[1];
}

}  // namespace

void RecordsetObject::Load(const RecordsetImage& image)
{
    std::vector<size_t> order = image.table ? SortOrder(*image.table, image.sort) : std::vector<size_t>();
    table_ = image.table;
    order_ = std::move(order);
    sort_ = image.sort;
    position_ = image.position;
}

const RecordTable& RecordsetObject::Table() const
{
    if (!table_)
        throw AdoError(adErrObjectClosed, L"The recordset is closed");
    return *table_;
}

const Variant& RecordsetObject::CurrentValue(size_t column) const
{
    const RecordTable& table = Table();
    if (AtEnd()) {
        throw AdoError(adErrNoCurrentRecord, L"There is no current record: the recordset is at its end");
    }
    return table.Value(order_[position_], column);
}

HRESULT RecordsetObject::get_RecordCount(long* count)
{
    return Guard(kSource, [&] {
        CheckPointer(count);
        *count = static_cast<long>(Table().RowCount());
    });
}

HRESULT RecordsetObject::get_EOF(VARIANT_BOOL* eof)
{
    return Guard(kSource, [&] {
        CheckPointer(eof);
        Table();
        *eof = AtEnd() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT RecordsetObject::get_BOF(VARIANT_BOOL* bof)
{
    return Guard(kSource, [&] {
        CheckPointer(bof);
        Table();
        *bof = order_.empty() ? VARIANT_TRUE : VARIANT_FALSE;
    });
}

HRESULT RecordsetObject::MoveFirst()
{
    return Guard(kSource, [&] {
        Table();
        position_ = 0;
    });
}

HRESULT RecordsetObject::MoveNext()
{
    return Guard(kSource, [&] {
        Table();
        if (AtEnd())
            throw AdoError(adErrNoCurrentRecord, L"The recordset is already at its end");
        ++position_;
    });
}

HRESULT RecordsetObject::get_State(long* state)
{
    return Guard(kSource, [&] {
        CheckPointer(state);
        *state = table_ ? adStateOpen : adStateClosed;
    });
}

HRESULT RecordsetObject::get_Sort(BSTR* sort)
{
    return Guard(kSource, [&] {
        CheckPointer(sort);
        *sort = MakeBstr(sort_);
    });
}

HRESULT RecordsetObject::put_Sort(BSTR sort)
{
    return Guard(kSource, [&] {
        Table();
        Load({table_, FromBstr(sort), 0});
    });
}

HRESULT RecordsetObject::get_Fields(Fields** fields)
{
    return Guard(kSource, [&] {
        CheckPointer(fields);
        *fields = nullptr;
        Table();
        *fields = Make<FieldsCollection>(ComPtr<RecordsetObject>(this)).Detach();
    });
}

HRESULT RecordsetObject::GetUnmarshalClass(REFIID, void*, DWORD, void*, DWORD, CLSID* unmarshaller)
{
    return Guard(kSource, [&] {
        CheckPointer(unmarshaller);
        *unmarshaller = CLSID_Recordset;
    });
}

HRESULT RecordsetObject::GetMarshalSizeMax(REFIID, void*, DWORD, void*, DWORD, DWORD* size)
{
    return Guard(kSource, [&] {
        CheckPointer(size);
        *size = static_cast<DWORD>(2 * sizeof(uint32_t) + WriteRecordset({table_, sort_, position_}).size());
    });
}

HRESULT RecordsetObject::MarshalInterface(IStream* stream, REFIID, void*, DWORD, void*, DWORD)
{
    return Guard(kSource, [&] {
        CheckPointer(stream);
        std::vector<BYTE> data = WriteRecordset({table_, sort_, position_});
        uint32_t header[2] = {kStreamMark, static_cast<uint32_t>(data.size())};
        CheckResult(stream->Write(header, sizeof header, nullptr), L"Cannot write the recordset");
        CheckResult(stream->Write(data.data(), static_cast<ULONG>(data.size()), nullptr),
                    L"Cannot write the recordset");
    });
}

HRESULT RecordsetObject::UnmarshalInterface(IStream* stream, REFIID iid, void** object)
{
    return Guard(kSource, [&] {
        CheckPointer(stream);
        CheckPointer(object);
        *object = nullptr;
        std::vector<BYTE> data = ReadData(stream, ReadHeader(stream));
        Load(ReadRecordset(data.data(), data.size()));
        CheckResult(QueryInterface(iid, object), L"The recordset does not offer the interface asked for");
    });
}

HRESULT RecordsetObject::ReleaseMarshalData(IStream* stream)
{
    return Guard(kSource, [&] {
        CheckPointer(stream);
        LARGE_INTEGER skip;
        skip.QuadPart = ReadHeader(stream);
        CheckResult(stream->Seek(skip, STREAM_SEEK_CUR, nullptr), L"Cannot skip the recordset data");
    });
}

HRESULT RecordsetObject::DisconnectObject(DWORD)
{
    return S_OK;
}

}  // namespace ado
