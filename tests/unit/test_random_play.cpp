// Random event sequences against the rules of both games, checking after every
// event what must always hold. The seed is printed; set NUMORA_TEST_SEED to replay.
// NUMORA_RANDOM_EVENTS sets the number of events per game (10,000 by default;
// the long run uses a million).
#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "mathmod_1/screen_types.h"

namespace numora {
namespace {

long eventCount()
{
    if (const char* s = std::getenv("NUMORA_RANDOM_EVENTS")) {
        const long n = std::strtol(s, nullptr, 10);
        if (n > 0) return n;
    }
    return 10000;
}

// The picture files shipped beside the program are the only ones a game may ask for.
bool shippedPicture(Picture p)
{
    static const std::set<std::string> files{"pno1.bmp", "pno2.bmp", "pno3.bmp", "pno4.bmp", "pno5.bmp",
                                             "pno6.bmp", "pno7.bmp", "pno8.bmp", "pno9.bmp", "pnoGus.bmp"};
    return p == Picture::empty() || files.count(pictureFile(p)) == 1;
}

}  // namespace
}  // namespace numora

// ===== Missing-numbers game ===================================================

#include "missing_numbers/missing_numbers.h"

namespace numora::missing_play {
namespace {

std::uint32_t chooseSeed()
{
    if (const char* s = std::getenv("NUMORA_TEST_SEED"))
        return static_cast<std::uint32_t>(std::strtoul(s, nullptr, 10));
    return std::random_device{}();
}

// Digits from the test's own engine, so a seed replays the whole run.
struct SeededDigits final : RandomSource {
    std::mt19937& engine;
    explicit SeededDigits(std::mt19937& e) : engine(e) {}
    void reseed() override {}
    int digit() override { return std::uniform_int_distribution<int>(1, 9)(engine); }
};

struct Requests final : ScreenRequests {
    int focusOnCell1 = 0, focusElsewhere = 0, minimised = 0;
    void focusTray(int index) override { ++(index == 1 ? focusOnCell1 : focusElsewhere); }
    void minimise() override { ++minimised; }
};

// True when `text` is `prefix`, a 16-bit integer and `suffix`.
bool numberBetween(const std::string& text, const std::string& prefix, const std::string& suffix)
{
    if (text.size() <= prefix.size() + suffix.size() || text.compare(0, prefix.size(), prefix) != 0 ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const char* first = text.data() + prefix.size();
    const char* last = text.data() + text.size() - suffix.size();
    std::int16_t v = 0;
    const auto [end, ec] = std::from_chars(first, last, v);
    return ec == std::errc{} && end == last && std::to_string(v) == std::string(first, last);
}

// What the driver knows from the events it sent.
struct Model {
    bool running = false;       // between Start and Stop
    bool minimised = false;
    bool onBoard = false;       // a deal since the last Stop or load
    bool dealtOnScreen = false; // a deal since the last load
    int starts = 0;
};

std::string violation(const ModuleState& st, const MainScreen& scr, const Model& m)
{
    const auto& b = scr.board;
    if (st.msngpos_1 != 0 || st.msngpos_2 != 0) {
        for (const int p : {st.msngpos_1, st.msngpos_2})
            if (p < 1 || p > 9) return "position out of 1..9";
        if (st.msngpos_1 == st.msngpos_2) return "equal hidden positions";
    }
    const auto& a = st.numary;
    const int sums[6] = {a[0] + a[1] + a[2], a[3] + a[4] + a[5], a[6] + a[7] + a[8],
                         a[2] + a[5] + a[8], a[1] + a[4] + a[7], a[0] + a[3] + a[6]};
    for (int k = 0; k < 6; ++k)
        if (b.sumdsply[k] != (m.onBoard ? std::to_string(sums[k]) : "0")) return "sum " + std::to_string(k);
    for (int i = 0; i < 9; ++i) {
        int hidden = -1;
        for (int k = 0; k < 2; ++k)
            if ((k == 0 ? st.msngpos_1 : st.msngpos_2) == i + 1) hidden = k;
        const Picture shown = Picture::number(a[i]);
        const bool found = hidden >= 0 && st.uncovered[hidden];
        const bool ok = m.onBoard ? b.tray[i] == (hidden < 0 || found ? shown : Picture::placeholder())
                                  : b.tray[i] == Picture::empty() || (found && b.tray[i] == shown);
        if (!ok) return "picture of cell " + std::to_string(i);
    }

    for (const Picture& p : b.tray)
        if (!shippedPicture(p)) return "picture file " + pictureFile(p);
    if (b.back != Colour::ButtonFace && b.back != Colour::LightGreen && b.back != Colour::LightOrange)
        return "background colour";
    if (scr.levelItems != std::vector<std::string>{kMissingLevels[0].text, kMissingLevels[1].text,
                                                   kMissingLevels[2].text})
        return "level list";

    const int found = st.uncovered[0] + st.uncovered[1];
    if (st.fndcnt != found % 2) return "fndcnt does not follow the finds";
    if (st.atmptcnt < 0) return "atmptcnt below 0";
    if (st.lvlsec > 11) return "lvlsec above 11";
    if (b.back == Colour::LightOrange && st.atmptcnt <= 4) return "orange without a lock-out";
    if (!scr.scltntrayVisible && (b.back != Colour::LightOrange || st.atmptcnt <= 4))
        return "pad hidden without a lock-out";
    if (b.back == Colour::LightGreen && found != 2) return "green without both finds";
    if (!b.scltntrayEnabled && m.dealtOnScreen && found != 2) return "pad disabled on an unsolved puzzle";

    if (scr.strlbl != kClickToSelect && scr.strlbl != kClickNumber &&
        !numberBetween(scr.strlbl, kLockOutPrefix, kLockOutSuffix))
        return "status text: " + scr.strlbl;
    if (scr.caption != kAppTitle && !numberBetween(scr.caption, kCountdownCaption, ""))
        return "caption: " + scr.caption;

    const int period = scr.tmr_1.interval;
    if (period != 11000 && period != 8000 && period != 6000) return "level period " + std::to_string(period);
    if (scr.tmr_2.enabled != m.running) return "countdown on/off";
    if (scr.tmr_1.enabled && (m.minimised || scr.strtGmTag != "1")) return "level timer on";
    if (scr.strtGmEnabled == m.running || scr.gmlvlscboEnabled == m.running) return "buttons";
    return {};
}

TEST(RandomPlayMissing, InvariantsHoldOverRandomEvents)
{
    const std::uint32_t seed = chooseSeed();
    const long events = eventCount();
    std::cout << "[ seed     ] RandomPlayMissing " << seed << ", " << events << " events\n";
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("seed " + std::to_string(seed));

    std::mt19937 engine(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    SeededDigits digits(engine);
    Requests req;
    ModuleState st;
    Model m;
    bool seen[3] = {};  // background colours met
    auto game = std::make_unique<MissingNumbersGame>(st, digits, req);
    game->levelSetup();
    const char* texts[] = {kMissingLevels[0].text, kMissingLevels[1].text, kMissingLevels[2].text,
                           "Level - 1(18 Sec.)"};

    for (long event = 0; event < events; ++event) {
        const std::int16_t attemptsBefore = st.atmptcnt;
        bool picked = false, dealt = false;
        std::string name;
        const int r = below(100);
        const bool input = r < 50 || (r >= 78 && r < 94);
        if (input && m.minimised) {
            // A minimised window takes no clicks or keys: the player restores it first.
            game->resized(m.minimised = false);
            name = "restored, then ";
        }
        if (r < 28) {
            const int i = below(9);
            name += "numlblClick " + std::to_string(i);
            game->numlblClick(i);
            picked = true;
        } else if (r < 50) {
            // Mostly digit keys, so that keys find numbers as often as clicks.
            const int code = below(2) ? 48 + below(10) + 48 * below(2) : below(256);
            name += "trayKeyDown " + std::to_string(code);
            game->trayKeyDown(code);
            picked = true;
        } else if (r < 70) {
            name = "countdownTick";
            game->countdownTick();
        } else if (r < 78) {
            name = "levelTick";
            game->levelTick();
            dealt = true;
        } else if (r < 83) {
            const char* text = texts[below(4)];
            name += std::string("levelLostFocus ") + text;
            game->screen().board.levelText = text;
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
            const int before = req.minimised;
            game->pause();
            ASSERT_EQ(req.minimised, before + 1);
            game->resized(m.minimised = true);
        } else if (r < 99) {
            m.minimised = below(2);
            name = m.minimised ? "resized minimised" : "resized restored";
            game->resized(m.minimised);
        } else {
            // Back from the other game: a fresh window over the same module state.
            name = "reload";
            game = std::make_unique<MissingNumbersGame>(st, digits, req);
            game->levelSetup();
            m = Model{.starts = m.starts};
        }
        if (dealt) m.onBoard = m.dealtOnScreen = true;

        const std::int16_t attemptsWant =
            dealt ? 0 : picked && st.msngpos_1 != 0 ? incSat(attemptsBefore) : attemptsBefore;
        ASSERT_EQ(st.atmptcnt, attemptsWant) << "event " << event << ": " << name;
        ASSERT_EQ(violation(st, game->screen(), m), "") << "event " << event << ": " << name;
        seen[static_cast<int>(game->screen().board.back)] = true;
    }
    // Solved and locked-out puzzles must have turned up, or the run proved little.
    EXPECT_TRUE(seen[static_cast<int>(Colour::LightGreen)] && seen[static_cast<int>(Colour::LightOrange)]);
    EXPECT_EQ(req.focusOnCell1, m.starts);
    EXPECT_EQ(req.focusElsewhere, 0);
}

}  // namespace
}  // namespace numora::missing_play

// ===== Multiplication game (below) ============================================

#include <array>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "multiplication/multiplication.h"

namespace numora::mult_play {
namespace {

std::uint32_t chooseSeed()
{
    if (const char* s = std::getenv("NUMORA_TEST_SEED")) return static_cast<std::uint32_t>(std::strtoul(s, nullptr, 10));
    return std::random_device{}();
}

struct SeededDigits final : RandomSource {
    std::mt19937& engine;
    explicit SeededDigits(std::mt19937& e) : engine(e) {}
    void reseed() override {}
    int digit() override { return std::uniform_int_distribution<int>(1, 9)(engine); }
};

struct Requests final : ScreenRequests {
    int focusOnCell0 = 0, focusElsewhere = 0;
    void focusTray(int index) override { ++(index == 0 ? focusOnCell0 : focusElsewhere); }
    void minimise() override {}
};

// The 16-bit integer that `text` spells between `prefix` and `suffix`, plainly written.
bool numberBetween(const std::string& text, const std::string& prefix, const std::string& suffix)
{
    if (text.size() <= prefix.size() + suffix.size() || text.compare(0, prefix.size(), prefix) != 0 ||
        text.compare(text.size() - suffix.size(), suffix.size(), suffix) != 0)
        return false;
    const std::string n = text.substr(prefix.size(), text.size() - prefix.size() - suffix.size());
    std::int16_t v = 0;
    const auto [end, ec] = std::from_chars(n.data(), n.data() + n.size(), v);
    return ec == std::errc{} && end == n.data() + n.size() && std::to_string(v) == n;
}

struct Model {
    bool running = false;       // between Start and Stop
    bool started = false;       // a Start since the window was loaded
    bool onBoard = false;       // factor pictures shown: a deal since the last Stop or load
    bool dealtOnScreen = false; // a deal since the window was loaded
};

std::string violation(const ModuleState& st, const MultScreen& scr, const Model& m)
{
    const auto& b = scr.board;
    const auto& f = st.numary;
    for (std::size_t i = 4; i < 9; ++i)
        if (f[i] != static_cast<std::int16_t>(i + 7)) return "numary beyond the factors touched";
    const std::array<int, 4> products{f[1] * f[0], f[3] * f[2], f[3] * f[1], f[2] * f[0]};
    for (std::size_t i = 0; i < 4; ++i) {
        if (st.multDealt ? (f[i] < 1 || f[i] > 9 || st.prdary[i] != products[i]) : st.prdary[i] != 0)
            return "products do not match the factors";
        const auto& cap = b.sumdsply[i];
        const bool showsProduct = cap == std::to_string(st.prdary[i]);
        if (cap != "?" && cap != "..." && !showsProduct) return "caption " + cap;
        if (cap == "..." && static_cast<int>(i) != st.curprd) return "a cell other than the current one blinks";
        if ((showsProduct || b.sumBack[i] != Colour::ButtonFace) && static_cast<int>(i) >= st.prdfndcnt)
            return "cell " + std::to_string(i) + " marked but not found";
        if (b.sumBack[i] != Colour::ButtonFace && b.sumBack[i] != Colour::LightGreen) return "cell colour";
        if (!shippedPicture(b.tray[i])) return "picture file " + pictureFile(b.tray[i]);
        const bool pictureOk = m.onBoard ? b.tray[i] == Picture::number(f[i]) : b.tray[i] == Picture::empty();
        if (!pictureOk) return "picture " + std::to_string(i);
    }
    if (!st.multDealt && st.prdfndcnt != 0) return "a find before any deal";
    if (st.curprd < 0 || st.curprd > 4) return "curprd";
    if (st.prdfndcnt != st.curprd && st.prdfndcnt != st.curprd + 1) return "prdfndcnt against curprd";
    if (st.prdfndcnt > 4) return "prdfndcnt";
    if (st.dgtcnt < 0 || st.dgtcnt > 2 || st.entval < 0 || st.entval > 99) return "entry out of range";
    if (!st.enttxt.empty() && (st.enttxt.size() != static_cast<std::size_t>(st.dgtcnt) + 1 || st.enttxt[0] != '0' ||
                               std::stoi(st.enttxt) != st.entval))
        return "enttxt " + st.enttxt;
    if (b.back != Colour::ButtonFace && (b.back != Colour::LightGreen || st.prdfndcnt != 4)) return "form colour";
    if (m.dealtOnScreen && st.prdfndcnt == 4 && b.back != Colour::LightGreen) return "complete but not green";
    // Empty from a completion until the next digit or clear, deals included.
    if (!scr.userEntered.empty() && (!numberBetween(scr.userEntered, "", "") || std::stoi(scr.userEntered) > 99))
        return "UserEntered " + scr.userEntered;

    if (st.lvlsec > 18) return "lvlsec above 18";
    if (scr.caption != kMultCaption && !numberBetween(scr.caption, kCountdownCaption, "")) return "caption: " + scr.caption;
    if (scr.strlbl != kClickToSelect && scr.strlbl != kClickNumber && !numberBetween(scr.strlbl, "Refreshing in ", " Sec."))
        return "status: " + scr.strlbl;
    const int period = scr.tmr_1.interval;
    if (period != 18000 && period != 15000 && period != 10000) return "level period " + std::to_string(period);
    if (scr.tmr_2.interval != 1000 || scr.tmr_3.interval != 800) return "timer periods";
    if (scr.tmr_1.enabled != m.running || scr.tmr_2.enabled != m.running || scr.tmr_3.enabled != m.running)
        return "timers on/off";
    if (scr.strtGmEnabled == m.running || scr.gmlvlscboEnabled == m.running) return "buttons";
    if (scr.scltntrayEnabled != m.started) return "number pad";
    if (scr.levelItems != std::vector<std::string>{kMultLevels[0].text, kMultLevels[1].text, kMultLevels[2].text})
        return "level list";
    return {};
}

TEST(RandomPlayMult, InvariantsHoldOverRandomEvents)
{
    const std::uint32_t seed = chooseSeed();
    const long events = eventCount();
    std::cout << "[ seed     ] RandomPlayMult " << seed << ", " << events << " events\n";
    RecordProperty("seed", std::to_string(seed));
    SCOPED_TRACE("seed " + std::to_string(seed));

    std::mt19937 engine(seed);
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    SeededDigits digits(engine);
    Requests req;
    ModuleState st;
    for (std::size_t i = 4; i < 9; ++i) st.numary[i] = static_cast<std::int16_t>(i + 7);
    Model m;
    auto game = std::make_unique<MultiplicationGame>(st, digits, req);
    game->levelSetup();
    const char* texts[] = {kMultLevels[0].text, kMultLevels[1].text, kMultLevels[2].text, "Level - 2(8 Sec.)", ""};
    int focusWant = 0;

    for (long event = 0; event < events; ++event) {
        const std::int16_t attemptsBefore = st.atmptcnt;
        const bool acceptsDigit = st.multDealt && st.prdfndcnt < 4;
        bool digit = false, zeroed = false;
        std::string name;
        const int r = below(100);
        // Most digits are the ones a player who knows the answer would type next.
        int next = below(10);
        if (below(4) && st.curprd >= 0 && st.curprd < 4) {
            const std::string p = std::to_string(st.prdary[static_cast<std::size_t>(st.curprd)]);
            const bool secondDigit = p.size() == 2 && st.dgtcnt == 1 && st.enttxt == std::string("0") + p[0];
            next = (secondDigit ? p[1] : p[0]) - '0';
        }
        if (r < 25) {
            name = "numlblClick " + std::to_string(next);
            game->numlblClick(next);
            digit = acceptsDigit;
            focusWant += digit;
        } else if (r < 50) {
            const int code = below(4) ? 48 + next + 48 * below(2) : below(256);
            name = "trayKeyDown " + std::to_string(code);
            game->trayKeyDown(code);
            digit = acceptsDigit && code != 46;
        } else if (r < 55) {
            name = "clrsClick";
            game->clrsClick();
            ++focusWant;
        } else if (r < 85) {
            // Ticks come in any order, but only from a timer that is on; the level
            // timer is the slowest.
            const int t = below(20);
            name = "tick " + std::to_string(t);
            if (!m.running) continue;
            if (t == 0) game->levelTick(), zeroed = m.onBoard = m.dealtOnScreen = true;
            else if (t < 7) game->countdownTick();
            else game->highlightTick();
        } else if (r < 90) {
            const char* text = below(4) ? texts[below(5)] : "junk";
            name = std::string("levelLostFocus ") + text;
            game->screen().board.levelText = text;
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
            // Back from the other game: a fresh window over the same module state.
            name = "reload";
            game = std::make_unique<MultiplicationGame>(st, digits, req);
            game->levelSetup();
            m = Model{};
            zeroed = true;
        }

        const std::int16_t attemptsWant = zeroed ? 0 : digit ? incSat(attemptsBefore) : attemptsBefore;
        ASSERT_EQ(st.atmptcnt, attemptsWant) << "event " << event << ": " << name;
        ASSERT_EQ(req.focusOnCell0, focusWant) << "event " << event << ": " << name;
        ASSERT_EQ(violation(st, game->screen(), m), "") << "event " << event << ": " << name;
    }
    EXPECT_EQ(req.focusElsewhere, 0);
}

}  // namespace
}  // namespace numora::mult_play
