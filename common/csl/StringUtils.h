#pragma once
#include <windows.h>
#include <comutil.h>
#include <istream>
#include <locale>
#include <string>
#include <vector>
#include <csl/const_string.h>

// The process-wide locale for case conversion and character classes: the user's default
// where the runtime can build it, the classic one otherwise.
const std::locale& LibraryLocale();

std::string Trim(const std::string& iText, const std::string& iCharacters);

// Reads the next token: leading delimiters are skipped, double quotes keep delimiters in
// the token and are dropped, and one delimiter (or a quote that is itself a delimiter
// after some text) ends it.
void ReadToken(std::istream& ioInput, std::string& oToken, const std::string& iDelimiters);
void Split(const std::string& iText, const std::string& iDelimiters, std::vector<std::string>& oTokens);

bool IsAllDigits(const std::string& iText);
std::string ToLower(const std::string& iText);
std::string ToUpper(const std::string& iText);
char ToLowerChar(char iChar);
char ToUpperChar(char iChar);

std::string WideToMultiByte(const wchar_t* iText, int iCount, UINT iCodePage);
std::wstring MultiByteToWide(const char* iText, int iCount, UINT iCodePage);
// Null converts to an empty text, as a null BSTR is one.
std::string WideToString(const wchar_t* iText);
std::wstring StringToWide(const char* iText);
std::string StringFromBstr(const _bstr_t& iText);

std::string IntToString(int iValue, int iRadix);
std::wstring IntToWString(int iValue, int iRadix);

_bstr_t BstrFromConstString(const const_string& iText);
