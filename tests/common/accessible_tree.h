// What assistive tools find in a window: its accessible tree, read whole.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <gtest/gtest.h>
#include <vector>

namespace numora::test {

inline QAccessibleInterface* acc(QObject* o)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    EXPECT_NE(i, nullptr) << "no accessible for " << o->objectName().toStdString();
    return i;
}

inline QString name(QObject* o) { return acc(o)->text(QAccessible::Name); }

inline void press(QObject* o)
{
    QAccessibleActionInterface* a = acc(o)->actionInterface();
    ASSERT_NE(a, nullptr) << o->objectName().toStdString() << " has no actions";
    a->doAction(QAccessibleActionInterface::pressAction());
}

// One accessible with everything it tells an assistive tool, as one string.
struct Told {
    QObject* object;
    QAccessible::Role role;
    QString all;        // the texts below, joined by '|'
    QStringList texts;  // name, description, value, help, accelerator, text
};

inline void walk(QAccessibleInterface* i, std::vector<Told>& out, int depth = 0)
{
    if (!i || !i->isValid() || depth > 40) return;
    QStringList said;
    for (auto t : {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help,
                   QAccessible::Accelerator})
        said << i->text(t);
    if (auto* v = i->valueInterface()) said << v->currentValue().toString();
    if (auto* t = i->textInterface()) said << t->text(0, t->characterCount());
    out.push_back({i->object(), i->role(), said.join(QLatin1Char('|')), said});
    for (int k = 0; k < i->childCount(); ++k) walk(i->child(k), out, depth + 1);
}

inline std::vector<Told> everything(QWidget* window)
{
    std::vector<Told> out;
    walk(acc(window), out);
    return out;
}

}  // namespace numora::test
