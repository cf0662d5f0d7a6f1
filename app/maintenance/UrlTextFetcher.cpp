#include "maintenance/UrlTextFetcher.h"

#include "maintenance/InternetRequest.h"
#include "maintenance/Utf8Text.h"

#include <vector>

namespace {

const DWORD kPieceSize = 10240;
// A "version" body is a few characters; anything near this size is not one.
const size_t kMaxBodySize = 64 * 1024;

} // namespace

int UrlTextFetcher::FetchUrlText(const std::wstring& url, std::wstring& text) {
    text.clear();
    m_keepReading = true;
    InternetRequest request;
    if (!request.OpenSession())
        return FETCH_NO_SESSION;
    if (!request.OpenUrl(url) || !request.Succeeded())
        return FETCH_FAILED;
    std::string body;
    int result = ReadBody(request, body);
    if (result == FETCH_DONE)
        text = Utf8Text::ToWide(body);
    return result;
}

int UrlTextFetcher::ReadBody(InternetRequest& request, std::string& body) {
    std::vector<char> piece(kPieceSize);
    for (;;) {
        DWORD read = 0;
        if (!request.Read(piece.data(), kPieceSize, read))
            return FETCH_FAILED;
        if (read == 0)
            break;
        body.append(piece.data(), read);
        if (body.size() > kMaxBodySize || !m_keepReading)
            return FETCH_FAILED;
    }
    DWORD announced = 0;
    if (request.QueryContentLength(announced) && announced != body.size())
        return FETCH_FAILED;
    return FETCH_DONE;
}
