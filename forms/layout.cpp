#include "layout.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "controls.h"

namespace numora {

void installFontSubstitutes()
{
    // Liberation Sans has Arial's metrics; it also stands in for MS Sans Serif,
    // whose captions it fits. Berenika is Debian's decorative font closest to Papyrus.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
    QFont::insertSubstitution("Papyrus", "Berenika");
}

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
    static const QString arial = installedOr("Arial", "Liberation Sans");
    static const QString msSansSerif = installedOr("MS Sans Serif", "Liberation Sans");
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

namespace {

QWidget* makeWidget(const ControlSpec& s, QWidget* parent)
{
    switch (s.kind) {
    case Kind::Button: return new QPushButton(QString::fromUtf8(s.caption), parent);
    case Kind::Combo: return new QComboBox(parent);
    case Kind::Label: return new QLabel(QString::fromUtf8(s.caption), parent);
    case Kind::ClickLabel: return new ClickLabel(QString::fromUtf8(s.caption), parent);
    case Kind::Picture: return new PictureBox(parent);
    case Kind::Frame: {
        auto* f = new QFrame(parent);
        f->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return f;
    }
    }
    return nullptr;
}

void paintBack(QWidget* w, Back b)
{
    QColor c;
    switch (b) {
    case Back::Transparent:
    case Back::System: return;
    case Back::Own: c = buttonFace(); break;
    case Back::White: c = Qt::white; break;
    case Back::LightRed: c = QColor(255, 192, 192); break;
    }
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

QWidget* Controls::build(QWidget* client, std::span<const ControlSpec> specs)
{
    map_.clear();
    tabOrder_.clear();
    QVector<std::pair<int, QWidget*>> tabbed;
    for (const auto& s : specs) {
        QWidget* parent = s.parent ? get(QString::fromLatin1(s.parent)) : client;
        QWidget* w = makeWidget(s, parent);
        w->setObjectName(key(QString::fromLatin1(s.name), s.index));
        w->setGeometry(twips(s.left), twips(s.top), twips(s.width), twips(s.height));
        w->setFont(fontFor(s.font));
        paintBack(w, s.back);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (s.flags & flag::kBorder) l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->setAlignment((s.flags & flag::kCentred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
            l->setWordWrap(s.flags & flag::kWrap);
        }
        if (s.toolTip) w->setToolTip(QString::fromUtf8(s.toolTip));
        if (s.flags & flag::kDisabled) w->setEnabled(false);
        if (s.flags & flag::kHidden) w->hide();
        if (s.tab < 0) w->setFocusPolicy(Qt::NoFocus);
        else tabbed.push_back({s.tab, w});
        map_.insert(key(QString::fromLatin1(s.name), s.index), w);
    }
    // Labels are drawn on their container's surface, under every control that
    // is a window of its own (picture boxes, frames, buttons, lists), as the
    // layouts assume where a "+" or "X" touches a cell. Lowering them in reverse
    // keeps their own order among themselves.
    for (auto s = specs.rbegin(); s != specs.rend(); ++s)
        if (s->kind == Kind::Label || s->kind == Kind::ClickLabel) get(QString::fromLatin1(s->name), s->index)->lower();
    std::stable_sort(tabbed.begin(), tabbed.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [tab, w] : tabbed) tabOrder_.push_back(w);
    for (int i = 1; i < tabOrder_.size(); ++i) QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    return firstFocus();
}

QWidget* Controls::firstFocus() const
{
    for (QWidget* w : tabOrder_)
        if (w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus) return w;
    return nullptr;
}

}  // namespace numora
