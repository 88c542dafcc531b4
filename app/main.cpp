#include <QApplication>

#include "desktop.h"
#include "desktop_platform.h"
#include "session.h"
#include "system_services.h"

int main(int argc, char* argv[])
{
    std::vector<char*> args = numora::argumentsForDesktop(argc, argv);
    int count = int(args.size()) - 1;
    QApplication app(count, args.data());
    numora::configureApplication();

    // The system's own services (platform/linux or platform/windows, as built).
    numora::platform::SystemConnectivity connectivity;
    numora::platform::DesktopUrlOpener opener;
    numora::platform::SystemDownloader blocking;
    numora::platform::BackgroundDownloader downloader(blocking);
    numora::platform::SystemFolders folders;
    numora::platform::MessageBoxNotifier notifier;
    numora::platform::AppCursor cursor;

    numora::RunState state;
    numora::ClockRandom random;
    numora::Session session({connectivity, opener, downloader, folders, notifier, cursor}, state, random,
                            QApplication::applicationDirPath() + QStringLiteral("/numpic"),
                            [] { QCoreApplication::quit(); });
    // A message box is shown over the window whose handler shows it.
    notifier.setOwner([&session] { return session.dispatcher().window(); });
    // The welcome page goes to the browser just after the first paint, not before it;
    // should that hand-over fail after all, the player hears it as from the load step,
    // after any handler that is still running.
    opener.holdUntilFirstPaint([&session, &notifier] {
        numora::Dispatcher& d = session.dispatcher();
        d.afterHandler([&d, &session, &notifier] {
            d.run(session.windows().window(numora::Window::Main),
                  [&notifier] { notifier.inform(numora::online::Message::InstalledFilesMissing); });
        });
    });
    // When the load step closes the main window there is no event loop to quit.
    if (!session.start()) return 0;
    return QApplication::exec();
}
