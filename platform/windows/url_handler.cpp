#include "url_handler.h"

#include <windows.h>
#include <shlwapi.h>

namespace numora::platform {

// Qt hands addresses to ShellExecute, which opens them with the program
// registered for the https scheme (the user's default browser).
bool webHandlerPresent()
{
    DWORD size = 0;
    const HRESULT found = AssocQueryStringW(ASSOCF_INIT_IGNOREUNKNOWN, ASSOCSTR_COMMAND, L"https", L"open", nullptr, &size);
    return (found == S_OK || found == S_FALSE) && size > 1;
}

}  // namespace numora::platform
