// The few controls Qt does not have as such: a label that reports clicks, and
// a picture box that shows a bitmap and takes keys.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace numora {

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

    void setPicture(const QPixmap& p);
    // When the picture file could not be loaded: show this text large and bold.
    void setFallbackText(const QString& t);
    void clear();
    const QPixmap& picture() const { return pixmap_; }
    const QString& fallbackText() const { return fallback_; }

Q_SIGNALS:
    void keyDown(int keyCode);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QPixmap pixmap_;
    QString fallback_;
};

}  // namespace numora
