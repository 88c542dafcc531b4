#include "mult_form.h"

#include <QMenu>

#include "accessibility.h"
#include "controls.h"
#include "dispatcher.h"
#include "mult_layout.h"
#include "pictures.h"
#include "window_parts.h"

namespace numora {

MultForm::MultForm(Context& ctx)
    : GameWindow(ctx, kMultClientWidth, kMultClientHeight), game_(ctx.state, ctx.random, *this)
{
    setWindowTitle(QString::fromLatin1(kMultCaption));
    setWindowIcon(QIcon(QStringLiteral(":/icons/topic.png")));
    QMenu* file = addFileMenu(QStringLiteral("File"));
    file->setObjectName("file");
    addSub_ = file->addAction(QStringLiteral("Addition and Subtraction game"));
    build(multLayout());
    describeMultWindow(controls_);
    tmr_1_ = addTimer([this] { game_.levelTick(); });
    tmr_2_ = addTimer([this] { game_.countdownTick(); });
    tmr_3_ = addTimer([this] { game_.highlightTick(); });
    shown_ = game_.screen();

    connect(addSub_, &QAction::triggered, this, [this] {
        handle([this] {
            markClosing();
            ctx_.nav.showMain();
            ctx_.nav.closeMultiplication();
        });
    });
    onClick(controls_, "strtGm", [this] { handle([this] { game_.start(); }); });
    onClick(controls_, "stp", [this] { handle([this] { game_.stop(); }); });
    // Closing this window brings the main window back (its close request).
    onClick(controls_, "extgm", [this] { handle([this] { ctx_.nav.closeMultiplication(); }); });
    onClick(controls_, "Clrs", [this] { handle([this] { game_.clrsClick(); }); });
    onLevelList(controls_, [this](const QString& t) { game_.screen().board.levelText = t.toStdString(); },
                [this] { handle([this] { game_.levelLostFocus(); }); });
    for (int i = 0; i < 10; ++i)
        onPadClick(controls_, i, [this, i] { handle([this, i] { game_.numlblClick(i); }); });
    for (int i = 0; i < 4; ++i)
        onTrayKey(controls_, i, [this](int code) { handle([this, code] { game_.trayKeyDown(code); }); });
}

void MultForm::load()
{
    game_.levelSetup();
    render();
}

void MultForm::requestClose() { ctx_.nav.closeMultiplication(); }

void MultForm::onClosing()
{
    // Closing itself again from here does nothing more: the window closes once.
    // Leaving this window, by any route, brings the main window back.
    ctx_.nav.closeMultiplication();
    ctx_.nav.returnToMain();
}

void MultForm::render()
{
    if (isClosing()) return;
    const MultScreen& s = game_.screen();
    for (int i = 0; i < 4; ++i) {
        if (firstRender_ || s.board.tray[i] != shown_.board.tray[i])
            ctx_.pictures.show(*controls_.as<PictureBox>("tray", i), s.board.tray[i]);
        setText(controls_, "sumdsply", i, s.board.sumdsply[i]);
        QWidget* cell = controls_.get("sumdsply", i);
        QPalette p = cell->palette();
        const QColor c = backColour(s.board.sumBack[i]);
        if (p.color(QPalette::Window) != c) {
            p.setColor(QPalette::Window, c);
            cell->setPalette(p);
        }
    }
    setBackground(backColour(s.board.back));
    controls_.get("scltntray")->setEnabled(s.scltntrayEnabled);
    setText(controls_, "UserEntered", -1, s.userEntered);
    setText(controls_, "strlbl", -1, s.strlbl);
    setWindowTitle(QString::fromStdString(s.caption));
    controls_.get("strtGm")->setEnabled(s.strtGmEnabled);
    renderLevelList(controls_, s.levelItems, s.board.levelText, s.gmlvlscboEnabled);
    tmr_1_->apply(s.tmr_1);
    tmr_2_->apply(s.tmr_2);
    tmr_3_->apply(s.tmr_3);
    shown_ = s;
    firstRender_ = false;
}

TopicForm::TopicForm(Context& ctx) : GameWindow(ctx, kTopicClientWidth, kTopicClientHeight)
{
    setWindowTitle(QStringLiteral("KORVELLAN : Select your topic"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/topic.png")));
    build(topicLayout());
    onClick(controls_, "maths1", [this] {
        handle([this] {
            ctx_.nav.closeTopic();
            ctx_.nav.showMain();
        });
    });
    onClick(controls_, "algebra1", [this] { handle([this] { ctx_.nav.closeTopic(); }); });
    onClick(controls_, "extgm", [this] { handle([this] { ctx_.nav.closeTopic(); }); });
}

void TopicForm::requestClose() { ctx_.nav.closeTopic(); }

}  // namespace numora
