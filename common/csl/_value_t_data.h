#pragma once
#include <csl/SmartPtr.h>

#include <windows.h>
#include <comutil.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <typeinfo>

class _time_t;
class _value_t;

// The payload of a _value_t: one value or a list of values of one element type (int,
// unsigned long, bool, std::string, std::wstring, _bstr_t). Typed reads, stores and appends
// either convert or throw EBadCastException; the defaults here refuse. Reads take an index
// that no payload looks at: they always answer the single value or the first element.
class _value_t_data {
public:
    _value_t_data() noexcept : m_RefCount(0), m_ViewCount(0) {}
    _value_t_data(const _value_t_data&) = delete;
    _value_t_data& operator=(const _value_t_data&) = delete;
    virtual ~_value_t_data() = default;

    virtual const std::type_info& GetType() const = 0;
    // New payloads, count 0.
    virtual _value_t_data* Clone() const = 0;
    virtual _value_t_data* CloneAsContainer() const = 0;
    virtual bool IsEqual(const _value_t_data& iOther) const = 0;
    virtual bool IsLess(const _value_t_data& iOther) const = 0;
    virtual int GetCount() const { return 1; }
    virtual bool IsContainer() const { return false; }
    virtual bool IsNullValue() const { return false; }

    virtual void GetTime(_time_t& oValue, int iIndex = 0) const;
    virtual void GetConstObject(SmartPtr<const SmartPtrObj>& oValue, int iIndex = 0) const;
    virtual void GetObject(SmartPtr<SmartPtrObj>& oValue, int iIndex = 0) const;
    virtual void GetBstr(_bstr_t& oValue, int iIndex = 0) const;
    virtual void GetWString(std::wstring& oValue, int iIndex = 0) const;
    virtual void GetString(std::string& oValue, int iIndex = 0) const;
    virtual double GetDouble(int iIndex = 0) const;
    virtual bool GetBool(int iIndex = 0) const;
    virtual int64_t GetInt64(int iIndex = 0) const;
    virtual unsigned long GetULong(int iIndex = 0) const;
    virtual int GetInt(int iIndex = 0) const;

    // Element payloads (count 0) that read, or read and write, one element in place.
    virtual _value_t_data* GetConstValue(int iIndex) const;
    virtual _value_t_data* GetValue(int iIndex);

    virtual void AppendTime(const _time_t& iValue);
    virtual void AppendConstObject(const SmartPtr<const SmartPtrObj>& iValue);
    virtual void AppendObject(const SmartPtr<SmartPtrObj>& iValue);
    virtual void AppendBstr(const _bstr_t& iValue);
    virtual void AppendWString(const std::wstring& iValue);
    virtual void AppendString(const std::string& iValue);
    virtual void AppendDouble(const double& iValue);
    virtual void AppendBool(const bool& iValue);
    virtual void AppendInt64(const int64_t& iValue);
    virtual void AppendULong(const unsigned long& iValue);
    virtual void AppendInt(const int& iValue);
    virtual void AppendValue(const _value_t& iValue);

    // VT_INT, VT_UI4, VT_BOOL, or VT_BSTR for every text type.
    virtual VARTYPE GetVarType() const = 0;

    virtual void SetTime(const _time_t& iValue);
    virtual void SetConstObject(const SmartPtr<const SmartPtrObj>& iValue);
    virtual void SetObject(const SmartPtr<SmartPtrObj>& iValue);
    virtual void SetBstr(const _bstr_t& iValue);
    virtual void SetWString(const std::wstring& iValue);
    virtual void SetString(const std::string& iValue);
    virtual void SetDouble(const double& iValue);
    virtual void SetBool(const bool& iValue);
    virtual void SetInt64(const int64_t& iValue);
    virtual void SetULong(const unsigned long& iValue);
    virtual void SetInt(const int& iValue);

    virtual const _time_t* GetTimePtr() const;
    virtual const SmartPtr<const SmartPtrObj>* GetConstObjectPtr() const;
    virtual const SmartPtr<SmartPtrObj>* GetObjectPtr() const;
    virtual const _bstr_t* GetBstrPtr() const;
    virtual const std::wstring* GetWStringPtr() const;
    virtual const std::string* GetStringPtr() const;
    virtual const double* GetDoublePtr() const;
    virtual const bool* GetBoolPtr() const;
    virtual const int64_t* GetInt64Ptr() const;
    virtual const unsigned long* GetULongPtr() const;
    virtual const int* GetIntPtr() const;

    // Reference counting, as for SmartPtrObj.
    void AddRef() const noexcept { m_RefCount.fetch_add(1); }
    void Release() const noexcept
    {
        if (m_RefCount.fetch_sub(1) == 1)
            delete this;
    }
    // True when no handle but the caller's own shares this payload. Element payloads that
    // view into it hold references too but do not count as sharers: they write into it.
    bool IsUnique() const noexcept { return m_RefCount.load() - m_ViewCount.load() == 1; }
    bool HasViews() const noexcept { return m_ViewCount.load() != 0; }
    void AddView() const noexcept
    {
        AddRef();
        m_ViewCount.fetch_add(1);
    }
    void ReleaseView() const noexcept
    {
        m_ViewCount.fetch_sub(1);
        Release();
    }

protected:
    // Throws EBadCastException naming both types.
    [[noreturn]] static void Refuse(const std::string& iFrom, const std::string& iTo);
    std::string TypeName() const;

private:
    mutable std::atomic<int32_t> m_RefCount;
    mutable std::atomic<int32_t> m_ViewCount;
};
