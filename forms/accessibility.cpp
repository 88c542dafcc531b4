#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <span>

#include "control_map.h"
#include "controls.h"
#include "game_window.h"

namespace numora {

namespace {

// A grid or factor cell: a picture the player types into, named by what it
// shows, so it can never say more than the picture does.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(PictureBox* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return spokenPicture(static_cast<PictureBox*>(widget())->shows());
        return QAccessibleWidget::text(t);
    }
};

// A number-pad key: a button named by its digit. Pressing it through
// accessibility does what a click does, and only when a click could happen: a
// disabled, hidden or minimised pad cannot be pressed, so the lock-out holds,
// and neither can a pad behind an open message box, whose handler is still running.
class PadKeyAccessible : public QAccessibleWidget {
public:
    explicit PadKeyAccessible(ClickLabel* l) : QAccessibleWidget(l, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) return;
        ClickLabel* l = label();
        if (l->isEnabled() && l->isVisible() && !l->window()->isMinimized() && !QApplication::activeModalWidget())
            Q_EMIT l->clicked();
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new CellAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new PadKeyAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

// What each control of a window is, by name; the members of an array in index order.
struct Described {
    const char* name;
    const char* descriptions[MainScreen::kCells];  // one for a single control
};

constexpr Described kMain[] = {
    {"tray", {"top row, left column", "top row, middle column", "top row, right column",  // row by row
              "middle row, left column", "middle row, middle column", "middle row, right column",
              "bottom row, left column", "bottom row, middle column", "bottom row, right column"}},
    // Rows top to bottom, then the columns from right to left, as they stand.
    {"sumdsply", {"sum of the top row", "sum of the middle row", "sum of the bottom row", "sum of the right column",
                  "sum of the middle column", "sum of the left column"}},
    {"strlbl", {"status"}},
};

constexpr Described kMult[] = {
    {"tray", {"factor, top left", "factor, top right", "factor, bottom left", "factor, bottom right"}},
    // In the order the player finds them.
    {"sumdsply", {"product of the top row", "product of the bottom row", "product of the right column",
                  "product of the left column"}},
    {"UserEntered", {"your answer"}},
    {"strlbl", {"status"}},
    {"Clrs", {"clears your answer"}},
};

// Descriptions cost a little at every load; they are made only once a screen
// reader listens, and then for the windows already loaded too.
class Describer : public QAccessible::ActivationObserver {
public:
    bool listening = false;
    void accessibilityActiveChanged(bool active) override
    {
        listening = active;
        if (!active) return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<GameWindow*>(w)) window->describe();
    }
};

Describer describer;

void describe(ControlMap& c, std::span<const Described> table)
{
    if (!describer.listening && !QAccessible::isActive()) return;
    for (const auto& [name, descriptions] : table) {
        const bool array = descriptions[1] != nullptr;
        for (std::size_t i = 0; i < std::size(descriptions) && descriptions[i]; ++i)
            if (QWidget* w = c.get(name, array ? static_cast<int>(i) : -1))
                w->setAccessibleDescription(QString::fromLatin1(descriptions[i]));
    }
    // The pad's frame has no caption of its own; the level list is named by its
    // current entry, and says what it is in its description.
    if (QWidget* pad = c.get("scltntray")) pad->setAccessibleName(QStringLiteral("number pad"));
    if (QWidget* level = c.get("gmlvlscbo")) level->setAccessibleDescription(QStringLiteral("level"));
    for (QWidget* key : c.array<QWidget>("numlbl")) key->setAccessibleDescription(QStringLiteral("number pad"));
}

}  // namespace

void installAccessibility()
{
    // Qt keeps one entry per factory, so a second call adds nothing.
    QAccessible::installFactory(factory);
    QAccessible::removeActivationObserver(&describer);
    QAccessible::installActivationObserver(&describer);
}

QString spokenPicture(Picture p)
{
    switch (p.kind) {
    case Picture::Kind::Digit: return QString::number(p.digit);
    case Picture::Kind::Placeholder: return QStringLiteral("hidden");
    case Picture::Kind::Empty: break;
    }
    return QStringLiteral("empty");
}

void describeMainWindow(ControlMap& c) { describe(c, kMain); }
void describeMultWindow(ControlMap& c) { describe(c, kMult); }

}  // namespace numora
