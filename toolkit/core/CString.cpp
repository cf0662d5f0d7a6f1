#include "core/CString.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <cwctype>

#include "core/CStringException.h"

namespace Vantix {

// Shared text: the characters follow the header; refs counts the CString objects sharing it.
struct CString::Buffer {
    volatile LONG refs;
    int length;
    int capacity;
    wchar_t chars[1];
};

namespace {

const wchar_t kEmpty[] = L"";

const wchar_t* Required(const wchar_t* text) {
    if (!text)
        throw CStringException(E_FAIL);
    return text;
}

int LengthOf(const wchar_t* text) {
    if (!text)
        return 0;
    size_t length = wcslen(text);
    if (length > INT_MAX / 4)
        throw CStringException(E_OUTOFMEMORY);
    return static_cast<int>(length);
}

int Clamp(int value, int low, int high) {
    return value < low ? low : (value > high ? high : value);
}

} // namespace

CString::Buffer* CString::Allocate(int capacity) {
    if (capacity < 0 || capacity > INT_MAX / 4)
        throw CStringException(E_OUTOFMEMORY);
    size_t bytes = sizeof(Buffer) + sizeof(wchar_t) * static_cast<size_t>(capacity);
    Buffer* buffer = static_cast<Buffer*>(malloc(bytes));
    if (!buffer)
        throw CStringException(E_OUTOFMEMORY);
    buffer->refs = 1;
    buffer->length = 0;
    buffer->capacity = capacity;
    buffer->chars[0] = L'\0';
    return buffer;
}

void CString::AddRef(Buffer* buffer) {
    if (buffer)
        InterlockedIncrement(&buffer->refs);
}

void CString::Release(Buffer* buffer) {
    if (buffer && InterlockedDecrement(&buffer->refs) == 0)
        free(buffer);
}

// Makes the buffer unshared with room for capacity characters, keeping the text.
void CString::PrepareWrite(int capacity) {
    int length = GetLength();
    if (capacity < length)
        capacity = length;
    if (m_buffer && m_buffer->refs == 1 && m_buffer->capacity >= capacity)
        return;
    if (m_buffer && m_buffer->refs == 1 && capacity <= INT_MAX / 8)
        capacity = capacity < 2 * m_buffer->capacity ? 2 * m_buffer->capacity : capacity;
    Buffer* fresh = Allocate(capacity);
    if (length > 0)
        wmemcpy(fresh->chars, m_buffer->chars, length);
    fresh->length = length;
    fresh->chars[length] = L'\0';
    Release(m_buffer);
    m_buffer = fresh;
}

void CString::SetLength(int length) {
    if (!m_buffer)
        return;
    m_buffer->length = length;
    m_buffer->chars[length] = L'\0';
}

void CString::Assign(const wchar_t* text, int length) {
    if (length <= 0) {
        Empty();
        return;
    }
    Buffer* fresh = Allocate(length);
    wmemcpy(fresh->chars, text, length);
    fresh->length = length;
    fresh->chars[length] = L'\0';
    Release(m_buffer);
    m_buffer = fresh;
}

CString::CString() : m_buffer(nullptr) {}

CString::CString(const wchar_t* text) : m_buffer(nullptr) {
    Assign(text, LengthOf(text));
}

CString::CString(const wchar_t* text, int length) : m_buffer(nullptr) {
    if (length > 0)
        Assign(Required(text), length);
}

CString::CString(wchar_t ch, int repeat) : m_buffer(nullptr) {
    if (repeat <= 0)
        return;
    PrepareWrite(repeat);
    wmemset(m_buffer->chars, ch, repeat);
    SetLength(repeat);
}

CString::CString(const CString& other) : m_buffer(other.m_buffer) {
    AddRef(m_buffer);
}

CString::CString(CString&& other) noexcept : m_buffer(other.m_buffer) {
    other.m_buffer = nullptr;
}

CString::~CString() {
    Release(m_buffer);
}

CString& CString::operator=(const CString& other) {
    AddRef(other.m_buffer);
    Release(m_buffer);
    m_buffer = other.m_buffer;
    return *this;
}

CString& CString::operator=(CString&& other) noexcept {
    if (this != &other) {
        Release(m_buffer);
        m_buffer = other.m_buffer;
        other.m_buffer = nullptr;
    }
    return *this;
}

CString& CString::operator=(const wchar_t* text) {
    Assign(text, LengthOf(text));
    return *this;
}

int CString::GetLength() const {
    return m_buffer ? m_buffer->length : 0;
}

bool CString::IsEmpty() const {
    return GetLength() == 0;
}

void CString::Empty() {
    Release(m_buffer);
    m_buffer = nullptr;
}

const wchar_t* CString::GetString() const {
    return m_buffer ? m_buffer->chars : kEmpty;
}

wchar_t CString::GetAt(int index) const {
    if (index < 0 || index >= GetLength())
        throw CStringException(E_INVALIDARG);
    return m_buffer->chars[index];
}

void CString::SetAt(int index, wchar_t ch) {
    if (index < 0 || index >= GetLength())
        throw CStringException(E_INVALIDARG);
    PrepareWrite(GetLength());
    m_buffer->chars[index] = ch;
}

void CString::Append(const wchar_t* text, int length) {
    if (length <= 0)
        return;
    Required(text);
    int old = GetLength();
    if (length > INT_MAX / 4 - old)
        throw CStringException(E_OUTOFMEMORY);
    if (m_buffer && text >= m_buffer->chars && text < m_buffer->chars + old) {
        CString copy(text, length); // the source lies in our own buffer, which may move
        Append(copy.GetString(), length);
        return;
    }
    PrepareWrite(old + length);
    wmemcpy(m_buffer->chars + old, text, length);
    SetLength(old + length);
}

CString& CString::operator+=(const CString& text) {
    CString keep(text); // survives s += s
    Append(keep.GetString(), keep.GetLength());
    return *this;
}

CString& CString::operator+=(const wchar_t* text) {
    Append(text, LengthOf(text));
    return *this;
}

CString& CString::operator+=(wchar_t ch) {
    Append(&ch, 1);
    return *this;
}

int CString::Compare(const wchar_t* text) const {
    return wcscmp(GetString(), Required(text));
}

int CString::CompareNoCase(const wchar_t* text) const {
    return _wcsicmp(GetString(), Required(text));
}

int CString::Find(const wchar_t* sub, int start) const {
    Required(sub);
    if (start < 0 || start > GetLength())
        return -1;
    const wchar_t* found = wcsstr(GetString() + start, sub);
    return found ? static_cast<int>(found - GetString()) : -1;
}

int CString::Find(wchar_t ch, int start) const {
    if (start < 0 || start >= GetLength())
        return -1;
    const wchar_t* found = wmemchr(GetString() + start, ch, GetLength() - start);
    return found ? static_cast<int>(found - GetString()) : -1;
}

int CString::ReverseFind(wchar_t ch) const {
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_buffer->chars[i] == ch)
            return i;
    return -1;
}

CString CString::Left(int count) const {
    return CString(GetString(), Clamp(count, 0, GetLength()));
}

CString CString::Mid(int first) const {
    return Mid(first, INT_MAX);
}

CString CString::Mid(int first, int count) const {
    first = Clamp(first, 0, GetLength());
    count = Clamp(count, 0, GetLength() - first);
    if (first == 0 && count == GetLength())
        return *this;
    return CString(GetString() + first, count);
}

CString CString::Right(int count) const {
    count = Clamp(count, 0, GetLength());
    return CString(GetString() + GetLength() - count, count);
}

CString& CString::MakeLower() {
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _wcslwr(m_buffer->chars);
    }
    return *this;
}

CString& CString::MakeUpper() {
    if (!IsEmpty()) {
        PrepareWrite(GetLength());
        _wcsupr(m_buffer->chars);
    }
    return *this;
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText) {
    int oldLength = LengthOf(Required(oldText));
    if (oldLength == 0 || IsEmpty())
        return 0;
    int newLength = LengthOf(newText);
    CString result;
    int count = 0;
    int from = 0;
    for (int at = Find(oldText); at >= 0; at = Find(oldText, from)) {
        result.Append(GetString() + from, at - from);
        result.Append(newText, newLength);
        from = at + oldLength;
        ++count;
    }
    if (count == 0)
        return 0;
    result.Append(GetString() + from, GetLength() - from);
    *this = static_cast<CString&&>(result);
    return count;
}

int CString::Replace(wchar_t oldCh, wchar_t newCh) {
    if (Find(oldCh) < 0)
        return 0;
    PrepareWrite(GetLength());
    int count = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_buffer->chars[i] == oldCh) {
            m_buffer->chars[i] = newCh;
            ++count;
        }
    }
    return count;
}

CString& CString::Trim() {
    return TrimRight().TrimLeft();
}

CString& CString::TrimLeft() {
    int skip = 0;
    while (skip < GetLength() && iswspace(m_buffer->chars[skip]))
        ++skip;
    if (skip > 0)
        *this = Mid(skip);
    return *this;
}

CString& CString::TrimRight() {
    int length = GetLength();
    while (length > 0 && iswspace(m_buffer->chars[length - 1]))
        --length;
    if (length < GetLength())
        *this = Left(length);
    return *this;
}

wchar_t* CString::GetBuffer(int minLength) {
    PrepareWrite(minLength < 0 ? 0 : minLength); // allocates even for an empty string
    return m_buffer->chars;
}

wchar_t* CString::GetBuffer() {
    return GetBuffer(GetLength());
}

void CString::ReleaseBuffer(int newLength) {
    if (!m_buffer)
        return;
    if (newLength < 0)
        newLength = static_cast<int>(wcsnlen(m_buffer->chars, m_buffer->capacity));
    SetLength(Clamp(newLength, 0, m_buffer->capacity));
    if (m_buffer->length == 0)
        Empty();
}

void CString::FormatV(const wchar_t* format, va_list args) {
    Required(format);
    va_list measure;
    va_copy(measure, args);
    int length = _vscwprintf(format, measure);
    va_end(measure);
    if (length < 0)
        throw CStringException(E_FAIL);
    CString result;
    wchar_t* out = result.GetBuffer(length);
    va_list write;
    va_copy(write, args);
    _vsnwprintf(out, length + 1, format, write);
    va_end(write);
    result.ReleaseBuffer(length);
    *this = static_cast<CString&&>(result);
}

void CString::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    try {
        FormatV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void CString::AppendFormat(const wchar_t* format, ...) {
    CString tail;
    va_list args;
    va_start(args, format);
    try {
        tail.FormatV(format, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
    *this += tail;
}

CString operator+(const CString& left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, const wchar_t* right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const wchar_t* left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(const CString& left, wchar_t right) {
    CString result(left);
    result += right;
    return result;
}

CString operator+(wchar_t left, const CString& right) {
    CString result(left);
    result += right;
    return result;
}

bool operator==(const CString& left, const CString& right) {
    return left.GetLength() == right.GetLength() && left.Compare(right) == 0;
}

bool operator==(const CString& left, const wchar_t* right) {
    return left.Compare(right) == 0;
}

bool operator==(const wchar_t* left, const CString& right) {
    return right.Compare(left) == 0;
}

bool operator!=(const CString& left, const CString& right) {
    return !(left == right);
}

bool operator!=(const CString& left, const wchar_t* right) {
    return !(left == right);
}

bool operator!=(const wchar_t* left, const CString& right) {
    return !(left == right);
}

bool operator<(const CString& left, const CString& right) {
    return left.Compare(right) < 0;
}

bool operator>(const CString& left, const CString& right) {
    return left.Compare(right) > 0;
}

bool operator<=(const CString& left, const CString& right) {
    return left.Compare(right) <= 0;
}

bool operator>=(const CString& left, const CString& right) {
    return left.Compare(right) >= 0;
}

} // namespace Vantix
