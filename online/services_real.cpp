#include "services_real.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUrl>

#include <stdexcept>

namespace numora::online {

bool DesktopUrlOpener::open(const std::string& url)
{
    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    return address.isValid() && QDesktopServices::openUrl(address);
}

std::string DocumentsFolders::documents()
{
    const QString path = QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (path.isEmpty() || !QFileInfo(path).isDir())
        throw std::runtime_error("no documents folder");
    return QFile::encodeName(path).toStdString();
}

void MessageBoxNotifier::inform(const std::string& prompt, const std::string& title)
{
    QMessageBox box(QMessageBox::Information, QString::fromStdString(title), QString::fromStdString(prompt),
                    QMessageBox::Ok, parent_.data());
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

}  // namespace numora::online
