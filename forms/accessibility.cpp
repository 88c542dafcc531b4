#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLabel>
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

QString translated(const char* text) { return QCoreApplication::translate("Accessibility", text); }

// What each control of a window is, by name; the members of an array in index order.
struct Described {
    const char* name;
    const char* descriptions[MainScreen::kCells];  // one for a single control
};

// The cells row by row; their descriptions go on with what the sums or products say.
constexpr Described kMain[] = {
    {"tray", {QT_TRANSLATE_NOOP("Accessibility", "top row, left column"), QT_TRANSLATE_NOOP("Accessibility", "top row, middle column"),
              QT_TRANSLATE_NOOP("Accessibility", "top row, right column"), QT_TRANSLATE_NOOP("Accessibility", "middle row, left column"),
              QT_TRANSLATE_NOOP("Accessibility", "middle row, middle column"), QT_TRANSLATE_NOOP("Accessibility", "middle row, right column"),
              QT_TRANSLATE_NOOP("Accessibility", "bottom row, left column"), QT_TRANSLATE_NOOP("Accessibility", "bottom row, middle column"),
              QT_TRANSLATE_NOOP("Accessibility", "bottom row, right column")}},
    // Rows top to bottom, then the columns from right to left, as they stand.
    {"sumdsply", {QT_TRANSLATE_NOOP("Accessibility", "sum of the top row"), QT_TRANSLATE_NOOP("Accessibility", "sum of the middle row"),
                  QT_TRANSLATE_NOOP("Accessibility", "sum of the bottom row"), QT_TRANSLATE_NOOP("Accessibility", "sum of the right column"),
                  QT_TRANSLATE_NOOP("Accessibility", "sum of the middle column"), QT_TRANSLATE_NOOP("Accessibility", "sum of the left column")}},
    {"strlbl", {QT_TRANSLATE_NOOP("Accessibility", "status")}},
};

constexpr Described kMult[] = {
    {"tray", {QT_TRANSLATE_NOOP("Accessibility", "factor, top left"), QT_TRANSLATE_NOOP("Accessibility", "factor, top right"),
              QT_TRANSLATE_NOOP("Accessibility", "factor, bottom left"), QT_TRANSLATE_NOOP("Accessibility", "factor, bottom right")}},
    // In the order the player finds them.
    {"sumdsply", {QT_TRANSLATE_NOOP("Accessibility", "product of the top row"), QT_TRANSLATE_NOOP("Accessibility", "product of the bottom row"),
                  QT_TRANSLATE_NOOP("Accessibility", "product of the right column"), QT_TRANSLATE_NOOP("Accessibility", "product of the left column")}},
    {"UserEntered", {QT_TRANSLATE_NOOP("Accessibility", "your answer")}},
    {"strlbl", {QT_TRANSLATE_NOOP("Accessibility", "status")}},
    {"Clrs", {QT_TRANSLATE_NOOP("Accessibility", "clears your answer")}},
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

// Qt tells screen readers of every description set, changed or not: a deal that
// set them all would flood a screen reader, which then drops what matters.
void describeAs(QWidget* w, const QString& description)
{
    if (w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

void describe(ControlMap& c, std::span<const Described> table)
{
    for (const auto& [name, descriptions] : table) {
        const bool array = descriptions[1] != nullptr;
        for (std::size_t i = 0; i < std::size(descriptions) && descriptions[i]; ++i)
            if (QWidget* w = c.get(name, array ? static_cast<int>(i) : -1)) describeAs(w, translated(descriptions[i]));
    }
    // The pad's frame has no caption of its own; the level list is named by its
    // current entry, and says what it is in its description.
    const QString pad = translated(QT_TRANSLATE_NOOP("Accessibility", "number pad"));
    if (QWidget* frame = c.get("scltntray"); frame && frame->accessibleName() != pad) frame->setAccessibleName(pad);
    if (QWidget* level = c.get("gmlvlscbo")) describeAs(level, translated(QT_TRANSLATE_NOOP("Accessibility", "level")));
    for (QWidget* key : c.array<QWidget>("numlbl")) describeAs(key, pad);
}

// A cell's description goes on with the figures of its row and its column: a
// number, or a product not found yet.
void describeCells(ControlMap& c, const char* const* places, const char* rowAndColumn, auto figuresOf)
{
    const auto cells = c.array<QWidget>("tray");
    const auto figures = c.array<QLabel>("sumdsply");
    const auto said = [&](std::size_t k) {
        bool number = false;
        figures[k]->text().toInt(&number);
        return number ? figures[k]->text() : translated(QT_TRANSLATE_NOOP("Accessibility", "not found yet"));
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto [row, column] = figuresOf(i);
        describeAs(cells[i],
                   translated(places[i]) + QStringLiteral(". ") + translated(rowAndColumn).arg(said(row), said(column)));
    }
}

// Sends the name of `o` to screen readers with the name itself in the event:
// Qt 6.4's AT-SPI bridge sends the object instead, which Orca cannot speak. It
// goes out on the bridge's own connection; without one, nothing is listening.
bool sendName(QObject* o, const QString& name)
{
    QDBusConnection bridge(QStringLiteral("a11y"));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    if (!bridge.isConnected() || !i) return false;
    QDBusMessage m = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(i)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    m << QStringLiteral("accessible-name") << 0 << 0 << QVariant::fromValue(QDBusVariant(name)) << QVariantMap();
    return bridge.send(m);
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
    case Picture::Kind::Placeholder: return translated(QT_TRANSLATE_NOOP("Accessibility", "hidden"));
    case Picture::Kind::Empty: break;
    }
    return translated(QT_TRANSLATE_NOOP("Accessibility", "empty"));
}

bool listening() { return describer.listening || QAccessible::isActive(); }

void describeMainWindow(ControlMap& c)
{
    if (!listening()) return;
    describe(c, std::span(kMain).subspan(1));
    // Rows are summed in sumdsply(0..2); the columns, right to left, in sumdsply(3..5).
    describeCells(c, kMain[0].descriptions, QT_TRANSLATE_NOOP("Accessibility", "Row sum %1, column sum %2."),
                  [](std::size_t i) { return std::pair{i / 3, 5 - i % 3}; });
}

void describeMultWindow(ControlMap& c)
{
    if (!listening()) return;
    describe(c, std::span(kMult).subspan(1));
    // The rows' products are sumdsply(0, 1), the right column's 2, the left's 3.
    describeCells(c, kMult[0].descriptions, QT_TRANSLATE_NOOP("Accessibility", "Row product %1, column product %2."),
                  [](std::size_t i) { return std::pair{i / 2, i % 2 == 0 ? std::size_t{3} : std::size_t{2}}; });
}

void renamed(QWidget* w, const QString& name)
{
    if (sendName(w, name)) return;
    QAccessibleEvent e(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

void announce(QWidget* window, const QString& sentence)
{
    // Orca 43 speaks a change of the active window's name, and nothing else that
    // Qt 6.4 can send a sentence with. Qt's own event then has the real title read again.
    if (!sendName(window, sentence)) return;
    QAccessibleEvent e(window, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

}  // namespace numora
