#pragma once
#include <string>

// A counted view of narrow text. It owns nothing: the text must outlive it.
class const_string {
public:
    const_string(const std::string& iText) : m_Data(iText.data()), m_Length(static_cast<int>(iText.size())) {}
    const_string(const char* iData, int iLength) : m_Data(iData), m_Length(iLength) {}

    const char* data() const { return m_Data; }
    int length() const { return m_Length; }

    // Only a view that ends where its text ends can be handed on as a C string.
    const char* c_str() const;

private:
    const char* m_Data;
    int m_Length;
};
