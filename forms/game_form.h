// One form for both game windows: it wires the controls they share (start,
// stop, the level list, the number pad, the cells) to its game and renders what
// the game's screen says, touching only what changed. Each window adds only
// what is its own.
#pragma once

#include <QString>
#include <vector>

#include "accessibility.h"
#include "form.h"
#include "common/game.h"
#include "common/state.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace numora {

class GameTimer;
class Pictures;
class PictureBox;

// What a game window needs to play: the run's game state, where puzzles come
// from, and the number pictures.
struct Play {
    RunState& state;
    RandomSource& random;
    Pictures& pictures;
};

class GameForm : public Form, public ScreenRequests, public Describes {
    Q_OBJECT
public:
    // The load handler: the level list is set up and shown.
    void load() override;

    // ScreenRequests
    void focusCell(int index) override;
    void minimise() override;
    void tell(News n) override;

    // Tell screen readers what each control is (when one listens).
    void describe() override;

protected:
    GameForm(Dispatcher& d, Navigator& nav, Window id, QSize clientTwips, QString title, Pictures& pictures);

    // Wire the shared controls and timers to `game`; call once the controls are
    // built and the game exists.
    void play(Game& game);
    GameTimer* addTimer(const char* name, std::function<void()> onTick);
    void render() override;
    virtual void renderOwn() {}

private:
    friend struct GameWindowInspector;  // holds the windows to their games in the random-windows test
    void setBackground(Colour c);

    Pictures& pictures_;
    QString title_;  // the caption at load
    Game* game_ = nullptr;
    GameTimer* levelTimer_ = nullptr;
    GameTimer* countdownTimer_ = nullptr;
    std::vector<PictureBox*> cells_;
    std::vector<QLabel*> figures_;
    std::vector<News> news_;  // told since the last render
    QWidget* pad_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* startButton_ = nullptr;
    QComboBox* levels_ = nullptr;
};

}  // namespace numora
