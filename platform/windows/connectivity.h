// Connectivity as Windows itself reports it: WinINet's
// InternetGetConnectedStateEx.
#pragma once

#include "services.h"

namespace numora::platform {

class WinInetConnectivity : public online::Connectivity {
public:
    // 1 with the connection's name (UTF-8) when Windows says connected, else 0
    // with an empty name.
    online::Connection query() override;
};

}  // namespace numora::platform
