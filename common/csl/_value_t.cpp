#include <csl/_value_t.h>
#include <csl/EBadCastException.h>
#include <csl/_value_t_data_t.h>

_value_t::_value_t(int iValue) : m_Data(nullptr)
{
    Construct(iValue);
}
_value_t::_value_t(unsigned long iValue) : m_Data(nullptr)
{
    Construct(iValue);
}
_value_t::_value_t(bool iValue) : m_Data(nullptr)
{
    Construct(iValue);
}
_value_t::_value_t(const std::string& iValue) : m_Data(nullptr)
{
    Construct(iValue);
}
_value_t::_value_t(const char* iValue) : m_Data(nullptr)
{
    Construct(std::string(iValue));
}
_value_t::_value_t(const std::wstring& iValue) : m_Data(nullptr)
{
    Construct(iValue);
}
_value_t::_value_t(const wchar_t* iValue) : m_Data(nullptr)
{
    Construct(std::wstring(iValue));
}
_value_t::_value_t(const _bstr_t& iValue) : m_Data(nullptr)
{
    Construct(iValue);
}

_value_t::_value_t(const _value_t_data* iData) noexcept : m_Data(const_cast<_value_t_data*>(iData))
{
    if (iData)
        iData->AddRef();
}

// A payload that element handles write into is never shared: the copy gets its own, so
// writes through those handles reach only the value they came from.
_value_t::_value_t(const _value_t& iOther) : m_Data(nullptr)
{
    _value_t_data* data = iOther.m_Data.load();
    if (data && data->HasViews())
        data = data->Clone();
    if (data)
        data->AddRef();
    m_Data = data;
}

_value_t& _value_t::operator=(const _value_t& iOther)
{
    _value_t copy(iOther);
    Adopt(copy.m_Data.exchange(nullptr));
    return *this;
}

void _value_t::Adopt(_value_t_data* iData) noexcept
{
    if (_value_t_data* old = m_Data.exchange(iData))
        old->Release();
}

template <class T>
void _value_t::Construct(const T& iValue)
{
    _value_t_data* data = new _value_t_data_t<T>(iValue);
    data->AddRef();
    m_Data = data;
}

_value_t_data* _value_t::MakeUnique()
{
    _value_t_data* data = m_Data.load();
    if (data && !data->IsUnique()) {
        _value_t_data* copy = data->Clone();
        copy->AddRef();
        Adopt(copy);
        data = copy;
    }
    return data;
}

template <class T>
_value_t& _value_t::AssignValue(const T& iValue)
{
    if (IsEmpty())
        Construct(iValue);
    else
        _value_detail::Slots<T>::Store(*MakeUnique(), iValue);
    return *this;
}

_value_t& _value_t::operator=(int iValue)
{
    return AssignValue(iValue);
}
_value_t& _value_t::operator=(unsigned long iValue)
{
    return AssignValue(iValue);
}
_value_t& _value_t::operator=(bool iValue)
{
    return AssignValue(iValue);
}
_value_t& _value_t::operator=(const std::string& iValue)
{
    return AssignValue(iValue);
}
_value_t& _value_t::operator=(const char* iValue)
{
    return AssignValue(std::string(iValue));
}
_value_t& _value_t::operator=(const std::wstring& iValue)
{
    return AssignValue(iValue);
}
_value_t& _value_t::operator=(const wchar_t* iValue)
{
    return AssignValue(std::wstring(iValue));
}
_value_t& _value_t::operator=(const _bstr_t& iValue)
{
    return AssignValue(iValue);
}

template <class T>
void _value_t::AppendValue(const T& iValue)
{
    if (IsEmpty()) {
        Construct(iValue);
        return;
    }
    if (!m_Data.load()->IsContainer()) {
        _value_t_data* list = m_Data.load()->CloneAsContainer();
        list->AddRef();
        Adopt(list);
    }
    _value_detail::Slots<T>::Append(*MakeUnique(), iValue);
}

void _value_t::Append(int iValue)
{
    AppendValue(iValue);
}
void _value_t::Append(unsigned long iValue)
{
    AppendValue(iValue);
}
void _value_t::Append(bool iValue)
{
    AppendValue(iValue);
}
void _value_t::Append(const std::string& iValue)
{
    AppendValue(iValue);
}
void _value_t::Append(const char* iValue)
{
    AppendValue(std::string(iValue));
}
void _value_t::Append(const std::wstring& iValue)
{
    AppendValue(iValue);
}
void _value_t::Append(const wchar_t* iValue)
{
    AppendValue(std::wstring(iValue));
}
void _value_t::Append(const _bstr_t& iValue)
{
    AppendValue(iValue);
}

const _value_t_data& _value_t::Required(const std::string& iTypeName) const
{
    const _value_t_data* data = m_Data.load();
    if (!data)
        throw EBadCastException(iTypeName, "void");
    return *data;
}

int _value_t::GetInt() const
{
    return Required(_value_detail::NameOf<int>()).GetInt(0);
}
unsigned long _value_t::GetULong() const
{
    return Required(_value_detail::NameOf<unsigned long>()).GetULong(0);
}
bool _value_t::GetBool() const
{
    return Required(_value_detail::NameOf<bool>()).GetBool(0);
}

std::string& _value_t::GetString(std::string& oValue) const
{
    Required(_value_detail::NameOf<std::string>()).GetString(oValue, 0);
    return oValue;
}

std::wstring& _value_t::GetWString(std::wstring& oValue) const
{
    Required(_value_detail::NameOf<std::wstring>()).GetWString(oValue, 0);
    return oValue;
}

// The element handle writes into this value, so this value stops sharing its payload first.
_value_t _value_t::GetValue(int iIndex)
{
    Required(_value_detail::NameOf<_value_t_data*>());
    return _value_t(MakeUnique()->GetValue(iIndex));
}

_value_t _value_t::GetConstValue(int iIndex) const
{
    return _value_t(Required(_value_detail::NameOf<const _value_t_data*>()).GetConstValue(iIndex));
}
