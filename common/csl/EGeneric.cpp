#include <csl/EGeneric.h>
#include <csl/TCriticalSection.h>
#include <csl/TLockScope.h>
#include <csl/ValueConversions.h>

#include <atomic>
#include <cstdio>
#include <string.h>

namespace {

std::atomic<void (*)(EGeneric&)> sAtCreation{nullptr};
std::atomic<void (*)(EGeneric&, EXCEPTION_POINTERS*)> sAtStructured{nullptr};

}  // namespace

void SetExceptionDiagnostics(const TExceptionDiagnostics& iDiagnostics)
{
    sAtCreation = iDiagnostics.AtCreation;
    sAtStructured = iDiagnostics.AtStructured;
}

bool EGeneric::TNameLess::operator()(const std::string& iLeft, const std::string& iRight) const
{
    return _stricmp(iLeft.c_str(), iRight.c_str()) < 0;
}

EGeneric::EGeneric()
{
    AttachCreationDiagnostics();
}

EGeneric::EGeneric(const TNamedValue& iProperty)
{
    AddProperties({iProperty});
    AttachCreationDiagnostics();
}

EGeneric::EGeneric(std::initializer_list<TNamedValue> iProperties)
{
    AddProperties(iProperties);
    AttachCreationDiagnostics();
}

EGeneric::EGeneric(const EGeneric& iOther)
    : std::exception(iOther), m_Properties(iOther.m_Properties), m_Names(iOther.m_Names)
{
}

EGeneric& EGeneric::operator=(const EGeneric& iOther)
{
    std::exception::operator=(iOther);
    m_Properties = iOther.m_Properties;
    m_Names = iOther.m_Names;
    return *this;
}

EGeneric::~EGeneric() = default;

void EGeneric::AddProperties(std::initializer_list<TNamedValue> iProperties)
{
    for (const TNamedValue& property : iProperties)
        SetProperty(property.Name, property.Value);
}

_value_t EGeneric::GetProperty(const std::string& iName) const
{
    const auto found = m_Properties.find(iName);
    return found == m_Properties.end() ? _value_t() : found->second;
}

bool EGeneric::HasProperty(const std::string& iName) const
{
    return m_Properties.count(iName) != 0;
}

void EGeneric::SetProperty(const std::string& iName, const _value_t& iValue)
{
    PropertyRef(iName) = iValue;
}

_value_t& EGeneric::PropertyRef(const std::string& iName)
{
    const auto inserted = m_Properties.emplace(iName, _value_t());
    if (inserted.second)
        m_Names.push_back(iName);
    return inserted.first->second;
}

void EGeneric::MovePropertyLast(const std::string& iName)
{
    const TNameLess less;
    for (auto name = m_Names.begin(); name != m_Names.end(); ++name) {
        if (!less(*name, iName) && !less(iName, *name)) {
            m_Names.splice(m_Names.end(), m_Names, name);
            return;
        }
    }
}

void EGeneric::AttachCreationDiagnostics()
{
    if (const auto attach = sAtCreation.load())
        attach(*this);
}

void EGeneric::AttachDiagnostics(EXCEPTION_POINTERS* iPointers)
{
    if (const auto attach = sAtStructured.load())
        attach(*this, iPointers);
}

std::string EGeneric::BuildText() const
{
    if (m_Properties.size() == 1 && HasProperty("Text"))
        return ValueToText(m_Properties.begin()->second);

    std::string text;
    bool first = true;
    for (const std::string& name : m_Names) {
        if (!first)
            text += '\n';
        first = false;
        text += name + ": ";
        const _value_t& value = m_Properties.find(name)->second;
        if (value.IsEmpty() || value.GetData()->GetCount() <= 0)
            continue;
        text += ValueToText(value);
        if (value.GetData()->GetVarType() == VT_INT) {
            char hex[16];
            std::snprintf(hex, sizeof hex, " (0x%x)", static_cast<unsigned>(value.GetInt()));
            text += hex;
        }
    }
    return text;
}

const char* EGeneric::what() const noexcept
{
    // The text lives in this object; it is rebuilt under one lock and replaced only when it
    // changed, so a caller copying it from another thread never sees it move.
    static TCriticalSection sLock;
    try {
        TLockScope scope(sLock);
        std::string text = BuildText();
        if (text != m_Text)
            m_Text.swap(text);
    } catch (...) {
        // Keep the last text: what() must not throw.
    }
    return m_Text.c_str();
}
