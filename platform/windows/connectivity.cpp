#include "connectivity.h"

#include <windows.h>
#include <wininet.h>

#include "text.h"

namespace numora::platform {

online::Connection WinInetConnectivity::query()
{
    DWORD flags = 0;
    wchar_t name[256] = {};
    if (!InternetGetConnectedStateExW(&flags, name, static_cast<DWORD>(std::size(name)), 0)) return {0, {}};
    return {1, toUtf8(name)};
}

}  // namespace numora::platform
