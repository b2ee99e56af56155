// Scope around loading the toolkit's own resources (dialogs, strings, bitmaps). They are
// the application's own resources here, so the scope changes nothing.
#pragma once

class CGTLocalResource {
public:
    CGTLocalResource() = default;
    CGTLocalResource(const CGTLocalResource&) = delete;
    CGTLocalResource& operator=(const CGTLocalResource&) = delete;
};
