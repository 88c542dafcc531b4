#include "control_map.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QGlyphRun>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "controls.h"

namespace numora {

namespace {

QString translatedCaption(const ControlSpec& s)
{
    return (s.flags & flag::kVerbatim) ? QString::fromLatin1(s.caption)
                                       : QCoreApplication::translate("Layout", s.caption, s.meaning);
}

bool drawsAll(const QFont& font, const QString& text)
{
    const QFontMetrics fm(font);
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return c == QLatin1Char('&') || fm.inFont(c); });
}

QWidget* makeWidget(const ControlSpec& s, QWidget* parent)
{
    const QString caption = translatedCaption(s);
    switch (s.kind) {
    case Kind::Button: return new QPushButton(caption, parent);
    case Kind::Combo: return new QComboBox(parent);
    case Kind::Label: return new QLabel(caption, parent);
    case Kind::ClickLabel: return new ClickLabel(caption, parent);
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
    switch (b) {
    case Back::Transparent:
    case Back::System: return;
    case Back::Own: break;  // the button face, inherited while the window has it
    case Back::White: setColour(w, Qt::white); break;
    case Back::LightRed: setColour(w, kLightRed); break;
    }
    w->setAutoFillBackground(true);
}

// Captions in the window-text colour also while the control is disabled.
void keepCaptionColour(QWidget* w)
{
    QPalette p = w->palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, p.color(QPalette::Active, QPalette::WindowText));
    w->setPalette(p);
}

// How far the marks of `text` rise above the top of its line: Devanagari's and
// Arabic's, drawn from a font taller than the designed one, would be cut off a
// label that writes from its top edge.
int inkAboveLine(const QFont& font, const QString& text)
{
    // The designed fonts' own scripts (Latin, Greek, Cyrillic) stay within the line.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x0590; })) return 0;
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    qreal top = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (qsizetype i = 0; i < run.glyphIndexes().size(); ++i)
            top = std::min(top, run.rawFont().boundingRect(run.glyphIndexes()[i]).translated(run.positions()[i]).top());
    return static_cast<int>(std::ceil(-top));
}

// The controls that write the sum: the cells, their signs and figures, and the
// answer being typed.
bool writesTheSum(Control c)
{
    return c == Control::Cells || c == Control::PlusSigns || c == Control::Signs || c == Control::Figures
           || c == Control::Entry;
}

// Where a control stands across its parent, in twips. Right to left the window
// mirrors, as Qt mirrors what it lays out itself; but a sum reads left to right
// in those languages too (and the rules name its right column), so the sum moves
// to the other side as one block, and the pad's keys keep their places in the pad.
class Across {
public:
    Across(const QWidget* client, std::span<const ControlSpec> specs)
        : mirrored_(client->isRightToLeft()), width_(client->width() * 15)
    {
        for (const auto& s : specs)
            if (!s.parent && writesTheSum(s.control)) {
                sumLeft_ = std::min(sumLeft_, s.left);
                sumRight_ = std::max(sumRight_, s.left + s.width);
            }
    }
    int left(const ControlSpec& s) const
    {
        if (!mirrored_ || s.parent) return s.left;
        if (writesTheSum(s.control)) return width_ - sumRight_ + (s.left - sumLeft_);
        return width_ - s.left - s.width;
    }

private:
    bool mirrored_;
    int width_;
    int sumLeft_ = std::numeric_limits<int>::max(), sumRight_ = 0;
};

}  // namespace

QWidget* ControlMap::build(QWidget* client, std::span<const ControlSpec> specs)
{
    entries_.clear();
    tabOrder_.clear();
    buttonFace_.clear();
    // Controls without a font of their own inherit the window's; the others share
    // one font object per design font.
    client->setFont(fontFor(font::kDefault));
    std::vector<std::pair<FontSpec, QFont>> fonts;
    std::vector<std::pair<int, QWidget*>> tabbed;
    const Across across(client, specs);
    for (const auto& s : specs) {
        QWidget* parent = s.parent ? get(*s.parent) : client;
        QWidget* w = makeWidget(s, parent);
        const QString name = QString::fromLatin1(objectName(s.control));
        w->setObjectName(s.index < 0 ? name : name + QLatin1Char('(') + QString::number(s.index) + QLatin1Char(')'));
        w->setGeometry(twips(across.left(s)), twips(s.top), twips(s.width), twips(s.height));
        if (s.font != font::kDefault) {
            // The decorative face has Latin letters only: a caption in another
            // script takes the plain face of the same size, whose letters fit.
            FontSpec chosen = s.font;
            if (chosen.face == Face::Papyrus && !drawsAll(fontFor(chosen), translatedCaption(s))) chosen.face = Face::Arial;
            auto f = std::find_if(fonts.begin(), fonts.end(), [&](const auto& p) { return p.first == chosen; });
            if (f == fonts.end()) f = fonts.insert(fonts.end(), {chosen, fontFor(chosen)});
            w->setFont(f->second);
        }
        paintBack(w, s.back);
        if (s.back == Back::Own) buttonFace_.push_back(w);
        if (s.flags & flag::kPadKey) keepCaptionColour(w);
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (s.flags & flag::kBorder) l->setFrameStyle(QFrame::Box | QFrame::Plain);
            l->setAlignment((s.flags & flag::kCentred) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
            l->setWordWrap(s.flags & flag::kWrap);
            if (!(s.flags & (flag::kCentred | flag::kWrap))) l->setContentsMargins(0, inkAboveLine(l->font(), l->text()), 0, 0);
        }
        if (s.toolTip) w->setToolTip(QCoreApplication::translate("Layout", s.toolTip));
        if (s.flags & flag::kDisabled) w->setEnabled(false);
        if (s.flags & flag::kHidden) w->hide();
        if (s.tab < 0) w->setFocusPolicy(Qt::NoFocus);
        else tabbed.emplace_back(s.tab, w);
        entries_.push_back({s.control, s.index, w});
    }
    // Labels are drawn on their container's surface, under every control that
    // is a window of its own (picture boxes, frames, buttons, lists), as the
    // layouts assume where a "+" or "X" touches a cell. Lowering them in reverse
    // keeps their own order among themselves.
    for (auto e = entries_.rbegin(); e != entries_.rend(); ++e)
        if (qobject_cast<QLabel*>(e->widget)) e->widget->lower();
    std::stable_sort(tabbed.begin(), tabbed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [tab, w] : tabbed) tabOrder_.push_back(w);
    for (std::size_t i = 1; i < tabOrder_.size(); ++i) QWidget::setTabOrder(tabOrder_[i - 1], tabOrder_[i]);
    return firstFocus();
}

QWidget* ControlMap::get(Control c, int index) const
{
    for (const Entry& e : entries_)
        if (e.index == index && e.control == c) return e.widget;
    return nullptr;
}

QWidget* ControlMap::firstFocus() const
{
    for (QWidget* w : tabOrder_)
        if (w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus) return w;
    return nullptr;
}

}  // namespace numora
