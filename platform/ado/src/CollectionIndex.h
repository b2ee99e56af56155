#pragma once
#include <ado.h>

#include <functional>
#include <string>

namespace ado {

// The position an Item index names: a number (zero-based) or a name, which iFindByName looks
// up (-1 when absent). Throws adErrItemNotFound for anything outside the collection.
size_t ResolveIndex(const VARIANT& iIndex, size_t iCount, const std::function<long(const std::wstring&)>& iFindByName);

}  // namespace ado
