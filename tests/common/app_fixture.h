// The whole program with fake platform services: windows, navigation and games.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>

#include "common/fakes.h"
#include "common/form_access.h"
#include "controls.h"
#include "desktop.h"
#include "game_timer.h"
#include "main_form.h"
#include "multiplication_form.h"
#include "session.h"

namespace numora::test {

class AppTest : public ::testing::Test, protected FakePlatform {
protected:
    // Instead of the fakes, when set.
    online::Downloader* realDownloader = nullptr;
    online::Notifier* realNotifier = nullptr;
    RunState state;  // the games' state, afresh for each start
    ClockRandom clockRandom;
    RandomSource* random = &clockRandom;
    int endings = 0;
    std::unique_ptr<Session> session;

    void TearDown() override { session.reset(); }

    // Start the program; true while it goes on.
    bool startApp(const QString& pictures = QStringLiteral(NUMORA_PICTURES_DIR),
                  online::Addresses addresses = online::defaultAddresses())
    {
        const online::Services use{connectivity, opener, realDownloader ? *realDownloader : downloader, folders,
                                   realNotifier ? *realNotifier : notifier, cursor};
        session.reset();  // the windows of an ended run go with it
        state = {};
        session = std::make_unique<Session>(use, state, *random, pictures, [this] { ++endings; }, std::move(addresses));
        return session->start();
    }
    Windows& windows() { return session->windows(); }
    MainForm* mainForm() { return static_cast<MainForm*>(windows().window(Window::Main)); }
    MultiplicationForm* multiplicationForm() { return static_cast<MultiplicationForm*>(windows().window(Window::Multiplication)); }
    Form* topicForm() { return windows().window(Window::Topic); }
    // A window shown by hand (nothing in the program leads to the topic selector).
    void showOnly(Window w)
    {
        session->dispatcher().run(nullptr, [&] {
            windows().close(Window::Multiplication);
            windows().close(Window::Main);
            windows().show(w);
        });
    }

    static void click(Form* w, Control c, int index = -1)
    {
        QTest::mouseClick(control(w, c, index), Qt::LeftButton);
    }
    static void key(Form* w, int index, Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(control(w, Control::Cells, index), k, m);
    }
    static QString text(Form* w, Control c, int index = -1) { return control<QLabel>(w, c, index)->text(); }
    static Picture shows(Form* w, int cell) { return control<PictureBox>(w, Control::Cells, cell)->shows(); }
    static QColor background(Form* w) { return w->centralWidget()->palette().color(QPalette::Window); }

    // A menu item by the English text it was given, in whatever language the window speaks.
    static QAction* menuItem(Form* w, const char* english)
    {
        const QString text = QCoreApplication::translate(w->metaObject()->className(), english);
        for (QMenu* m : w->menuBar()->findChildren<QMenu*>())
            for (QAction* a : m->actions())
                if (a->text() == text) return a;
        ADD_FAILURE() << "no menu item \"" << english << '"';
        return nullptr;
    }
    static void choose(Form* w, const char* english) { if (QAction* a = menuItem(w, english)) a->trigger(); }

    // A window's timers (the topic selector has none).
    static QList<GameTimer*> timers(Form* w) { return w->findChildren<GameTimer*>(Qt::FindDirectChildrenOnly); }
    // Counting towards a tick; the period in milliseconds.
    static bool running(const GameTimer* t) { return t->findChild<QTimer*>()->isActive(); }
    static int period(const GameTimer* t) { return t->findChild<QTimer*>()->interval(); }

    // The colour its window shows at point `at` of control `c`, as drawn.
    static QColor shownAt(QWidget* c, QPoint at = {1, 1})
    {
        const QImage image = c->window()->grab().toImage();
        return image.pixelColor((QPointF(c->mapTo(c->window(), at)) * image.devicePixelRatio()).toPoint());
    }

    // Wait for the windows to be deleted that earlier handlers closed.
    static void settle() { QTest::qWait(0); }
};

// What the real message box says for `m`: its prompt and its title.
inline std::pair<QString, QString> boxSays(online::Message m)
{
    std::pair<QString, QString> said;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        said = {box->text(), box->windowTitle()};
        box->accept();
    });
    platform::MessageBoxNotifier().inform(m);
    return said;
}

inline const QColor kGreen(192, 255, 192);
inline const QColor kOrange(255, 224, 192);

// The File menu items the tests pick.
inline constexpr char kMultiplicationItem[] = "Multiplication Game -1";
inline constexpr char kUpdatesItem[] = "Check for updates...";
inline constexpr char kAdditionItem[] = "Addition and Subtraction game";

}  // namespace numora::test
