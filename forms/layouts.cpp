// The three windows' controls as designed (measures in twips). Rows follow the
// designs' tables; a label that must lie under another control comes first.
#include "layout.h"

namespace numora::layouts {

namespace {

using namespace font;

// "II" is both the pause button's caption and the upright equals sign at a
// column's foot; translators see them apart.
constexpr const char* kAlike[][2] = {
    //: Two capital I's drawn as a pause sign on a small button (its tool tip says
    //: "Pause"); keep them unless your script draws the pause sign otherwise.
    QT_TRANSLATE_NOOP3("Layout", "II", "the pause button"),
    //: Two capital I's standing for an equals sign turned upright, between a column
    //: and its sum below it; keep them.
    QT_TRANSLATE_NOOP3("Layout", "II", "an upright equals sign at a column's foot")};
constexpr const char* kPause = kAlike[0][1];
constexpr const char* kUpright = kAlike[1][1];

constexpr ControlSpec kMain[] = {
    {Kind::Button, "strtGm", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "&Start Numora"), kArial975, Back::System, 90, 75, 1770, 495, 0, 0, QT_TRANSLATE_NOOP("Layout", "Start New game")},
    {Kind::Button, "stp", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Stop"), kDefault, Back::System, 1935, 135, 570, 360, 2},
    {Kind::Button, "pose", -1, nullptr, "II", kArial975Bold, Back::System, 2610, 135, 315, 345, 3, flag::kHidden, QT_TRANSLATE_NOOP("Layout", "Pause"), kPause},
    {Kind::Button, "extgm", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "&Exit "), kArial975Bold, Back::System, 3600, 135, 810, 330, 4, 0, QT_TRANSLATE_NOOP("Layout", " Exit game")},
    {Kind::Combo, "gmlvlscbo", -1, nullptr, "", kDefault, Back::System, 2625, 585, 1770, 315, 16},
    {Kind::Label, "Label2", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Find the missing numbers."), kDefault, Back::Transparent, 135, 795, 1890, 270, -1},
    {Kind::Picture, "tray", 0, nullptr, "", kDefault, Back::White, 165, 1110, 525, 585, 20},
    {Kind::Picture, "tray", 1, nullptr, "", kDefault, Back::White, 870, 1110, 525, 585, 21},
    {Kind::Picture, "tray", 2, nullptr, "", kDefault, Back::White, 1545, 1110, 525, 585, 22},
    {Kind::Picture, "tray", 3, nullptr, "", kDefault, Back::White, 165, 1935, 525, 585, 23},
    {Kind::Picture, "tray", 4, nullptr, "", kDefault, Back::White, 870, 1935, 525, 585, 24},
    {Kind::Picture, "tray", 5, nullptr, "", kDefault, Back::White, 1545, 1935, 525, 585, 25},
    {Kind::Picture, "tray", 6, nullptr, "", kDefault, Back::White, 165, 2745, 525, 585, 19},
    {Kind::Picture, "tray", 7, nullptr, "", kDefault, Back::White, 870, 2745, 525, 585, 18},
    {Kind::Picture, "tray", 8, nullptr, "", kDefault, Back::White, 1545, 2730, 525, 585, 17},
    {Kind::Label, "PlusLbl", 0, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 720, 1275, 150, 240, -1},
    {Kind::Label, "PlusLbl", 1, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1395, 1305, 150, 240, -1},
    {Kind::Label, "PlusLbl", 2, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 720, 2130, 150, 240, -1},
    {Kind::Label, "PlusLbl", 4, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1410, 2115, 150, 240, -1},
    {Kind::Label, "PlusLbl", 5, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 720, 2955, 150, 240, -1},
    {Kind::Label, "PlusLbl", 6, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1395, 2955, 150, 240, -1},
    {Kind::Label, "PlusLbl", 7, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 375, 1665, 150, 240, -1},
    {Kind::Label, "PlusLbl", 8, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1080, 1665, 150, 240, -1},
    {Kind::Label, "PlusLbl", 9, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1755, 1665, 150, 240, -1},
    {Kind::Label, "PlusLbl", 10, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 405, 2505, 150, 240, -1},
    {Kind::Label, "PlusLbl", 11, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1080, 2505, 150, 240, -1},
    {Kind::Label, "PlusLbl", 12, nullptr, QT_TRANSLATE_NOOP("Layout", "+"), kPlus, Back::Own, 1770, 2505, 150, 240, -1},
    {Kind::Label, "sumdsply", 0, nullptr, "0", kNumbers, Back::Transparent, 2205, 1245, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 1, nullptr, "0", kNumbers, Back::Transparent, 2205, 2100, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 2, nullptr, "0", kNumbers, Back::Transparent, 2205, 2880, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 3, nullptr, "0", kNumbers, Back::Transparent, 1575, 3420, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 4, nullptr, "0", kNumbers, Back::Transparent, 945, 3435, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 5, nullptr, "0", kNumbers, Back::Transparent, 225, 3435, 435, 330, -1, flag::kCentred},
    // Built before the frame so that the frame lies on top of it.
    //: The status line as the window opens, before any game: the player may pick a
    //: number on the number pad. In play the line reads "Click number to select.".
    {Kind::Label, "strlbl", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Click to select number."), kBold825, Back::Transparent, 2955, 1155, 1245, 2070, -1, flag::kWrap},
    {Kind::Frame, "scltntray", -1, nullptr, "", kDefault, Back::Own, 2940, 1515, 1305, 1620, -1, flag::kDisabled},
    {Kind::ClickLabel, "numlbl", 0, "scltntray", "1", kPad, Back::LightRed, 45, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 1, "scltntray", "2", kPad, Back::LightRed, 465, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 2, "scltntray", "3", kPad, Back::LightRed, 885, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 3, "scltntray", "4", kPad, Back::LightRed, 45, 645, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 4, "scltntray", "5", kPad, Back::LightRed, 465, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 5, "scltntray", "6", kPad, Back::LightRed, 885, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 6, "scltntray", "7", kPad, Back::LightRed, 45, 1140, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 7, "scltntray", "8", kPad, Back::LightRed, 465, 1125, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 8, "scltntray", "9", kPad, Back::LightRed, 885, 1125, 375, 450, -1, kPadFlags},
    {Kind::Button, "denate_1", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "I would like to pay."), kDefault, Back::System, 1980, 4125, 2325, 330, 33},
    {Kind::Label, "numdpsl", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Label1"), kDefault, Back::Transparent, 105, 225, 450, 495, -1, flag::kHidden},
};

constexpr ControlSpec kMult[] = {
    {Kind::Button, "strtGm", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "&Start Numora"), kPapyrus975, Back::System, 60, 150, 1785, 495, 4, 0, QT_TRANSLATE_NOOP("Layout", "Start New game")},
    {Kind::Button, "stp", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Stop"), kDefault, Back::System, 2025, 195, 570, 360, 0},
    {Kind::Button, "pose", -1, nullptr, "II", kArial975Bold, Back::System, 2700, 195, 315, 345, 3, flag::kHidden, QT_TRANSLATE_NOOP("Layout", "Pause"), kPause},
    {Kind::Button, "extgm", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "&Exit "), kPapyrus975Bold, Back::System, 3615, 195, 810, 330, 2, 0, QT_TRANSLATE_NOOP("Layout", " Exit game")},
    {Kind::Combo, "gmlvlscbo", -1, nullptr, "", kDefault, Back::System, 2610, 840, 1770, 315, 1},
    {Kind::Label, "Label2", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Find the multiplication numbers."), kDefault, Back::Transparent, 255, 1200, 2220, 270, -1},
    {Kind::Picture, "tray", 0, nullptr, "", kDefault, Back::White, 285, 1545, 525, 585, 8},
    {Kind::Picture, "tray", 1, nullptr, "", kDefault, Back::White, 975, 1545, 525, 585, 7},
    {Kind::Picture, "tray", 2, nullptr, "", kDefault, Back::White, 285, 2325, 525, 585, 6},
    {Kind::Picture, "tray", 3, nullptr, "", kDefault, Back::White, 975, 2325, 525, 585, 5},
    {Kind::Label, "Label1", 0, nullptr, QT_TRANSLATE_NOOP("Layout", "X"), kBold825, Back::Own, 825, 1785, 180, 195, -1},
    {Kind::Label, "Label1", 1, nullptr, QT_TRANSLATE_NOOP("Layout", "X"), kBold825, Back::Own, 840, 2520, 180, 195, -1},
    {Kind::Label, "Label1", 2, nullptr, QT_TRANSLATE_NOOP("Layout", "X"), kBold825, Back::Own, 465, 2130, 180, 195, -1},
    {Kind::Label, "Label1", 3, nullptr, QT_TRANSLATE_NOOP("Layout", "X"), kBold825, Back::Own, 1155, 2130, 180, 195, -1},
    {Kind::Label, "Label1", 4, nullptr, QT_TRANSLATE_NOOP("Layout", "="), kBold825, Back::Own, 1575, 1770, 180, 195, -1},
    {Kind::Label, "Label1", 5, nullptr, QT_TRANSLATE_NOOP("Layout", "="), kBold825, Back::Own, 1560, 2505, 180, 195, -1},
    {Kind::Label, "Label1", 6, nullptr, "II", kBold825, Back::Own, 480, 2955, 180, 195, -1, 0, nullptr, kUpright},
    {Kind::Label, "Label1", 7, nullptr, "II", kBold825, Back::Own, 1185, 2985, 180, 195, -1, 0, nullptr, kUpright},
    {Kind::Label, "sumdsply", 0, nullptr, QT_TRANSLATE_NOOP("Layout", "?"), kNumbers, Back::Own, 1860, 1725, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 1, nullptr, QT_TRANSLATE_NOOP("Layout", "?"), kNumbers, Back::Own, 1860, 2445, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 2, nullptr, QT_TRANSLATE_NOOP("Layout", "?"), kNumbers, Back::Own, 1035, 3285, 435, 330, -1, flag::kCentred},
    {Kind::Label, "sumdsply", 3, nullptr, QT_TRANSLATE_NOOP("Layout", "?"), kNumbers, Back::Own, 345, 3270, 435, 330, -1, flag::kCentred},
    {Kind::Label, "UserEntered", -1, nullptr, "0", kPad, Back::Transparent, 1755, 3225, 585, 450, -1, kPadFlags},
    // Built before the frame so that the frame lies on top of it.
    //: The status line as the window opens, before any game: the player may pick a
    //: number on the number pad. In play the line reads "Click number to select.".
    {Kind::Label, "strlbl", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Click to select number."), kBold825, Back::Transparent, 2730, 1410, 1485, 2130, -1, flag::kWrap},
    {Kind::Frame, "scltntray", -1, nullptr, "", kDefault, Back::Own, 2805, 1830, 1560, 2205, -1, flag::kDisabled},
    {Kind::ClickLabel, "numlbl", 0, "scltntray", "0", kPad, Back::LightRed, 465, 1620, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 1, "scltntray", "1", kPad, Back::LightRed, 45, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 2, "scltntray", "2", kPad, Back::LightRed, 465, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 3, "scltntray", "3", kPad, Back::LightRed, 885, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 4, "scltntray", "4", kPad, Back::LightRed, 45, 645, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 5, "scltntray", "5", kPad, Back::LightRed, 465, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 6, "scltntray", "6", kPad, Back::LightRed, 885, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 7, "scltntray", "7", kPad, Back::LightRed, 45, 1140, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 8, "scltntray", "8", kPad, Back::LightRed, 465, 1125, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, "numlbl", 9, "scltntray", "9", kPad, Back::LightRed, 885, 1125, 375, 450, -1, kPadFlags},
    //: The multiplication pad's clear key, about 40 pixels wide: it clears the answer
    //: typed so far (not "close"). A word where it fits, else an abbreviation.
    {Kind::Button, "Clrs", -1, "scltntray", QT_TRANSLATE_NOOP("Layout", "Cls."), kBold825, Back::System, 885, 1620, 600, 510, 34, flag::kPadKey},
};

constexpr ControlSpec kTopic[] = {
    {Kind::Button, "maths1", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "Numora - 1"), kDefault, Back::System, 345, 600, 2145, 300, 0},
    {Kind::Button, "algebra1", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "algebra - 1"), kDefault, Back::System, 360, 1125, 2145, 315, 1},
    {Kind::Button, "extgm", -1, nullptr, QT_TRANSLATE_NOOP("Layout", "&Exit "), kArial975Bold, Back::System, 4170, 3240, 810, 330, 2, 0, QT_TRANSLATE_NOOP("Layout", " Exit game")},
};

}  // namespace

Layout main() { return {{4500, 4635}, kMain}; }
Layout multiplication() { return {{4500, 4170}, kMult}; }
Layout topic() { return {{5175, 3765}, kTopic}; }

}  // namespace numora::layouts
