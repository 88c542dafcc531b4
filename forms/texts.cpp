#include "texts.h"

#include <QCoreApplication>

namespace numora::texts {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("Game", text); }

}  // namespace

QString status(Status s)
{
    switch (s.kind) {
    case Status::Kind::ClickToSelect: return tr("Click to select number.");
    case Status::Kind::ClickNumber: return tr("Click number to select.");
    case Status::Kind::LockedOut:
        return tr("You have exceeded maximum number of attempts. Wait will refresh in %1 Sec.").arg(s.seconds);
    case Status::Kind::Refreshing: return tr("Refreshing in %1 Sec.").arg(s.seconds);
    }
    return {};
}

QString caption(Caption c, const QString& title)
{
    if (c.kind == Caption::Kind::Title) return title;
    return tr("KORVELLAN - Refreshing in - %1").arg(c.seconds);
}

QString figure(Figure f)
{
    switch (f.kind) {
    case Figure::Kind::Number: return QString::number(f.value);
    case Figure::Kind::Unknown: return QStringLiteral("?");
    case Figure::Kind::Blink: return QStringLiteral("...");
    }
    return {};
}

QString level(int index, int seconds) { return tr("Level - %1(%2 Sec.)").arg(index + 1).arg(seconds); }

QString entry(std::optional<std::int16_t> value) { return value ? QString::number(*value) : QString(); }

QString news(News n, const GameScreen& s)
{
    static const char* const sought[] = {QT_TRANSLATE_NOOP("Game", "Product of the top row."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the bottom row."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the right column."),
                                         QT_TRANSLATE_NOOP("Game", "Product of the left column.")};
    switch (n.kind) {
    case News::Kind::Dealt: return tr("New puzzle.");
    case News::Kind::Solved: return tr("Solved!");
    case News::Kind::Completed: return tr("All four found!");
    case News::Kind::LockedOut: return status(s.strlbl);  // as the status line reads it
    case News::Kind::Stopped: return tr("Stopped.");
    case News::Kind::ProductSought: return tr(sought[n.number]);
    case News::Kind::ProductFound: return tr("%1 is right!").arg(n.number);
    }
    return {};
}

}  // namespace numora::texts
