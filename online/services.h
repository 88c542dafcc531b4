// The platform services behind the online features: small interfaces that the
// tests fake, platform/ implements (with Qt, and per system in platform/linux
// and platform/windows), and app/main.cpp chooses. Results come back as
// values; a service throws only when the platform itself fails (a table that
// cannot be read, no documents folder). The downloader hands its outcome to a
// callback instead, as it may come later, from the event loop.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace numora::online {

// The connectivity query's answer: 0 not connected, 1 connected (a stand-in may
// say other non-zero values), and the connection's name.
struct Connection {
    std::int32_t state = 0;
    std::string name;
};

class Connectivity {
public:
    virtual ~Connectivity() = default;
    virtual Connection query() = 0;
};

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hand the address to the desktop's default handler without waiting.
    // False when no handler took it.
    [[nodiscard]] virtual bool open(const std::string& url) = 0;
};

// How a download ended: the file is there, the download failed (an answer,
// as a server's error is), or the platform could not download at all (on
// Linux, no libcurl to load).
enum class Download : std::uint8_t { Stored, Failed, Unavailable };

class Downloader {
public:
    using Done = std::function<void(Download)>;
    virtual ~Downloader() = default;
    // Download `url` into the file `path`; `done` gets the outcome on the
    // caller's thread, before this returns or, from a downloader that works in
    // the background, later from the caller's event loop.
    virtual void download(const std::string& url, const std::string& path, Done done) = 0;
};

class Folders {
public:
    virtual ~Folders() = default;
    // The user's documents folder, without a trailing separator.
    virtual std::string documents() = 0;
};

// Every message the online features (and a broken installation) can show. The
// platform spells them.
enum class Message : std::uint8_t {
    InternetRequiredAtStart,  // the load step found no connection
    InstalledFilesMissing,    // the load step failed, or a picture is missing
    InternetRequiredForItem,  // the download item or the update check found no connection
    UpdatesAvailable,
    NoUpdates,
    ServerDown,               // the update check failed
    PageNotOpened             // a web link could not be handed over
};

class Notifier {
public:
    virtual ~Notifier() = default;
    // A modal information message box with one OK button; returns when closed.
    virtual void inform(Message m) = 0;
};

class Cursor {
public:
    virtual ~Cursor() = default;
    virtual void setBusy(bool busy) = 0;  // hourglass on / back to default
};

// The hourglass for as long as the guard lives; back to default on every way out.
class BusyCursor {
public:
    explicit BusyCursor(Cursor& c) : cursor_(c) { cursor_.setBusy(true); }
    ~BusyCursor() { release(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
    // Back to default now (before a message box); the destructor then does nothing.
    void release()
    {
        if (std::exchange(busy_, false)) cursor_.setBusy(false);
    }

private:
    Cursor& cursor_;
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

}  // namespace numora::online
