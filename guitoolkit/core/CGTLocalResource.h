// Scope around loading the toolkit's own resources (dialogs, strings, bitmaps). They are
// the application's own resources here, so the scope changes nothing, and a scope that is
// declared and never named is no mistake.
#pragma once
#include <afxwin.h>

class [[maybe_unused]] CGTLocalResource {
public:
    CGTLocalResource() = default;
    CGTLocalResource(const CGTLocalResource&) = delete;
    CGTLocalResource& operator=(const CGTLocalResource&) = delete;
};

// A string of the toolkit's own resources.
inline CString LoadToolkitString(UINT iId)
{
    CGTLocalResource toolkitResources;
    CString text;
    text.LoadString(iId);
    return text;
}
