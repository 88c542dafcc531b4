// The rules of the main window's game: levels, start, stop, the level tick,
// pause, picks by click and key, the attempt limit, lock-out and countdown.
#pragma once

#include <string>
#include <vector>

#include "mathmod_1/mathmod_1.h"
#include "mathmod_1/requests.h"

namespace numora {

// Everything of the main window that the rules read or write. Default values
// are the window's state at load.
struct MainScreen {
    MissingBoard board;  // tray, sumdsply, scltntray enabled, background, level text
    bool scltntrayVisible = true;
    std::string strlbl = kClickToSelect;
    std::string caption = kAppTitle;
    bool strtGmEnabled = true;
    std::string strtGmTag = "0";
    bool gmlvlscboEnabled = true;
    std::vector<std::string> levelItems;  // gmlvlscbo's entries
    TimerState tmr_1{false, 0};
    TimerState tmr_2{false, 1000};
};

inline constexpr const char* kLockOutPrefix =
    "You have exceeded maximum number of attempts. Wait will refresh in ";
inline constexpr const char* kLockOutSuffix = " Sec.";

class MissingNumbersGame {
public:
    MissingNumbersGame(ModuleState& st, RandomSource& rnd, ScreenRequests& req);

    MainScreen& screen() { return screen_; }
    const MainScreen& screen() const { return screen_; }

    void levelSetup();              // part of the window's load step
    void levelLostFocus();          // gmlvlscbo lost the focus (its text is board.levelText)
    void start();                   // strtGm clicked
    void levelTick();               // tmr_1
    void countdownTick();           // tmr_2
    void stop();                    // stp clicked
    void pause();                   // pose clicked
    void resized(bool minimised);   // the window's resize rule
    void numlblClick(int index);    // numlbl(index) clicked: a pick of index + 1
    void trayKeyDown(int keyCode);  // key on a grid cell

private:
    void pick(int n);

    ModuleState& st_;
    RandomSource& rnd_;
    ScreenRequests& req_;
    MainScreen screen_;
};

}  // namespace numora
