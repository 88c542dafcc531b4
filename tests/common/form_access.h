// Reaching into a window as a person cannot, the same way for the tests and the
// benchmarks: a control by the object name the window designs gave it, a timer
// by what it does, and a tick delivered now as the timer's own event would be.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

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

}  // namespace numora::test
