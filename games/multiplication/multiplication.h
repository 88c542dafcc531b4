// The rules of the multiplication window's game: levels, start, stop, the three
// timers, digit entry, the highlight and clearing.
#pragma once

#include <string>
#include <vector>

#include "mathmod_1/mathmod_1.h"
#include "mathmod_1/requests.h"

namespace numora {

inline constexpr const char* kMultCaption = "KORVELLAN : Multiplication Game";

// Everything of the multiplication window that the rules read or write. Default
// values are the window's state at load.
struct MultScreen {
    MultBoard board;  // tray, product captions and colours, background, level text
    bool scltntrayEnabled = false;
    std::string userEntered = "0";
    std::string strlbl = kClickToSelect;
    std::string caption = kMultCaption;
    bool strtGmEnabled = true;
    bool gmlvlscboEnabled = true;
    std::vector<std::string> levelItems;
    TimerState tmr_1{false, 0};
    TimerState tmr_2{false, 1000};
    TimerState tmr_3{false, 800};
};

class MultiplicationGame {
public:
    MultiplicationGame(ModuleState& st, RandomSource& rnd, ScreenRequests& req);

    MultScreen& screen() { return screen_; }
    const MultScreen& screen() const { return screen_; }

    void levelSetup();              // the window's load handler
    void levelLostFocus();
    void start();
    void levelTick();               // tmr_1
    void countdownTick();           // tmr_2
    void highlightTick();           // tmr_3
    void stop();
    void numlblClick(int index);    // numlbl(index): the digit index
    void clrsClick();               // "Cls."
    void trayKeyDown(int keyCode);

private:
    void enterDigit(int d);
    void clearEntry();

    ModuleState& st_;
    RandomSource& rnd_;
    ScreenRequests& req_;
    MultScreen screen_;
};

}  // namespace numora
