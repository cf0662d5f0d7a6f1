// One HTTP GET over WinINet, opened the way every update transfer opens it (user agent, access type,
// headers and no-cache flags), with its session and request handles owned here.
#pragma once

#include <windows.h>

#include <string>

#include "maintenance/InternetHandle.h"

class InternetRequest {
public:
    // InternetOpenA with the access type that the connection state asks for; false when it fails.
    bool OpenSession();
    // InternetOpenUrlA on the open session with the UTF-8 form of url; false when it fails.
    bool OpenUrl(const std::wstring& url);
    // True for a 2xx answer: an error page is never the resource asked for.
    bool Succeeded() const;
    // The announced body length; false when the server announced none.
    bool QueryContentLength(DWORD& length) const;
    // Reads at most size bytes; read is 0 at the end of the body. False when the read failed.
    bool Read(char* buffer, DWORD size, DWORD& read);

private:
    bool QueryNumber(DWORD query, DWORD& value) const;

    InternetHandle m_session;
    InternetHandle m_request;
};
