#include "controls.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "keycodes.h"

namespace numora {

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

void PictureBox::setPicture(const QPixmap& p)
{
    pixmap_ = p;
    fallback_.clear();
    update();
}

void PictureBox::setFallbackText(const QString& t)
{
    pixmap_ = QPixmap();
    fallback_ = t;
    update();
}

void PictureBox::clear()
{
    pixmap_ = QPixmap();
    fallback_.clear();
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!pixmap_.isNull()) {
        // Pictures are drawn at their own size from the top-left corner; a
        // high-resolution one shrunk to an in-between scale is smoothed.
        if (pixmap_.devicePixelRatio() != devicePixelRatioF()) p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(0, 0, pixmap_);
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
    Q_EMIT keyDown(gameKeyCode(e->key(), e->modifiers(), e->nativeScanCode()));
}

void PictureBox::mousePressEvent(QMouseEvent* e)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(e);
}

}  // namespace numora
