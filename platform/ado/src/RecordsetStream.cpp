#include "RecordsetStream.h"

#include <cstring>

#include "AdoError.h"

namespace ado {
namespace {

constexpr uint32_t kVersion = 1;

class Writer {
public:
    template <class T>
    void Put(const T& value)
    {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&value);
        data_.insert(data_.end(), bytes, bytes + sizeof value);
    }
    void PutBytes(const void* bytes, size_t size)
    {
        Put(static_cast<uint32_t>(size));
        data_.insert(data_.end(), static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + size);
    }
    void PutText(const std::wstring& text) { PutBytes(text.data(), text.size() * sizeof(wchar_t)); }
    void PutValue(const VARIANT& value);
    std::vector<BYTE> Take() { return std::move(data_); }

private:
    std::vector<BYTE> data_;
};

class Reader {
public:
    Reader(const BYTE* data, size_t size) : data_(data), left_(size) {}
    template <class T>
    T Get()
    {
        T value;
        memcpy(&value, Take(sizeof value), sizeof value);
        return value;
    }
    std::vector<BYTE> GetBytes()
    {
        uint32_t size = Get<uint32_t>();
        const BYTE* bytes = Take(size);
        return std::vector<BYTE>(bytes, bytes + size);
    }
    std::wstring GetText()
    {
        uint32_t size = Get<uint32_t>();
        if (size % sizeof(wchar_t))
            Fail();
        const BYTE* bytes = Take(size);
        return std::wstring(reinterpret_cast<const wchar_t*>(bytes), size / sizeof(wchar_t));
    }
    Variant GetValue();
    size_t Left() const { return left_; }
    [[noreturn]] static void Fail()
    {
        throw AdoError(RPC_E_INVALID_DATA, L"The marshalled recordset data is malformed");
    }

private:
    const BYTE* Take(size_t size)
    {
        if (size > left_)
            Fail();
        const BYTE* bytes = data_;
        data_ += size;
        left_ -= size;
        return bytes;
    }
    const BYTE* data_;
    size_t left_;
};

void Writer::PutValue(const VARIANT& value)
{
    Put(value.vt);
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL:
        Put(value.boolVal);
        break;
    case VT_I4:
        Put(value.lVal);
        break;
    case VT_I8:
        Put(value.llVal);
        break;
    case VT_R8:
        Put(value.dblVal);
        break;
    case VT_DATE:
        Put(value.date);
        break;
    case VT_DECIMAL:
        Put(value.decVal);
        break;
    case VT_BSTR:
        PutText(FromBstr(value.bstrVal));
        break;
    case VT_ARRAY | VT_UI1: {
        std::vector<BYTE> bytes = BytesOf(value);
        PutBytes(bytes.data(), bytes.size());
        break;
    }
    default:
        throw AdoError(DISP_E_BADVARTYPE,
                       L"A value of variant type " + std::to_wstring(value.vt) + L" cannot be marshalled");
    }
}

Variant Reader::GetValue()
{
    VARTYPE type = Get<VARTYPE>();
    switch (type) {
    case VT_EMPTY:
        return Variant();
    case VT_NULL:
        return Variant::Null();
    case VT_BOOL:
        return Variant::Bool(Get<VARIANT_BOOL>() != VARIANT_FALSE);
    case VT_I4:
        return Variant::Int(Get<LONG>());
    case VT_I8:
        return Variant::Int64(Get<LONGLONG>());
    case VT_R8:
        return Variant::Double(Get<double>());
    case VT_DATE:
        return Variant::Date(Get<DATE>());
    case VT_DECIMAL: {
        Variant value;
        VARIANT* out = value.Receive();
        out->decVal = Get<DECIMAL>();
        out->vt = VT_DECIMAL;
        return value;
    }
    case VT_BSTR:
        return Variant::Text(GetText());
    case VT_ARRAY | VT_UI1: {
        std::vector<BYTE> bytes = GetBytes();
        return Variant::Bytes(bytes.data(), bytes.size());
    }
    default:
        Fail();
    }
}

}  // namespace

std::vector<BYTE> WriteRecordset(const RecordsetImage& image)
{
    Writer writer;
    writer.Put(kVersion);
    writer.Put(static_cast<uint32_t>(image.table ? 1 : 0));
    if (!image.table)
        return writer.Take();
    const RecordTable& table = *image.table;
    writer.PutText(image.sort);
    writer.Put(static_cast<uint32_t>(image.position));
    writer.Put(static_cast<uint32_t>(table.columns.size()));
    for (const ColumnInfo& column : table.columns) {
        writer.PutText(column.name);
        writer.Put(static_cast<int32_t>(column.type));
        writer.Put(static_cast<int32_t>(column.definedSize));
        writer.Put(static_cast<int32_t>(column.attributes));
    }
    writer.Put(static_cast<uint32_t>(table.RowCount()));
    for (const Variant& value : table.values)
        writer.PutValue(value.Get());
    return writer.Take();
}

RecordsetImage ReadRecordset(const BYTE* data, size_t size)
{
    Reader reader(data, size);
    if (reader.Get<uint32_t>() != kVersion)
        Reader::Fail();
    RecordsetImage image;
    if (reader.Get<uint32_t>() == 0)
        return image;
    auto table = std::make_shared<RecordTable>();
    image.sort = reader.GetText();
    image.position = reader.Get<uint32_t>();
    uint32_t columns = reader.Get<uint32_t>();
    for (uint32_t i = 0; i < columns; ++i) {
        ColumnInfo column;
        column.name = reader.GetText();
        column.type = static_cast<DataTypeEnum>(reader.Get<int32_t>());
        column.definedSize = reader.Get<int32_t>();
        column.attributes = reader.Get<int32_t>();
        table->columns.push_back(column);
    }
    uint32_t rows = reader.Get<uint32_t>();
    // Every value takes at least its type tag: a count beyond the data is malformed.
    if (static_cast<uint64_t>(rows) * columns > reader.Left() / sizeof(VARTYPE))
        Reader::Fail();
    table->values.reserve(static_cast<size_t>(rows) * columns);
    for (uint64_t i = 0; i < static_cast<uint64_t>(rows) * columns; ++i) {
        table->values.push_back(reader.GetValue());
    }
    if (reader.Left() != 0 || image.position > table->RowCount())
        Reader::Fail();
    image.table = table;
    return image;
}

}  // namespace ado
