#pragma once
#include <string>

// The document a window shows: its title's part before the first " - ". Empty when the title
// has no such separator (or nothing before it).
std::wstring GetDocumentName(const std::wstring& iTitle);
