#include <csl/StringUtils.h>
#include <csl/ESystemException.h>
#include <csl/SystemUtils.h>
#include <cstring>
#include <sstream>
#include <stdexcept>

namespace {

std::locale BuildUserLocale()
{
    // The runtime knows only the classic locale by name and throws for any other, so a
    // LANG or LC_ALL in the environment must not stop the program before main.
    try {
        return std::locale("");
    } catch (const std::runtime_error&) {
        return std::locale::classic();
    }
}

const std::ctype<char>& Ctype()
{
    return std::use_facet<std::ctype<char>>(LibraryLocale());
}

bool Contains(const std::string& iCharacters, char iChar)
{
    return iCharacters.find(iChar) != std::string::npos;
}

// Every program expects both before main; this file is linked into every program.
struct LibraryStartup {
    LibraryStartup()
    {
        EnableLowFragmentationHeap();
        LibraryLocale();
    }
} const g_LibraryStartup;

}  // namespace

const std::locale& LibraryLocale()
{
    static const std::locale locale = BuildUserLocale();
    return locale;
}

std::string Trim(const std::string& iText, const std::string& iCharacters)
{
    const std::string::size_type first = iText.find_first_not_of(iCharacters);
    if (first == std::string::npos)
        return std::string();
    const std::string::size_type last = iText.find_last_not_of(iCharacters);
    return iText.substr(first, last - first + 1);
}

void ReadToken(std::istream& ioInput, std::string& oToken, const std::string& iDelimiters)
{
    oToken.clear();
    bool quoted = false;
    char c;
    while (ioInput.get(c)) {
        if (c == '"') {
            if (!oToken.empty() && Contains(iDelimiters, '"'))
                return;
            quoted = !quoted;
        } else if (!quoted && Contains(iDelimiters, c)) {
            if (!oToken.empty())
                return;
        } else {
            oToken += c;
        }
    }
}

void Split(const std::string& iText, const std::string& iDelimiters, std::vector<std::string>& oTokens)
{
    oTokens.clear();
    std::istringstream input(iText);
    std::string token;
    while (input) {
        ReadToken(input, token, iDelimiters);
        // Only the last token can come out empty: the text ended after delimiters.
        if (!token.empty())
            oTokens.push_back(token);
    }
}

bool IsAllDigits(const std::string& iText)
{
    if (iText.empty())
        return false;
    const std::ctype<char>& ctype = Ctype();
    for (char c : iText)
        if (!ctype.is(std::ctype_base::digit, c))
            return false;
    return true;
}

std::string ToLower(const std::string& iText)
{
    std::string result(iText);
    Ctype().tolower(&result[0], &result[0] + result.size());
    return result;
}

std::string ToUpper(const std::string& iText)
{
    std::string result(iText);
    Ctype().toupper(&result[0], &result[0] + result.size());
    return result;
}

char ToLowerChar(char iChar)
{
    return Ctype().tolower(iChar);
}
char ToUpperChar(char iChar)
{
    return Ctype().toupper(iChar);
}

std::string WideToMultiByte(const wchar_t* iText, int iCount, UINT iCodePage)
{
    if (iCount == 0)
        return std::string();
    const int size = WideCharToMultiByte(iCodePage, 0, iText, iCount, nullptr, 0, nullptr, nullptr);
    if (size == 0)
        ThrowLastSystemError();
    std::string result(size, '\0');
    if (WideCharToMultiByte(iCodePage, 0, iText, iCount, &result[0], size, nullptr, nullptr) == 0)
        ThrowLastSystemError();
    return result;
}

std::wstring MultiByteToWide(const char* iText, int iCount, UINT iCodePage)
{
    if (iCount == 0)
        return std::wstring();
    const int size = MultiByteToWideChar(iCodePage, 0, iText, iCount, nullptr, 0);
    if (size == 0)
        ThrowLastSystemError();
    std::wstring result(size, L'\0');
    if (MultiByteToWideChar(iCodePage, 0, iText, iCount, &result[0], size) == 0)
        ThrowLastSystemError();
    return result;
}

std::string WideToString(const wchar_t* iText)
{
    return iText ? WideToMultiByte(iText, static_cast<int>(wcslen(iText)), CP_ACP) : std::string();
}

std::wstring StringToWide(const char* iText)
{
    return iText ? MultiByteToWide(iText, static_cast<int>(strlen(iText)), CP_ACP) : std::wstring();
}

std::string StringFromBstr(const _bstr_t& iText)
{
    return WideToMultiByte(static_cast<const wchar_t*>(iText), static_cast<int>(iText.length()), CP_ACP);
}

std::string IntToString(int iValue, int iRadix)
{
    char buffer[65];
    if (_itoa_s(iValue, buffer, sizeof buffer, iRadix) != 0)
        throw std::invalid_argument("IntToString: radix out of range");
    return buffer;
}

std::wstring IntToWString(int iValue, int iRadix)
{
    wchar_t buffer[65];
    if (_itow_s(iValue, buffer, sizeof buffer / sizeof buffer[0], iRadix) != 0)
        throw std::invalid_argument("IntToWString: radix out of range");
    return buffer;
}

_bstr_t BstrFromConstString(const const_string& iText)
{
    return _bstr_t(StringToWide(iText.c_str()).c_str());
}
