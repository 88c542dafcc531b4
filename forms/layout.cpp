#include "layout.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace numora {

namespace {

// The family to ask for: the designed one where it is installed, else its
// stand-in by name. A family that is not installed would cost a fontconfig
// fallback search for each font made from it, a few milliseconds of start-up.
QString installedOr(const char* wanted, const char* standIn)
{
    static const QStringList installed = QFontDatabase::families();
    const QString family = QString::fromLatin1(wanted);
    return installed.contains(family, Qt::CaseInsensitive) ? family : QString::fromLatin1(standIn);
}

}  // namespace

QFont fontFor(const FontSpec& f)
{
    // Liberation Sans has Arial's metrics; it also stands in for MS Sans Serif,
    // whose captions it fits, wherever MS Sans Serif is found too: on Windows it
    // is a bitmap font that cannot follow 125 % to 200 % scaling, and Wine's
    // outline copy is wider than the captions allow. Berenika is Debian's
    // decorative font closest to Papyrus.
    static const QString arial = installedOr("Arial", "Liberation Sans");
    static const QString msSansSerif = QStringLiteral("Liberation Sans");
    static const QString papyrus = installedOr("Papyrus", "Berenika");
    QFont font(f.face == Face::Arial ? arial : f.face == Face::Papyrus ? papyrus : msSansSerif);
    // Sized in pixels at 96 dots per inch, like the twips geometry, so captions
    // keep fitting their controls whatever DPI the display reports. MS Sans Serif
    // is narrower than its stand-in: a tenth smaller keeps its captions inside
    // their controls.
    const double scale = f.face == Face::Arial || f.face == Face::Papyrus ? 1.0 : 0.9;
    font.setPixelSize(static_cast<int>(std::lround(f.points * 96.0 / 72.0 * scale)));
    font.setBold(f.bold);
    return font;
}

QColor buttonFace() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

QColor colourOf(Colour c)
{
    switch (c) {
    case Colour::LightGreen: return {192, 255, 192};
    case Colour::LightOrange: return {255, 224, 192};
    case Colour::ButtonFace: break;
    }
    return buttonFace();
}

void setColour(QWidget* w, const QColor& c, bool hold)
{
    if (w->palette().color(QPalette::Window) == c && !hold) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
}

}  // namespace numora
