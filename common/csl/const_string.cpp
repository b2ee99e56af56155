#include <csl/const_string.h>
#include <stdexcept>

const char* const_string::c_str() const
{
    if (m_Data == nullptr || m_Data[m_Length] != '\0')
        throw std::logic_error("Invalid _data of const_string for c_str()");
    return m_Data;
}
