// The connectivity gate, the web links and the update check, on top of the
// platform services. Nothing here knows a window: the caller hands in what the
// load step needs of its form.
#pragma once

#include <functional>
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

// Message texts and titles.
namespace msg {
inline constexpr const char* kNeedInternet = "Active Internet connection required.";
inline constexpr const char* kNeedInternetTitle = "KORVELLAN : Internet Required.";
inline constexpr const char* kInstalledFilesMissing = "Installed files missing run setup again. Contact KORVELLAN";
inline constexpr const char* kTitle = "KORVELLAN";
inline constexpr const char* kNeedInternetIs = "Active Internet connection is required.";
inline constexpr const char* kNeedInternetIsTitle = "KORVELLAN : Internet connection required.";
inline constexpr const char* kUpdatesAvailable = "updates available. Send email for the link to download Updates";
inline constexpr const char* kNoUpdates = "No updates available.";
inline constexpr const char* kNoUpdatesTitle = "KORVELLAN : Update";
inline constexpr const char* kServerDown = "Server down check later.";
inline constexpr const char* kPageNotOpened = "The web page could not be opened.";
}  // namespace msg

// Run the connectivity query into the slots; returns the result.
int queryConnectivity(Services& s, OnlineSlots& slots);

enum class LoadOutcome { Passed, ClosedOffline, Failed };

// The main window's load step: gate, level set-up, welcome page once per run.
// `levelSetup` prepares the level list; `unloadForms` closes the main window and
// the topic selector.
LoadOutcome mainLoadStep(Services& s, OnlineSlots& slots, const Addresses& a,
                         const std::function<void()>& levelSetup,
                         const std::function<void()>& unloadForms);

void downloadItem(Services& s, OnlineSlots& slots, const Addresses& a);  // "Download Glimmerquiz Game"
void donation(Services& s, const Addresses& a);                          // "I would like to pay."
void checkForUpdates(Services& s, OnlineSlots& slots, const Addresses& a,
                     const std::string& verKey);                         // "Check for updates..."

// "212" for 2.1.2: major, minor and revision in decimal, no separators.
std::string versionKey(int major, int minor, int revision);

// True when the server's first line orders after the key, compared as bytes.
bool ordersAfter(const std::string& line, const std::string& key);

// The first line of a text, split at LF, CR LF or CR, without its line break.
// Throws std::runtime_error when the text is empty (there is no line to read).
std::string firstLine(const std::string& text);

}  // namespace numora::online
