#include "screen_reader.h"

namespace numora::platform {

// Qt's UI Automation bridge sends a name change with the new name, which
// Narrator and NVDA speak: Qt's own event is all a renamed control needs, and
// there is no channel of ours beside it. (A sentence to be spoken without a
// control, UIA's notification event, reaches Qt only in 6.8.)
bool sendAccessibleName(QObject*, const QString&) { return false; }

}  // namespace numora::platform
