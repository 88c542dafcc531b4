// The main window's load step, the web links and the update check, on top of
// the platform services. Nothing here knows a window: the caller hands in what
// the load step needs of its form.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "services.h"

namespace numora::online {

struct Addresses {
    std::string welcome;    // https://<web host>/_private/numora.htm
    std::string installer;  // https://<file host>/<path>/GlimmerquizSetup.exe
    std::string donation;   // https://<payment host>/KORVELLAN
    std::string update;     // https://<web host>/cgi-bin/games_korvellan/updates/chkupdate_Numora.txt
};

// The addresses built from the hosts this program was configured with.
Addresses defaultAddresses();

enum class LoadOutcome { Passed, ClosedOffline, Failed };

// The online features, each a procedure that shows its own messages.
class Online {
public:
    Online(Services services, Addresses addresses, std::string versionKey);

    // The main window's load step: the gate, the level set-up, the welcome page
    // once per run. `levelSetup` prepares the level list; `closeForms` closes
    // the main window and the topic selector.
    LoadOutcome loadStep(const std::function<void()>& levelSetup, const std::function<void()>& closeForms);
    void downloadItem();     // "Download Glimmerquiz Game"
    void donation();         // "I would like to pay."
    // "Check for updates...". `wait` is called as the download starts, and the
    // check goes on from the Resume it gives once the download has ended (by
    // default at once, inside the call). A message shown before the download
    // starts is shown while nothing waits, so it takes its keys and clicks.
    using Resume = std::function<void(const std::function<void()>& rest)>;
    using Wait = std::function<Resume()>;
    void checkForUpdates(const Wait& wait = [] { return Resume([](const std::function<void()>& rest) { rest(); }); });

private:
    std::int32_t queryConnectivity();
    // The update check's message once the file is downloaded.
    std::optional<Message> readUpdateFile(const std::string& path) const;

    Services services_;
    Addresses addresses_;
    std::string versionKey_;
    bool welcomeShown_ = false;  // the welcome page is opened once per run
};

// Reading the update file (update_file.cpp).

// "212" for 2.1.2: major, minor and revision in decimal, no separators.
std::string versionKey(int major, int minor, int revision);

// True when the server's first line orders after the key, compared as bytes.
bool ordersAfter(const std::string& line, const std::string& key);

// The first line of a text, split at LF, CR LF or CR, without its line break;
// none when the text is empty (there is no line to read).
std::optional<std::string> firstLine(const std::string& text);

// The whole of a file; none when it cannot be opened or read.
std::optional<std::string> readFile(const char* path);

}  // namespace numora::online
