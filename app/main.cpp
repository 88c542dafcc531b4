#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

#include "accessibility.h"
#include "connectivity.h"
#include "downloader.h"
#include "layout.h"
#include "services_real.h"
#include "session.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Desktops match our windows to the launcher, and so to its icon, by this id (on Wayland by nothing else).
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korvellan.Numora"));
    // The program ends by its own rule (no window loaded), not Qt's.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    numora::installFontSubstitutes();
    numora::installAccessibility();

    numora::online::RouteConnectivity connectivity;
    numora::online::DesktopUrlOpener opener;
    numora::online::CurlDownloader downloader;
    numora::online::DocumentsFolders folders;
    numora::online::MessageBoxNotifier notifier;
    numora::online::AppCursor cursor;
    numora::online::Services services{connectivity, opener, downloader, folders, notifier, cursor};

    numora::ClockRandom random;
    numora::Session session(services, random, QApplication::applicationDirPath() + QStringLiteral("/numpic"),
                            [] { QCoreApplication::quit(); });
    // The welcome page goes to the browser just after the first paint, not before it;
    // should that hand-over fail after all, the player hears it as from the load step.
    opener.holdUntilFirstPaint([&session, &notifier] {
        session.dispatcher().run([&notifier] {
            notifier.inform(numora::online::msg::kInstalledFilesMissing, numora::online::msg::kTitle);
        });
    });
    // When the load step closes the main window there is no event loop to quit.
    if (!session.start()) return 0;
    return QApplication::exec();
}
