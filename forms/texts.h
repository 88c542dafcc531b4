// The program's texts for what the games say as kinds and numbers.
#pragma once

#include <QString>
#include <optional>

#include "common/screen.h"

namespace numora::texts {

QString status(Status s);
// `title` is the window's own caption.
QString caption(Caption c, const QString& title);
QString figure(Figure f);
QString level(int index, int seconds);
QString entry(std::optional<std::int16_t> value);

// What a screen reader hears where the screen abbreviates ("7 Sec.", "in - 7",
// "(11 Sec.)"): the seconds as a word in the language's plural forms. Empty
// where the screen's own text reads as it should.
QString spoken(Status s);
QString spoken(Caption c);
QString spokenLevel(int index, int seconds);
// What a screen reader says of `n`.
QString news(News n);

}  // namespace numora::texts
