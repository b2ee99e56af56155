// Registry paths of the toolkit's stored state.
#pragma once
#include <afxwin.h>

// explicitPath when given and not empty; otherwise
// "SOFTWARE\<registry key>\<profile name>\<section>\" from the application object (the
// key and its backslash only when the application has a registry key).
CString BuildRegistrySectionPath(LPCWSTR section, LPCWSTR explicitPath = nullptr);
