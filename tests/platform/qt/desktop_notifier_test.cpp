// Notifications through a real session bus (a private dbus-daemon) with a stand-in for the
// desktop's notification service; an absent service and an absent tray say nothing.
#include "platform/qt/desktop_notifier.h"

#include <QDBusConnection>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace salvenor {
namespace {

// The desktop's notification service as far as Notify: it records each call.
class FakeNotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    QStringList calls;

  public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& icon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int timeout) {
        calls << QStringList{appName,
                             QString::number(replacesId),
                             icon,
                             summary,
                             body,
                             QString::number(actions.size()),
                             QString::number(hints.size()),
                             QString::number(timeout)}
                     .join(QLatin1Char('|'));
        return static_cast<uint>(calls.size());
    }
};

// A session bus of the test's own, ended with it.
class PrivateBus {
  public:
    PrivateBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (daemon_.waitForStarted(5000) && daemon_.waitForReadyRead(5000)) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        }
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    const QString& address() const { return address_; }
    QDBusConnection connect(const QString& name) const {
        return QDBusConnection::connectToBus(address_, name);
    }

  private:
    QProcess daemon_;
    QString address_;
};

TEST(DesktopNotifier, SendsSummaryAndBodyThroughTheNotificationService) {
    const PrivateBus bus;
    if (bus.address().isEmpty()) {
        GTEST_SKIP() << "no dbus-daemon";
    }
    QDBusConnection serviceSide = bus.connect(QStringLiteral("service"));
    FakeNotificationService service;
    ASSERT_TRUE(serviceSide.registerObject(QString::fromLatin1(NotificationPath), &service,
                                           QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceSide.registerService(QString::fromLatin1(NotificationService)));

    const QDBusConnection client = bus.connect(QStringLiteral("client"));
    DesktopNotifier notifier([&client](const QString& summary, const QString& body) {
        return SendToNotificationService(client, QStringLiteral("Salvenor"), summary, body);
    });
    notifier.notify("Asr in 10 minutes", "Asr at 3:29 pm");
    EXPECT_TRUE(QTest::qWaitFor([&service] { return !service.calls.isEmpty(); }, 5000));
    EXPECT_EQ(service.calls,
              QStringList{"Salvenor|0|salvenor|Asr in 10 minutes|Asr at 3:29 pm|0|0|-1"});
    QDBusConnection::disconnectFromBus(QStringLiteral("service"));
    QDBusConnection::disconnectFromBus(QStringLiteral("client"));
}

TEST(DesktopNotifier, AnAbsentServiceOrBusTakesNothingAndNoTraySaysNothing) {
    const PrivateBus bus;
    if (!bus.address().isEmpty()) {
        const QDBusConnection client = bus.connect(QStringLiteral("lonely"));
        EXPECT_FALSE(SendToNotificationService(client, QStringLiteral("Salvenor"),
                                               QStringLiteral("s"), QStringLiteral("b")));
        QDBusConnection::disconnectFromBus(QStringLiteral("lonely"));
    }
    const QDBusConnection none = QDBusConnection::connectToBus(
        QStringLiteral("unix:path=/nonexistent/bus"), QStringLiteral("none"));
    EXPECT_FALSE(SendToNotificationService(none, QStringLiteral("Salvenor"), QStringLiteral("s"),
                                           QStringLiteral("b")));
    QDBusConnection::disconnectFromBus(QStringLiteral("none"));

    // Neither service nor tray icon (or a tray icon the desktop does not show): silently nothing.
    int tries = 0;
    DesktopNotifier notifier([&tries](const QString&, const QString&) {
        ++tries;
        return false;
    });
    notifier.notify("Time for Asr", "Asr at 3:29 pm");
    QSystemTrayIcon hidden;
    notifier.setTrayIcon(&hidden);
    notifier.notify("Time for Asr", "Asr at 3:29 pm");
    EXPECT_EQ(tries, 2);
}

}  // namespace
}  // namespace salvenor

#include "desktop_notifier_test.moc"
