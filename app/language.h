// Which language the program speaks: the user's own list of languages, read
// the way gettext reads it, walked in order.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace numora {

// The user's languages, most wanted first, from the environment that `variable`
// reads: LANGUAGE, then the message locale (LC_ALL, LC_MESSAGES or LANG). A C
// or POSIX message locale wants only the English the code is written in, and
// then the list is empty, whatever LANGUAGE says.
QStringList wantedLanguages(const std::function<QString(const char*)>& variable);
// The same from a system's own list of display languages, most wanted first
// ("ar-SA", "zh-Hant-TW"): Windows keeps it in the user's settings.
QStringList wantedLanguages(const QStringList& uiLanguages);

// The first of `wanted` that is English or one `ours` has ("fr", "pt_BR"): a
// language with its region where we have that region ("pt_BR"), else the
// language alone ("fr_CA" finds "fr", "pt_PT" finds nothing). Empty for English.
QString chooseLanguage(const QStringList& wanted, const std::function<bool(const QString&)>& ours);

// The program's texts, and Qt's own, in `language` (one of ours); English for
// any other, the empty one included.
void installTranslations(const QString& language);

// What the program does at start-up: the user's list (the environment's, or the
// system's where it keeps one) against the translations built into the program.
void installUserLanguage();

}  // namespace numora
