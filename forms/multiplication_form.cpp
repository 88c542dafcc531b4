#include "multiplication_form.h"

#include <QLabel>
#include <QMenu>

#include "game_timer.h"
#include "layout.h"
#include "texts.h"

namespace numora {

MultiplicationForm::MultiplicationForm(Dispatcher& d, Navigator& nav, const Play& play)
    : GameForm(d, nav, Window::Multiplication, layouts::multiplication().client,
               //: Title of the multiplication window when no game runs, in a 300 px window's title bar.
               //: KORVELLAN is the maker's name and stays as is.
               tr("KORVELLAN : Multiplication Game"), play.pictures),
      game_(play.state, play.random, *this)
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/topic.png")));
    //: Item of the multiplication window's File menu that goes back to the main window's
    //: missing-numbers game, whose sums the player completes.
    QAction* additionItem = addFileMenu("file")->addAction(tr("Addition and Subtraction game"));
    build(layouts::multiplication().controls);
    GameForm::play(game_);
    highlightTimer_ = addTimer("highlightTimer", [this] { game_.highlightTick(); });
    entry_ = controls_.as<QLabel>(Control::Entry);

    // Every way out of this window closes it, and its close request brings the
    // main window back.
    onChoose(additionItem, [this] { nav_.close(Window::Multiplication); });
    onClick(Control::ExitButton, [this] { nav_.close(Window::Multiplication); });
    onClick(Control::ClearButton, [this] { game_.clearClick(); });
}

void MultiplicationForm::closeRequested() { nav_.show(Window::Main); }

void MultiplicationForm::renderOwn()
{
    if (const QString text = texts::entry(game_.screen().entry); entry_->text() != text)
        entry_->setText(text);
    highlightTimer_->apply(game_.screen().highlightTimer);
}

}  // namespace numora
