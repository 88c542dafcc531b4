// Random event sequences against the rules of both games, checking after every
// event what must always hold. The seed is printed; set NUMORA_TEST_SEED to replay.
// NUMORA_RANDOM_EVENTS sets the number of events per game (10,000 by default;
// the long run uses a million).
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iostream>
#include <memory>
#include <set>
#include <string>

#include "common/key_names.h"
#include "common/random_play.h"
#include "common/requests.h"
#include "missing_numbers/missing_numbers.h"
#include "multiplication/multiplication.h"

namespace numora {
namespace {

// The picture files shipped beside the program are the only ones a game may ask for.
bool shippedPicture(Picture p)
{
    return p == Picture::empty() || p == Picture::placeholder() || (p.digit >= 1 && p.digit <= 9);
}

// Plays `events` events chosen by `step` (which returns the event's name and
// checks what it alone can know), checking `violation` after each.
struct Player {
    std::mt19937 engine;
    std::uint32_t seed = test::chooseSeed();
    test::SeededDigits digits{engine};
    test::FakeRequests req;
    RunState st;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); }

    // Every focus request since the last call went to `cell`, and there are `want` in all.
    bool focusedOnly(int cell, std::size_t want)
    {
        for (; focusChecked < req.focused.size(); ++focusChecked)
            if (req.focused[focusChecked] != cell) return false;
        return req.focused.size() == want;
    }
    std::size_t focusChecked = 0;

    void play(const char* name, const std::function<std::string()>& step,
              const std::function<std::string()>& violation)
    {
        engine.seed(seed);
        const long events = test::eventCount(10000);
        std::cout << "[ seed     ] " << name << ' ' << seed << ", " << events << " events\n";
        ::testing::Test::RecordProperty("seed", std::to_string(seed));
        for (long event = 0; event < events; ++event) {
            const std::string what = step();
            ASSERT_FALSE(::testing::Test::HasFailure()) << "event " << event << ": " << what << " (seed " << seed << ")";
            ASSERT_EQ(violation(), "") << "event " << event << ": " << what << " (seed " << seed << ")";
        }
    }
};

// What the missing-numbers driver knows from the events it sent.
struct MissingModel {
    bool running = false;        // between Start and Stop
    bool minimised = false;
    bool onBoard = false;        // a deal since the last Stop or load
    bool dealtOnScreen = false;  // a deal since the last load
    int starts = 0;
};

std::string missingViolation(const RunState& st, const MainScreen& scr, const MissingModel& m)
{
    if (st.hidden1 != 0 || st.hidden2 != 0) {
        for (const int p : {st.hidden1, st.hidden2})
            if (p < 1 || p > 9) return "position out of 1..9";
        if (st.hidden1 == st.hidden2) return "equal hidden positions";
    }
    const auto& a = st.digits;
    const int rows[3] = {a[0] + a[1] + a[2], a[3] + a[4] + a[5], a[6] + a[7] + a[8]};
    const int columns[3] = {a[2] + a[5] + a[8], a[1] + a[4] + a[7], a[0] + a[3] + a[6]};
    for (int k = 0; k < 6; ++k) {
        const int sum = m.onBoard ? (k < 3 ? rows[k] : columns[k - 3]) : 0;
        if (scr.figures[static_cast<std::size_t>(k)] != Figure::number(sum)) return "sum " + std::to_string(k);
    }
    for (std::size_t i = 0; i < 9; ++i) {
        const int position = static_cast<int>(i) + 1;
        const int hidden = position == st.hidden1 ? 0 : position == st.hidden2 ? 1 : -1;
        const bool found = hidden >= 0 && st.uncovered[static_cast<std::size_t>(hidden)];
        const Picture number = Picture::number(a[i]);
        const bool ok = m.onBoard ? scr.cells[i] == (hidden < 0 || found ? number : Picture::placeholder())
                                  : scr.cells[i] == Picture::empty() || (found && scr.cells[i] == number);
        if (!ok || !shippedPicture(scr.cells[i])) return "picture of cell " + std::to_string(i);
    }
    if (scr.level < 0 || scr.level > 2 || scr.levels.data() != kMissingLevels.data()) return "level list";

    const int found = st.uncovered[0] + st.uncovered[1];
    if (st.found != found % 2) return "found does not follow the finds";
    if (st.picks < 0) return "picks below 0";
    if (st.secondsLeft > 11) return "secondsLeft above 11";
    const bool lockedOut = st.picks > kLastPickBeforeLockOut;
    if (scr.back == Colour::LightOrange && !lockedOut) return "orange without a lock-out";
    if (!scr.padVisible && (scr.back != Colour::LightOrange || !lockedOut)) return "pad hidden without a lock-out";
    if (scr.back == Colour::LightGreen && found != 2) return "green without both finds";
    if (!scr.padEnabled && m.dealtOnScreen && found != 2) return "pad disabled on an unsolved puzzle";
    if (scr.status.kind == Status::Kind::Refreshing) return "the other game's status";

    const int period = scr.levelTimer.interval;
    if (period != 11000 && period != 8000 && period != 6000) return "level period " + std::to_string(period);
    if (scr.countdownTimer.enabled != m.running) return "countdown on/off";
    if (scr.levelTimer.enabled && (m.minimised || !scr.started)) return "level timer on";
    if (scr.startEnabled == m.running || scr.levelsEnabled == m.running) return "buttons";
    return {};
}

TEST(RandomPlay, MissingNumbersInvariantsHold)
{
    Player p;
    MissingModel m;
    std::set<Colour> seen;  // background colours met
    auto game = std::make_unique<MissingNumbersGame>(p.st, p.digits, p.req);
    game->levelSetup();

    const auto step = [&]() -> std::string {
        const std::int16_t attemptsBefore = p.st.picks;
        bool picked = false, dealt = false;
        std::string name;
        const int r = p.below(100);
        if ((r < 50 || (r >= 78 && r < 94)) && m.minimised) {
            // A minimised window takes no clicks or keys: the player restores it first.
            game->resized(m.minimised = false);
            name = "restored, then ";
        }
        if (r < 28) {
            const int i = p.below(9);
            name += "padClick " + std::to_string(i);
            game->padClick(i);
            picked = true;
        } else if (r < 50) {
            // Mostly digit keys, so that keys find numbers as often as clicks.
            const Key key = p.below(2) ? keys::digit(p.below(10)) : (p.below(2) ? keys::kClear : keys::kOther);
            name += "cellKeyDown " + nameOf(key);
            game->cellKeyDown(key);
            picked = true;
        } else if (r < 70) {
            name = "countdownTick";
            game->countdownTick();
        } else if (r < 78) {
            name = "levelTick";
            game->levelTick();
            dealt = true;
        } else if (r < 83) {
            game->screen().level = p.below(3);
            name += "levelLostFocus " + std::to_string(game->screen().level);
            game->levelLostFocus();
        } else if (r < 88) {
            name += "start";
            game->start();
            m.running = true;
            ++m.starts;
            dealt = true;
        } else if (r < 92) {
            name += "stop";
            game->stop();
            m.running = m.onBoard = false;
        } else if (r < 94) {
            // The window answers the request by minimising, which runs the resize rule.
            name += "pause";
            const int before = p.req.minimised;
            game->pause();
            EXPECT_EQ(p.req.minimised, before + 1);
            game->resized(m.minimised = true);
        } else if (r < 99) {
            m.minimised = p.below(2);
            name = m.minimised ? "resized minimised" : "resized restored";
            game->resized(m.minimised);
        } else {
            // Back from the other game: a fresh window over the same module state.
            name = "reload";
            game = std::make_unique<MissingNumbersGame>(p.st, p.digits, p.req);
            game->levelSetup();
            m = MissingModel{.starts = m.starts};
        }
        if (dealt) m.onBoard = m.dealtOnScreen = true;
        const bool counted = picked && p.st.hidden1 != 0;
        EXPECT_EQ(p.st.picks, dealt ? 0 : counted ? saturatingIncrement(attemptsBefore) : attemptsBefore) << "attempts";
        seen.insert(game->screen().back);
        auto& news = p.req.told;
        EXPECT_EQ(std::count(news.begin(), news.end(), News{News::Kind::Dealt}), dealt ? 1 : 0) << "a deal is told once";
        if (std::count(news.begin(), news.end(), News{News::Kind::Solved})) {
            EXPECT_EQ(game->screen().back, Colour::LightGreen) << "a solve is told as it shows";
        }
        news.clear();
        return name;
    };
    p.play("RandomPlayMissing", step, [&] { return missingViolation(p.st, game->screen(), m); });
    // Solved and locked-out puzzles must have turned up, or the run proved little.
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(p.focusedOnly(1, static_cast<std::size_t>(m.starts))) << "Start focuses the top-middle cell, nothing else does";
}

struct MultModel {
    bool running = false;        // between Start and Stop
    bool started = false;        // a Start since the window was loaded
    bool onBoard = false;        // factor pictures shown: a deal since the last Stop or load
    bool dealtOnScreen = false;  // a deal since the window was loaded
};

std::string multViolation(const RunState& st, const MultiplicationScreen& scr, const MultModel& m)
{
    const auto& f = st.digits;
    for (std::size_t i = 4; i < 9; ++i)
        if (f[i] != static_cast<std::int16_t>(i + 7)) return "digits beyond the factors touched";
    const std::array<int, 4> products{f[1] * f[0], f[3] * f[2], f[3] * f[1], f[2] * f[0]};
    for (std::size_t i = 0; i < 4; ++i) {
        if (st.dealt ? (f[i] < 1 || f[i] > 9 || st.products[i] != products[i]) : st.products[i] != 0)
            return "products do not match the factors";
        const Figure& cell = scr.figures[i];
        const bool showsProduct = cell.kind == Figure::Kind::Number;
        if (showsProduct && cell.value != st.products[i]) return "cell " + std::to_string(i) + " shows another number";
        if (cell.kind == Figure::Kind::Blink && static_cast<int>(i) != st.sought) return "a cell other than the current one blinks";
        if ((showsProduct || cell.back != Colour::ButtonFace) && static_cast<int>(i) >= st.productsFound)
            return "cell " + std::to_string(i) + " marked but not found";
        if (cell.back == Colour::LightOrange) return "cell colour";
        if (!shippedPicture(scr.cells[i]) || scr.cells[i] != (m.onBoard ? Picture::number(f[i]) : Picture::empty()))
            return "picture " + std::to_string(i);
    }
    if (!st.dealt && st.productsFound != 0) return "a find before any deal";
    if (st.sought < 0 || st.sought > 4) return "sought";
    if (st.productsFound != st.sought && st.productsFound != st.sought + 1) return "productsFound against sought";
    const int below[] = {1, 10, 100};  // what 0, 1 and 2 digits can make
    if (st.entry.digits < 0 || st.entry.digits > 2 || st.entry.value < 0 || st.entry.value >= below[st.entry.digits])
        return "entry out of range";
    if (scr.back != Colour::ButtonFace && (scr.back != Colour::LightGreen || st.productsFound != 4)) return "form colour";
    if (m.dealtOnScreen && st.productsFound == 4 && scr.back != Colour::LightGreen) return "complete but not green";
    // Empty from a completion until the next digit or clear, deals included.
    if (scr.entry && (*scr.entry < 0 || *scr.entry > 99)) return "entry display";

    if (st.secondsLeft > 18) return "secondsLeft above 18";
    if (scr.status.kind == Status::Kind::LockedOut) return "the other game's status";
    const int period = scr.levelTimer.interval;
    if (period != 18000 && period != 15000 && period != 10000) return "level period " + std::to_string(period);
    if (scr.countdownTimer.interval != 1000 || scr.highlightTimer.interval != 800) return "timer periods";
    if (scr.levelTimer.enabled != m.running || scr.countdownTimer.enabled != m.running || scr.highlightTimer.enabled != m.running)
        return "timers on/off";
    if (scr.startEnabled == m.running || scr.levelsEnabled == m.running) return "buttons";
    if (scr.padEnabled != m.started) return "number pad";
    if (scr.levels.data() != kMultiplicationLevels.data()) return "level list";
    return {};
}

TEST(RandomPlay, MultiplicationInvariantsHold)
{
    Player p;
    for (std::size_t i = 4; i < 9; ++i) p.st.digits[i] = static_cast<std::int16_t>(i + 7);
    MultModel m;
    auto game = std::make_unique<MultiplicationGame>(p.st, p.digits, p.req);
    game->levelSetup();
    std::size_t focusWant = 0;

    const auto step = [&]() -> std::string {
        const std::int16_t attemptsBefore = p.st.picks;
        const bool acceptsDigit = p.st.dealt && p.st.productsFound < 4;
        bool digit = false, zeroed = false;
        std::string name;
        const int r = p.below(100);
        // Most digits are the ones a player who knows the answer would type next.
        int next = p.below(10);
        if (p.below(4) && p.st.sought >= 0 && p.st.sought < 4) {
            const std::string answer = std::to_string(p.st.products[static_cast<std::size_t>(p.st.sought)]);
            const bool secondDigit = answer.size() == 2 && p.st.entry.digits == 1 && p.st.entry.value == answer[0] - '0';
            next = (secondDigit ? answer[1] : answer[0]) - '0';
        }
        if (r < 25) {
            name = "padClick " + std::to_string(next);
            game->padClick(next);
            digit = acceptsDigit;
            focusWant += digit;
        } else if (r < 50) {
            const Key key = p.below(4) ? keys::digit(next) : (p.below(2) ? keys::kClear : keys::kOther);
            name = "cellKeyDown " + nameOf(key);
            game->cellKeyDown(key);
            digit = acceptsDigit && key != keys::kClear;
        } else if (r < 55) {
            name = "clearClick";
            game->clearClick();
            ++focusWant;
        } else if (r < 85) {
            // Ticks come in any order, but only from a timer that is on; the level
            // timer is the slowest.
            const int t = p.below(20);
            name = "tick " + std::to_string(t);
            if (!m.running) return name + " (off)";
            if (t == 0) game->levelTick(), zeroed = m.onBoard = m.dealtOnScreen = true;
            else if (t < 7) game->countdownTick();
            else game->highlightTick();
        } else if (r < 90) {
            game->screen().level = p.below(4) - 1;
            name = "levelLostFocus " + std::to_string(game->screen().level);
            game->levelLostFocus();
        } else if (r < 95) {
            name = "start";
            game->start();
            ++focusWant;
            m.running = m.started = m.onBoard = m.dealtOnScreen = zeroed = true;
        } else if (r < 97) {
            name = "stop";
            game->stop();
            m.running = m.onBoard = false;
            zeroed = true;
        } else {
            name = "reload";
            game = std::make_unique<MultiplicationGame>(p.st, p.digits, p.req);
            game->levelSetup();
            m = MultModel{};
            zeroed = true;
        }
        EXPECT_EQ(p.st.picks, zeroed ? 0 : digit ? saturatingIncrement(attemptsBefore) : attemptsBefore) << "attempts";
        EXPECT_TRUE(p.focusedOnly(0, focusWant)) << "focus";
        for (const News& n : p.req.told) {
            if (n.kind == News::Kind::ProductFound) {
                EXPECT_EQ(game->screen().figures[p.st.sought].value, n.number) << "a find is told as it shows";
            }
        }
        p.req.told.clear();
        return name;
    };
    p.play("RandomPlayMult", step, [&] { return multViolation(p.st, game->screen(), m); });
}

}  // namespace
}  // namespace numora
