#pragma once
#include <ado.h>

#include <string>
#include <vector>

namespace ado {

// An owned VARIANT: copies deeply, clears on destruction.
class Variant {
public:
    Variant() { VariantInit(&value_); }
    explicit Variant(const VARIANT& value);
    Variant(const Variant& other) : Variant(other.value_) {}
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant other) noexcept
    {
        std::swap(value_, other.value_);
        return *this;
    }
    ~Variant() { VariantClear(&value_); }

    static Variant Null();
    static Variant Int(long value);
    static Variant Int64(LONGLONG value);
    static Variant Double(double value);
    static Variant Date(DATE value);
    static Variant Bool(bool value);
    static Variant Text(const std::wstring& text);
    static Variant Bytes(const BYTE* data, size_t size);

    const VARIANT& Get() const { return value_; }
    VARTYPE Type() const { return value_.vt; }
    bool IsNull() const { return value_.vt == VT_EMPTY || value_.vt == VT_NULL; }
    // Clears the value and hands out its storage for a function that fills it.
    VARIANT* Receive();
    void CopyTo(VARIANT* out) const;
    // This value converted to another type (by the standard conversion rules).
    Variant ConvertedTo(VARTYPE type) const;

private:
    VARIANT value_;
};

// A BSTR copy of the text; throws when out of memory.
BSTR MakeBstr(const std::wstring& text);
std::wstring FromBstr(BSTR text);

// The bytes of a one-dimensional byte array VARIANT; throws for anything else.
std::vector<BYTE> BytesOf(const VARIANT& value);

// The size in bytes of the data a value holds (text and arrays: their length).
long DataSize(const VARIANT& value);

}  // namespace ado
