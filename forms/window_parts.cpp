#include "window_parts.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>

#include "controls.h"

namespace numora {

namespace {

class FocusOutFilter : public QObject {
public:
    FocusOutFilter(QObject* parent, std::function<void()> f) : QObject(parent), f_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) f_();
        return false;
    }

private:
    std::function<void()> f_;
};

}  // namespace

void onClick(Controls& c, const char* name, std::function<void()> handler)
{
    auto* b = c.as<QPushButton>(name);
    QObject::connect(b, &QPushButton::clicked, b, [b, handler] {
        if (b->focusPolicy() != Qt::NoFocus && !b->hasFocus()) b->setFocus(Qt::ShortcutFocusReason);
        handler();
    });
}

void onPadClick(Controls& c, int index, std::function<void()> handler)
{
    auto* l = c.as<ClickLabel>("numlbl", index);
    QObject::connect(l, &ClickLabel::clicked, l, handler);
}

void onTrayKey(Controls& c, int index, std::function<void(int)> handler)
{
    auto* t = c.as<PictureBox>("tray", index);
    QObject::connect(t, &PictureBox::keyDown, t, handler);
}

void onLevelList(Controls& c, std::function<void(const QString&)> changed, std::function<void()> lostFocus)
{
    auto* combo = c.as<QComboBox>("gmlvlscbo");
    QObject::connect(combo, &QComboBox::currentTextChanged, combo, changed);
    combo->installEventFilter(new FocusOutFilter(combo, std::move(lostFocus)));
}

void setText(Controls& c, const char* name, int index, const std::string& text)
{
    auto* l = c.as<QLabel>(name, index);
    const QString t = QString::fromStdString(text);
    if (l->text() != t) l->setText(t);
}

void renderLevelList(Controls& c, const std::vector<std::string>& items, const std::string& text, bool enabled)
{
    auto* combo = c.as<QComboBox>("gmlvlscbo");
    QStringList want;
    for (const auto& i : items) want << QString::fromStdString(i);
    QStringList have;
    for (int i = 0; i < combo->count(); ++i) have << combo->itemText(i);
    // Rendering must not echo back as a choice of the player.
    const QSignalBlocker block(combo);
    if (want != have) {
        combo->clear();
        combo->addItems(want);
    }
    const int idx = combo->findText(QString::fromStdString(text), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (combo->currentIndex() != idx) combo->setCurrentIndex(idx);
    combo->setEnabled(enabled);
}

QColor backColour(Colour c)
{
    switch (c) {
    case Colour::LightGreen: return QColor(kLightGreen.r, kLightGreen.g, kLightGreen.b);
    case Colour::LightOrange: return QColor(kLightOrange.r, kLightOrange.g, kLightOrange.b);
    case Colour::ButtonFace: break;
    }
    return buttonFace();
}

}  // namespace numora
