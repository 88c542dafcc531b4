// The desktop's side of the platform services: Qt for the browser hand-over,
// the documents folder, message boxes and the application-wide cursor.
#pragma once

#include <QPointer>
#include <QWidget>

#include "services.h"

namespace numora::online {

class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override;
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
