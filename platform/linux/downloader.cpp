#include "downloader.h"

#include <curl/curl.h>  // types and constants only: the functions come from dlsym
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace numora::online {

// libcurl, bound with dlopen: linking it outright would cost every start-up
// for a feature used once in a while.
class CurlDownloader::Library {
public:
    explicit Library(const std::string& soname)
        // Never unmapped: the TLS library it brings in may keep exit handlers in it.
        : handle_(dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE))
    {
        if (!handle_) throw std::runtime_error("cannot load " + soname);
        try {
            CURLcode (*globalInit)(long) = nullptr;
            bind("curl_global_init", globalInit);
            bind("curl_global_cleanup", globalCleanup_);
            bind("curl_easy_init", easyInit);
            bind("curl_easy_setopt", setopt);
            bind("curl_easy_perform", perform);
            bind("curl_easy_getinfo", getinfo);
            bind("curl_easy_cleanup", cleanup);
            if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK) throw std::runtime_error("libcurl failed to initialise");
        } catch (...) {
            dlclose(handle_);
            throw;
        }
    }
    ~Library()
    {
        globalCleanup_();
        dlclose(handle_);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    CURL* (*easyInit)() = nullptr;
    CURLcode (*setopt)(CURL*, CURLoption, ...) = nullptr;
    CURLcode (*perform)(CURL*) = nullptr;
    CURLcode (*getinfo)(CURL*, CURLINFO, ...) = nullptr;
    void (*cleanup)(CURL*) = nullptr;

private:
    template <typename Fn>
    void bind(const char* name, Fn& fn)
    {
        void* sym = dlsym(handle_, name);
        if (!sym) throw std::runtime_error(std::string("libcurl lacks ") + name);
        fn = reinterpret_cast<Fn>(sym);
    }

    void* handle_;
    void (*globalCleanup_)() = nullptr;
};

namespace {

struct Sink {
    std::FILE* file;
    std::size_t bytes = 0;
};

// Counting here catches bodies of unknown length, which a size limit on the
// announced length alone would let through.
std::size_t writeBody(char* data, std::size_t size, std::size_t count, void* user)
{
    auto& sink = *static_cast<Sink*>(user);
    const std::size_t n = size * count;
    if (n > CurlDownloader::kMaxBytes - sink.bytes) return 0;  // anything but n aborts the transfer
    sink.bytes += n;
    return std::fwrite(data, 1, n, sink.file);
}

}  // namespace

CurlDownloader::CurlDownloader(DownloadOptions options) : options_(std::move(options)) {}
CurlDownloader::~CurlDownloader() = default;

void CurlDownloader::download(const std::string& url, const std::string& path, Done done)
{
    if (!curl_) {
        try {
            curl_ = std::make_unique<Library>(options_.library);
        } catch (const std::runtime_error&) {
            return done(Download::Unavailable);
        }
    }
    done(fetch(url, path));
}

Download CurlDownloader::fetch(const std::string& url, const std::string& path)
{
    const Library& api = *curl_;

    // Beside the target, so that the rename is atomic and replaces whatever
    // entry is there (a planted symbolic link included) instead of writing through it.
    std::string tmpName = path + ".tmp-XXXXXX";
    const int fd = mkstemp(tmpName.data());
    if (fd < 0) return Download::Failed;
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(tmpName.c_str());
        return Download::Failed;
    }
    Sink sink{file};
    bool ok = false;
    if (const std::unique_ptr<CURL, void (*)(CURL*)> h(api.easyInit(), api.cleanup); h) {
        const auto set = [&](CURLoption option, auto value) { return api.setopt(h.get(), option, value) == CURLE_OK; };
        const auto& o = options_;
        long status = 0;
        ok = set(CURLOPT_URL, url.c_str())
             && set(CURLOPT_PROTOCOLS_STR, "https")
             && set(CURLOPT_REDIR_PROTOCOLS_STR, "https")
             && set(CURLOPT_FOLLOWLOCATION, 1L)
             && set(CURLOPT_MAXREDIRS, 5L)
             && set(CURLOPT_SSL_VERIFYPEER, 1L)
             && set(CURLOPT_SSL_VERIFYHOST, 2L)
             && (o.caFile.empty() || set(CURLOPT_CAINFO, o.caFile.c_str()))
             && set(CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(o.connectTimeout.count()))
             && set(CURLOPT_TIMEOUT_MS, static_cast<long>(o.totalTimeout.count()))
             && set(CURLOPT_FAILONERROR, 1L)
             && set(CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBytes))
             && set(CURLOPT_WRITEFUNCTION, &writeBody)
             && set(CURLOPT_WRITEDATA, static_cast<void*>(&sink))
             // No SIGALRM for name look-up timeouts: the program's own signals stay its own.
             && set(CURLOPT_NOSIGNAL, 1L)
             && api.perform(h.get()) == CURLE_OK
             && api.getinfo(h.get(), CURLINFO_RESPONSE_CODE, &status) == CURLE_OK
             && status >= 200 && status <= 299;
    }
    ok = std::fclose(file) == 0 && ok;
    ok = ok && std::rename(tmpName.c_str(), path.c_str()) == 0;
    if (!ok) unlink(tmpName.c_str());
    return ok ? Download::Stored : Download::Failed;
}

}  // namespace numora::online
