// Reaching into a window as a person cannot, the same way for the tests and the
// benchmarks: a control by the object name the window designs gave it, a timer
// by what it does, and a tick delivered now as the timer's own event would be;
// and what a picture cell should look like.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

#include "controls.h"
#include "form.h"
#include "game_timer.h"
#include "layout.h"

namespace numora::test {

template <class T = QWidget>
T* control(const Form* w, Control c, int index = -1)
{
    const QString name = QLatin1String(objectName(c));
    return w->findChild<T*>(index < 0 ? name : name + QStringLiteral("(%1)").arg(index));
}

enum Timer { LevelTimer, CountdownTimer, HighlightTimer };
inline GameTimer* timer(const Form* w, Timer t)
{
    static const char* const names[] = {"levelTimer", "countdownTimer", "highlightTimer"};
    return w->findChild<GameTimer*>(QLatin1String(names[t]), Qt::FindDirectChildrenOnly);
}

// A timer that is off lets the tick pass, as its own would.
inline void tick(GameTimer* t)
{
    auto* q = t->findChild<QTimer*>();
    QTimerEvent due(q->timerId());
    QCoreApplication::sendEvent(q, &due);
}

// How `cell` looks when given `image`, or, without one, `fallback` drawn
// instead: a box of its size and font that shows them. Compare with cell.grab().
inline QImage looksGiven(const PictureBox& cell, const QPixmap& image, const QString& fallback = {})
{
    PictureBox box;
    box.setFont(cell.font());
    box.resize(cell.size());
    box.setPicture(cell.shows(), image, fallback);
    return box.grab().toImage();
}

}  // namespace numora::test
