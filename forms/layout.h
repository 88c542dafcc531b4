// Windows are built from tables: one row per control, measures in twips
// (15 twips to a logical pixel), as the window designs give them.
#pragma once

#include <QColor>
#include <QFont>
#include <QMap>
#include <QString>
#include <QVector>
#include <QWidget>
#include <span>

namespace numora {

enum class Kind { Button, Combo, Label, ClickLabel, Picture, Frame };

enum class Face { Default, Arial, MsSansSerif, Papyrus };

struct FontSpec {
    Face face = Face::Default;  // Default: the window's MS Sans Serif 8.25
    double points = 8.25;
    bool bold = false;
};

// Fonts and flags both game windows use.
namespace font {
inline constexpr FontSpec kDefault{};
inline constexpr FontSpec kBold825{Face::MsSansSerif, 8.25, true};
inline constexpr FontSpec kArial975Bold{Face::Arial, 9.75, true};
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
}  // namespace flag

inline constexpr unsigned kPadFlags = flag::kBorder | flag::kCentred;

struct ControlSpec {
    Kind kind;
    const char* name;
    int index;           // -1: not part of a control array
    const char* parent;  // nullptr: the window's client area
    const char* caption;
    FontSpec font;
    Back back;
    int left, top, width, height;  // twips
    int tab;                       // -1: takes no focus
    unsigned flags = 0;
    const char* toolTip = nullptr;
};

constexpr int twips(int t) { return t / 15; }

QFont fontFor(const FontSpec& f);
QColor buttonFace();
void installFontSubstitutes();

// The controls of one loaded window, by name and index.
class Controls {
public:
    // Builds every control of `specs` inside `client`, sets the tab order and
    // returns the first control in it that can take the focus.
    QWidget* build(QWidget* client, std::span<const ControlSpec> specs);

    QWidget* get(const QString& name, int index = -1) const { return map_.value(key(name, index)); }
    template <class T>
    T* as(const QString& name, int index = -1) const { return static_cast<T*>(get(name, index)); }

    // The first control in the tab order that can take the focus now.
    QWidget* firstFocus() const;

private:
    static QString key(const QString& name, int index) { return index < 0 ? name : name + "(" + QString::number(index) + ")"; }
    QMap<QString, QWidget*> map_;
    QVector<QWidget*> tabOrder_;
};

}  // namespace numora
