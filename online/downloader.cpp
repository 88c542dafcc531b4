#include "downloader.h"

#include <curl/curl.h>  // types and constants only: the functions come from dlsym
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace numora::online {

namespace {

constexpr int kFileError = -1;
constexpr int kSetupError = -2;
constexpr int kNotSuccess = -3;

struct CurlApi {
    CURL* (*easyInit)();
    CURLcode (*setopt)(CURL*, CURLoption, ...);
    CURLcode (*perform)(CURL*);
    CURLcode (*getinfo)(CURL*, CURLINFO, ...);
    void (*cleanup)(CURL*);
};

template <typename Fn>
void bind(void* lib, const char* name, Fn& fn)
{
    void* sym = dlsym(lib, name);
    if (!sym)
        throw std::runtime_error(std::string("libcurl lacks ") + name);
    fn = reinterpret_cast<Fn>(sym);
}

// Loaded and initialised once per library for the whole run; a library that
// fails to load is tried again at the next download.
const CurlApi& curlApi(const std::string& library)
{
    static std::map<std::string, CurlApi> loaded;
    if (const auto it = loaded.find(library); it != loaded.end())
        return it->second;

    void* lib = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib)
        throw std::runtime_error(std::string("cannot load ") + library);
    try {
        CURLcode (*globalInit)(long) = nullptr;
        CurlApi api{};
        bind(lib, "curl_global_init", globalInit);
        bind(lib, "curl_easy_init", api.easyInit);
        bind(lib, "curl_easy_setopt", api.setopt);
        bind(lib, "curl_easy_perform", api.perform);
        bind(lib, "curl_easy_getinfo", api.getinfo);
        bind(lib, "curl_easy_cleanup", api.cleanup);
        if (globalInit(CURL_GLOBAL_DEFAULT) != CURLE_OK)
            throw std::runtime_error("libcurl failed to initialise");
        return loaded.emplace(library, api).first->second;
    } catch (...) {
        dlclose(lib);
        throw;
    }
}

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
    if (n > CurlDownloader::kMaxBytes - sink.bytes)
        return 0;  // anything but n aborts the transfer
    sink.bytes += n;
    return std::fwrite(data, 1, n, sink.file);
}

int transfer(const CurlApi& api, const DownloadOptions& o, const std::string& url, Sink& sink)
{
    const std::unique_ptr<CURL, void (*)(CURL*)> h(api.easyInit(), api.cleanup);
    if (!h)
        return kSetupError;
    const auto set = [&](CURLoption option, auto value) { return api.setopt(h.get(), option, value) == CURLE_OK; };
    const bool ready =
        set(CURLOPT_URL, url.c_str())
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
        && set(CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(CurlDownloader::kMaxBytes))
        && set(CURLOPT_WRITEFUNCTION, &writeBody)
        && set(CURLOPT_WRITEDATA, static_cast<void*>(&sink))
        // No SIGALRM for name look-up timeouts: the program's own signals stay its own.
        && set(CURLOPT_NOSIGNAL, 1L);
    if (!ready)
        return kSetupError;
    if (const CURLcode rc = api.perform(h.get()); rc != CURLE_OK)
        return rc;
    long status = 0;
    if (api.getinfo(h.get(), CURLINFO_RESPONSE_CODE, &status) != CURLE_OK || status < 200 || status > 299)
        return kNotSuccess;
    return 0;
}

}  // namespace

int CurlDownloader::download(const std::string& url, const std::string& path)
{
    const CurlApi& api = curlApi(options_.library);

    // Beside the target, so that the rename is atomic and replaces whatever
    // entry is there (a planted symbolic link included) instead of writing through it.
    std::string tmpName = path + ".tmp-XXXXXX";
    const int fd = mkstemp(tmpName.data());
    if (fd < 0)
        return kFileError;
    std::FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        unlink(tmpName.c_str());
        return kFileError;
    }
    Sink sink{file};
    int rc = transfer(api, options_, url, sink);
    if (std::fclose(file) != 0 && rc == 0)
        rc = kFileError;
    if (rc == 0 && std::rename(tmpName.c_str(), path.c_str()) != 0)
        rc = kFileError;
    if (rc != 0)
        unlink(tmpName.c_str());
    return rc;
}

}  // namespace numora::online
