// The services only the operating system provides, under the names app/main.cpp
// creates them by: on Linux the kernel's routing table, libcurl, Qt's documents
// folder, and the languages of the environment.
#pragma once

#include "connectivity.h"
#include "desktop.h"
#include "downloader.h"

namespace numora::platform {

using SystemConnectivity = online::RouteConnectivity;
using SystemDownloader = online::CurlDownloader;
using SystemFolders = DocumentsFolders;

// The user's languages are the environment's (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG), read as gettext reads them.
inline constexpr bool kLanguagesFromEnvironment = true;

}  // namespace numora::platform
