// Everything that lives for the whole run: the game state, the online slots,
// the platform services, the dispatcher, the pictures and the windows.
#pragma once

#include <QString>
#include <memory>

#include "context.h"
#include "dispatcher.h"
#include "pictures.h"
#include "screens.h"

namespace numora {

class Session {
public:
    // `services` are the platform services to use, `random` deals the puzzles,
    // `picturesFolder` holds the number pictures; `onEnd` runs when the program
    // ends. The online addresses are the configured ones unless given.
    Session(online::Services services, RandomSource& random, const QString& picturesFolder,
            std::function<void()> onEnd, online::Addresses addresses = online::defaultAddresses());

    Screens& screens() { return screens_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    ModuleState& state() { return state_; }
    online::OnlineSlots& slots() { return slots_; }

    // Start-up inside a handler of its own. True while the program goes on.
    bool start();

private:
    ModuleState state_;
    online::OnlineSlots slots_;
    online::Services services_;
    Dispatcher dispatcher_;
    Pictures pictures_;
    Screens screens_;
    Context ctx_;
};

}  // namespace numora
