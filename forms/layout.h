// Windows are built from tables: one row per control, measures in twips
// (15 twips to a logical pixel), as the window designs give them. Captions and
// tool tips are translated (context "Layout"), digits and signs aside
// (flag::kVerbatim): they read the same in every language.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <cstdint>
#include <optional>
#include <span>

#include "common/screen.h"

class QWidget;

namespace numora {

enum class Kind { Button, Combo, Label, ClickLabel, Picture, Frame };

// The windows' controls by what they are. A control array (the cells, the
// figures, the pad's keys ...) is one Control; its members have an index.
enum class Control : std::uint8_t {
    StartButton, StopButton, PauseButton, ExitButton, DonateButton, ClearButton,
    MathsButton, AlgebraButton,  // the topic selector's
    LevelList,
    Instruction,  // the line that says what to find
    Cells,        // the picture cells: the grid, or the factors
    PlusSigns,
    Signs,        // the multiplication window's "X", "=" and upright equals signs
    Figures,      // the sums or products
    Status,
    Pad,          // the number pad's frame
    PadKeys,
    Entry,        // the answer being typed
    HiddenLabel,  // an unused label, never shown
};

// The object name (QObject::objectName) of a control, as the window designs
// named it; an array member's adds its index in brackets. The old names stay
// because they are stable identifiers (failure messages, the accessibility
// tree); layouts.cpp spells them, and nothing else does.
const char* objectName(Control c);

enum class Face { Default, Arial, MsSansSerif, Papyrus };

struct FontSpec {
    Face face = Face::Default;  // Default: the window's MS Sans Serif 8.25
    double points = 8.25;
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// Fonts and flags both game windows use.
namespace font {
inline constexpr FontSpec kDefault{};
inline constexpr FontSpec kBold825{Face::MsSansSerif, 8.25, true};
inline constexpr FontSpec kArial975{Face::Arial, 9.75, false};
inline constexpr FontSpec kArial975Bold{Face::Arial, 9.75, true};
inline constexpr FontSpec kPapyrus975{Face::Papyrus, 9.75, false};
inline constexpr FontSpec kPapyrus975Bold{Face::Papyrus, 9.75, true};
inline constexpr FontSpec kPlus{Face::MsSansSerif, 12, true};
inline constexpr FontSpec kNumbers{Face::Arial, 15.75, true};  // sums and products
inline constexpr FontSpec kPad{Face::MsSansSerif, 18, true};
}  // namespace font

enum class Back {
    Transparent,  // shows the window's background, whatever the game paints there
    Own,          // the button face, kept when the game recolours the window
    White,
    LightRed,
    System        // a control that draws itself (buttons, the list)
};

namespace flag {
inline constexpr unsigned kHidden = 1;
inline constexpr unsigned kBorder = 2;
inline constexpr unsigned kCentred = 4;
inline constexpr unsigned kWrap = 8;
inline constexpr unsigned kDisabled = 16;
inline constexpr unsigned kPadKey = 32;  // a disabled pad takes no clicks but keeps the key's look
inline constexpr unsigned kVerbatim = 64;  // digits and signs: the same in every language, not translated
}  // namespace flag

inline constexpr unsigned kPadFlags = flag::kBorder | flag::kCentred | flag::kPadKey | flag::kVerbatim;
inline constexpr unsigned kFigureFlags = flag::kCentred | flag::kVerbatim;  // sums and products

struct ControlSpec {
    Kind kind;
    Control control;
    int index;                      // -1: not part of a control array
    std::optional<Control> parent;  // none: the window's client area
    const char* caption;
    FontSpec font;
    Back back;
    int left, top, width, height;  // twips
    int tab;                       // -1: takes no focus
    unsigned flags = 0;
    const char* toolTip = nullptr;
    const char* meaning = nullptr;  // tells translators apart captions that read alike
};

constexpr int twips(int t) { return t / 15; }

QFont fontFor(const FontSpec& f);
QColor buttonFace();
QColor colourOf(Colour c);
inline const QColor kLightRed(255, 192, 192);  // the number pads

// The background colour of a control, set where it changes; with `hold`, also
// where the control only inherits that colour, so that it keeps it.
void setColour(QWidget* w, const QColor& c, bool hold = false);

// The three windows as designed (layouts.cpp).
namespace layouts {
struct Layout {
    QSize client;  // twips
    std::span<const ControlSpec> controls;
};
Layout main();
Layout multiplication();
Layout topic();
}  // namespace layouts

}  // namespace numora
