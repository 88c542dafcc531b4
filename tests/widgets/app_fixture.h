// The whole program with fake platform services: windows, navigation and games.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "controls.h"
#include "dispatcher.h"
#include "main_form.h"
#include "mult_form.h"
#include "online/fakes.h"
#include "session.h"

namespace numora::test {

using online::testing::FakeConnectivity;
using online::testing::FakeCursor;
using online::testing::FakeDownloader;
using online::testing::FakeFolders;
using online::testing::FakeNotifier;
using online::testing::FakeOpener;

class AppTest : public ::testing::Test {
protected:
    FakeConnectivity connectivity;
    FakeOpener opener;
    FakeDownloader downloader;
    FakeFolders folders;
    FakeCursor cursor;
    FakeNotifier notifier{cursor};
    online::Services services{connectivity, opener, downloader, folders, notifier, cursor};
    online::Downloader* realDownloader = nullptr;  // instead of the fake, when set
    ClockRandom random;
    int endings = 0;
    std::unique_ptr<Session> session;

    void TearDown() override { session.reset(); }

    // Start the program; true while it goes on.
    bool startApp(const QString& pictures = QStringLiteral(NUMORA_PICTURES_DIR),
                  online::Addresses addresses = online::defaultAddresses())
    {
        const online::Services use{connectivity, opener, realDownloader ? *realDownloader : downloader,
                                   folders, notifier, cursor};
        session = std::make_unique<Session>(use, random, pictures, [this] { ++endings; }, std::move(addresses));
        return session->start();
    }
    Screens& screens() { return session->screens(); }
    MainForm* mainForm() { return screens().mainForm(); }
    MultForm* multForm() { return screens().multForm(); }

    template <class T = QWidget>
    static T* control(GameWindow* w, const char* name, int index = -1)
    {
        return w->controls().as<T>(QString::fromLatin1(name), index);
    }
    static void click(GameWindow* w, const char* name, int index = -1)
    {
        QTest::mouseClick(control(w, name, index), Qt::LeftButton);
    }
    static void key(GameWindow* w, int index, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(control(w, "tray", index), k, m);
    }
    static QString text(GameWindow* w, const char* name, int index = -1)
    {
        return control<QLabel>(w, name, index)->text();
    }
    static QColor background(GameWindow* w) { return w->client()->palette().color(QPalette::Window); }

    // Wait for the windows to be deleted that earlier handlers closed.
    static void settle() { QTest::qWait(0); }
};

inline const QColor kGreen(192, 255, 192);
inline const QColor kOrange(255, 224, 192);

}  // namespace numora::test
