#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QLibraryInfo>
#include <QTranslator>

#include "system_services.h"

namespace numora {

namespace {

const QString kFolder = QStringLiteral(":/i18n");

// "fr_CA.UTF-8@euro" -> "fr_CA"; a script ("sr_Latn") is dropped, "-" reads as "_".
QString withoutExtras(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    QStringList parts = name.replace(QLatin1Char('-'), QLatin1Char('_')).split(QLatin1Char('_'), Qt::SkipEmptyParts);
    if (parts.size() > 2 && parts[1].size() == 4) parts.removeAt(1);
    return parts.mid(0, 2).join(QLatin1Char('_'));
}

// The translations that may serve an entry of the list, best first: its own
// region, then its language. Chinese goes by script (Taiwan, Hong Kong and Macau
// write the traditional characters), and two older codes name the same
// languages as ours: "no" Norwegian Bokmål, "iw" Hebrew.
QStringList candidates(const QString& name)
{
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    const QString region = name.section(QLatin1Char('_'), 1, 1);
    if (language == QLatin1String("zh"))
        return {QStringList{"TW", "HK", "MO", "Hant"}.contains(region) ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN")};
    if (language == QLatin1String("no")) return {QStringLiteral("nb")};
    if (language == QLatin1String("iw")) return {QStringLiteral("he")};
    return {name, language};
}

}  // namespace

QStringList wantedLanguages(const std::function<QString(const char*)>& variable)
{
    QString messages;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages = variable(name); !messages.isEmpty()) break;
    const QString base = messages.section(QLatin1Char('.'), 0, 0);
    if (base.isEmpty() || base == QLatin1String("C") || base == QLatin1String("POSIX")) return {};
    QStringList wanted;
    for (const QString& entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts))
        wanted << withoutExtras(entry);
    wanted << withoutExtras(messages);
    return wanted;
}

QStringList wantedLanguages(const QStringList& uiLanguages)
{
    QStringList wanted;
    for (const QString& entry : uiLanguages) wanted << withoutExtras(entry);
    return wanted;
}

QString chooseLanguage(const QStringList& wanted, const std::function<bool(const QString&)>& ours)
{
    for (const QString& name : wanted) {
        if (name.section(QLatin1Char('_'), 0, 0) == QLatin1String("en")) return {};
        for (const QString& candidate : candidates(name))
            if (ours(candidate)) return candidate;
    }
    return {};
}

void installTranslations(const QString& language)
{
    static QTranslator qt, ours;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qt);
    // Windows built from now on read as the language writes: Arabic and Hebrew right to left.
    const bool loaded = !language.isEmpty() && ours.load(QStringLiteral("numora_") + language, kFolder);
    QGuiApplication::setLayoutDirection(loaded ? QLocale(language).textDirection() : Qt::LeftToRight);
    if (!loaded) return;
    // Qt's own texts (the OK button) in that very language, so that a window
    // never speaks two.
    if (qt.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qt);
    QCoreApplication::installTranslator(&ours);
}

void installUserLanguage()
{
    // English's own plural forms ("1 second"), beneath every language, which finds its own first.
    static QTranslator plurals;
    QCoreApplication::removeTranslator(&plurals);
    if (plurals.load(QStringLiteral("plurals_en"), kFolder)) QCoreApplication::installTranslator(&plurals);
    const auto ours = [](const QString& language) {
        return QFile::exists(kFolder + QStringLiteral("/numora_") + language + QStringLiteral(".qm"));
    };
    const QStringList wanted = platform::kLanguagesFromEnvironment
                                   ? wantedLanguages([](const char* name) { return qEnvironmentVariable(name); })
                                   : wantedLanguages(QLocale::system().uiLanguages());
    installTranslations(chooseLanguage(wanted, ours));
}

}  // namespace numora
