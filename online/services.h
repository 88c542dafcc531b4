// The platform services behind the online features. Each is a small interface
// with one real implementation (services_real.*) and a fake in the tests.
// A run-time failure (a library that cannot be loaded, a folder that does not
// exist, a file that cannot be read) is reported by throwing std::runtime_error.
#pragma once

#include <cstdint>
#include <string>

namespace numora::online {

class Connectivity {
public:
    virtual ~Connectivity() = default;
    // 0: not connected; 1: connected. `name` receives the connection's name.
    virtual int query(std::string& name) = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hand the address to the desktop's default handler without waiting.
    // False when no handler took it.
    virtual bool open(const std::string& url) = 0;
};

class Downloader {
public:
    virtual ~Downloader() = default;
    // Synchronous download of `url` into the file `path`; 0 on success.
    virtual int download(const std::string& url, const std::string& path) = 0;
};

class Folders {
public:
    virtual ~Folders() = default;
    // The user's documents folder, without a trailing separator. Throws when
    // there is none.
    virtual std::string documents() = 0;
};

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal information message box with one OK button; returns when closed.
    virtual void inform(const std::string& prompt, const std::string& title) = 0;
};

class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void setBusy(bool busy) = 0;  // hourglass on / back to default
};

// The hourglass for as long as the guard lives; back to default on every way out.
class BusyCursor {
public:
    explicit BusyCursor(Cursor& c) : c_(c) { c_.setBusy(true); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    // Back to default now (before a message box); the destructor then does nothing.
    void release()
    {
        if (busy_) {
            busy_ = false;
            c_.setBusy(false);
        }
    }

private:
    Cursor& c_;
    bool busy_ = true;
};

struct Services {
    Connectivity& connectivity;
    UrlOpener& opener;
    Downloader& downloader;
    Folders& folders;
    Notifier& notifier;
    Cursor& cursor;
};

// Program-wide slots of the online features; they outlive the windows.
struct OnlineSlots {
    std::int32_t cnctState = 0;
    std::string cnctName = std::string(255, ' ');
    std::int16_t webPgShown = 0;
};

}  // namespace numora::online
