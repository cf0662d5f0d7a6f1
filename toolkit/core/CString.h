// UTF-16 string value of the toolkit interface: reference counted, copied on the first write.
// Operations that need a string throw CStringException(E_FAIL) for null; memory failures throw
// CStringException(E_OUTOFMEMORY). Pass GetString() (not the object) to Format's variable arguments.
#pragma once

#include <windows.h>
#include <cstdarg>

#include "core/VantixApi.h"

namespace Vantix {

class VANTIX_API CString {
public:
    CString();
    CString(const wchar_t* text); // null gives an empty string
    CString(const wchar_t* text, int length);
    explicit CString(wchar_t ch, int repeat = 1);
    CString(const CString& other);
    CString(CString&& other) noexcept;
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(const wchar_t* text);

    int GetLength() const;
    bool IsEmpty() const;
    void Empty();
    const wchar_t* GetString() const;
    operator const wchar_t*() const { return GetString(); }
    wchar_t GetAt(int index) const;
    void SetAt(int index, wchar_t ch);

    CString& operator+=(const CString& text);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);
    void Append(const wchar_t* text, int length);

    int Compare(const wchar_t* text) const;
    int CompareNoCase(const wchar_t* text) const;

    int Find(const wchar_t* sub, int start = 0) const;
    int Find(wchar_t ch, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Right(int count) const;

    CString& MakeLower();
    CString& MakeUpper();
    int Replace(const wchar_t* oldText, const wchar_t* newText);
    int Replace(wchar_t oldCh, wchar_t newCh);
    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();

    // Writable buffer of at least minLength characters plus the terminator, unshared.
    wchar_t* GetBuffer(int minLength);
    wchar_t* GetBuffer();
    // Ends a GetBuffer: -1 takes the length up to the first terminator.
    void ReleaseBuffer(int newLength = -1);

    // printf-style formatting with Microsoft rules: %s is a wide string.
    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    void AppendFormat(const wchar_t* format, ...);

private:
    struct Buffer;
    static Buffer* Allocate(int capacity);
    static void AddRef(Buffer* buffer);
    static void Release(Buffer* buffer);
    void PrepareWrite(int capacity);
    void Assign(const wchar_t* text, int length);
    void SetLength(int length);

    Buffer* m_buffer;
};

VANTIX_API CString operator+(const CString& left, const CString& right);
VANTIX_API CString operator+(const CString& left, const wchar_t* right);
VANTIX_API CString operator+(const wchar_t* left, const CString& right);
VANTIX_API CString operator+(const CString& left, wchar_t right);
VANTIX_API CString operator+(wchar_t left, const CString& right);

VANTIX_API bool operator==(const CString& left, const CString& right);
VANTIX_API bool operator==(const CString& left, const wchar_t* right);
VANTIX_API bool operator==(const wchar_t* left, const CString& right);
VANTIX_API bool operator!=(const CString& left, const CString& right);
VANTIX_API bool operator!=(const CString& left, const wchar_t* right);
VANTIX_API bool operator!=(const wchar_t* left, const CString& right);
VANTIX_API bool operator<(const CString& left, const CString& right);
VANTIX_API bool operator>(const CString& left, const CString& right);
VANTIX_API bool operator<=(const CString& left, const CString& right);
VANTIX_API bool operator>=(const CString& left, const CString& right);

} // namespace Vantix
