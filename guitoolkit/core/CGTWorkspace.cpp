#include <guitoolkit/core/CGTWorkspace.h>
#include <guitoolkit/toolbars/MenuTearOffIdTable.h>

namespace {
CGTWorkspace* currentWorkspace = nullptr;
}

CGTWorkspace::CGTWorkspace()
    : m_KeepOriginalState(FALSE), m_MenusCanBeCustomized(TRUE), m_DataVersionMajor(-1), m_DataVersionMinor(-1)
{
    currentWorkspace = this;
}

CGTWorkspace::~CGTWorkspace()
{
    if (currentWorkspace == this)
        currentWorkspace = nullptr;
}

CGTWorkspace* CGTWorkspace::Current()
{
    return currentWorkspace;
}

int CGTWorkspace::GetDataVersion() const
{
    if (m_DataVersionMajor == -1 || m_DataVersionMinor == -1)
        return -1;
    const int minor = m_DataVersionMinor < 10 ? m_DataVersionMinor << 8
                                              : ((m_DataVersionMinor / 10) << 8) + ((m_DataVersionMinor % 10) << 4);
    return (m_DataVersionMajor << 16) + minor;
}
