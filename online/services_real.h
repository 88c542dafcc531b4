// The desktop's side of the platform services: Qt for the browser hand-over,
// the documents folder, message boxes and the application-wide cursor.
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

#include "services.h"

namespace numora::online {

class DesktopUrlOpener : public UrlOpener {
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

class DocumentsFolders : public Folders {
public:
    std::string documents() override;
};

class MessageBoxNotifier : public Notifier {
public:
    // The window the boxes are centred on and modal to; none by default.
    void setParent(QWidget* parent) { parent_ = parent; }
    void inform(const std::string& prompt, const std::string& title) override;

private:
    QPointer<QWidget> parent_;  // the main window comes and goes; the notifier stays
};

class AppCursor : public Cursor {
public:
    ~AppCursor() override { setBusy(false); }
    // Each override pushed is popped once, however often it is asked for.
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

}  // namespace numora::online
