#include "game_form.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "controls.h"
#include "dispatcher.h"
#include "game_timer.h"
#include "pictures.h"
#include "texts.h"

namespace numora {

namespace {

// The level list's choice takes effect when the focus moves from the list to
// another control of the same window (Tab, a click, an access key): not when the
// window loses activation, the list's drop-down opens or the menu bar is entered.
class LevelLostFocus : public QObject {
public:
    LevelLostFocus(QComboBox* list, std::function<void()> f) : QObject(list), list_(list), onLost_(std::move(f)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        // By the time the list hears of it, the application has moved its focus on.
        const QWidget* to = QApplication::focusWidget();
        if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::MenuBarFocusReason && to
            && to != list_ && to->window() == list_->window())
            onLost_();
        return false;
    }

private:
    QComboBox* list_;
    std::function<void()> onLost_;
};

}  // namespace

GameForm::GameForm(Dispatcher& d, Navigator& nav, Window id, QSize clientTwips, QString title, Pictures& pictures)
    : Form(d, nav, id, clientTwips.width(), clientTwips.height()), pictures_(pictures), title_(std::move(title))
{
    setWindowTitle(title_);
}

void GameForm::play(Game& game)
{
    game_ = &game;
    cells_ = controls_.array<PictureBox>(Control::Cells);
    figures_ = controls_.array<QLabel>(Control::Figures);
    pad_ = controls_.get(Control::Pad);
    status_ = controls_.as<QLabel>(Control::Status);
    startButton_ = controls_.as<QPushButton>(Control::StartButton);
    levels_ = controls_.as<QComboBox>(Control::LevelList);

    describe();
    levelTimer_ = addTimer("levelTimer", [this] { game_->levelTick(); });
    countdownTimer_ = addTimer("countdownTimer", [this] { game_->countdownTick(); });
    onClick(Control::StartButton, [this] { game_->start(); });
    onClick(Control::StopButton, [this] { game_->stop(); });
    // The player's choice goes to the game at once, so that rendering never undoes it.
    connect(levels_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!takesInput()) {  // a screen reader's choice behind a message box
            const QSignalBlocker block(levels_);
            levels_->setCurrentIndex(game_->screen().level);
            return;
        }
        game_->screen().level = i;
        // Orca 43 says nothing when a closed list's entry changes under the arrow keys.
        if (listening()) announce(this, texts::spokenLevel(i, levels_->itemData(i).toInt()));
    });
    // A handler that moves the focus (to a cell, say) has the choice run after it, not inside it.
    levels_->installEventFilter(new LevelLostFocus(levels_, [this] {
        dispatcher_.afterHandler([this] {
            if (!leaving()) handle([this] { game_->levelLostFocus(); });
        });
    }));
    const auto keys = controls_.array<ClickLabel>(Control::PadKeys);
    for (std::size_t i = 0; i < keys.size(); ++i)
        connect(keys[i], &ClickLabel::clicked, this, [this, i] { input([this, i] { game_->padClick(static_cast<int>(i)); }); });
    for (PictureBox* cell : cells_)
        connect(cell, &PictureBox::keyDown, this, [this](Key key) { input([this, key] { game_->cellKeyDown(key); }); });
}

GameTimer* GameForm::addTimer(const char* name, std::function<void()> onTick)
{
    auto* timer = new GameTimer(dispatcher_, this, [this, onTick = std::move(onTick)] {
        onTick();
        if (!leaving()) render();
    });
    timer->setObjectName(QLatin1String(name));  // what it does, for whoever looks at the object tree
    return timer;
}

void GameForm::load()
{
    game_->levelSetup();
    render();
}

void GameForm::focusCell(int index)
{
    if (QWidget* w = controls_.get(Control::Cells, index)) w->setFocus(Qt::OtherFocusReason);
}

void GameForm::minimise() { setWindowState(windowState() | Qt::WindowMinimized); }

void GameForm::tell(News n)
{
    if (listening()) news_.push_back(n);
}

void GameForm::describe()
{
    if (game_) numora::describe(id(), controls_, game_->screen());
}

void GameForm::setBackground(Colour c)
{
    // The controls that keep the button face take it as their own once the
    // window first turns another colour; until then they share the window's.
    if (c != Colour::ButtonFace)
        for (QWidget* w : controls_.keepingButtonFace())
            if (!w->testAttribute(Qt::WA_SetPalette)) setColour(w, buttonFace(), true);
    setColour(centralWidget(), colourOf(c));
}

void GameForm::render()
{
    const GameScreen& s = game_->screen();
    // What a sighted player sees change at once, a screen reader hears first,
    // after what the handler did to the focus.
    const bool heard = listening();
    for (const News& n : std::exchange(news_, {})) announce(this, texts::news(n));
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        if (cells_[i]->shows() == s.cells[i]) continue;
        pictures_.show(*cells_[i], s.cells[i]);
        if (heard) renamed(cells_[i], spokenPicture(s.cells[i]));
    }
    bool figuresChanged = false;
    for (std::size_t i = 0; i < figures_.size(); ++i) {
        QLabel* l = figures_[i];
        const QString text = texts::figure(s.figures[i]);
        if (l->text() != text) {
            l->setText(text);
            figuresChanged = true;
        }
        if (l->autoFillBackground()) setColour(l, colourOf(s.figures[i].back));
    }
    if (figuresChanged) describe();  // the cells tell their rows' and columns' figures
    setBackground(s.back);
    pad_->setEnabled(s.padEnabled);
    pad_->setVisible(s.padVisible);
    if (const QString text = texts::status(s.status); status_->text() != text) status_->setText(text);
    if (const QString caption = texts::caption(s.caption, title_); windowTitle() != caption) setWindowTitle(caption);
    if (heard) {  // the seconds of the status line and the title, for the ear
        speakAs(status_, texts::spoken(s.status));
        speakAs(this, texts::spoken(s.caption));
    }
    startButton_->setEnabled(s.startEnabled);

    // Rendering must not echo back as a choice of the player.
    const QSignalBlocker block(levels_);
    bool same = levels_->count() == static_cast<int>(s.levels.size());
    for (int i = 0; same && i < levels_->count(); ++i) same = levels_->itemData(i).toInt() == s.levels[static_cast<std::size_t>(i)];
    if (!same) {
        levels_->clear();
        for (std::size_t i = 0; i < s.levels.size(); ++i) levels_->addItem(texts::level(static_cast<int>(i), s.levels[i]), s.levels[i]);
        describe();  // the entries as they are said
    }
    if (levels_->currentIndex() != s.level) levels_->setCurrentIndex(s.level);
    levels_->setEnabled(s.levelsEnabled);

    levelTimer_->apply(s.levelTimer);
    countdownTimer_->apply(s.countdownTimer);
    renderOwn();
}

}  // namespace numora
