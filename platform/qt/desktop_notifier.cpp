// Notifications through the freedesktop service, or the tray icon's balloon.
#include "platform/qt/desktop_notifier.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>
#include <utility>

#include "core/texts.h"

namespace salvenor {

namespace {

// How long a balloon stays, when the desktop lets the program choose.
constexpr int BalloonMs = 10000;

}  // namespace

bool SendToNotificationService(const QDBusConnection& bus, const QString& appName,
                               const QString& summary, const QString& body) {
    if (!bus.isConnected()) {
        return false;
    }
    const QDBusConnectionInterface* const names = bus.interface();
    const QString service = QString::fromLatin1(NotificationService);
    if (names == nullptr || (!names->isServiceRegistered(service).value() &&
                             !names->activatableServiceNames().value().contains(service))) {
        return false;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QString::fromLatin1(NotificationPath), service, QStringLiteral("Notify"));
    // Notify(app_name, replaces_id, app_icon, summary, body, actions, hints, expire_timeout).
    call << appName << 0U << QStringLiteral("salvenor") << summary << body << QStringList()
         << QVariantMap() << -1;
    return bus.send(call);
}

DesktopNotifier::DesktopNotifier(ServiceSender sender) : sender_(std::move(sender)) {
    if (!sender_) {
        sender_ = [](const QString& summary, const QString& body) {
            return SendToNotificationService(QDBusConnection::sessionBus(),
                                             QString::fromUtf8(texts::AppTitle), summary, body);
        };
    }
}

void DesktopNotifier::notify(const std::string& summary, const std::string& body) {
    const QString s = QString::fromStdString(summary);
    const QString b = QString::fromStdString(body);
    if (sender_(s, b)) {
        return;
    }
    if (trayIcon_ && trayIcon_->isVisible() && QSystemTrayIcon::supportsMessages()) {
        trayIcon_->showMessage(s, b, QSystemTrayIcon::Information, BalloonMs);
    }
}

}  // namespace salvenor
