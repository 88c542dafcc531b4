#include "url_handler.h"

#include <QStandardPaths>
#include <QString>

namespace numora::platform {

// xdg-open is the helper Qt hands addresses to when it is on the PATH; without
// it Qt looks for others, and only Qt can tell whether one will do.
bool webHandlerPresent() { return !QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty(); }

}  // namespace numora::platform
