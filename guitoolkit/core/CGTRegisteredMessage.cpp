#include <guitoolkit/core/CGTRegisteredMessage.h>

void CGTRegisteredMessage::Register() const
{
    if (m_registered)
        return;
    m_id = ::RegisterWindowMessageW(m_name);
    m_key = m_id != 0 ? m_id : neverMatches;
    m_registered = true;
}

UINT CGTRegisteredMessage::Id() const
{
    Register();
    return m_id;
}

const UINT* CGTRegisteredMessage::operator&() const
{
    Register();
    return &m_key;
}
