// Whether the desktop has a handler for web addresses that Qt will hand them
// to, known without handing one over (which may start a program). One header,
// one implementation per system (linux/, windows/).
#pragma once

namespace numora::platform {

// True when a handover is sure to reach a handler; false when only trying
// can tell.
bool webHandlerPresent();

}  // namespace numora::platform
