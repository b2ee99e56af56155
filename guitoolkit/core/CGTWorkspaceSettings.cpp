#include <guitoolkit/core/CGTWorkspaceSettings.h>
#include <guitoolkit/core/RegistrySectionPath.h>

namespace {
CGTWorkspaceSettings* currentWorkspace = nullptr;
}  // namespace

CGTWorkspaceSettings::CGTWorkspaceSettings()
    : m_KeepOriginalState(FALSE), m_MenusCanBeCustomized(TRUE), m_DataVersionMajor(-1), m_DataVersionMinor(-1),
      m_RegistryBase(L"RIRWorkspace")
{
    currentWorkspace = this;
}

CGTWorkspaceSettings::~CGTWorkspaceSettings()
{
    if (currentWorkspace == this)
        currentWorkspace = nullptr;
}

CGTWorkspaceSettings* CGTWorkspaceSettings::Current()
{
    return currentWorkspace;
}

int CGTWorkspaceSettings::GetDataVersion() const
{
    if (m_DataVersionMajor == -1 || m_DataVersionMinor == -1)
        return -1;
    const int minor = m_DataVersionMinor < 10 ? m_DataVersionMinor << 8
                                              : ((m_DataVersionMinor / 10) << 8) + ((m_DataVersionMinor % 10) << 4);
    return (m_DataVersionMajor << 16) + minor;
}

LPCWSTR CGTWorkspaceSettings::SetRegistryBase(LPCWSTR iBase)
{
    m_RegistryBase = iBase != nullptr ? iBase : L"";
    return m_RegistryBase;
}

CString CGTWorkspaceSettings::GetRegSectionPath(LPCWSTR iSuffix) const
{
    CString path = BuildRegistrySectionPath(m_RegistryBase);
    if (iSuffix != nullptr && iSuffix[0] != L'\0') {
        path += iSuffix;
        path += L"\\";
    }
    return path;
}
