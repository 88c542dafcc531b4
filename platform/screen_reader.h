// A side channel to the desktop's screen reader, for what Qt's own bridge
// cannot say yet (forms/accessibility.cpp decides when). One header, one
// implementation per system (linux/, windows/).
#pragma once

class QObject;
class QString;

namespace numora::platform {

// Tells the screen reader that `o`'s accessible name is now `name`, sending the
// name itself. False when there is no such channel, or nothing listens on it:
// the caller then falls back on Qt's own accessibility event.
bool sendAccessibleName(QObject* o, const QString& name);

}  // namespace numora::platform
