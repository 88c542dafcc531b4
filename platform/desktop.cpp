#include "desktop.h"
#include "url_handler.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <stdexcept>
#include <utility>
#include <vector>

namespace numora::platform {

// Watches for the first exposure of any window of ours, then hands the kept
// addresses over from the event loop, once that exposure's paint has been
// flushed to the display.
class DesktopUrlOpener::Hold : public QObject {
public:
    Hold(const HandOver& handOver, std::function<void()> lateFailure)
        : handOver_(handOver), lateFailure_(std::move(lateFailure))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    // Whatever is still kept goes now; too late to tell anyone it failed.
    ~Hold() override { release(false); }

    bool holding() const { return holding_; }
    void keep(const QUrl& address) { kept_.push_back(address); }

    // Hand over what was kept; from now on open() opens at once.
    void release(bool report = true)
    {
        if (!holding_) return;
        holding_ = false;
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
        if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;  // nobody left to open it
        bool failed = false;
        for (const QUrl& address : std::exchange(kept_, {}))
            failed |= !handOver_(address);
        if (failed && report && lateFailure_) lateFailure_();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::Expose && holding_ && !released_ && watched->isWindowType()
            && static_cast<QWindow*>(watched)->isExposed()) {
            released_ = true;
            // Queued behind the paint this exposure is about to trigger.
            QTimer::singleShot(0, this, [this] { release(); });
        }
        return false;
    }

private:
    const HandOver& handOver_;
    std::function<void()> lateFailure_;
    std::vector<QUrl> kept_;
    bool holding_ = true;
    bool released_ = false;  // the release is queued
};

DesktopUrlOpener::DesktopUrlOpener(HandOver handOver) : handOver_(std::move(handOver))
{
    if (!handOver_) handOver_ = [](const QUrl& address) { return QDesktopServices::openUrl(address); };
}

DesktopUrlOpener::~DesktopUrlOpener() = default;

void DesktopUrlOpener::holdUntilFirstPaint(std::function<void()> lateFailure)
{
    hold_ = std::make_unique<Hold>(handOver_, std::move(lateFailure));
}

bool DesktopUrlOpener::open(const std::string& url)
{
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid()) return false;
    // Kept only when the handover is sure to find a handler; else only Qt can
    // tell whether one will do: ask it now.
    if (hold_ && hold_->holding() && webHandlerPresent()) {
        hold_->keep(address);
        return true;
    }
    return handOver_(address);
}

BackgroundDownloader::~BackgroundDownloader()
{
    if (worker_.joinable()) worker_.join();
}

void BackgroundDownloader::download(const std::string& url, const std::string& path, Done done)
{
    if (worker_.joinable()) worker_.join();  // the last one has delivered its outcome
    worker_ = std::thread([this, url, path, done = std::move(done)]() mutable {
        online::Download outcome = online::Download::Unavailable;
        try {
            blocking_.download(url, path, [&outcome](online::Download d) { outcome = d; });
        } catch (...) {
            // out of memory, or no thread to be had inside libcurl: no download
        }
        // `done` goes to the asking thread whole: what it holds is that thread's.
        QMetaObject::invokeMethod(
            &receiver_, [done = std::move(done), outcome] { done(outcome); }, Qt::QueuedConnection);
    });
}

std::string DocumentsFolders::documents()
{
    const QString path = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (path.isEmpty() || !QFileInfo(path).isDir())
        throw std::runtime_error("no documents folder");
    return QFile::encodeName(path).toStdString();
}

namespace {

struct Wording {
    const char* prompt;
    const char* title;
};

// The maker's name stays as it is.
Wording wording(online::Message m)
{
    using online::Message;
    switch (m) {
    case Message::InternetRequiredAtStart:
        return {//: Message box as the program starts without an Internet connection; the program then ends.
                QT_TRANSLATE_NOOP("Message", "Active Internet connection required."),
                //: Title of the message box "Active Internet connection required.". KORVELLAN is the maker's
                //: name and stays as is.
                QT_TRANSLATE_NOOP("Message", "KORVELLAN : Internet Required.")};
    case Message::InstalledFilesMissing:
        return {//: Message box when the maker's welcome page cannot be opened as the program starts: reinstall,
                //: or contact the maker. KORVELLAN is the maker's name and stays as is.
                QT_TRANSLATE_NOOP("Message", "Installed files missing run setup again. Contact KORVELLAN"), "KORVELLAN"};
    case Message::InternetRequiredForItem:
        return {//: Message box when the File menu's "Check for updates..." or "Download Glimmerquiz Game" finds
                //: no Internet connection.
                QT_TRANSLATE_NOOP("Message", "Active Internet connection is required."),
                //: Title of the message box "Active Internet connection is required.". KORVELLAN is the maker's
                //: name and stays as is.
                QT_TRANSLATE_NOOP("Message", "KORVELLAN : Internet connection required.")};
    case Message::UpdatesAvailable:
        return {//: Message box after the File menu's "Check for updates..." when a newer version exists: the
                //: player writes to the maker for its address.
                QT_TRANSLATE_NOOP("Message", "updates available. Send email for the link to download Updates"), "KORVELLAN"};
    case Message::NoUpdates:
        return {//: Message box after the File menu's "Check for updates...": this is the newest version.
                QT_TRANSLATE_NOOP("Message", "No updates available."),
                //: Title of the message box "No updates available.". KORVELLAN is the maker's
                //: name and stays as is.
                QT_TRANSLATE_NOOP("Message", "KORVELLAN : Update")};
    case Message::ServerDown:
        return {//: Message box after the File menu's "Check for updates..." when the maker's server cannot
                //: tell: try again later.
                QT_TRANSLATE_NOOP("Message", "Server down check later."), "KORVELLAN"};
    case Message::PageNotOpened:
        return {//: Message box when the desktop cannot open a web page (the donation button's, or that of
                //: "Download Glimmerquiz Game").
                QT_TRANSLATE_NOOP("Message", "The web page could not be opened."), "KORVELLAN"};
    }
    return {"", "KORVELLAN"};
}

QString prompt(online::Message m) { return QCoreApplication::translate("Message", wording(m).prompt); }

QString title(online::Message m) { return QCoreApplication::translate("Message", wording(m).title); }

}  // namespace

void MessageBoxNotifier::inform(online::Message m)
{
    // A window that is not on view yet (the offline start) would place the box
    // where it is going to be; the screen's centre is the honest place then.
    QWidget* over = owner_ ? owner_() : nullptr;
    if (over && !over->isVisible()) over = nullptr;
    QMessageBox box(QMessageBox::Information, title(m), prompt(m), QMessageBox::Ok, over);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void AppCursor::setBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace numora::platform
