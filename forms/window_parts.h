// Wiring and rendering helpers the game windows share.
#pragma once

#include <QColor>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "layout.h"
#include "mathmod_1/screen_types.h"

namespace numora {

// A button click. An access key clicks without moving the focus; move it first,
// so that the control it leaves (the level list) sees it go, as with the mouse.
void onClick(Controls& c, const char* name, std::function<void()> handler);
void onPadClick(Controls& c, int index, std::function<void()> handler);
void onTrayKey(Controls& c, int index, std::function<void(int)> handler);
// The level list: `changed` at once when the player picks an entry, `lostFocus`
// when the focus leaves it (not when its own drop-down opens).
void onLevelList(Controls& c, std::function<void(const QString&)> changed, std::function<void()> lostFocus);

void setText(Controls& c, const char* name, int index, const std::string& text);
void renderLevelList(Controls& c, const std::vector<std::string>& items, const std::string& text, bool enabled);
QColor backColour(Colour c);

}  // namespace numora
