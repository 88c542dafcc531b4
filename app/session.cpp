#include "session.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QStyle>
#include <QStyleFactory>

#include "accessibility.h"
#include "language.h"
#include "main_form.h"
#include "multiplication_form.h"
#include "topic_form.h"
#include "version.h"

namespace numora {

namespace {

// Fonts shipped in a folder beside the program: the Windows build carries the
// designs' decorative font (Berenika) and Liberation Sans there, as Windows has
// neither. A Linux install has no such folder; Debian's packages provide them.
void addShippedFonts()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(name));
}

}  // namespace

void configureApplication()
{
    // Desktops match our windows to the launcher, and so to its icon, by this id (on Wayland by nothing else).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korvellan.Numora"));
    // The program ends by its own rule (no window loaded), not Qt's.
    QApplication::setQuitOnLastWindowClosed(false);
    // The same look on every desktop: the designs' button face and controls.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    addShippedFonts();
    installUserLanguage();
    installAccessibility();
}

Session::Session(online::Services services, RunState& state, RandomSource& random, const QString& picturesFolder,
                 std::function<void()> onEnd, online::Addresses addresses)
    : state_(state), online_(services, std::move(addresses),
                             online::versionKey(NUMORA_VERSION_MAJOR, NUMORA_VERSION_MINOR, NUMORA_VERSION_PATCH)),
      pictures_(picturesFolder, dispatcher_, services.notifier),
      windows_(dispatcher_,
               {[this, &random] { return std::make_unique<MainForm>(dispatcher_, windows_, Play{state_, random, pictures_}, online_); },
                [this, &random] { return std::make_unique<MultiplicationForm>(dispatcher_, windows_, Play{state_, random, pictures_}); },
                [this] { return std::make_unique<TopicForm>(dispatcher_, windows_); }},
               std::move(onEnd))
{
    dispatcher_.setIdleCheck([this] { windows_.handlerFinished(); });
}

bool Session::start()
{
    dispatcher_.run(nullptr, [this] { windows_.show(Window::Main); });
    return !windows_.ended();
}

}  // namespace numora
