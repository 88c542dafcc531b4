// The update file's download: libcurl, loaded at the first download so that a
// start-up never pays for it.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <utility>

#include "services.h"

namespace numora::online {

struct DownloadOptions {
    std::chrono::milliseconds connectTimeout{10'000};
    std::chrono::milliseconds totalTimeout{30'000};
    std::string caFile;                   // empty: the system's trusted certificates
    std::string library = "libcurl.so.4";
};

class CurlDownloader : public Downloader {
public:
    // A longer body is a failed download: the update file is a few bytes.
    static constexpr std::size_t kMaxBytes = 64 * 1024;

    CurlDownloader() = default;
    explicit CurlDownloader(DownloadOptions options) : options_(std::move(options)) {}

    // HTTPS only, redirects included, certificate and host verified; 4xx and 5xx
    // fail. The body goes to a temporary file beside `path`, renamed into place
    // on success and removed on failure. Returns 0 on success, else a libcurl
    // error code or a negative value. Throws when libcurl cannot be loaded.
    int download(const std::string& url, const std::string& path) override;

private:
    DownloadOptions options_;
};

}  // namespace numora::online
