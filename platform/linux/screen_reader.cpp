#include "screen_reader.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QString>

namespace numora::platform {

// Qt's AT-SPI bridge before Qt 6.8 sends a name change with the object in place
// of the new name, which Orca cannot speak, and cannot send a sentence to be
// spoken at all. This sends the name itself, on the bridge's own connection;
// without one, nothing is listening.
bool sendAccessibleName(QObject* o, const QString& name)
{
    QDBusConnection bridge(QStringLiteral("a11y"));
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    if (!bridge.isConnected() || !i) return false;
    QDBusMessage m = QDBusMessage::createSignal(
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(i)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    m << QStringLiteral("accessible-name") << 0 << 0 << QVariant::fromValue(QDBusVariant(name)) << QVariantMap();
    return bridge.send(m);
}

}  // namespace numora::platform
