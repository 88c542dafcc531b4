// Everything that lives for the whole run beside the game state and the random
// source it is given: the dispatcher, the online features, the pictures and the windows.
#pragma once

#include <QString>
#include <functional>

#include "dispatcher.h"
#include "common/state.h"
#include "online.h"
#include "pictures.h"
#include "windows.h"

namespace numora {

// How the program, its tests and its benchmarks set up Qt before the first
// window; call once the QApplication exists.
void configureApplication();

class Session {
public:
    // `services` are the platform services to use, `state` is the games' state for
    // the run, `random` deals the puzzles, `picturesFolder` holds the number pictures;
    // `onEnd` runs when the program ends. The online addresses are the configured ones unless given.
    Session(online::Services services, RunState& state, RandomSource& random, const QString& picturesFolder,
            std::function<void()> onEnd, online::Addresses addresses = online::defaultAddresses());

    Windows& windows() { return windows_; }
    Dispatcher& dispatcher() { return dispatcher_; }

    // Start-up inside a handler of its own. True while the program goes on.
    bool start();

private:
    RunState& state_;
    Dispatcher dispatcher_;
    online::Online online_;
    Pictures pictures_;
    Windows windows_;
};

}  // namespace numora
