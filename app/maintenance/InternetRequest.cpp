#include "maintenance/InternetRequest.h"

#include "maintenance/Utf8Text.h"

namespace {

const char kUserAgent[] = "IIC2.0/PC 5.5.0000";
const char kHeaders[] = "Accept: */*\r\n\r\n";
const DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;

DWORD AccessType() {
    DWORD state = 0;
    InternetGetConnectedState(&state, 0);
    return (state & INTERNET_CONNECTION_PROXY) ? INTERNET_OPEN_TYPE_PRECONFIG
                                               : INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY;
}

} // namespace

bool InternetRequest::OpenSession() {
    m_session.Reset(InternetOpenA(kUserAgent, AccessType(), nullptr, nullptr, 0));
    return m_session.IsValid();
}

bool InternetRequest::OpenUrl(const std::wstring& url) {
    std::string address = Utf8Text::FromWide(url);
    m_request.Reset(
        InternetOpenUrlA(m_session.Get(), address.c_str(), kHeaders, sizeof(kHeaders) - 1, kRequestFlags, 0));
    return m_request.IsValid();
}

bool InternetRequest::Succeeded() const {
    DWORD status = 0;
    return QueryNumber(HTTP_QUERY_STATUS_CODE, status) && status >= 200 && status < 300;
}

bool InternetRequest::QueryContentLength(DWORD& length) const {
    return QueryNumber(HTTP_QUERY_CONTENT_LENGTH, length);
}

bool InternetRequest::Read(char* buffer, DWORD size, DWORD& read) {
    read = 0;
    return InternetReadFile(m_request.Get(), buffer, size, &read) != FALSE;
}

bool InternetRequest::QueryNumber(DWORD query, DWORD& value) const {
    DWORD size = sizeof(value);
    return HttpQueryInfoW(m_request.Get(), query | HTTP_QUERY_FLAG_NUMBER, &value, &size, nullptr) != FALSE;
}
