// The user's documents folder, as Windows' known folders name it (moved by the
// user or redirected to a server included).
#pragma once

#include "services.h"

namespace numora::platform {

class KnownFolders : public online::Folders {
public:
    // FOLDERID_Documents in the ANSI code page. Throws when the user has none,
    // it is not a folder, or its name cannot be written in that code page.
    std::string documents() override;
};

}  // namespace numora::platform
