#include "accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPointer>

#include "controls.h"
#include "form.h"

namespace numora {

namespace {

// A grid or factor cell: a picture the player types into, named by what it
// shows, so it can never say more than the picture does.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(PictureBox* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return spokenPicture(static_cast<PictureBox*>(widget())->shows());
        return QAccessibleWidget::text(t);
    }
};

// A number-pad key: a button named by its digit. Pressing it through
// accessibility does what a click does, and only when a click could happen: a
// disabled, hidden or minimised pad cannot be pressed, so the lock-out holds
// (behind a message box, the window refuses the click as it does every input).
class PadKeyAccessible : public QAccessibleWidget {
public:
    explicit PadKeyAccessible(ClickLabel* l) : QAccessibleWidget(l, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return label()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override
    {
        if (action != pressAction()) return;
        ClickLabel* l = label();
        if (l->isEnabled() && l->isVisible() && !l->window()->isMinimized()) Q_EMIT l->clicked();
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

// A list with a drop-down (the level list) is named, as Qt names one on Linux, by
// its current entry, but by the entry's text for the ear (Qt::AccessibleTextRole)
// where it has one: Qt 6.4's own reads the screen's "(11 Sec.)". The rest is as
// Qt's: the drop-down as its one child, opened and closed by its actions.
class ListAccessible : public QAccessibleWidget {
public:
    explicit ListAccessible(QComboBox* c) : QAccessibleWidget(c, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        QString said;
        if (t == QAccessible::Name || t == QAccessible::Value) {
            said = list()->currentData(Qt::AccessibleTextRole).toString();
            if (said.isEmpty()) said = list()->currentText();
        } else if (t == QAccessible::Accelerator) {
            said = QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        }
        return said.isEmpty() ? QAccessibleWidget::text(t) : said;
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int i) const override
    {
        return i == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* c) const override { return c && c->object() == list()->view() ? 0 : -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        const auto* window = qobject_cast<const Form*>(list()->window());
        if (!actionNames().contains(action) || (window && !window->takesInput())) return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

// A menu item named by what is written for the ear (its kSpoken property) where
// its text is written for the eye. Qt 6.4's own item reads only the text, and an
// action has no accessible name; Qt asks the installed factories for an action's
// interface before it makes its own, so this one takes that item's place.
class SpokenMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit SpokenMenuItem(QAction* a) : action_(a) {}

    bool isValid() const override { return action_ && menu(); }
    QObject* object() const override { return action_; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(menu()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::MenuItem; }
    QString text(QAccessible::Text t) const override
    {
        if (!action_) return {};
        if (t == QAccessible::Name) return action_->property(kSpoken).toString();
        if (t == QAccessible::Accelerator) return action_->shortcut().toString(QKeySequence::NativeText);
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        QMenu* m = menu();
        return m ? m->actionGeometry(action_).translated(m->mapToGlobal(QPoint(0, 0))) : QRect();
    }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        QMenu* m = menu();
        if (!m) return s;
        s.invisible = !m->isVisible() || !action_->isVisible();
        s.focused = m->activeAction() == action_;
        s.disabled = !action_->isEnabled();
        s.checked = action_->isChecked();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() && action_ && action_->isEnabled()) action_->trigger();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const
    {
        if (action_)
            for (QObject* o : action_->associatedObjects())
                if (auto* m = qobject_cast<QMenu*>(o)) return m;
        return nullptr;
    }
    QPointer<QAction> action_;
};

}  // namespace

QAccessibleInterface* accessibleInterface(const QString& className, QObject* object)
{
    if (object && className == QLatin1String("QAction") && object->property(kSpoken).isValid())
        return new SpokenMenuItem(static_cast<QAction*>(object));
    if (!object || !object->isWidgetType()) return nullptr;
    if (auto* list = qobject_cast<QComboBox*>(object); list && className == QLatin1String("QComboBox") && !list->isEditable())
        return new ListAccessible(list);
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new CellAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1String(ClickLabel::staticMetaObject.className()))
        return new PadKeyAccessible(static_cast<ClickLabel*>(object));
    return nullptr;
}

}  // namespace numora
