#include "RecordsetStream.h"

#include <cstring>

#include "AdoError.h"

namespace ado {
namespace {

constexpr uint32_t kVersion = 1;

class Writer {
public:
    template <class T>
    void Put(const T& iValue)
    {
        const BYTE* bytes = reinterpret_cast<const BYTE*>(&iValue);
        m_Data.insert(m_Data.end(), bytes, bytes + sizeof iValue);
    }
    void PutBytes(const void* iBytes, size_t iSize)
    {
        Put(static_cast<uint32_t>(iSize));
        m_Data.insert(m_Data.end(), static_cast<const BYTE*>(iBytes), static_cast<const BYTE*>(iBytes) + iSize);
    }
    void PutText(const std::wstring& iText) { PutBytes(iText.data(), iText.size() * sizeof(wchar_t)); }
    void PutValue(const VARIANT& iValue);
    std::vector<BYTE> Take() { return std::move(m_Data); }

private:
    std::vector<BYTE> m_Data;
};

class Reader {
public:
    Reader(const BYTE* iData, size_t iSize) : m_Data(iData), m_Left(iSize) {}
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
    size_t Left() const { return m_Left; }
    [[noreturn]] static void Fail()
    {
        throw AdoError(RPC_E_INVALID_DATA, L"The marshalled recordset data is malformed");
    }

private:
    const BYTE* Take(size_t iSize)
    {
        if (iSize > m_Left)
            Fail();
        const BYTE* bytes = m_Data;
        m_Data += iSize;
        m_Left -= iSize;
        return bytes;
    }
    const BYTE* m_Data;
    size_t m_Left;
};

void Writer::PutValue(const VARIANT& iValue)
{
    Put(iValue.vt);
    switch (iValue.vt) {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_BOOL:
        Put(iValue.boolVal);
        break;
    case VT_I4:
        Put(iValue.lVal);
        break;
    case VT_I8:
        Put(iValue.llVal);
        break;
    case VT_R8:
        Put(iValue.dblVal);
        break;
    case VT_DATE:
        Put(iValue.date);
        break;
    case VT_DECIMAL:
        Put(iValue.decVal);
        break;
    case VT_BSTR:
        PutText(FromBstr(iValue.bstrVal));
        break;
    case VT_ARRAY | VT_UI1: {
        std::vector<BYTE> bytes = BytesOf(iValue);
        PutBytes(bytes.data(), bytes.size());
        break;
    }
    default:
        throw AdoError(DISP_E_BADVARTYPE,
                       L"A value of variant type " + std::to_wstring(iValue.vt) + L" cannot be marshalled");
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

std::vector<BYTE> WriteRecordset(const RecordsetImage& iImage)
{
    Writer writer;
    writer.Put(kVersion);
    writer.Put(static_cast<uint32_t>(iImage.Table ? 1 : 0));
    if (!iImage.Table)
        return writer.Take();
    const RecordTable& table = *iImage.Table;
    writer.PutText(iImage.Sort);
    writer.Put(static_cast<uint32_t>(iImage.Position));
    writer.Put(static_cast<uint32_t>(table.Columns.size()));
    for (const ColumnInfo& column : table.Columns) {
        writer.PutText(column.Name);
        writer.Put(static_cast<int32_t>(column.Type));
        writer.Put(static_cast<int32_t>(column.DefinedSize));
        writer.Put(static_cast<int32_t>(column.Attributes));
    }
    writer.Put(static_cast<uint32_t>(table.RowCount()));
    for (const Variant& value : table.Values)
        writer.PutValue(value.Get());
    return writer.Take();
}

RecordsetImage ReadRecordset(const BYTE* iData, size_t iSize)
{
    Reader reader(iData, iSize);
    if (reader.Get<uint32_t>() != kVersion)
        Reader::Fail();
    RecordsetImage image;
    if (reader.Get<uint32_t>() == 0)
        return image;
    auto table = std::make_shared<RecordTable>();
    image.Sort = reader.GetText();
    image.Position = reader.Get<uint32_t>();
    uint32_t columns = reader.Get<uint32_t>();
    for (uint32_t i = 0; i < columns; ++i) {
        ColumnInfo column;
        column.Name = reader.GetText();
        column.Type = static_cast<DataTypeEnum>(reader.Get<int32_t>());
        column.DefinedSize = reader.Get<int32_t>();
        column.Attributes = reader.Get<int32_t>();
        table->Columns.push_back(column);
    }
    uint32_t rows = reader.Get<uint32_t>();
    // Every value takes at least its type tag: a count beyond the data is malformed.
    if (static_cast<uint64_t>(rows) * columns > reader.Left() / sizeof(VARTYPE))
        Reader::Fail();
    table->Values.reserve(static_cast<size_t>(rows) * columns);
    for (uint64_t i = 0; i < static_cast<uint64_t>(rows) * columns; ++i) {
        table->Values.push_back(reader.GetValue());
    }
    if (reader.Left() != 0 || image.Position > table->RowCount())
        Reader::Fail();
    image.Table = table;
    return image;
}

}  // namespace ado
