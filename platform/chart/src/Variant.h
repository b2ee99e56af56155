#pragma once
#include <windows.h>
#include <oleauto.h>

// A VARIANT that clears itself.
class Variant {
public:
    Variant() { VariantInit(&m_Value); }
    Variant(Variant&& ioOther) noexcept : m_Value(ioOther.m_Value) { VariantInit(&ioOther.m_Value); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&m_Value); }

    VARIANT& Get() { return m_Value; }
    const VARIANT& Get() const { return m_Value; }

private:
    VARIANT m_Value;
};
