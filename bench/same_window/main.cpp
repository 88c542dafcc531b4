// Numora's main window as it looks at load, written straight and with nothing
// behind it: the same 47 widgets, fonts, colours, positions, tab order, menu,
// title, icon and flags, but no game, no timers, no online work and no layout
// tables. It draws the same pixels, so what Numora costs beyond it is what its
// own machinery costs. Positions are the window design's twips, 15 to a pixel.
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <iterator>

namespace {

constexpr int px(int twips) { return twips / 15; }

void place(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

// A colour of its own only where it differs from the window's button face.
void fill(QWidget* w, const QColor& c)
{
    if (c != w->palette().color(QPalette::Window)) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, c);
        w->setPalette(p);
    }
    w->setAutoFillBackground(true);
}

QFont font(const QString& family, int pixels, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

QLabel* label(const char* text, QWidget* parent, const QFont& f, Qt::Alignment a)
{
    auto* l = new QLabel(QString::fromLatin1(text), parent);
    l->setFont(f);
    l->setAlignment(a);
    return l;
}

QPushButton* button(const char* text, QWidget* parent, const QFont& f, int left, int top, int width, int height)
{
    auto* b = new QPushButton(QString::fromLatin1(text), parent);
    b->setFont(f);
    place(b, left, top, width, height);
    return b;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);

    // Arial and MS Sans Serif where installed, else Liberation Sans, sized in
    // pixels at 96 dpi; the MS Sans Serif stand-in a tenth smaller.
    const QStringList installed = QFontDatabase::families();
    const QString sans = QStringLiteral("Liberation Sans");
    const QString arial = installed.contains(QStringLiteral("Arial"), Qt::CaseInsensitive) ? QStringLiteral("Arial") : sans;
    const QString ms = installed.contains(QStringLiteral("MS Sans Serif"), Qt::CaseInsensitive)
                           ? QStringLiteral("MS Sans Serif") : sans;
    const QFont plain = font(ms, 10, false);       // MS Sans Serif 8.25
    const QFont bold = font(ms, 10, true);         // MS Sans Serif 8.25 bold
    const QFont arial13 = font(arial, 13, false);  // Arial 9.75
    const QFont arial13Bold = font(arial, 13, true);
    const QFont plus = font(ms, 14, true);         // MS Sans Serif 12 bold
    const QFont numbers = font(arial, 21, true);   // Arial 15.75 bold
    const QFont pad = font(ms, 22, true);          // MS Sans Serif 18 bold
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;

    QMainWindow window;
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
    auto* client = new QWidget(&window);
    client->setFixedSize(px(4500), px(4635));
    client->setFont(plain);  // every control's font unless it has its own
    fill(client, face);
    window.setCentralWidget(client);
    window.setWindowTitle(QStringLiteral("KORVELLAN"));
    window.setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    window.menuBar()->setNativeMenuBar(false);  // in the window, as Numora keeps it
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("File"));
    file->addAction(QStringLiteral("Multiplication Game -1"));
    file->addAction(QStringLiteral("Check for updates..."));
    file->addAction(QStringLiteral("Download Glimmerquiz Game"));

    // In Numora's order of creation: it decides the stacking before the labels
    // go under everything else.
    QPushButton* start = button("&Start Numora", client, arial13, 90, 75, 1770, 495);
    start->setToolTip(QStringLiteral("Start New game"));
    QPushButton* stop = button("Stop", client, plain, 1935, 135, 570, 360);
    QPushButton* pause = button("II", client, arial13Bold, 2610, 135, 315, 345);
    pause->setToolTip(QStringLiteral("Pause"));
    pause->hide();
    QPushButton* exit = button("&Exit ", client, arial13Bold, 3600, 135, 810, 330);
    exit->setToolTip(QStringLiteral(" Exit game"));
    auto* level = new QComboBox(client);
    place(level, 2625, 585, 1770, 315);
    level->addItems({QStringLiteral("Level - 1(11 Sec.)"), QStringLiteral("Level - 2(8 Sec.)"),
                     QStringLiteral("Level - 3(6 Sec.)")});
    level->setCurrentIndex(0);

    QLabel* labels[30];
    int nLabels = 0;
    labels[nLabels] = label("Find the missing numbers.", client, plain, topLeft);
    place(labels[nLabels++], 135, 795, 1890, 270);

    static constexpr int kCells[9][2] = {{165, 1110}, {870, 1110}, {1545, 1110}, {165, 1935}, {870, 1935},
                                         {1545, 1935}, {165, 2745}, {870, 2745}, {1545, 2730}};
    QWidget* cells[9];
    for (int i = 0; i < 9; ++i) {
        cells[i] = new QWidget(client);
        place(cells[i], kCells[i][0], kCells[i][1], 525, 585);
        fill(cells[i], Qt::white);
        cells[i]->setFocusPolicy(Qt::StrongFocus);
    }

    static constexpr int kPluses[12][2] = {{720, 1275}, {1395, 1305}, {720, 2130}, {1410, 2115},
                                           {720, 2955}, {1395, 2955}, {375, 1665}, {1080, 1665},
                                           {1755, 1665}, {405, 2505}, {1080, 2505}, {1770, 2505}};
    for (const auto& p : kPluses) {
        labels[nLabels] = label("+", client, plus, topLeft);
        place(labels[nLabels], p[0], p[1], 150, 240);
        fill(labels[nLabels++], face);
    }

    static constexpr int kSums[6][2] = {{2205, 1245}, {2205, 2100}, {2205, 2880},
                                        {1575, 3420}, {945, 3435},  {225, 3435}};
    for (const auto& s : kSums) {
        labels[nLabels] = label("0", client, numbers, Qt::AlignCenter);
        place(labels[nLabels++], s[0], s[1], 435, 330);
    }

    // Made before the pad's frame, which lies on top of it.
    labels[nLabels] = label("Click to select number.", client, bold, topLeft);
    labels[nLabels]->setWordWrap(true);
    place(labels[nLabels++], 2955, 1155, 1245, 2070);

    // The number pad: disabled until a game starts, its keys drawn as when enabled.
    auto* padFrame = new QFrame(client);
    padFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    place(padFrame, 2940, 1515, 1305, 1620);
    fill(padFrame, face);
    padFrame->setEnabled(false);
    static constexpr int kKeys[9][2] = {{45, 150},  {465, 150},  {885, 150},  {45, 645},  {465, 630},
                                        {885, 630}, {45, 1140}, {465, 1125}, {885, 1125}};
    for (int i = 0; i < 9; ++i) {
        const char digit[] = {char('1' + i), 0};
        labels[nLabels] = label(digit, padFrame, pad, Qt::AlignCenter);
        labels[nLabels]->setFrameStyle(QFrame::Box | QFrame::Plain);
        place(labels[nLabels], kKeys[i][0], kKeys[i][1], 375, 450);
        QPalette keyColours = labels[nLabels]->palette();
        keyColours.setColor(QPalette::Window, QColor(255, 192, 192));
        keyColours.setColor(QPalette::Disabled, QPalette::WindowText, keyColours.color(QPalette::Active, QPalette::WindowText));
        labels[nLabels]->setPalette(keyColours);
        labels[nLabels++]->setAutoFillBackground(true);
    }

    QPushButton* pay = button("I would like to pay.", client, plain, 1980, 4125, 2325, 330);
    labels[nLabels] = label("Label1", client, plain, topLeft);
    place(labels[nLabels], 105, 225, 450, 495);
    labels[nLabels++]->hide();

    // Labels are drawn on the client's surface, under every other control;
    // lowered in reverse, they keep their own order among themselves.
    for (int i = nLabels - 1; i >= 0; --i) labels[i]->lower();

    QWidget* tabOrder[] = {start, stop,     pause,    exit,     level,    cells[8], cells[7], cells[6],
                           cells[0], cells[1], cells[2], cells[3], cells[4], cells[5], pay};
    for (size_t i = 1; i < std::size(tabOrder); ++i) QWidget::setTabOrder(tabOrder[i - 1], tabOrder[i]);
    start->setFocus(Qt::OtherFocusReason);

    window.setFixedSize(client->width(), client->height() + window.menuBar()->sizeHint().height());
    if (QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen())
        window.move(s->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2));
    window.show();
    window.raise();
    window.activateWindow();
    // Without a window manager nothing focuses the window: do it once it is shown.
    start->setFocus(Qt::OtherFocusReason);
    return QApplication::exec();
}
