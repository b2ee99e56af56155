#pragma once
#include <csl/_value_t.h>
#include <csl/TypeName.h>

#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// The payload kinds of _value_t: an owned value (_value_t_data_t), a writable or read-only
// view of one element of another payload (_value_t_pdata_t, _value_t_pcdata_t) and an owned
// list (_value_t_cont_t). Which reads and stores convert is decided here, once for all kinds.

namespace _value_detail {

template <class T>
constexpr bool kIsText =
    std::is_same_v<T, std::string> || std::is_same_v<T, std::wstring> || std::is_same_v<T, _bstr_t>;
template <class T>
constexpr bool kIsWhole = std::is_same_v<T, int> || std::is_same_v<T, unsigned long>;

// An element of type E answers a read as R.
template <class E, class R>
constexpr bool kReads = std::is_same_v<E, R> ||
    (std::is_same_v<E, int> &&
     (std::is_same_v<R, unsigned long> || std::is_same_v<R, int64_t> || std::is_same_v<R, double>)) ||
    (std::is_same_v<E, unsigned long> && (std::is_same_v<R, int> || std::is_same_v<R, int64_t>)) ||
    (std::is_same_v<E, bool> && kIsWhole<R>) || (kIsText<E> && kIsText<R>);

// An element of type E takes a store of an argument of type A.
template <class A, class E>
constexpr bool kStores = std::is_same_v<A, E> || (kIsWhole<E> && (kIsWhole<A> || std::is_same_v<A, bool>)) ||
    (kIsText<E> && kIsText<A>);

// Text conversions in the ANSI code page.
void ConvertText(const std::string& iFrom, std::wstring& oTo);
void ConvertText(const std::string& iFrom, _bstr_t& oTo);  // ends at the first NUL
void ConvertText(const std::wstring& iFrom, std::string& oTo);
void ConvertText(const std::wstring& iFrom, _bstr_t& oTo);  // keeps embedded NULs
void ConvertText(const _bstr_t& iFrom, std::string& oTo);
void ConvertText(const _bstr_t& iFrom, std::wstring& oTo);

template <class From, class To>
void Convert(const From& iFrom, To& oTo)
{
    if constexpr (std::is_same_v<From, To>)
        oTo = iFrom;
    else if constexpr (kIsText<From>)
        ConvertText(iFrom, oTo);
    else
        oTo = static_cast<To>(iFrom);
}

// -1, 0 or 1. A null BSTR orders before every other; otherwise code unit by code unit.
int CompareBstr(const _bstr_t& iLeft, const _bstr_t& iRight);
template <class T>
int Compare(const T& iLeft, const T& iRight)
{
    if constexpr (std::is_same_v<T, _bstr_t>)
        return CompareBstr(iLeft, iRight);
    else
        return iLeft < iRight ? -1 : (iRight < iLeft ? 1 : 0);
}

template <class T>
std::string NameOf()
{
    return ReadableTypeName(typeid(T));
}
// Times are only ever refused here, so their type need not be complete.
template <>
inline std::string NameOf<_time_t>()
{
    return "class _time_t";
}

// The payload slots for one type: its read, append, store and pointer read.
template <class T>
struct Slots;

template <class T>
void CallRead(const _value_t_data& iData, T& oValue, void (_value_t_data::*iRead)(T&, int) const)
{
    (iData.*iRead)(oValue, 0);
}
template <class T>
void CallRead(const _value_t_data& iData, T& oValue, T (_value_t_data::*iRead)(int) const)
{
    oValue = (iData.*iRead)(0);
}

#define CSL_VALUE_SLOTS(Type, Name)                                                                  \
    template <>                                                                                      \
    struct Slots<Type> {                                                                             \
        static void Read(const _value_t_data& iData, Type& oValue)                                   \
        {                                                                                            \
            CallRead(iData, oValue, &_value_t_data::Get##Name);                                      \
        }                                                                                            \
        static void Append(_value_t_data& iData, const Type& iValue) { iData.Append##Name(iValue); } \
        static void Store(_value_t_data& iData, const Type& iValue) { iData.Set##Name(iValue); }     \
        static const Type* Pointer(const _value_t_data& iData) { return iData.Get##Name##Ptr(); }    \
    };
CSL_VALUE_SLOTS(_time_t, Time)
CSL_VALUE_SLOTS(SmartPtr<const SmartPtrObj>, ConstObject)
CSL_VALUE_SLOTS(SmartPtr<SmartPtrObj>, Object)
CSL_VALUE_SLOTS(_bstr_t, Bstr)
CSL_VALUE_SLOTS(std::wstring, WString)
CSL_VALUE_SLOTS(std::string, String)
CSL_VALUE_SLOTS(double, Double)
CSL_VALUE_SLOTS(bool, Bool)
CSL_VALUE_SLOTS(int64_t, Int64)
CSL_VALUE_SLOTS(unsigned long, ULong)
CSL_VALUE_SLOTS(int, Int)
#undef CSL_VALUE_SLOTS

template <class T>
constexpr VARTYPE kVarType = std::is_same_v<T, int> ? VT_INT
    : std::is_same_v<T, unsigned long>              ? VT_UI4
    : std::is_same_v<T, bool>                       ? VT_BOOL
                                                    : VT_BSTR;

// Bool lists keep one byte per element, never packed bits: element addresses are handed out.
template <class T>
using List = std::conditional_t<std::is_same_v<T, bool>, std::basic_string<bool>, std::vector<T>>;

[[noreturn]] void ThrowOutOfRange();

}  // namespace _value_detail

// What every payload of element type T shares: the conversions, comparisons and views.
template <class T>
class _value_t_elem_t : public _value_t_data {
public:
    const std::type_info& GetType() const override { return typeid(T); }
    VARTYPE GetVarType() const override { return _value_detail::kVarType<T>; }
    _value_t_data* CloneAsContainer() const override;
    _value_t_data* GetConstValue(int iIndex) const override;
    _value_t_data* GetValue(int iIndex) override;

    bool IsEqual(const _value_t_data& iOther) const override
    {
        return iOther.GetCount() == GetCount() && _value_detail::Compare(First(), ReadOf(iOther)) == 0;
    }
    bool IsLess(const _value_t_data& iOther) const override
    {
        return _value_detail::Compare(First(), ReadOf(iOther)) < 0;
    }

    void GetTime(_time_t& oValue, int) const override { Read(oValue); }
    void GetConstObject(SmartPtr<const SmartPtrObj>& oValue, int) const override { Read(oValue); }
    void GetObject(SmartPtr<SmartPtrObj>& oValue, int) const override { Read(oValue); }
    void GetBstr(_bstr_t& oValue, int) const override { Read(oValue); }
    void GetWString(std::wstring& oValue, int) const override { Read(oValue); }
    void GetString(std::string& oValue, int) const override { Read(oValue); }
    double GetDouble(int) const override { return ReadValue<double>(); }
    bool GetBool(int) const override { return ReadValue<bool>(); }
    int64_t GetInt64(int) const override { return ReadValue<int64_t>(); }
    unsigned long GetULong(int) const override { return ReadValue<unsigned long>(); }
    int GetInt(int) const override { return ReadValue<int>(); }

    void SetTime(const _time_t& iValue) override { Store(iValue); }
    void SetConstObject(const SmartPtr<const SmartPtrObj>& iValue) override { Store(iValue); }
    void SetObject(const SmartPtr<SmartPtrObj>& iValue) override { Store(iValue); }
    void SetBstr(const _bstr_t& iValue) override { Store(iValue); }
    void SetWString(const std::wstring& iValue) override { Store(iValue); }
    void SetString(const std::string& iValue) override { Store(iValue); }
    void SetDouble(const double& iValue) override { Store(iValue); }
    void SetBool(const bool& iValue) override { Store(iValue); }
    void SetInt64(const int64_t& iValue) override { Store(iValue); }
    void SetULong(const unsigned long& iValue) override { Store(iValue); }
    void SetInt(const int& iValue) override { Store(iValue); }

    const _time_t* GetTimePtr() const override { return PointerAs<_time_t>(); }
    const SmartPtr<const SmartPtrObj>* GetConstObjectPtr() const override
    {
        return PointerAs<SmartPtr<const SmartPtrObj>>();
    }
    const SmartPtr<SmartPtrObj>* GetObjectPtr() const override { return PointerAs<SmartPtr<SmartPtrObj>>(); }
    const _bstr_t* GetBstrPtr() const override { return PointerAs<_bstr_t>(); }
    const std::wstring* GetWStringPtr() const override { return PointerAs<std::wstring>(); }
    const std::string* GetStringPtr() const override { return PointerAs<std::string>(); }
    const double* GetDoublePtr() const override { return PointerAs<double>(); }
    const bool* GetBoolPtr() const override { return PointerAs<bool>(); }
    const int64_t* GetInt64Ptr() const override { return PointerAs<int64_t>(); }
    const unsigned long* GetULongPtr() const override { return PointerAs<unsigned long>(); }
    const int* GetIntPtr() const override { return PointerAs<int>(); }

    // The element a view at this index reads and writes.
    virtual T& ElementAt(int iIndex) = 0;

protected:
    // The single value, the pointed-to element or the first element; null for an empty list.
    virtual const T* FirstPointer() const = 0;
    virtual T* MutableFirst() = 0;
    virtual bool IsReadOnly() const { return false; }
    // The owning payload and element index that a view onto element iIndex points at.
    virtual std::pair<_value_t_elem_t*, int> ViewTarget(int iIndex) const = 0;

    const T& First() const
    {
        const T* first = FirstPointer();
        if (!first)
            _value_detail::ThrowOutOfRange();
        return *first;
    }
    static T ReadOf(const _value_t_data& iOther)
    {
        T value{};
        _value_detail::Slots<T>::Read(iOther, value);
        return value;
    }

private:
    template <class R>
    void Read(R& oValue) const
    {
        if constexpr (_value_detail::kReads<T, R>)
            _value_detail::Convert(First(), oValue);
        else
            Refuse(TypeName(), _value_detail::NameOf<R>());
    }
    template <class R>
    R ReadValue() const
    {
        R value{};
        Read(value);
        return value;
    }
    template <class A>
    void Store(const A& iValue)
    {
        if constexpr (_value_detail::kStores<A, T>) {
            if (!IsReadOnly()) {
                T* first = MutableFirst();
                if (!first)
                    _value_detail::ThrowOutOfRange();
                _value_detail::Convert(iValue, *first);
                return;
            }
        }
        Refuse(_value_detail::NameOf<A>(), TypeName());
    }
    template <class R>
    const R* PointerAs() const
    {
        if constexpr (std::is_same_v<R, T>)
            return FirstPointer();
        else
            Refuse(TypeName(), _value_detail::NameOf<R>());
    }
};

// One owned value.
template <class T>
class _value_t_data_t : public _value_t_elem_t<T> {
public:
    explicit _value_t_data_t(const T& iValue) : m_Value(iValue) {}

    _value_t_data* Clone() const override { return new _value_t_data_t(m_Value); }
    T& ElementAt(int iIndex) override
    {
        if (iIndex != 0)
            _value_detail::ThrowOutOfRange();
        return m_Value;
    }

protected:
    const T* FirstPointer() const override { return &m_Value; }
    T* MutableFirst() override { return &m_Value; }
    std::pair<_value_t_elem_t<T>*, int> ViewTarget(int iIndex) const override
    {
        if (iIndex != 0)
            _value_detail::ThrowOutOfRange();
        return {const_cast<_value_t_data_t*>(this), 0};
    }

private:
    T m_Value;
};

// A view of one element of another payload. It holds that payload alive; reads and writes
// go to the element in place.
template <class T>
class _value_t_view_t : public _value_t_elem_t<T> {
public:
    _value_t_view_t(_value_t_elem_t<T>* iOwner, int iIndex) : m_Owner(iOwner), m_Index(iIndex) { m_Owner->AddView(); }
    ~_value_t_view_t() override { m_Owner->ReleaseView(); }

    // A clone owns a copy of the element.
    _value_t_data* Clone() const override { return new _value_t_data_t<T>(this->First()); }
    T& ElementAt(int iIndex) override
    {
        if (iIndex != 0)
            _value_detail::ThrowOutOfRange();
        return m_Owner->ElementAt(m_Index);
    }

protected:
    const T* FirstPointer() const override { return &m_Owner->ElementAt(m_Index); }
    T* MutableFirst() override { return &m_Owner->ElementAt(m_Index); }
    std::pair<_value_t_elem_t<T>*, int> ViewTarget(int iIndex) const override
    {
        if (iIndex != 0)
            _value_detail::ThrowOutOfRange();
        return {m_Owner, m_Index};
    }

private:
    _value_t_elem_t<T>* m_Owner;
    int m_Index;
};

template <class T>
class _value_t_pdata_t : public _value_t_view_t<T> {
public:
    using _value_t_view_t<T>::_value_t_view_t;
};

// A read-only view: every store and GetValue is refused.
template <class T>
class _value_t_pcdata_t : public _value_t_view_t<T> {
public:
    using _value_t_view_t<T>::_value_t_view_t;
    _value_t_data* GetValue(int iIndex) override { return _value_t_data::GetValue(iIndex); }

protected:
    bool IsReadOnly() const override { return true; }
};

// An owned list. Reads and stores act on the first element; appends take the element type only.
template <class T>
class _value_t_cont_t : public _value_t_elem_t<T> {
public:
    _value_t_cont_t() = default;
    explicit _value_t_cont_t(const _value_detail::List<T>& iItems) : m_Items(iItems) {}

    _value_t_data* Clone() const override { return new _value_t_cont_t(m_Items); }
    _value_t_data* CloneAsContainer() const override { return Clone(); }
    int GetCount() const override { return static_cast<int>(m_Items.size()); }
    bool IsContainer() const override { return true; }
    T& ElementAt(int iIndex) override
    {
        if (iIndex < 0 || iIndex >= GetCount())
            _value_detail::ThrowOutOfRange();
        return m_Items[iIndex];
    }

    // Element by element against the other payload's own elements of type T.
    bool IsEqual(const _value_t_data& iOther) const override
    {
        if (iOther.GetCount() != GetCount())
            return false;
        const T* other = _value_detail::Slots<T>::Pointer(iOther);
        for (int i = 0; i < GetCount(); ++i)
            if (_value_detail::Compare(m_Items[i], other[i]) != 0)
                return false;
        return true;
    }
    bool IsLess(const _value_t_data& iOther) const override
    {
        const T* other = _value_detail::Slots<T>::Pointer(iOther);
        const int otherCount = iOther.GetCount();
        for (int i = 0; i < GetCount() && i < otherCount; ++i) {
            const int order = _value_detail::Compare(m_Items[i], other[i]);
            if (order != 0)
                return order < 0;
        }
        return GetCount() < otherCount;
    }

    void AppendTime(const _time_t& iValue) override { Add(iValue); }
    void AppendConstObject(const SmartPtr<const SmartPtrObj>& iValue) override { Add(iValue); }
    void AppendObject(const SmartPtr<SmartPtrObj>& iValue) override { Add(iValue); }
    void AppendBstr(const _bstr_t& iValue) override { Add(iValue); }
    void AppendWString(const std::wstring& iValue) override { Add(iValue); }
    void AppendString(const std::string& iValue) override { Add(iValue); }
    void AppendDouble(const double& iValue) override { Add(iValue); }
    void AppendBool(const bool& iValue) override { Add(iValue); }
    void AppendInt64(const int64_t& iValue) override { Add(iValue); }
    void AppendULong(const unsigned long& iValue) override { Add(iValue); }
    void AppendInt(const int& iValue) override { Add(iValue); }
    void AppendValue(const _value_t& iValue) override
    {
        if (iValue.IsEmpty())
            this->Refuse("void", this->TypeName());
        m_Items.push_back(this->ReadOf(*iValue.GetData()));
    }

protected:
    const T* FirstPointer() const override { return m_Items.empty() ? nullptr : &m_Items[0]; }
    T* MutableFirst() override { return m_Items.empty() ? nullptr : &m_Items[0]; }
    std::pair<_value_t_elem_t<T>*, int> ViewTarget(int iIndex) const override
    {
        if (iIndex < 0 || iIndex >= GetCount())
            _value_detail::ThrowOutOfRange();
        return {const_cast<_value_t_cont_t*>(this), iIndex};
    }

private:
    template <class A>
    void Add(const A& iValue)
    {
        if constexpr (std::is_same_v<A, T>)
            m_Items.push_back(iValue);
        else
            this->Refuse(_value_detail::NameOf<A>(), this->TypeName());
    }

    _value_detail::List<T> m_Items;
};

template <class T>
_value_t_data* _value_t_elem_t<T>::CloneAsContainer() const
{
    _value_detail::List<T> items;
    items.push_back(First());
    return new _value_t_cont_t<T>(items);
}

template <class T>
_value_t_data* _value_t_elem_t<T>::GetConstValue(int iIndex) const
{
    const auto target = ViewTarget(iIndex);
    return new _value_t_pcdata_t<T>(target.first, target.second);
}

template <class T>
_value_t_data* _value_t_elem_t<T>::GetValue(int iIndex)
{
    const auto target = ViewTarget(iIndex);
    return new _value_t_pdata_t<T>(target.first, target.second);
}

#define CSL_VALUE_EXTERN(T)                     \
    extern template class _value_t_elem_t<T>;   \
    extern template class _value_t_data_t<T>;   \
    extern template class _value_t_view_t<T>;   \
    extern template class _value_t_pdata_t<T>;  \
    extern template class _value_t_pcdata_t<T>; \
    extern template class _value_t_cont_t<T>;
CSL_VALUE_EXTERN(int)
CSL_VALUE_EXTERN(unsigned long)
CSL_VALUE_EXTERN(bool)
CSL_VALUE_EXTERN(std::string)
CSL_VALUE_EXTERN(std::wstring)
CSL_VALUE_EXTERN(_bstr_t)
#undef CSL_VALUE_EXTERN
