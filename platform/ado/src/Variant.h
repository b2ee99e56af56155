#pragma once
#include <ado.h>

#include <string>
#include <vector>

namespace ado {

// An owned VARIANT: copies deeply, clears on destruction.
class Variant {
public:
    Variant() { VariantInit(&m_Value); }
    explicit Variant(const VARIANT& iValue);
    Variant(const Variant& iOther) : Variant(iOther.m_Value) {}
    Variant(Variant&& iOther) noexcept : m_Value(iOther.m_Value) { VariantInit(&iOther.m_Value); }
    Variant& operator=(Variant iOther) noexcept
    {
        std::swap(m_Value, iOther.m_Value);
        return *this;
    }
    ~Variant() { VariantClear(&m_Value); }

    static Variant Null();
    static Variant Int(long iValue);
    static Variant Int64(LONGLONG iValue);
    static Variant Double(double iValue);
    static Variant Date(DATE iValue);
    static Variant Bool(bool iValue);
    static Variant Text(const std::wstring& iText);
    static Variant Bytes(const BYTE* iData, size_t iSize);

    const VARIANT& Get() const { return m_Value; }
    VARTYPE Type() const { return m_Value.vt; }
    bool IsNull() const { return m_Value.vt == VT_EMPTY || m_Value.vt == VT_NULL; }
    // Clears the value and hands out its storage for a function that fills it.
    VARIANT* Receive();
    void CopyTo(VARIANT* oTo) const;
    // This value converted to another type (by the standard conversion rules).
    Variant ConvertedTo(VARTYPE iType) const;

private:
    VARIANT m_Value;
};

// A BSTR copy of the text; throws when out of memory.
BSTR MakeBstr(const std::wstring& iText);
std::wstring FromBstr(BSTR iText);

// The bytes of a one-dimensional byte array VARIANT; throws for anything else.
std::vector<BYTE> BytesOf(const VARIANT& iValue);

// The size in bytes of the data a value holds (text and arrays: their length).
long DataSize(const VARIANT& iValue);

}  // namespace ado
