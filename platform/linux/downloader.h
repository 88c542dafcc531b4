// The update file's download: libcurl, loaded at the first download so that a
// start-up never pays for it. It blocks; platform/ runs it on a worker thread.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
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

    explicit CurlDownloader(DownloadOptions options = {});
    ~CurlDownloader() override;

    // HTTPS only, redirects included, certificate and host verified; 4xx and 5xx
    // fail. The body goes to a temporary file beside `path`, renamed into place
    // on success and removed on failure. `done` runs before this returns, which
    // takes as long as the download does (up to the total time-out): run it
    // away from the windows' thread. A libcurl that cannot be loaded is
    // Unavailable, and tried again at the next download.
    void download(const std::string& url, const std::string& path, Done done) override;

private:
    class Library;
    Download fetch(const std::string& url, const std::string& path);
    DownloadOptions options_;
    std::unique_ptr<Library> curl_;  // loaded at the first download, kept for the run
};

}  // namespace numora::online
