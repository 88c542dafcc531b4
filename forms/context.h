// What the windows share for the whole run: the game state, the random source,
// the online services, the pictures and the moves between windows.
#pragma once

#include <string>

#include "mathmod_1/mathmod_1.h"
#include "online.h"
#include "services.h"

namespace numora {

class Dispatcher;
class Pictures;

// The moves between windows; the application carries them out.
class Navigator {
public:
    virtual ~Navigator() = default;
    virtual void showMain() = 0;
    virtual void closeMain() = 0;
    virtual void showMultiplication() = 0;
    virtual void closeMultiplication() = 0;
    virtual void closeTopic() = 0;
    // Show the main window, unless this handler has already shown (or tried to
    // load) it: one way out of the multiplication window loads it only once.
    virtual void returnToMain() = 0;
};

struct Context {
    ModuleState& state;
    RandomSource& random;
    online::Services& services;
    online::OnlineSlots& slots;
    online::Addresses addresses;
    std::string versionKey;
    Dispatcher& dispatcher;
    Pictures& pictures;
    Navigator& nav;
};

}  // namespace numora
