// The desktop's side of the online features' services: Qt for the browser
// hand-over, the download's worker thread, the documents folder, message boxes
// and the application-wide cursor.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <thread>

#include "services.h"

class QWidget;

namespace numora::platform {

class DesktopUrlOpener : public online::UrlOpener {
public:
    // Gives an address to the desktop; false when nothing took it.
    using HandOver = std::function<bool(const QUrl&)>;
    // `handOver` is QDesktopServices::openUrl unless given.
    explicit DesktopUrlOpener(HandOver handOver = {});
    ~DesktopUrlOpener() override;
    DesktopUrlOpener(const DesktopUrlOpener&) = delete;
    DesktopUrlOpener& operator=(const DesktopUrlOpener&) = delete;

    // Handing an address over forks a helper, which before the first paint
    // delays the window by a good part of a bare window's start-up. From now on
    // until a window of ours has been painted, open() only checks that the
    // helper is there and keeps the address; it is handed over just after that
    // paint (or, should no window ever be painted, when this object goes).
    // `lateFailure` runs if that hand-over then fails after all.
    void holdUntilFirstPaint(std::function<void()> lateFailure);

    bool open(const std::string& url) override;

private:
    class Hold;
    HandOver handOver_;
    std::unique_ptr<Hold> hold_;
};

// Runs a blocking downloader on a worker thread, so that the windows keep
// painting and answering their desktop (and its screen reader) meanwhile. The
// worker touches nothing but the download; the outcome comes back through the
// event loop of the thread that asked.
class BackgroundDownloader : public online::Downloader {
public:
    explicit BackgroundDownloader(online::Downloader& blocking) : blocking_(blocking) {}
    // Waits for a download still running; its outcome is dropped.
    ~BackgroundDownloader() override;
    BackgroundDownloader(const BackgroundDownloader&) = delete;
    BackgroundDownloader& operator=(const BackgroundDownloader&) = delete;

    // One download at a time: the windows wait for each.
    void download(const std::string& url, const std::string& path, Done done) override;

private:
    online::Downloader& blocking_;
    std::thread worker_;
    QObject receiver_;  // of the asking thread: delivers the outcome there
};

class DocumentsFolders : public online::Folders {
public:
    // Throws when the user has no documents folder.
    std::string documents() override;
};

class MessageBoxNotifier : public online::Notifier {
public:
    // `owner` names the window whose handler is running: a box is modal over it
    // and centred on it. Without one on view, the box is centred on the screen.
    void setOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
    void inform(online::Message m) override;

private:
    std::function<QWidget*()> owner_;
};

class AppCursor : public online::Cursor {
public:
    ~AppCursor() override { setBusy(false); }
    // Each override pushed is popped once, however often it is asked for.
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

}  // namespace numora::platform
