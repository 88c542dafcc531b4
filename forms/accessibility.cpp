#include "accessibility.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <span>

#include "control_map.h"
#include "form.h"
#include "screen_reader.h"
#include "texts.h"

namespace numora {

namespace {


// What the controls of a game window are, for the ear. A cell's description is
// its place, then the figures of its row and its column.
struct Words {
    std::span<const char* const> cells;    // each cell's place, row by row
    std::span<const char* const> figures;  // each sum or product, in index order
    const char* rowAndColumn;
    std::pair<std::size_t, std::size_t> (*figuresOf)(std::size_t cell);  // its row's and its column's
    std::span<const std::pair<Control, const char*>> others;              // the single controls
};

constexpr const char* kMainCells[] = {
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "top row, left column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "top row, middle column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "top row, right column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "middle row, left column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "middle row, middle column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "middle row, right column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "bottom row, left column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "bottom row, middle column"),
    //: Spoken by a screen reader, never shown: where a cell of the main window's 3-by-3 grid lies,
    //: said after its digit or "hidden" and before "Row sum: %1, column sum: %2.".
    QT_TRANSLATE_NOOP("Accessibility", "bottom row, right column")};
// Rows top to bottom, then the columns from right to left, as they stand.
constexpr const char* kMainSums[] = {
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the top row"),
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the middle row"),
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the bottom row"),
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the right column"),
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the middle column"),
    //: Spoken by a screen reader, never shown: names one of the sums beside and under the main
    //: window's grid.
    QT_TRANSLATE_NOOP("Accessibility", "sum of the left column")};
constexpr std::pair<Control, const char*> kStatus[] = {
    {Control::Status,
     //: Spoken by a screen reader, never shown: names the status line, which says what to do next
     //: or how long the puzzle lasts.
     QT_TRANSLATE_NOOP("Accessibility", "status")}};
constexpr Words kMain{kMainCells, kMainSums,
                      //: Spoken by a screen reader, never shown: after a grid cell's place, %1 is the sum
                      //: of its row and %2 that of its column (numbers).
                      QT_TRANSLATE_NOOP("Accessibility", "Row sum: %1, column sum: %2."),
                      [](std::size_t i) { return std::pair{i / 3, 5 - i % 3}; }, kStatus};

constexpr const char* kFactors[] = {
    //: Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication
    //: window's 2-by-2 square lies, said before "Row product %1, column product %2.".
    QT_TRANSLATE_NOOP("Accessibility", "factor, top left"),
    //: Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication
    //: window's 2-by-2 square lies, said before "Row product %1, column product %2.".
    QT_TRANSLATE_NOOP("Accessibility", "factor, top right"),
    //: Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication
    //: window's 2-by-2 square lies, said before "Row product %1, column product %2.".
    QT_TRANSLATE_NOOP("Accessibility", "factor, bottom left"),
    //: Spoken by a screen reader, never shown: where a factor (a digit) of the multiplication
    //: window's 2-by-2 square lies, said before "Row product %1, column product %2.".
    QT_TRANSLATE_NOOP("Accessibility", "factor, bottom right")};
// In the order the player finds them: the rows, the right column, the left.
constexpr const char* kProducts[] = {
    //: Spoken by a screen reader, never shown: names one of the products beside and under the
    //: multiplication window's square.
    QT_TRANSLATE_NOOP("Accessibility", "product of the top row"),
    //: Spoken by a screen reader, never shown: names one of the products beside and under the
    //: multiplication window's square.
    QT_TRANSLATE_NOOP("Accessibility", "product of the bottom row"),
    //: Spoken by a screen reader, never shown: names one of the products beside and under the
    //: multiplication window's square.
    QT_TRANSLATE_NOOP("Accessibility", "product of the right column"),
    //: Spoken by a screen reader, never shown: names one of the products beside and under the
    //: multiplication window's square.
    QT_TRANSLATE_NOOP("Accessibility", "product of the left column")};
constexpr std::pair<Control, const char*> kMultiplicationOthers[] = {
    {Control::Entry,
     //: Spoken by a screen reader, never shown: names the multiplication window's display of the
     //: answer being typed.
     QT_TRANSLATE_NOOP("Accessibility", "your answer")},
    {Control::Status,
     //: Spoken by a screen reader, never shown: names the status line, which says what to do next
     //: or how long the puzzle lasts.
     QT_TRANSLATE_NOOP("Accessibility", "status")},
    {Control::ClearButton,
     //: Spoken by a screen reader, never shown: what the multiplication pad's "Cls." key does.
     QT_TRANSLATE_NOOP("Accessibility", "clears your answer")}};
constexpr Words kMultiplication{kFactors, kProducts,
                                //: Spoken by a screen reader, never shown: after a factor's place, %1 is the product of
                                //: its row and %2 that of its column: its number, or the words for "not found yet"
                                //: (a gendered language agrees with "product").
                                QT_TRANSLATE_NOOP("Accessibility", "Row product %1, column product %2."),
                                [](std::size_t i) { return std::pair{i / 2, std::size_t{i % 2 == 0 ? 3u : 2u}}; },
                                kMultiplicationOthers};

// Descriptions cost a little at every load; they are made only once a screen
// reader listens, and then for the windows already loaded too. Qt tells this
// observer when that changes; QAccessible::isActive() says where it stood before.
class Listener : public QAccessible::ActivationObserver {
public:
    bool listening = false;
    void accessibilityActiveChanged(bool active) override
    {
        listening = active;
        if (!active) return;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = dynamic_cast<Describes*>(w)) form->describe();
    }
};

Listener listener;

// Qt tells screen readers of every description set, changed or not: a deal that
// set them all would flood a screen reader, which then drops what matters.
void describeAs(QWidget* w, const QString& description)
{
    if (w && w->accessibleDescription() != description) w->setAccessibleDescription(description);
}

}  // namespace

void installAccessibility()
{
    // Qt keeps one entry per factory, so a second call adds nothing.
    QAccessible::installFactory(accessibleInterface);
    QAccessible::removeActivationObserver(&listener);
    QAccessible::installActivationObserver(&listener);
    listener.listening = QAccessible::isActive();
}

QString spokenPicture(Picture p)
{
    switch (p.kind) {
    case Picture::Kind::Digit: return QString::number(p.digit);
    //: Spoken by a screen reader, never shown: a grid cell whose number the player must find,
    //: said in place of its digit.
    case Picture::Kind::Placeholder: return QCoreApplication::translate("Accessibility", "hidden");
    case Picture::Kind::Empty: break;
    }
    //: Spoken by a screen reader, never shown: a cell that shows no digit (before a game, after Stop).
    return QCoreApplication::translate("Accessibility", "empty");
}

bool listening() { return listener.listening; }

void describe(Window window, ControlMap& c, const GameScreen& s)
{
    if (!listening()) return;
    const Words& words = window == Window::Main ? kMain : kMultiplication;
    const auto said = [&](std::size_t k) {
        const Figure f = s.figures[k];
        //: Spoken by a screen reader, never shown: a product not found yet, in place of its number (%1 or
        //: %2 of "Row product %1, column product %2."); a gendered language agrees with "product".
        return f.kind == Figure::Kind::Number ? QString::number(f.value)
                                               : QCoreApplication::translate("Accessibility", "not found yet");
    };
    const auto fromTable = [](const char* text) { return QCoreApplication::translate("Accessibility", text); };
    for (std::size_t i = 0; i < words.cells.size(); ++i) {
        const auto [row, column] = words.figuresOf(i);
        describeAs(c.get(Control::Cells, static_cast<int>(i)),
                   fromTable(words.cells[i]) + QStringLiteral(". ") + fromTable(words.rowAndColumn).arg(said(row), said(column)));
    }
    for (std::size_t i = 0; i < words.figures.size(); ++i)
        describeAs(c.get(Control::Figures, static_cast<int>(i)), fromTable(words.figures[i]));
    for (const auto& [control, what] : words.others) describeAs(c.get(control), fromTable(what));
    // The pad's frame has no caption of its own; the level list is named by its
    // current entry, and says what it is in its description.
    //: Spoken by a screen reader, never shown: the name of the number pad, and what each of its keys
    //: belongs to.
    const QString pad = QCoreApplication::translate("Accessibility", "number pad");
    if (QWidget* frame = c.get(Control::Pad); frame && frame->accessibleName() != pad) frame->setAccessibleName(pad);
    for (QWidget* key : c.array<QWidget>(Control::PadKeys)) describeAs(key, pad);
    if (auto* level = qobject_cast<QComboBox*>(c.get(Control::LevelList))) {
        //: Spoken by a screen reader, never shown: says what the level list is (its name is the level
        //: chosen).
        describeAs(level, QCoreApplication::translate("Accessibility", "level"));
        for (std::size_t i = 0; i < s.levels.size(); ++i)
            if (const QString said = texts::spokenLevel(static_cast<int>(i), s.levels[i]);
                level->itemData(static_cast<int>(i), Qt::AccessibleTextRole) != said)
                level->setItemData(static_cast<int>(i), said, Qt::AccessibleTextRole);
    }
}

void speakAs(QWidget* w, const QString& spoken)
{
    if (w->accessibleName() != spoken) w->setAccessibleName(spoken);
}

void speakAs(QAction* a, const QString& spoken) { a->setProperty(kSpoken, spoken); }

void renamed(QWidget* w, const QString& name)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.4's AT-SPI bridge sends the object in place of the new name.
    if (platform::sendAccessibleName(w, name)) return;
#endif
    QAccessibleEvent e(w, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&e);
}

void announce(QWidget* window, const QString& sentence)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt 6.8 no bridge can send a sentence to be spoken. Orca 43 speaks a
    // change of the active window's name: the sentence goes as its name, and
    // Qt's own event then has the real title read again. Without that channel
    // the sentence is not spoken.
    if (!platform::sendAccessibleName(window, sentence)) return;
    QAccessibleEvent e(window, QAccessible::NameChanged);
#else
    QAccessibleAnnouncementEvent e(window, sentence);
#endif
    QAccessible::updateAccessibility(&e);
}

}  // namespace numora
