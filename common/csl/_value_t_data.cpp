#include <csl/_value_t_data_t.h>
#include <csl/EBadCastException.h>
#include <csl/TypeName.h>

using _value_detail::NameOf;

void _value_t_data::Refuse(const std::string& iFrom, const std::string& iTo)
{
    throw EBadCastException(iTo, iFrom);
}

std::string _value_t_data::TypeName() const
{
    return ReadableTypeName(GetType());
}

void _value_t_data::GetTime(_time_t&, int) const
{
    Refuse(TypeName(), NameOf<_time_t>());
}
void _value_t_data::GetConstObject(SmartPtr<const SmartPtrObj>&, int) const
{
    Refuse(TypeName(), NameOf<SmartPtr<const SmartPtrObj>>());
}
void _value_t_data::GetObject(SmartPtr<SmartPtrObj>&, int) const
{
    Refuse(TypeName(), NameOf<SmartPtr<SmartPtrObj>>());
}
void _value_t_data::GetBstr(_bstr_t&, int) const
{
    Refuse(TypeName(), NameOf<_bstr_t>());
}
void _value_t_data::GetWString(std::wstring&, int) const
{
    Refuse(TypeName(), NameOf<std::wstring>());
}
void _value_t_data::GetString(std::string&, int) const
{
    Refuse(TypeName(), NameOf<std::string>());
}
double _value_t_data::GetDouble(int) const
{
    Refuse(TypeName(), NameOf<double>());
}
bool _value_t_data::GetBool(int) const
{
    Refuse(TypeName(), NameOf<bool>());
}
int64_t _value_t_data::GetInt64(int) const
{
    Refuse(TypeName(), NameOf<int64_t>());
}
unsigned long _value_t_data::GetULong(int) const
{
    Refuse(TypeName(), NameOf<unsigned long>());
}
int _value_t_data::GetInt(int) const
{
    Refuse(TypeName(), NameOf<int>());
}

_value_t_data* _value_t_data::GetConstValue(int) const
{
    Refuse(TypeName(), NameOf<const _value_t_data*>());
}
_value_t_data* _value_t_data::GetValue(int)
{
    Refuse(TypeName(), NameOf<_value_t_data*>());
}

void _value_t_data::AppendTime(const _time_t&)
{
    Refuse(NameOf<_time_t>(), TypeName());
}
void _value_t_data::AppendConstObject(const SmartPtr<const SmartPtrObj>&)
{
    Refuse(NameOf<SmartPtr<const SmartPtrObj>>(), TypeName());
}
void _value_t_data::AppendObject(const SmartPtr<SmartPtrObj>&)
{
    Refuse(NameOf<SmartPtr<SmartPtrObj>>(), TypeName());
}
void _value_t_data::AppendBstr(const _bstr_t&)
{
    Refuse(NameOf<_bstr_t>(), TypeName());
}
void _value_t_data::AppendWString(const std::wstring&)
{
    Refuse(NameOf<std::wstring>(), TypeName());
}
void _value_t_data::AppendString(const std::string&)
{
    Refuse(NameOf<std::string>(), TypeName());
}
void _value_t_data::AppendDouble(const double&)
{
    Refuse(NameOf<double>(), TypeName());
}
void _value_t_data::AppendBool(const bool&)
{
    Refuse(NameOf<bool>(), TypeName());
}
void _value_t_data::AppendInt64(const int64_t&)
{
    Refuse(NameOf<int64_t>(), TypeName());
}
void _value_t_data::AppendULong(const unsigned long&)
{
    Refuse(NameOf<unsigned long>(), TypeName());
}
void _value_t_data::AppendInt(const int&)
{
    Refuse(NameOf<int>(), TypeName());
}
void _value_t_data::AppendValue(const _value_t& iValue)
{
    Refuse(iValue.IsEmpty() ? std::string("void") : iValue.GetData()->TypeName(), TypeName());
}

void _value_t_data::SetTime(const _time_t&)
{
    Refuse(NameOf<_time_t>(), TypeName());
}
void _value_t_data::SetConstObject(const SmartPtr<const SmartPtrObj>&)
{
    Refuse(NameOf<SmartPtr<const SmartPtrObj>>(), TypeName());
}
void _value_t_data::SetObject(const SmartPtr<SmartPtrObj>&)
{
    Refuse(NameOf<SmartPtr<SmartPtrObj>>(), TypeName());
}
void _value_t_data::SetBstr(const _bstr_t&)
{
    Refuse(NameOf<_bstr_t>(), TypeName());
}
void _value_t_data::SetWString(const std::wstring&)
{
    Refuse(NameOf<std::wstring>(), TypeName());
}
void _value_t_data::SetString(const std::string&)
{
    Refuse(NameOf<std::string>(), TypeName());
}
void _value_t_data::SetDouble(const double&)
{
    Refuse(NameOf<double>(), TypeName());
}
void _value_t_data::SetBool(const bool&)
{
    Refuse(NameOf<bool>(), TypeName());
}
void _value_t_data::SetInt64(const int64_t&)
{
    Refuse(NameOf<int64_t>(), TypeName());
}
void _value_t_data::SetULong(const unsigned long&)
{
    Refuse(NameOf<unsigned long>(), TypeName());
}
void _value_t_data::SetInt(const int&)
{
    Refuse(NameOf<int>(), TypeName());
}

const _time_t* _value_t_data::GetTimePtr() const
{
    Refuse(TypeName(), NameOf<_time_t>());
}
const SmartPtr<const SmartPtrObj>* _value_t_data::GetConstObjectPtr() const
{
    Refuse(TypeName(), NameOf<SmartPtr<const SmartPtrObj>>());
}
const SmartPtr<SmartPtrObj>* _value_t_data::GetObjectPtr() const
{
    Refuse(TypeName(), NameOf<SmartPtr<SmartPtrObj>>());
}
const _bstr_t* _value_t_data::GetBstrPtr() const
{
    Refuse(TypeName(), NameOf<_bstr_t>());
}
const std::wstring* _value_t_data::GetWStringPtr() const
{
    Refuse(TypeName(), NameOf<std::wstring>());
}
const std::string* _value_t_data::GetStringPtr() const
{
    Refuse(TypeName(), NameOf<std::string>());
}
const double* _value_t_data::GetDoublePtr() const
{
    Refuse(TypeName(), NameOf<double>());
}
const bool* _value_t_data::GetBoolPtr() const
{
    Refuse(TypeName(), NameOf<bool>());
}
const int64_t* _value_t_data::GetInt64Ptr() const
{
    Refuse(TypeName(), NameOf<int64_t>());
}
const unsigned long* _value_t_data::GetULongPtr() const
{
    Refuse(TypeName(), NameOf<unsigned long>());
}
const int* _value_t_data::GetIntPtr() const
{
    Refuse(TypeName(), NameOf<int>());
}

#define CSL_VALUE_INSTANTIATE(T)         \
    template class _value_t_elem_t<T>;   \
    template class _value_t_data_t<T>;   \
    template class _value_t_view_t<T>;   \
    template class _value_t_pdata_t<T>;  \
    template class _value_t_pcdata_t<T>; \
    template class _value_t_cont_t<T>;
CSL_VALUE_INSTANTIATE(int)
CSL_VALUE_INSTANTIATE(unsigned long)
CSL_VALUE_INSTANTIATE(bool)
CSL_VALUE_INSTANTIATE(std::string)
CSL_VALUE_INSTANTIATE(std::wstring)
CSL_VALUE_INSTANTIATE(_bstr_t)
