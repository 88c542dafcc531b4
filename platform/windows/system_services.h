// The services only the operating system provides, under the names app/main.cpp
// creates them by: on Windows WinINet's connectivity query, a WinHTTP download,
// the known Documents folder, and the display languages of the user's settings.
#pragma once

#include "connectivity.h"
#include "downloader.h"
#include "folders.h"

namespace numora::platform {

using SystemConnectivity = WinInetConnectivity;
using SystemDownloader = WinHttpDownloader;
using SystemFolders = KnownFolders;

// Windows keeps the user's languages in its settings (QLocale::uiLanguages()),
// not in the environment.
inline constexpr bool kLanguagesFromEnvironment = false;

}  // namespace numora::platform
