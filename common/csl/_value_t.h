#pragma once
#include <csl/_value_t_data.h>

#include <atomic>
#include <string>

// A typed value: a one-pointer, reference-counted, copy-on-write handle to a payload that
// holds one value or a list of values of one element type. An empty handle reads as "void".
class _value_t {
public:
    _value_t() noexcept : m_Data(nullptr) {}
    _value_t(int iValue);
    _value_t(unsigned long iValue);
    _value_t(bool iValue);
    _value_t(const std::string& iValue);
    _value_t(const char* iValue);
    _value_t(const std::wstring& iValue);
    _value_t(const wchar_t* iValue);
    _value_t(const _bstr_t& iValue);
    // A handle over an existing payload; takes a reference.
    explicit _value_t(const _value_t_data* iData) noexcept;
    _value_t(const _value_t& iOther);
    ~_value_t() { Adopt(nullptr); }

    _value_t& operator=(const _value_t& iOther);
    // A non-empty handle keeps its payload's kind and element type and converts the
    // argument into it (a list takes it into its first element), or throws EBadCastException.
    _value_t& operator=(int iValue);
    _value_t& operator=(unsigned long iValue);
    _value_t& operator=(bool iValue);
    _value_t& operator=(const std::string& iValue);
    _value_t& operator=(const char* iValue);
    _value_t& operator=(const std::wstring& iValue);
    _value_t& operator=(const wchar_t* iValue);
    _value_t& operator=(const _bstr_t& iValue);

    // Empty becomes single, single becomes a list; a list takes only its own element type.
    void Append(int iValue);
    void Append(unsigned long iValue);
    void Append(bool iValue);
    void Append(const std::string& iValue);
    void Append(const char* iValue);
    void Append(const std::wstring& iValue);
    void Append(const wchar_t* iValue);
    void Append(const _bstr_t& iValue);

    // Reads convert only as the payload does; an empty handle throws EBadCastException
    // from "void".
    int GetInt() const;
    unsigned long GetULong() const;
    bool GetBool() const;
    std::string& GetString(std::string& oValue) const;
    std::wstring& GetWString(std::wstring& oValue) const;

    // Handles onto one element. The writable one writes into this value; it keeps the
    // payload alive, and copies of this value made while it lives are independent of it.
    _value_t GetValue(int iIndex);
    _value_t GetConstValue(int iIndex) const;

    bool IsEmpty() const noexcept { return m_Data.load() == nullptr; }
    // The payload, for its read operations; null when empty.
    const _value_t_data* GetData() const noexcept { return m_Data.load(); }
    // Gives the handle a payload of its own (cloning a shared one) and returns it.
    _value_t_data* MakeUnique();

private:
    template <class T>
    void Construct(const T& iValue);
    template <class T>
    _value_t& AssignValue(const T& iValue);
    template <class T>
    void AppendValue(const T& iValue);
    const _value_t_data& Required(const std::string& iTypeName) const;
    // Takes over a payload whose count the caller already raised; releases the old one.
    void Adopt(_value_t_data* iData) noexcept;

    std::atomic<_value_t_data*> m_Data;
};
