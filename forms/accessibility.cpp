#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <span>

#include "controls.h"
#include "layout.h"

namespace numora {

namespace {

// A grid or factor cell: a picture the player types into. Its name is set by
// whoever shows the picture (see spokenPicture), so it can never say more than
// the picture does.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
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
        return new CellAccessible(static_cast<QWidget*>(object));
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new PadKeyAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

struct Described {
    const char* name;
    int index;
    const char* description;
};

// Cells 0..8 of the grid, row by row.
constexpr Described kMain[] = {
    {"tray", 0, "top row, left column"},
    {"tray", 1, "top row, middle column"},
    {"tray", 2, "top row, right column"},
    {"tray", 3, "middle row, left column"},
    {"tray", 4, "middle row, middle column"},
    {"tray", 5, "middle row, right column"},
    {"tray", 6, "bottom row, left column"},
    {"tray", 7, "bottom row, middle column"},
    {"tray", 8, "bottom row, right column"},
    // Rows top to bottom, then the columns from right to left, as they stand.
    {"sumdsply", 0, "sum of the top row"},
    {"sumdsply", 1, "sum of the middle row"},
    {"sumdsply", 2, "sum of the bottom row"},
    {"sumdsply", 3, "sum of the right column"},
    {"sumdsply", 4, "sum of the middle column"},
    {"sumdsply", 5, "sum of the left column"},
    {"strlbl", -1, "status"},
};

constexpr Described kMult[] = {
    {"tray", 0, "factor, top left"},
    {"tray", 1, "factor, top right"},
    {"tray", 2, "factor, bottom left"},
    {"tray", 3, "factor, bottom right"},
    // In the order the player finds them.
    {"sumdsply", 0, "product of the top row"},
    {"sumdsply", 1, "product of the bottom row"},
    {"sumdsply", 2, "product of the right column"},
    {"sumdsply", 3, "product of the left column"},
    {"UserEntered", -1, "your answer"},
    {"strlbl", -1, "status"},
    {"Clrs", -1, "clears your answer"},
};

void describe(Controls& c, std::span<const Described> table, int padKeys)
{
    for (const auto& d : table)
        if (QWidget* w = c.get(QString::fromLatin1(d.name), d.index))
            w->setAccessibleDescription(QString::fromLatin1(d.description));
    // The pad's frame has no caption of its own; the level list is named by its
    // current entry, and says what it is in its description.
    if (QWidget* pad = c.get(QStringLiteral("scltntray"))) pad->setAccessibleName(QStringLiteral("number pad"));
    if (QWidget* level = c.get(QStringLiteral("gmlvlscbo"))) level->setAccessibleDescription(QStringLiteral("level"));
    for (int i = 0; i < padKeys; ++i)
        if (QWidget* key = c.get(QStringLiteral("numlbl"), i))
            key->setAccessibleDescription(QStringLiteral("number pad"));
}

}  // namespace

void installAccessibility()
{
    // Qt keeps one entry per factory, so a second call adds nothing.
    QAccessible::installFactory(factory);
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

void describeMainWindow(Controls& c) { describe(c, kMain, 9); }
void describeMultWindow(Controls& c) { describe(c, kMult, 10); }

}  // namespace numora
