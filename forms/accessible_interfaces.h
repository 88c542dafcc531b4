// Our own controls' accessible interfaces: grid cells are graphics named by
// what they show, number-pad keys buttons with a press action, the level list
// is named by its entry as said, and a menu item by what is written for the ear.
#pragma once

#include <QAccessible>

namespace numora {

// The property that holds what a menu item says to a screen reader.
inline constexpr char kSpoken[] = "numoraSpoken";

// The interface of `object` if it is one of ours, else none (Qt then makes its own).
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object);

}  // namespace numora
