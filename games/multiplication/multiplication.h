// The rules of the multiplication window's game: digit entry, the blinking
// highlight of the product to find, and clearing the entry.
#pragma once

#include "common/game.h"

namespace numora {

inline constexpr int kEntryDigits = 2;  // a product has at most two digits
inline constexpr std::array<std::int16_t, 3> kMultiplicationLevels{18, 15, 10};  // seconds, in list order

struct MultiplicationScreen : GameScreen {
    static constexpr std::size_t kFactors = 4;
    static constexpr std::size_t kProducts = 4;
    static constexpr int kHighlightMs = 800;
    MultiplicationScreen() : GameScreen(kFactors, kProducts, Figure::unknown()) {}
    std::optional<std::int16_t> entry = 0;  // the entry display; empty once a puzzle is complete
    TimerState highlightTimer{false, kHighlightMs};  // blinks the product sought
};

// Deal a multiplication puzzle onto the multiplication window.
void dealMultiplication(RunState& st, RandomSource& rnd, MultiplicationScreen& screen);

class MultiplicationGame final : public Game {
public:
    MultiplicationGame(RunState& st, RandomSource& rnd, ScreenRequests& req)
        : Game(st, rnd, req, kMultiplicationLevels) {}

    MultiplicationScreen& screen() override { return screen_; }
    void padClick(int index) override;  // the digit index
    void cellKeyDown(Key key) override;
    void highlightTick();
    void clearClick();  // "Cls."

private:
    void deal() override;
    void levelsReady(std::int16_t) override { state_.picks = 0; }
    void started() override;
    void stopped() override;
    Status countdownStatus() const override { return {Status::Kind::Refreshing, state_.secondsLeft}; }
    void enterDigit(int d);
    void clearEntry();

    MultiplicationScreen screen_;
};

}  // namespace numora
