#pragma once
#include <csl/_value_t.h>

#include <windows.h>

#include <exception>
#include <initializer_list>
#include <list>
#include <map>
#include <string>

// One named property as the exception constructors take it.
struct TNamedValue {
    TNamedValue(const std::string& iName, const _value_t& iValue) : Name(iName), Value(iValue) {}

    std::string Name;
    _value_t Value;
};

class EGeneric;

// Crash diagnostics plug in here; they live apart because they need the debugging help
// library. Without them exceptions simply carry no "Stack".
struct TExceptionDiagnostics {
    // Run at the end of every constructor but the copy: may add "Stack" (and "MiniDump").
    void (*AtCreation)(EGeneric& ioException);
    // Run for a translated structured exception: may add "AddressName", "Stack", "MiniDump".
    void (*AtStructured)(EGeneric& ioException, EXCEPTION_POINTERS* iPointers);
};
void SetExceptionDiagnostics(const TExceptionDiagnostics& iDiagnostics);

// The exception of the whole system: named properties (each a _value_t, names compared
// without regard to case, kept in the order they first appeared) and a text built from them.
class EGeneric : public std::exception {
public:
    EGeneric();
    explicit EGeneric(const TNamedValue& iProperty);
    explicit EGeneric(std::initializer_list<TNamedValue> iProperties);
    EGeneric(const EGeneric& iOther);
    EGeneric& operator=(const EGeneric& iOther);
    ~EGeneric() override;

    // "Text" alone gives its text; otherwise one "Name: value" line per property.
    // The text is kept in this object.
    const char* what() const noexcept override;

    // An empty value when the property is missing.
    _value_t GetProperty(const std::string& iName) const;
    // An existing name keeps its place; a new one goes last.
    void SetProperty(const std::string& iName, const _value_t& iValue);
    // The value slot, inserted empty (and its name appended) when missing.
    _value_t& PropertyRef(const std::string& iName);
    bool HasProperty(const std::string& iName) const;
    const std::list<std::string>& GetPropertyNames() const { return m_Names; }

    void AttachCreationDiagnostics();
    void AttachDiagnostics(EXCEPTION_POINTERS* iPointers);

protected:
    // For subclasses that attach their own diagnostics.
    struct TWithoutDiagnostics {};
    explicit EGeneric(TWithoutDiagnostics) {}
    void AddProperties(std::initializer_list<TNamedValue> iProperties);
    // Moves an existing name to the end of the list.
    void MovePropertyLast(const std::string& iName);

private:
    struct TNameLess {
        bool operator()(const std::string& iLeft, const std::string& iRight) const;
    };
    std::string BuildText() const;

    std::map<std::string, _value_t, TNameLess> m_Properties;
    std::list<std::string> m_Names;
    mutable std::string m_Text;
};
