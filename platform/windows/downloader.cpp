#include "downloader.h"

#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text.h"

// Older mingw-w64 headers know TLS 1.2 as the newest.
#ifndef WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3
#define WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3 0x00002000
#endif

namespace numora::platform {

namespace {

using Clock = std::chrono::steady_clock;

struct InternetHandle {
    HINTERNET h = nullptr;
    explicit InternetHandle(HINTERNET handle) : h(handle) {}
    ~InternetHandle()
    {
        if (h) WinHttpCloseHandle(h);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    explicit operator bool() const { return h != nullptr; }
};

// WinHTTP has time-outs per step only: each blocking step gets what is left of
// the whole, and the deadline is checked after each.
class Deadline {
public:
    explicit Deadline(std::chrono::milliseconds total) : end_(Clock::now() + total) {}
    int remainingMs() const
    {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end_ - Clock::now()).count();
        return static_cast<int>(std::clamp<long long>(left, 0, INT_MAX));
    }
    bool passed() const { return Clock::now() >= end_; }
    bool limit(HINTERNET request, std::chrono::milliseconds connect) const
    {
        const int left = remainingMs();
        if (left <= 0) return false;
        const int connectMs = static_cast<int>(std::min<long long>(connect.count(), left));
        return WinHttpSetTimeouts(request, left, connectMs, left, left) != FALSE;
    }

private:
    Clock::time_point end_;
};

// The temporary file, created new beside the target: never an entry that is
// already there, so a planted link, junction or other reparse point is never
// written through. Renamed and removed through its own handle, so no other
// entry of that name can take its place in between.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target)
    {
        const DWORD process = GetCurrentProcessId();
        for (unsigned attempt = 0; attempt < 100 && handle_ == INVALID_HANDLE_VALUE; ++attempt) {
            const std::wstring name = target + L".tmp-" + std::to_wstring(process) + L"-"
                                      + std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(attempt);
            handle_ = CreateFileW(name.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
            if (handle_ == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS
                && GetLastError() != ERROR_ALREADY_EXISTS)
                break;
        }
    }
    ~TemporaryFile()
    {
        if (handle_ == INVALID_HANDLE_VALUE) return;
        if (!kept_) {
            FILE_DISPOSITION_INFO gone{TRUE};
            SetFileInformationByHandle(handle_, FileDispositionInfo, &gone, sizeof gone);
        }
        CloseHandle(handle_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool open() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool write(const char* data, DWORD n)
    {
        DWORD written = 0;
        return WriteFile(handle_, data, n, &written, nullptr) && written == n;
    }
    // Replaces `target`'s directory entry, whatever it is, with this file.
    bool renameTo(const std::wstring& target)
    {
        if (!FlushFileBuffers(handle_)) return false;
        const std::size_t nameBytes = target.size() * sizeof(wchar_t);
        std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
        auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        info->ReplaceIfExists = TRUE;
        info->RootDirectory = nullptr;
        info->FileNameLength = static_cast<DWORD>(nameBytes);
        std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), target.data(), nameBytes);
        kept_ = SetFileInformationByHandle(handle_, FileRenameInfo, info, static_cast<DWORD>(buffer.size())) != FALSE;
        return kept_;
    }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    bool kept_ = false;
};

// A full path for the rename, which takes no relative name.
std::optional<std::wstring> fullPath(const std::wstring& path)
{
    const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return std::nullopt;
    std::wstring full(n, L'\0');
    const DWORD written = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (written == 0 || written >= n) return std::nullopt;
    full.resize(written);
    return full;
}

bool setOption(HINTERNET h, DWORD option, DWORD value)
{
    return WinHttpSetOption(h, option, &value, sizeof value) != FALSE;
}

// The address the answer came from, after any redirect.
std::optional<std::wstring> finalUrl(HINTERNET request)
{
    DWORD bytes = 0;
    WinHttpQueryOption(request, WINHTTP_OPTION_URL, nullptr, &bytes);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return std::nullopt;
    std::wstring url(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryOption(request, WINHTTP_OPTION_URL, url.data(), &bytes)) return std::nullopt;
    url.resize(bytes / sizeof(wchar_t));
    while (!url.empty() && url.back() == L'\0') url.pop_back();
    return url;
}

bool https(const std::wstring& url, URL_COMPONENTS& parts)
{
    return WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts) && parts.nScheme == INTERNET_SCHEME_HTTPS;
}

}  // namespace

void WinHttpDownloader::download(const std::string& url, const std::string& path, Done done)
{
    const Deadline deadline(options_.totalTimeout);
    // The system's proxy settings where Windows has them for WinHTTP (8.1 and
    // later), else WinHTTP's own configuration.
    InternetHandle session(WinHttpOpen(L"Numora", WINHTTP_ACCESS_TYPE_AUTOMATIC_PROXY, WINHTTP_NO_PROXY_NAME,
                                       WINHTTP_NO_PROXY_BYPASS, 0));
    if (!session)
        session.h = WinHttpOpen(L"Numora", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                                WINHTTP_NO_PROXY_BYPASS, 0);
    if (!session) return done(online::Download::Unavailable);

    const auto wideUrl = fromAnsiPath(url);
    const auto target = fromAnsiPath(path);
    const auto fullTarget = target ? fullPath(*target) : std::nullopt;
    if (!wideUrl || !fullTarget) return done(online::Download::Failed);

    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!https(*wideUrl, parts) || parts.dwHostNameLength == 0)
        return done(online::Download::Failed);
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring object(parts.lpszUrlPath, parts.dwUrlPathLength);
    object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (object.empty()) object = L"/";

    // TLS 1.2 and 1.3 only; a Windows that does not know 1.3 takes 1.2 alone.
    if (!setOption(session.h, WINHTTP_OPTION_SECURE_PROTOCOLS,
                   WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3)
        && !setOption(session.h, WINHTTP_OPTION_SECURE_PROTOCOLS, WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2))
        return done(online::Download::Failed);

    InternetHandle connection(WinHttpConnect(session.h, host.c_str(), parts.nPort, 0));
    if (!connection) return done(online::Download::Failed);
    InternetHandle request(WinHttpOpenRequest(connection.h, L"GET", object.c_str(), nullptr, WINHTTP_NO_REFERER,
                                              WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE));
    if (!request) return done(online::Download::Failed);
    // Redirects stay on HTTPS (WinHTTP's own check, made on every hop) and are
    // few. No security flag is ever set: a certificate Windows does not trust,
    // or one for another host, fails the request.
    if (!setOption(request.h, WINHTTP_OPTION_REDIRECT_POLICY, WINHTTP_OPTION_REDIRECT_POLICY_DISALLOW_HTTPS_TO_HTTP)
        || !setOption(request.h, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, 5)
        || !setOption(request.h, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES)
        || !deadline.limit(request.h, options_.connectTimeout)
        || !WinHttpSendRequest(request.h, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)
        || deadline.passed() || !deadline.limit(request.h, options_.connectTimeout)
        || !WinHttpReceiveResponse(request.h, nullptr) || deadline.passed())
        return done(online::Download::Failed);

    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request.h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)
        || status < 200 || status > 299)
        return done(online::Download::Failed);
    // The final address, after any redirect, is HTTPS still: checked, not assumed.
    URL_COMPONENTS last{};
    last.dwStructSize = sizeof last;
    if (const auto answered = finalUrl(request.h); !answered || !https(*answered, last))
        return done(online::Download::Failed);

    TemporaryFile file(*fullTarget);
    if (!file.open()) return done(online::Download::Failed);
    std::size_t total = 0;
    char buffer[8192];
    for (;;) {
        if (!deadline.limit(request.h, options_.connectTimeout)) return done(online::Download::Failed);
        DWORD got = 0;
        if (!WinHttpReadData(request.h, buffer, sizeof buffer, &got) || deadline.passed())
            return done(online::Download::Failed);
        if (got == 0) break;
        // Counted here, which catches bodies of unknown length.
        if (got > kMaxBytes - total) return done(online::Download::Failed);
        total += got;
        if (!file.write(buffer, got)) return done(online::Download::Failed);
    }
    done(file.renameTo(*fullTarget) ? online::Download::Stored : online::Download::Failed);
}

}  // namespace numora::platform
