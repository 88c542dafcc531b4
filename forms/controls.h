// The few controls Qt does not have as such: a label that reports clicks, and
// a picture box that shows a number picture and hands on what its keys mean to
// the games (common/keys.h).
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "common/keys.h"
#include "common/screen.h"

namespace numora {

// What a key means to the games. The main-row digits are recognised by their
// physical key, so Shift and the keyboard layout do not matter (on a French
// layout the key labelled "7 è" is a 7).
Key gameKey(int qtKey, Qt::KeyboardModifiers mods, quint32 nativeScanCode);

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    bool pressed_ = false;
};

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // What the box shows, and the image that shows it: a loaded picture, or,
    // when its file could not be loaded, `fallback` drawn large and bold.
    Picture shows() const { return shows_; }
    void setPicture(Picture p, const QPixmap& image, const QString& fallback = {});

Q_SIGNALS:
    void keyDown(numora::Key key);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    Picture shows_;
    QPixmap image_;
    QString fallback_;
};

}  // namespace numora
