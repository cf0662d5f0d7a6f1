// Owning holder for a BSTR handed to COM calls, freed in one place.
#pragma once

#include <windows.h>
#include <oleauto.h>

class BString {
public:
    explicit BString(const wchar_t* text) : m_value(SysAllocString(text)) {}
    ~BString() { SysFreeString(m_value); }
    BString(const BString&) = delete;
    BString& operator=(const BString&) = delete;

    BSTR Get() const { return m_value; }

private:
    BSTR m_value;
};
