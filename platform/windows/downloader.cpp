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

// The parts of an address WinHTTP asks for, HTTPS only.
struct Address {
    std::wstring host;
    INTERNET_PORT port = 0;
    std::wstring object;  // path and query
};

std::optional<Address> httpsAddress(const std::wstring& url)
{
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = static_cast<DWORD>(-1);
    parts.dwUrlPathLength = static_cast<DWORD>(-1);
    parts.dwExtraInfoLength = static_cast<DWORD>(-1);
    if (!WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)
        || parts.nScheme != INTERNET_SCHEME_HTTPS || parts.dwHostNameLength == 0)
        return std::nullopt;
    Address a{std::wstring(parts.lpszHostName, parts.dwHostNameLength), parts.nPort,
              std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength)};
    a.object.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    if (a.object.empty()) a.object = L"/";
    return a;
}

std::optional<std::wstring> header(HINTERNET request, DWORD which)
{
    DWORD bytes = 0;
    WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &bytes, WINHTTP_NO_HEADER_INDEX);
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || bytes == 0) return std::nullopt;
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (!WinHttpQueryHeaders(request, which, WINHTTP_HEADER_NAME_BY_INDEX, value.data(), &bytes,
                             WINHTTP_NO_HEADER_INDEX))
        return std::nullopt;
    value.resize(bytes / sizeof(wchar_t));
    return value;
}

// Where a redirect from `from` leads: an absolute address, or a path on the
// same host. Anything else is no address of ours.
std::optional<std::wstring> redirectTarget(const Address& from, const std::wstring& location)
{
    if (location.starts_with(L"//")) return L"https:" + location;
    if (location.starts_with(L"/"))
        return L"https://" + from.host + L":" + std::to_wstring(from.port) + location;
    return location;
}

constexpr int kMaxRedirects = 5;

// One request and its connection, closed request first.
struct Hop {
    InternetHandle connection{nullptr};
    InternetHandle request{nullptr};
};

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

    // TLS 1.2 and 1.3 only; a Windows that does not know 1.3 takes 1.2 alone.
    if (!setOption(session.h, WINHTTP_OPTION_SECURE_PROTOCOLS,
                   WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2 | WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_3)
        && !setOption(session.h, WINHTTP_OPTION_SECURE_PROTOCOLS, WINHTTP_FLAG_SECURE_PROTOCOL_TLS1_2))
        return done(online::Download::Failed);

    // Redirects are followed here, not by WinHTTP, so that every address asked
    // for is known to be HTTPS: WinHTTP tells the final one only on some
    // systems.
    std::wstring next = *wideUrl;
    std::unique_ptr<Hop> hop;
    for (int redirects = 0;; ++redirects) {
        const auto address = httpsAddress(next);
        if (!address) return done(online::Download::Failed);
        hop = std::make_unique<Hop>();
        hop->connection.h = WinHttpConnect(session.h, address->host.c_str(), address->port, 0);
        if (!hop->connection) return done(online::Download::Failed);
        hop->request.h = WinHttpOpenRequest(hop->connection.h, L"GET", address->object.c_str(), nullptr,
                                            WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, WINHTTP_FLAG_SECURE);
        const HINTERNET request = hop->request.h;
        // No security flag is ever set: a certificate Windows does not trust,
        // or one for another host, fails the request.
        if (!request || !setOption(request, WINHTTP_OPTION_REDIRECT_POLICY, WINHTTP_OPTION_REDIRECT_POLICY_NEVER)
            || !setOption(request, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES)
            || !deadline.limit(request, options_.connectTimeout)
            || !WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0)
            || deadline.passed() || !deadline.limit(request, options_.connectTimeout)
            || !WinHttpReceiveResponse(request, nullptr) || deadline.passed())
            return done(online::Download::Failed);
        DWORD status = 0;
        DWORD size = sizeof status;
        if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                                 WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX))
            return done(online::Download::Failed);
        if (status >= 200 && status <= 299) break;
        const bool redirect = status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
        if (!redirect || redirects == kMaxRedirects) return done(online::Download::Failed);
        const auto location = header(request, WINHTTP_QUERY_LOCATION);
        const auto to = location ? redirectTarget(*address, *location) : std::nullopt;
        if (!to) return done(online::Download::Failed);
        next = *to;
    }
    const HINTERNET request = hop->request.h;

    TemporaryFile file(*fullTarget);
    if (!file.open()) return done(online::Download::Failed);
    std::size_t total = 0;
    char buffer[8192];
    for (;;) {
        if (!deadline.limit(request, options_.connectTimeout)) return done(online::Download::Failed);
        DWORD got = 0;
        if (!WinHttpReadData(request, buffer, sizeof buffer, &got) || deadline.passed())
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
