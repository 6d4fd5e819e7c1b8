// The desktop's notifications: the freedesktop notification service over the session bus, the
// tray icon's balloon where the service is absent, and nothing at all where neither is there.
#pragma once

#include <QDBusConnection>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>

#include "platform/notifier.h"

namespace salvenor {

// The freedesktop notification service's names.
inline constexpr const char* NotificationService = "org.freedesktop.Notifications";
inline constexpr const char* NotificationPath = "/org/freedesktop/Notifications";

// Sends one notification through the service on `bus` when the bus has it (running, or started
// on demand); false, having sent nothing, when it has not. The call does not wait for an answer.
bool SendToNotificationService(const QDBusConnection& bus, const QString& appName,
                               const QString& summary, const QString& body);

class DesktopNotifier final : public Notifier {
  public:
    // Sends through the service; false when the service cannot take it.
    using ServiceSender = std::function<bool(const QString& summary, const QString& body)>;

    // Without a sender, the session bus's service.
    explicit DesktopNotifier(ServiceSender sender = {});

    // The tray icon whose balloon stands in for the service; it may come and go.
    void setTrayIcon(QSystemTrayIcon* icon) { trayIcon_ = icon; }

    void notify(const std::string& summary, const std::string& body) override;

  private:
    ServiceSender sender_;
    QPointer<QSystemTrayIcon> trayIcon_;
};

}  // namespace salvenor
