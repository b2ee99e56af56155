#include <guitoolkit/controls/CGTShellOpener.h>
#include <shellapi.h>

void CGTShellOpener::Open(LPCWSTR iTarget) const
{
    ::ShellExecuteW(nullptr, nullptr, iTarget, nullptr, nullptr, 0);
}
