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
constexpr const char* kPauseNote = kAlike[0][1];
constexpr const char* kUprightNote = kAlike[1][1];

// A translator note (//:) stands right before its text inside a row: lupdate drops
// a note that a brace, such as the empty parent "{}", separates from its text.
constexpr ControlSpec kMain[] = {
    {Kind::Button, Control::StartButton, -1, {},
     //: Button of both game windows that starts a game: 118 px wide, 9.75 pt. The & marks its
     //: access key, distinct from that of "&Exit " and never E (Alt+E leaves the game in English).
     QT_TRANSLATE_NOOP("Layout", "&Start Numora"), kArial975, Back::System, 90, 75, 1770, 495, 0, 0,
     //: Tool tip of the "&Start Numora" button, which starts a game.
     QT_TRANSLATE_NOOP("Layout", "Start New game")},
    {Kind::Button, Control::StopButton, -1, {},
     //: Button of both game windows that stops the game under way: 38 px wide.
     QT_TRANSLATE_NOOP("Layout", "Stop"), kDefault, Back::System, 1935, 135, 570, 360, 2},
    {Kind::Button, Control::PauseButton, -1, {}, "II", kArial975Bold, Back::System, 2610, 135, 315, 345, 3, flag::kHidden,
     //: Tool tip of the small pause button of the game windows, which shows "II" (kept hidden for now).
     QT_TRANSLATE_NOOP("Layout", "Pause"), kPauseNote},
    {Kind::Button, Control::ExitButton, -1, {},
     //: Button that closes the window (the main window's also ends the program): 54 px wide,
     //: bold 9.75 pt. The & marks its access key, distinct from that of "&Start Numora" and never S.
     QT_TRANSLATE_NOOP("Layout", "&Exit "), kArial975Bold, Back::System, 3600, 135, 810, 330, 4, 0,
     //: Tool tip of the "&Exit " button, which closes the window.
     QT_TRANSLATE_NOOP("Layout", " Exit game")},
    {Kind::Combo, Control::LevelList, -1, {}, "", kDefault, Back::System, 2625, 585, 1770, 315, 16},
    {Kind::Label, Control::Instruction, -1, {},
     //: The main window's line above the grid, saying what to do: one line of 126 px.
     QT_TRANSLATE_NOOP("Layout", "Find the missing numbers."), kDefault, Back::Transparent, 135, 795, 1890, 270, -1},
    {Kind::Picture, Control::Cells, 0, {}, "", kDefault, Back::White, 165, 1110, 525, 585, 20},
    {Kind::Picture, Control::Cells, 1, {}, "", kDefault, Back::White, 870, 1110, 525, 585, 21},
    {Kind::Picture, Control::Cells, 2, {}, "", kDefault, Back::White, 1545, 1110, 525, 585, 22},
    {Kind::Picture, Control::Cells, 3, {}, "", kDefault, Back::White, 165, 1935, 525, 585, 23},
    {Kind::Picture, Control::Cells, 4, {}, "", kDefault, Back::White, 870, 1935, 525, 585, 24},
    {Kind::Picture, Control::Cells, 5, {}, "", kDefault, Back::White, 1545, 1935, 525, 585, 25},
    {Kind::Picture, Control::Cells, 6, {}, "", kDefault, Back::White, 165, 2745, 525, 585, 19},
    {Kind::Picture, Control::Cells, 7, {}, "", kDefault, Back::White, 870, 2745, 525, 585, 18},
    {Kind::Picture, Control::Cells, 8, {}, "", kDefault, Back::White, 1545, 2730, 525, 585, 17},
    {Kind::Label, Control::PlusSigns, 0, {}, "+", kPlus, Back::Own, 720, 1275, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 1, {}, "+", kPlus, Back::Own, 1395, 1305, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 2, {}, "+", kPlus, Back::Own, 720, 2130, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 4, {}, "+", kPlus, Back::Own, 1410, 2115, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 5, {}, "+", kPlus, Back::Own, 720, 2955, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 6, {}, "+", kPlus, Back::Own, 1395, 2955, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 7, {}, "+", kPlus, Back::Own, 375, 1665, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 8, {}, "+", kPlus, Back::Own, 1080, 1665, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 9, {}, "+", kPlus, Back::Own, 1755, 1665, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 10, {}, "+", kPlus, Back::Own, 405, 2505, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 11, {}, "+", kPlus, Back::Own, 1080, 2505, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::PlusSigns, 12, {}, "+", kPlus, Back::Own, 1770, 2505, 150, 240, -1, flag::kVerbatim},
    {Kind::Label, Control::Figures, 0, {}, "0", kNumbers, Back::Transparent, 2205, 1245, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 1, {}, "0", kNumbers, Back::Transparent, 2205, 2100, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 2, {}, "0", kNumbers, Back::Transparent, 2205, 2880, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 3, {}, "0", kNumbers, Back::Transparent, 1575, 3420, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 4, {}, "0", kNumbers, Back::Transparent, 945, 3435, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 5, {}, "0", kNumbers, Back::Transparent, 225, 3435, 435, 330, -1, kFigureFlags},
    // Built before the frame so that the frame lies on top of it.
    {Kind::Label, Control::Status, -1, {},
     //: The status line as the window opens, before any game: the player may pick a number on the
     //: number pad; in play it reads "Click number to select.". 83 px wide (99 px in the
     //: multiplication window), bold 8.25 pt, wraps.
     QT_TRANSLATE_NOOP("Layout", "Click to select number."), kBold825, Back::Transparent, 2955, 1155, 1245, 2070, -1, flag::kWrap},
    {Kind::Frame, Control::Pad, -1, {}, "", kDefault, Back::Own, 2940, 1515, 1305, 1620, -1, flag::kDisabled},
    {Kind::ClickLabel, Control::PadKeys, 0, Control::Pad, "1", kPad, Back::LightRed, 45, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 1, Control::Pad, "2", kPad, Back::LightRed, 465, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 2, Control::Pad, "3", kPad, Back::LightRed, 885, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 3, Control::Pad, "4", kPad, Back::LightRed, 45, 645, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 4, Control::Pad, "5", kPad, Back::LightRed, 465, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 5, Control::Pad, "6", kPad, Back::LightRed, 885, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 6, Control::Pad, "7", kPad, Back::LightRed, 45, 1140, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 7, Control::Pad, "8", kPad, Back::LightRed, 465, 1125, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 8, Control::Pad, "9", kPad, Back::LightRed, 885, 1125, 375, 450, -1, kPadFlags},
    {Kind::Button, Control::DonateButton, -1, {},
     //: Button of the main window that opens the maker's donation page in the web browser: 155 px wide.
     QT_TRANSLATE_NOOP("Layout", "I would like to pay."), kDefault, Back::System, 1980, 4125, 2325, 330, 33},
    {Kind::Label, Control::HiddenLabel, -1, {}, "Label1", kDefault, Back::Transparent, 105, 225, 450, 495, -1, flag::kHidden | flag::kVerbatim},
};

constexpr ControlSpec kMultiplication[] = {
    {Kind::Button, Control::StartButton, -1, {},
     //: Button of both game windows that starts a game: 118 px wide, 9.75 pt. The & marks its
     //: access key, distinct from that of "&Exit " and never E (Alt+E leaves the game in English).
     QT_TRANSLATE_NOOP("Layout", "&Start Numora"), kPapyrus975, Back::System, 60, 150, 1785, 495, 4, 0,
     //: Tool tip of the "&Start Numora" button, which starts a game.
     QT_TRANSLATE_NOOP("Layout", "Start New game")},
    {Kind::Button, Control::StopButton, -1, {},
     //: Button of both game windows that stops the game under way: 38 px wide.
     QT_TRANSLATE_NOOP("Layout", "Stop"), kDefault, Back::System, 2025, 195, 570, 360, 0},
    {Kind::Button, Control::PauseButton, -1, {}, "II", kArial975Bold, Back::System, 2700, 195, 315, 345, 3, flag::kHidden,
     //: Tool tip of the small pause button of the game windows, which shows "II" (kept hidden for now).
     QT_TRANSLATE_NOOP("Layout", "Pause"), kPauseNote},
    {Kind::Button, Control::ExitButton, -1, {},
     //: Button that closes the window (the main window's also ends the program): 54 px wide,
     //: bold 9.75 pt. The & marks its access key, distinct from that of "&Start Numora" and never S.
     QT_TRANSLATE_NOOP("Layout", "&Exit "), kPapyrus975Bold, Back::System, 3615, 195, 810, 330, 2, 0,
     //: Tool tip of the "&Exit " button, which closes the window.
     QT_TRANSLATE_NOOP("Layout", " Exit game")},
    {Kind::Combo, Control::LevelList, -1, {}, "", kDefault, Back::System, 2610, 840, 1770, 315, 1},
    {Kind::Label, Control::Instruction, -1, {},
     //: The multiplication window's line above the square, saying what to do: one line of 148 px.
     QT_TRANSLATE_NOOP("Layout", "Find the multiplication numbers."), kDefault, Back::Transparent, 255, 1200, 2220, 270, -1},
    {Kind::Picture, Control::Cells, 0, {}, "", kDefault, Back::White, 285, 1545, 525, 585, 8},
    {Kind::Picture, Control::Cells, 1, {}, "", kDefault, Back::White, 975, 1545, 525, 585, 7},
    {Kind::Picture, Control::Cells, 2, {}, "", kDefault, Back::White, 285, 2325, 525, 585, 6},
    {Kind::Picture, Control::Cells, 3, {}, "", kDefault, Back::White, 975, 2325, 525, 585, 5},
    {Kind::Label, Control::Signs, 0, {}, "X", kBold825, Back::Own, 825, 1785, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 1, {}, "X", kBold825, Back::Own, 840, 2520, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 2, {}, "X", kBold825, Back::Own, 465, 2130, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 3, {}, "X", kBold825, Back::Own, 1155, 2130, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 4, {}, "=", kBold825, Back::Own, 1575, 1770, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 5, {}, "=", kBold825, Back::Own, 1560, 2505, 180, 195, -1, flag::kVerbatim},
    {Kind::Label, Control::Signs, 6, {}, "II", kBold825, Back::Own, 480, 2955, 180, 195, -1, 0, nullptr, kUprightNote},
    {Kind::Label, Control::Signs, 7, {}, "II", kBold825, Back::Own, 1185, 2985, 180, 195, -1, 0, nullptr, kUprightNote},
    {Kind::Label, Control::Figures, 0, {}, "?", kNumbers, Back::Own, 1860, 1725, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 1, {}, "?", kNumbers, Back::Own, 1860, 2445, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 2, {}, "?", kNumbers, Back::Own, 1035, 3285, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Figures, 3, {}, "?", kNumbers, Back::Own, 345, 3270, 435, 330, -1, kFigureFlags},
    {Kind::Label, Control::Entry, -1, {}, "0", kPad, Back::Transparent, 1755, 3225, 585, 450, -1, kPadFlags},
    // Built before the frame so that the frame lies on top of it.
    {Kind::Label, Control::Status, -1, {},
     //: The status line as the window opens, before any game: the player may pick a number on the
     //: number pad; in play it reads "Click number to select.". 83 px wide (99 px in the
     //: multiplication window), bold 8.25 pt, wraps.
     QT_TRANSLATE_NOOP("Layout", "Click to select number."), kBold825, Back::Transparent, 2730, 1410, 1485, 2130, -1, flag::kWrap},
    {Kind::Frame, Control::Pad, -1, {}, "", kDefault, Back::Own, 2805, 1830, 1560, 2205, -1, flag::kDisabled},
    {Kind::ClickLabel, Control::PadKeys, 0, Control::Pad, "0", kPad, Back::LightRed, 465, 1620, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 1, Control::Pad, "1", kPad, Back::LightRed, 45, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 2, Control::Pad, "2", kPad, Back::LightRed, 465, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 3, Control::Pad, "3", kPad, Back::LightRed, 885, 150, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 4, Control::Pad, "4", kPad, Back::LightRed, 45, 645, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 5, Control::Pad, "5", kPad, Back::LightRed, 465, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 6, Control::Pad, "6", kPad, Back::LightRed, 885, 630, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 7, Control::Pad, "7", kPad, Back::LightRed, 45, 1140, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 8, Control::Pad, "8", kPad, Back::LightRed, 465, 1125, 375, 450, -1, kPadFlags},
    {Kind::ClickLabel, Control::PadKeys, 9, Control::Pad, "9", kPad, Back::LightRed, 885, 1125, 375, 450, -1, kPadFlags},
    //: The multiplication pad's clear key, about 40 pixels wide: it clears the answer
    //: typed so far (not "close"). A word where it fits, else an abbreviation.
    {Kind::Button, Control::ClearButton, -1, Control::Pad, QT_TRANSLATE_NOOP("Layout", "Cls."), kBold825, Back::System, 885, 1620, 600, 510, 34, flag::kPadKey},
};

constexpr ControlSpec kTopic[] = {
    {Kind::Button, Control::MathsButton, -1, {},
     //: Button of the topic selector that opens the missing-numbers game: 143 px wide. Numora is
     //: the game's name; put the number after a space, as a screen reader reads the dash as "minus".
     QT_TRANSLATE_NOOP("Layout", "Numora - 1"), kDefault, Back::System, 345, 600, 2145, 300, 0},
    {Kind::Button, Control::AlgebraButton, -1, {},
     //: Button of the topic selector for an algebra topic this version does not have (it only
     //: closes the selector): 143 px wide. Put the number after a space, not after the dash.
     QT_TRANSLATE_NOOP("Layout", "algebra - 1"), kDefault, Back::System, 360, 1125, 2145, 315, 1},
    {Kind::Button, Control::ExitButton, -1, {},
     //: Button that closes the window (the main window's also ends the program): 54 px wide,
     //: bold 9.75 pt. The & marks its access key, distinct from that of "&Start Numora" and never S.
     QT_TRANSLATE_NOOP("Layout", "&Exit "), kArial975Bold, Back::System, 4170, 3240, 810, 330, 2, 0,
     //: Tool tip of the "&Exit " button, which closes the window.
     QT_TRANSLATE_NOOP("Layout", " Exit game")},
};

}  // namespace

Layout main() { return {{4500, 4635}, kMain}; }
Layout multiplication() { return {{4500, 4170}, kMultiplication}; }
Layout topic() { return {{5175, 3765}, kTopic}; }

}  // namespace numora::layouts

namespace numora {

const char* objectName(Control c)
{
    switch (c) {
    case Control::StartButton: return "strtGm";
    case Control::StopButton: return "stp";
    case Control::PauseButton: return "pose";
    case Control::ExitButton: return "extgm";
    case Control::DonateButton: return "denate_1";
    case Control::ClearButton: return "Clrs";
    case Control::MathsButton: return "maths1";
    case Control::AlgebraButton: return "algebra1";
    case Control::LevelList: return "gmlvlscbo";
    case Control::Instruction: return "Label2";
    case Control::Cells: return "tray";
    case Control::PlusSigns: return "PlusLbl";
    case Control::Signs: return "Label1";
    case Control::Figures: return "sumdsply";
    case Control::Status: return "strlbl";
    case Control::Pad: return "scltntray";
    case Control::PadKeys: return "numlbl";
    case Control::Entry: return "UserEntered";
    case Control::HiddenLabel: return "numdpsl";
    }
    return "";
}

}  // namespace numora
