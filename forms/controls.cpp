#include "controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "keyboard.h"

namespace numora {

Key gameKey(int qtKey, Qt::KeyboardModifiers mods, quint32 nativeScanCode)
{
    const bool digitKey = qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9;
    if (digitKey && (mods & Qt::KeypadModifier)) return keys::digit(qtKey - Qt::Key_0);
    if (const int digit = platform::mainRowDigit(nativeScanCode); digit >= 0) return keys::digit(digit);
    // Synthetic events carry no scan code: fall back to the key itself.
    if (nativeScanCode == 0 && digitKey) return keys::digit(qtKey - Qt::Key_0);
    if (qtKey == Qt::Key_Delete) return keys::kClear;
    return keys::kOther;
}

void ClickLabel::mousePressEvent(QMouseEvent* e)
{
    pressed_ = e->button() == Qt::LeftButton;
    QLabel::mousePressEvent(e);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click) Q_EMIT clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* e)
{
    // The second press of a double-click is not a click of its own (and the
    // base class would treat it as a press).
    pressed_ = false;
    e->accept();
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Keys come here as keys, never through an input method: IBus and the like
    // would otherwise take digits into a composition instead of the game.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PictureBox::setPicture(Picture p, const QPixmap& image, const QString& fallback)
{
    shows_ = p;
    image_ = image;
    fallback_ = fallback;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!image_.isNull()) {
        // Pictures are drawn at their own size from the top-left corner; a
        // high-resolution one shrunk to an in-between scale is smoothed.
        if (image_.devicePixelRatio() != devicePixelRatioF()) p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(0, 0, image_);
    } else if (!fallback_.isEmpty()) {
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(height() * 3 / 4);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(rect(), Qt::AlignCenter, fallback_);
    }
}

void PictureBox::keyPressEvent(QKeyEvent* e)
{
    Q_EMIT keyDown(gameKey(e->key(), e->modifiers(), e->nativeScanCode()));
}

}  // namespace numora
