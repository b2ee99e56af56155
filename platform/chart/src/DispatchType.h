#pragma once
#include <windows.h>
#include <oleauto.h>
#include <wrl/client.h>

#include <new>
#include <string>

using Microsoft::WRL::ComPtr;

// How a C++ type travels in a VARIANT: its VARTYPE, how to read it from a VARIANT of that type
// and how to write it into an empty VARIANT.
template <class T>
struct DispatchType;

template <>
struct DispatchType<LONG> {
    static constexpr VARTYPE kType = VT_I4;
    static LONG Read(const VARIANT& iValue) { return V_I4(&iValue); }
    static void Write(LONG iValue, VARIANT& oValue)
    {
        V_VT(&oValue) = VT_I4;
        V_I4(&oValue) = iValue;
    }
};

template <>
struct DispatchType<ULONG> {
    static constexpr VARTYPE kType = VT_UI4;
    static ULONG Read(const VARIANT& iValue) { return V_UI4(&iValue); }
    static void Write(ULONG iValue, VARIANT& oValue)
    {
        V_VT(&oValue) = VT_UI4;
        V_UI4(&oValue) = iValue;
    }
};

template <>
struct DispatchType<bool> {
    static constexpr VARTYPE kType = VT_BOOL;
    static bool Read(const VARIANT& iValue) { return V_BOOL(&iValue) != VARIANT_FALSE; }
    static void Write(bool iValue, VARIANT& oValue)
    {
        V_VT(&oValue) = VT_BOOL;
        V_BOOL(&oValue) = iValue ? VARIANT_TRUE : VARIANT_FALSE;
    }
};

template <>
struct DispatchType<double> {
    static constexpr VARTYPE kType = VT_R8;
    static double Read(const VARIANT& iValue) { return V_R8(&iValue); }
};

template <>
struct DispatchType<std::wstring> {
    static constexpr VARTYPE kType = VT_BSTR;
    static std::wstring Read(const VARIANT& iValue)
    {
        BSTR text = V_BSTR(&iValue);
        return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    }
    static void Write(const std::wstring& iValue, VARIANT& oValue)
    {
        BSTR text = SysAllocStringLen(iValue.data(), static_cast<UINT>(iValue.size()));
        if (!text)
            throw std::bad_alloc();
        V_VT(&oValue) = VT_BSTR;
        V_BSTR(&oValue) = text;
    }
};

template <>
struct DispatchType<ComPtr<IDispatch>> {
    static constexpr VARTYPE kType = VT_DISPATCH;
    static void Write(ComPtr<IDispatch> iValue, VARIANT& oValue)
    {
        V_VT(&oValue) = VT_DISPATCH;
        V_DISPATCH(&oValue) = iValue.Detach();
    }
};
