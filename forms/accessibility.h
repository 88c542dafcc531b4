// What screen readers are told about the game windows (through Qt's AT-SPI
// bridge on Linux). A text label's accessible name stays its text, so that what
// is read out is what is shown, except where the screen abbreviates for the eye
// ("7 Sec."): then it is the same sentence written for the ear. What a control
// is goes into its description.
#pragma once

#include <QString>

class QAccessibleInterface;
class QAction;
class QObject;
class QWidget;

#include "common/screen.h"

namespace numora {

class ControlMap;
enum class Window;

// A window that describes its controls for a screen reader.
struct Describes {
    virtual void describe() = 0;
};

// Our own controls' accessible interfaces, and the descriptions of the loaded
// windows' controls as soon as a screen reader asks. Call once the application
// object exists; calling it again changes nothing.
void installAccessibility();

// Our own controls' interfaces (accessible_interfaces.cpp); none for other objects.
QAccessibleInterface* accessibleInterface(const QString& className, QObject* object);
// The property that holds what a menu item says to a screen reader.
inline constexpr char kSpoken[] = "numoraSpoken";

// The name of a cell showing `p`: its digit, "hidden" or "empty". A hidden
// cell's number is never part of it.
QString spokenPicture(Picture p);

// True while a screen reader listens: then the windows describe their controls
// and tell their news.
bool listening();

// Describe the controls of a game window as its screen `s` stands (a cell with
// the sums or found products of its row and column), when a screen reader is listening.
void describe(Window window, ControlMap& c, const GameScreen& s);

// Have a screen reader say `spoken` for `w`, where its text is written for the
// eye; an empty `spoken` has it read the text again.
void speakAs(QWidget* w, const QString& spoken);
// The same for a menu item; set it before the menu is first shown.
void speakAs(QAction* a, const QString& spoken);

// Tell a screen reader the new name of `w` (the focused one speaks it).
void renamed(QWidget* w, const QString& name);
// Have a screen reader speak `sentence` now, for the active `window`.
void announce(QWidget* window, const QString& sentence);

}  // namespace numora
