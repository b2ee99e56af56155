// Opening a document or link through the shell. A seam of its own: tests put a recorder in
// place, since opening a link here would start a browser.
#pragma once
#include <guitoolkit/core/GuiToolkitSeams.h>

class CGTShellOpener : public CGTSeam<CGTShellOpener> {
public:
    // ShellExecuteW with no window, verb, parameters or directory and show command 0.
    virtual void Open(LPCWSTR iTarget) const;
};
