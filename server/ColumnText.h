#pragma once
#include <comutil.h>

#include <cstddef>

// Widths of the text columns of the schema: user and computer names, and every other text.
const size_t kNameColumnWidth = 64;
const size_t kTextColumnWidth = 255;

// The text cut to at most iWidth characters (never between the halves of a surrogate pair),
// so that a value longer than its column is stored shortened instead of failing the row.
_bstr_t FitColumn(const _bstr_t& iText, size_t iWidth);
