#include <csl/TypeName.h>

#include <cxxabi.h>
#include <cstdlib>
#include <memory>

namespace {

std::string Demangle(const char* iMangled)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> text(abi::__cxa_demangle(iMangled, nullptr, nullptr, &status), std::free);
    return status == 0 && text ? std::string(text.get()) : std::string(iMangled);
}

void ReplaceAll(std::string& ioText, const std::string& iFrom, const std::string& iTo)
{
    for (std::string::size_type at = ioText.find(iFrom); at != std::string::npos;
         at = ioText.find(iFrom, at + iTo.size()))
        ioText.replace(at, iFrom.size(), iTo);
}

bool IsFundamental(const std::string& iName)
{
    static const char* const kNames[] = {"void",          "bool",           "char",        "signed char",
                                         "unsigned char", "wchar_t",        "char16_t",    "char32_t",
                                         "short",         "unsigned short", "int",         "unsigned int",
                                         "long",          "unsigned long",  "__int64",     "unsigned __int64",
                                         "float",         "double",         "long double", "decltype(nullptr)"};
    for (const char* name : kNames)
        if (iName == name)
            return true;
    return false;
}

}  // namespace

std::string ReadableTypeName(const std::type_info& iType)
{
    std::string name = Demangle(iType.name());
    ReplaceAll(name, "std::__cxx11::", "std::");
    ReplaceAll(name, "unsigned long long", "unsigned __int64");
    if (name == "long long")
        name = "__int64";

    // Pointers keep their target's spelling: "class X const *".
    std::string suffix;
    while (!name.empty() && (name.back() == '*' || name.back() == '&')) {
        suffix.insert(suffix.begin(), name.back());
        name.pop_back();
    }
    std::string qualifiers;
    for (const char* qualifier : {" const", " volatile"}) {
        const std::string q(qualifier);
        if (name.size() > q.size() && name.compare(name.size() - q.size(), q.size(), q) == 0) {
            qualifiers = q + qualifiers;
            name.erase(name.size() - q.size());
        }
    }
    if (!IsFundamental(name))
        name = "class " + name;
    return name + qualifiers + (suffix.empty() ? "" : " " + suffix);
}
