#include "texts.h"

#include <iterator>

#include <QCoreApplication>

namespace numora::texts {

namespace {

QString translated(const char* text) { return QCoreApplication::translate("Game", text); }
QString translated(const char* text, int n) { return QCoreApplication::translate("Game", text, nullptr, n); }

}  // namespace

QString status(Status s)
{
    switch (s.kind) {
    //: The status line as the window opens, before any game: the player may pick a number
    //: on the number pad. In play the same line reads "Click number to select.".
    case Status::Kind::ClickToSelect: return translated(QT_TRANSLATE_NOOP("Game", "Click to select number."));
    //: The status line in play, while picks still count: click a number of the number pad.
    //: Before any game the same line reads "Click to select number.".
    case Status::Kind::ClickNumber: return translated(QT_TRANSLATE_NOOP("Game", "Click number to select."));
    //: After too many picks on one puzzle: "refresh" means that the next puzzle comes
    //: (use the word of "New puzzle."); %1 is the seconds left, "Sec." abbreviates seconds.
    case Status::Kind::LockedOut:
        return translated(QT_TRANSLATE_NOOP(
                              "Game", "You have exceeded maximum number of attempts. Wait will refresh in %1 Sec."))
            .arg(s.seconds);
    //: The multiplication window's status line: seconds until the next puzzle replaces this
    //: one (use the word of "New puzzle."); "Sec." abbreviates seconds.
    case Status::Kind::Refreshing: return translated(QT_TRANSLATE_NOOP("Game", "Refreshing in %1 Sec.")).arg(s.seconds);
    }
    return {};
}

QString caption(Caption c, const QString& title)
{
    if (c.kind == Caption::Kind::Title) return title;
    //: The window title in play: seconds until the next puzzle replaces this one (use the
    //: word of "New puzzle."). %1 can reach 0, and below while the window is minimised.
    return translated(QT_TRANSLATE_NOOP("Game", "KORVELLAN - Refreshing in - %1")).arg(c.seconds);
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
    return translated(QT_TRANSLATE_NOOP("Game", "Level - %1(%2 Sec.)")).arg(index + 1).arg(seconds);
}

QString spoken(Status s)
{
    switch (s.kind) {
    case Status::Kind::LockedOut:
        //: Spoken by a screen reader for the status line's "Wait will refresh in 7 Sec."
        return translated(QT_TRANSLATE_N_NOOP("Game", "You have exceeded maximum number of attempts. Wait will refresh in %n second(s)."),
                          s.seconds);
    //: Spoken by a screen reader for the status line's "Refreshing in 7 Sec."
    case Status::Kind::Refreshing: return translated(QT_TRANSLATE_N_NOOP("Game", "Refreshing in %n second(s)."), s.seconds);
    case Status::Kind::ClickToSelect:
    case Status::Kind::ClickNumber: break;
    }
    return {};
}

QString spoken(Caption c)
{
    if (c.kind == Caption::Kind::Title) return {};
    //: Spoken by a screen reader for the title "KORVELLAN - Refreshing in - 7".
    return translated(QT_TRANSLATE_N_NOOP("Game", "KORVELLAN: Refreshing in %n second(s)."), c.seconds);
}

QString spokenLevel(int index, int seconds)
{
    //: Spoken by a screen reader for the level list's entry "Level - 1(11 Sec.)".
    return translated(QT_TRANSLATE_N_NOOP("Game", "Level %1, %n second(s)"), seconds).arg(index + 1);
}

QString entry(std::optional<std::int16_t> value) { return value ? QString::number(*value) : QString(); }

QString news(News n)
{
    static const char* const sought[] = {QT_TRANSLATE_NOOP("Game", "Product of the top row."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the bottom row."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the right column."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the left column.")};
    switch (n.kind) {
    case News::Kind::Dealt: return translated(QT_TRANSLATE_NOOP("Game", "New puzzle."));
    case News::Kind::Solved: return translated(QT_TRANSLATE_NOOP("Game", "Solved!"));
    case News::Kind::Completed: return translated(QT_TRANSLATE_NOOP("Game", "All four found!"));
    case News::Kind::LockedOut: return spoken(Status{Status::Kind::LockedOut, n.number});  // as the status line says it
    case News::Kind::Stopped: return translated(QT_TRANSLATE_NOOP("Game", "Stopped."));
    case News::Kind::ProductSought:
        // Four products; any other number says nothing rather than read past the table.
        return n.number >= 0 && n.number < std::ssize(sought) ? translated(sought[n.number]) : QString();
    case News::Kind::ProductFound: return translated(QT_TRANSLATE_NOOP("Game", "%1 is right!")).arg(n.number);
    }
    return {};
}

}  // namespace numora::texts
