// What screen readers are told about the game windows (through Qt's AT-SPI
// bridge on Linux). A text label's accessible name stays its text, so that what
// is read out is what is shown; what a control is goes into its description.
#pragma once

#include <QString>

#include "mathmod_1/screen.h"

namespace numora {

class ControlMap;

// Our own controls' accessible interfaces (grid cells are graphics named by
// what they show, number-pad keys are buttons with a press action), and the
// descriptions of the loaded windows' controls as soon as a screen reader asks.
// Call once the application object exists; calling it again changes nothing.
void installAccessibility();

// The name of a cell showing `p`: its digit, "hidden" or "empty". A hidden
// cell's number is never part of it.
QString spokenPicture(Picture p);

// Describe the controls of each game window, when a screen reader is listening.
void describeMainWindow(ControlMap& c);
void describeMultWindow(ControlMap& c);

}  // namespace numora
