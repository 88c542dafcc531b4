// The least a Qt Widgets program of Numora's size costs: a window with a
// 300 x 309 client area under a File menu, four buttons, a combo box and nine
// labels, and nothing else. Numora's start-up, memory and idle figures are
// quoted as ratios against this program, measured in the same session.
//
//   numora_floor            idle: no timer at all
//   numora_floor timers     a 1000 ms and an 800 ms precise timer, each of which
//                           rewrites the caption and a label, as a game does
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

namespace {

// One timer that counts its ticks into the caption and its own label.
void tickInto(QMainWindow& window, QLabel* label, int periodMs, const QString& name)
{
    auto* t = new QTimer(&window);
    t->setTimerType(Qt::PreciseTimer);
    QObject::connect(t, &QTimer::timeout, &window, [&window, label, name, n = 0]() mutable {
        const QString text = name + QString::number(++n);
        window.setWindowTitle(text);
        label->setText(text);
    });
    t->start(periodMs);
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);

    auto* client = new QWidget(&window);
    client->setFixedSize(300, 309);
    window.setCentralWidget(client);

    const char* buttons[] = {"&Start", "Stop", "&Exit", "Pay"};
    for (int i = 0; i < 4; ++i)
        (new QPushButton(QString::fromLatin1(buttons[i]), client))->setGeometry(6 + 72 * i, 5, 66, 28);
    auto* combo = new QComboBox(client);
    combo->addItems({QStringLiteral("Easy"), QStringLiteral("Medium"), QStringLiteral("Hard")});
    combo->setGeometry(175, 40, 118, 22);
    QLabel* labels[9];
    for (int i = 0; i < 9; ++i) {
        labels[i] = new QLabel(QStringLiteral("Label %1").arg(i + 1), client);
        labels[i]->setGeometry(10 + 95 * (i % 3), 80 + 60 * (i / 3), 90, 40);
    }

    if (argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("timers")) {
        tickInto(window, labels[0], 1000, QStringLiteral("Floor: "));
        tickInto(window, labels[1], 800, QStringLiteral("Floor; "));
    }

    window.setFixedSize(window.sizeHint());
    window.show();
    return QApplication::exec();
}
