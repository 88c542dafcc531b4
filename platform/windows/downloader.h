// The update file's download on Windows: WinHTTP, which keeps no cache, never
// shows a dialog (WinINet may ask for credentials or a certificate) and takes
// its time-outs per request. It blocks; BackgroundDownloader runs it on a
// worker thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>

#include "services.h"

namespace numora::platform {

struct DownloadOptions {
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds totalTimeout{30'000};
};

class WinHttpDownloader : public online::Downloader {
public:
    // A longer body is a failed download: the update file is a few bytes.
    static constexpr std::size_t kMaxBytes = 64 * 1024;

    explicit WinHttpDownloader(DownloadOptions options = {}) : options_(options) {}

    // HTTPS only, redirects included (at most five, never to another scheme), the certificate
    // verified by Windows against its own trusted roots; 4xx and 5xx fail. The
    // body goes to a new temporary file beside `path` (a file name in the ANSI
    // code page), which replaces `path`'s entry on success, a planted link or
    // junction included, and is removed on failure. `done` runs before this
    // returns, after at most about the total time-out. No WinHTTP session is
    // Unavailable.
    void download(const std::string& url, const std::string& path, Done done) override;

private:
    DownloadOptions options_;
};

}  // namespace numora::platform
