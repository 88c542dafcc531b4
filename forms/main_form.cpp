#include "main_form.h"

#include <QComboBox>
#include <QEvent>
#include <QMenu>
#include <QPushButton>

#include "accessibility.h"
#include "controls.h"
#include "dispatcher.h"
#include "main_layout.h"
#include "pictures.h"
#include "window_parts.h"

namespace numora {

MainForm::MainForm(Context& ctx)
    : GameWindow(ctx, kMainClientWidth, kMainClientHeight), game_(ctx.state, ctx.random, *this)
{
    setWindowTitle(QString::fromLatin1(kAppTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/main.png")));
    QMenu* fle = addFileMenu(QStringLiteral("File"));
    fle->setObjectName("fle");
    multi1_ = fle->addAction(QStringLiteral("Multiplication Game -1"));
    chkupdte_ = fle->addAction(QStringLiteral("Check for updates..."));
    dwnLd_ = fle->addAction(QStringLiteral("Download Glimmerquiz Game"));
    build(mainLayout());
    describeMainWindow(controls_);
    tmr_1_ = addTimer([this] { game_.levelTick(); });
    tmr_2_ = addTimer([this] { game_.countdownTick(); });
    shown_ = game_.screen();

    auto& online = ctx_;
    connect(multi1_, &QAction::triggered, this, [this] {
        handle([this] {
            markClosing();
            ctx_.nav.showMultiplication();
            ctx_.nav.closeMain();
        });
    });
    connect(chkupdte_, &QAction::triggered, this, [this, &online] {
        handle([&online] { online::checkForUpdates(online.services, online.slots, online.addresses, online.versionKey); });
    });
    connect(dwnLd_, &QAction::triggered, this, [this, &online] {
        handle([&online] { online::downloadItem(online.services, online.slots, online.addresses); });
    });
    onClick(controls_, "denate_1", [this, &online] { handle([&online] { online::donation(online.services, online.addresses); }); });
    onClick(controls_, "strtGm", [this] { handle([this] { game_.start(); }); });
    onClick(controls_, "stp", [this] { handle([this] { game_.stop(); }); });
    onClick(controls_, "pose", [this] { handle([this] { game_.pause(); }); });
    onClick(controls_, "extgm", [this] {
        handle([this] {
            ctx_.nav.closeMultiplication();
            ctx_.nav.closeMain();
        });
    });
    onLevelList(controls_, [this](const QString& t) { game_.screen().board.levelText = t.toStdString(); },
                [this] { handle([this] { game_.levelLostFocus(); }); });
    for (int i = 0; i < 9; ++i) {
        onPadClick(controls_, i, [this, i] { handle([this, i] { game_.numlblClick(i); }); });
        onTrayKey(controls_, i, [this](int code) { handle([this, code] { game_.trayKeyDown(code); }); });
    }
}

void MainForm::load()
{
    online::mainLoadStep(
        ctx_.services, ctx_.slots, ctx_.addresses, [this] { game_.levelSetup(); },
        [this] {
            ctx_.nav.closeMain();
            ctx_.nav.closeTopic();
        });
    render();
}

void MainForm::displayed()
{
    GameWindow::displayed();
    handle([this] { game_.resized(isMinimized()); });
}

void MainForm::changeEvent(QEvent* e)
{
    GameWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && isVisible())
        handle([this] { game_.resized(isMinimized()); });
}

void MainForm::requestClose() { ctx_.nav.closeMain(); }

// Its close-request handler only closes the window itself, which from here does
// nothing more.
void MainForm::onClosing() { ctx_.nav.closeMain(); }

void MainForm::render()
{
    if (isClosing()) return;
    const MainScreen& s = game_.screen();
    for (int i = 0; i < 9; ++i)
        if (firstRender_ || s.board.tray[i] != shown_.board.tray[i])
            ctx_.pictures.show(*controls_.as<PictureBox>("tray", i), s.board.tray[i]);
    for (int i = 0; i < 6; ++i) setText(controls_, "sumdsply", i, s.board.sumdsply[i]);
    QWidget* pad = controls_.get("scltntray");
    pad->setEnabled(s.board.scltntrayEnabled);
    pad->setVisible(s.scltntrayVisible);
    setBackground(backColour(s.board.back));
    setText(controls_, "strlbl", -1, s.strlbl);
    setWindowTitle(QString::fromStdString(s.caption));
    controls_.get("strtGm")->setEnabled(s.strtGmEnabled);
    renderLevelList(controls_, s.levelItems, s.board.levelText, s.gmlvlscboEnabled);
    tmr_1_->apply(s.tmr_1);
    tmr_2_->apply(s.tmr_2);
    shown_ = s;
    firstRender_ = false;
}

}  // namespace numora
