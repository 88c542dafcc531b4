#include "texts.h"

#include <cstdlib>
#include <iterator>

#include <QCoreApplication>
#include <QRegularExpression>

namespace numora::texts {

namespace {

// A text of the Game context with its count. Qt fills in %n only for a count
// of zero or more; below zero (a minimised window's countdown goes on) the
// form for the count's size is chosen, and the number Qt wrote gets its sign.
QString counted(const char* text, int n)
{
    if (n >= 0) return QCoreApplication::translate("Game", text, nullptr, n);
    const int size = std::abs(n);
    QString said = QCoreApplication::translate("Game", text, nullptr, size);
    // The count as written, not a digit of %1 or of another number.
    const QRegularExpression written(QStringLiteral("(?<![%\\d])%1(?!\\d)").arg(size));
    return said.replace(written, QString::number(n));
}

}  // namespace

QString status(Status s)
{
    switch (s.kind) {
    //: The status line as the window opens, before any game: the player may pick a number on the
    //: number pad; in play it reads "Click number to select.". 83 px wide (99 px in the
    //: multiplication window), bold 8.25 pt, wraps.
    case Status::Kind::ClickToSelect: return QCoreApplication::translate("Game", "Click to select number.");
    //: The status line at each new puzzle and after Stop: click a number of the number pad. Before
    //: any game it reads "Click to select number.". 83 px wide (99 px in the multiplication
    //: window), bold 8.25 pt, wraps.
    case Status::Kind::ClickNumber: return QCoreApplication::translate("Game", "Click number to select.");
    //: The main window's status line after too many picks on one puzzle (83 px wide, bold 8.25 pt,
    //: wraps): "refresh" means that the next puzzle comes (use the word of "New puzzle.");
    //: %1 is the seconds left, "Sec." abbreviates seconds.
    case Status::Kind::LockedOut:
        return QCoreApplication::translate("Game", "You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.")
            .arg(s.seconds);
    //: The multiplication window's status line (99 px wide, bold 8.25 pt, wraps): %1 is the seconds
    //: until the next puzzle replaces this one (use the word of "New puzzle."); "Sec." abbreviates seconds.
    case Status::Kind::Refreshing: return QCoreApplication::translate("Game", "Refreshing in %1 Sec.").arg(s.seconds);
    }
    return {};
}

QString caption(Caption c, const QString& title)
{
    if (c.kind == Caption::Kind::Title) return title;
    //: The game windows' title in play, in a 300 px window's title bar: %1 is the seconds until the next
    //: puzzle (use the word of "New puzzle."); it can reach 0, and below while the window is minimised.
    //: KORVELLAN is the maker's name and stays as is.
    return QCoreApplication::translate("Game", "KORVELLAN - Refreshing in - %1").arg(c.seconds);
}

QString figure(Figure f)
{
    switch (f.kind) {
    case Figure::Kind::Number: return QString::number(f.value);
    // A product still to find, and the dots it blinks to: signs, the same in every language.
    case Figure::Kind::Unknown: return QStringLiteral("?");
    case Figure::Kind::Blink: return QStringLiteral("...");
    }
    return {};
}

QString level(int index, int seconds)
{
    //: An entry of the level list, a drop-down list 118 px wide in both game windows: %1 is the
    //: level's number, %2 its seconds per puzzle; "Sec." abbreviates seconds.
    return QCoreApplication::translate("Game", "Level - %1(%2 Sec.)").arg(index + 1).arg(seconds);
}

QString spoken(Status s)
{
    switch (s.kind) {
    case Status::Kind::LockedOut:
        //: Spoken by a screen reader for the status line's "Wait will refresh in 7 Sec.", never shown;
        //: %n is the seconds left.
        return counted(QT_TRANSLATE_N_NOOP("Game", "You have exceeded maximum number of attempts. Wait will refresh in %n second(s)."),
                       s.seconds);
    //: Spoken by a screen reader for the status line's "Refreshing in 7 Sec.", never shown;
    //: %n is the seconds until the next puzzle.
    case Status::Kind::Refreshing: return counted(QT_TRANSLATE_N_NOOP("Game", "Refreshing in %n second(s)."), s.seconds);
    case Status::Kind::ClickToSelect:
    case Status::Kind::ClickNumber: break;
    }
    return {};
}

QString spoken(Caption c)
{
    if (c.kind == Caption::Kind::Title) return {};
    //: Spoken by a screen reader for the title "KORVELLAN - Refreshing in - 7", never shown; %n is
    //: the seconds until the next puzzle. KORVELLAN is the maker's name and stays as is.
    return counted(QT_TRANSLATE_N_NOOP("Game", "KORVELLAN: Refreshing in %n second(s)."), c.seconds);
}

QString spokenLevel(int index, int seconds)
{
    //: Spoken by a screen reader for the level list's entry "Level - 1(11 Sec.)", never shown;
    //: %1 is the level's number, %n its seconds per puzzle.
    return counted(QT_TRANSLATE_N_NOOP("Game", "Level %1, %n second(s)"), seconds).arg(index + 1);
}

QString entry(std::optional<std::int16_t> value) { return value ? QString::number(*value) : QString(); }

QString news(News n)
{
    static const char* const sought[] = {
        //: Spoken by a screen reader, never shown: the multiplication game's next product to find.
        QT_TRANSLATE_NOOP("Game", "Product of the top row."),
        //: Spoken by a screen reader, never shown: the multiplication game's next product to find.
        QT_TRANSLATE_NOOP("Game", "Product of the bottom row."),
        //: Spoken by a screen reader, never shown: the multiplication game's next product to find.
        QT_TRANSLATE_NOOP("Game", "Product of the right column."),
        //: Spoken by a screen reader, never shown: the multiplication game's next product to find.
        QT_TRANSLATE_NOOP("Game", "Product of the left column.")};
    switch (n.kind) {
    //: Spoken by a screen reader, never shown: a new puzzle has replaced the last one.
    case News::Kind::Dealt: return QCoreApplication::translate("Game", "New puzzle.");
    //: Spoken by a screen reader, never shown: the player has found both missing numbers.
    case News::Kind::Solved: return QCoreApplication::translate("Game", "Solved!");
    //: Spoken by a screen reader, never shown: all four products of the multiplication puzzle are found.
    case News::Kind::Completed: return QCoreApplication::translate("Game", "All four found!");
    case News::Kind::LockedOut: return spoken(Status{Status::Kind::LockedOut, n.number});  // as the status line says it
    //: Spoken by a screen reader, never shown: the player pressed Stop and the game has ended.
    case News::Kind::Stopped: return QCoreApplication::translate("Game", "Stopped.");
    case News::Kind::ProductSought:
        // Four products; any other number says nothing rather than read past the table.
        return n.number >= 0 && n.number < std::ssize(sought) ? QCoreApplication::translate("Game", sought[n.number]) : QString();
    //: Spoken by a screen reader, never shown: a product the player typed is right; %1 is that product.
    case News::Kind::ProductFound: return QCoreApplication::translate("Game", "%1 is right!").arg(n.number);
    }
    return {};
}

}  // namespace numora::texts
