// The three windows of the program: one object each for the whole run, loaded
// and unloaded as the player moves between them, and the rule that ends the
// program once a handler has finished and no window is loaded.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "context.h"
#include "game_window.h"

namespace numora {

class MainForm;
class MultForm;
class TopicForm;

class Screen {
public:
    using Factory = std::function<std::unique_ptr<GameWindow>()>;
    explicit Screen(Factory f) : factory_(std::move(f)) {}

    bool loaded() const { return form_ != nullptr; }
    GameWindow* form() const { return form_.get(); }

    // Load (build, then run the load handler) if needed, then display.
    void show();
    // Run the close-request handler, then unload. Closing an unloaded window,
    // or closing again from within its own close-request handler, does nothing.
    // The window object is handed to `grave` and deleted once no handler of it
    // can be running any more.
    void close(std::vector<std::unique_ptr<GameWindow>>& grave);

private:
    Factory factory_;
    std::unique_ptr<GameWindow> form_;
    bool closing_ = false;
};

class Screens final : public Navigator {
public:
    // `onEnd` runs once, when the program has ended.
    Screens(std::function<Context&()> ctx, std::function<void()> onEnd);
    ~Screens() override;

    // Start-up: show the main window. True while the program goes on.
    bool start();

    bool ended() const { return ended_; }
    MainForm* mainForm() const;
    MultForm* multForm() const;
    TopicForm* topicForm() const;

    // Navigator
    void showMain() override;
    void closeMain() override;
    void showMultiplication() override;
    void closeMultiplication() override;
    void closeTopic() override;
    void returnToMain() override;
    void showTopic();

    // Called by the dispatcher once the outermost handler has returned.
    void handlerFinished();

private:
    void bury();

    Screen main_;
    Screen mult_;
    Screen topic_;
    std::vector<std::unique_ptr<GameWindow>> grave_;
    std::function<void()> onEnd_;
    bool ended_ = false;
    bool mainShownInHandler_ = false;
    bool buryQueued_ = false;
    QObject timerContext_;  // queued deletions die with this object
};

}  // namespace numora
