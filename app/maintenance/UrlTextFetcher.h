// Fetches a small text resource (an update "version" file) with one HTTP GET.
#pragma once

#include <atomic>
#include <string>

class InternetRequest;

class UrlTextFetcher {
public:
    enum Result { FETCH_FAILED = -1, FETCH_NO_SESSION = 0, FETCH_DONE = 1 };

    // On FETCH_DONE text holds the body decoded as UTF-8; otherwise it is empty. An error status, a body
    // shorter than announced, an oversized body or a cancel count as a failed request.
    int FetchUrlText(const std::wstring& url, std::wstring& text);
    // Ends a running fetch after its current read (any thread); the next fetch starts afresh.
    void Cancel() { m_keepReading = false; }

private:
    int ReadBody(InternetRequest& request, std::string& body);

    std::atomic<bool> m_keepReading{false};
};
