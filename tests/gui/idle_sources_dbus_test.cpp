// logind and the desktop screen saver as the idle detector sees them, against python3-dbusmock
// services on a private bus.
#include <gtest/gtest.h>

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "linux/idle_desktop_screen_saver.h"
#include "linux/logind_watcher.h"
#include "platform/sleep_events.h"
#include "workstation/process/idle_change_log.h"
#include "workstation/process/idle_detector_host.h"

namespace ostrel {
namespace {

const QString kPython = QStringLiteral("/usr/bin/python3");
const QString kLogind = QStringLiteral("org.freedesktop.login1");
const QString kLogindPath = QStringLiteral("/org/freedesktop/login1");
const QString kManager = QStringLiteral("org.freedesktop.login1.Manager");
const QString kMock = QStringLiteral("org.freedesktop.DBus.Mock");
const QString kSaver = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kSessionPath = QStringLiteral("/org/freedesktop/login1/session/c1");
constexpr int kWaitMs = 10000;

// A desktop screen saver that starts as the parameter "active" says.
constexpr char kSaverTemplate[] = R"(
BUS_NAME = 'org.freedesktop.ScreenSaver'
MAIN_OBJ = '/org/freedesktop/ScreenSaver'
MAIN_IFACE = 'org.freedesktop.ScreenSaver'
SYSTEM_BUS = False

def load(mock, parameters):
    mock.active = parameters.get('active', False)
    mock.AddMethods(MAIN_IFACE, [
        ('GetActive', '', 'b', 'ret = self.active'),
        ('SetActive', 'b', '', 'self.active = args[0]; '
                               'self.EmitSignal("", "ActiveChanged", "b", [args[0]])'),
    ])
)";

// Sets an environment variable for one test.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    }
    ~ScopedEnv() {
        if (had_) {
            qputenv(name_, old_);
        } else {
            qunsetenv(name_);
        }
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

// A private dbus-daemon with dbusmock services on it.
class PrivateBusTest : public testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() ||
            QProcess::execute(kPython, {"-c", "import dbusmock"}) != 0) {
            GTEST_SKIP() << "needs dbus-daemon and python3-dbusmock";
        }
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(daemon_.waitForReadyRead(kWaitMs));
        address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
        bus_ = QDBusConnection::connectToBus(address_, busName_);
        ASSERT_TRUE(bus_.isConnected()) << address_.toStdString();
    }

    void TearDown() override {
        for (auto& mock : mocks_) StopProcess(*mock);
        QDBusConnection::disconnectFromBus(busName_);
        StopProcess(daemon_);
    }

    static void StopProcess(QProcess& process) {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        process.waitForFinished(kWaitMs);
    }

    bool Offered(const QString& service) {
        return bus_.interface()->isServiceRegistered(service).value();
    }

    // Starts dbusmock with the arguments and waits until it owns `service`.
    QProcess& StartMock(const QStringList& arguments, const QString& service) {
        auto& mock = *mocks_.emplace_back(std::make_unique<QProcess>());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address_);
        mock.setProcessEnvironment(environment);
        mock.setStandardOutputFile(QProcess::nullDevice());
        mock.start(kPython, QStringList{"-m", "dbusmock", "--session"} + arguments);
        EXPECT_TRUE(QTest::qWaitFor([&] { return Offered(service); }, kWaitMs));
        return mock;
    }

    // logind with the session "c1", optionally found by process id.
    void StartLogind() {
        StartMock({"-t", "logind"}, kLogind);
        Call(kLogind, kLogindPath, kMock, "AddSession", {"c1", "seat0", 1000u, "tester", true});
        Call(kLogind, kLogindPath, kMock, "AddMethod",
             {kManager, "GetSessionByPID", "u", "o", "ret = '" + kSessionPath + "'"});
    }

    QProcess& StartSaver(bool active) {
        const QString path = templates_.filePath(QStringLiteral("desktop_saver.py"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(kSaverTemplate) > 0);
        file.close();
        return StartMock(
            {"-t", path, "-p", active ? R"({"active": true})" : R"({"active": false})"}, kSaver);
    }

    void Call(const QString& service, const QString& path, const QString& interface,
              const QString& method, const QVariantList& arguments = {}) {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call.setArguments(arguments);
        const QDBusMessage reply = bus_.call(call, QDBus::Block, kWaitMs);
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage)
            << method.toStdString() << ": " << reply.errorMessage().toStdString();
    }

    void PrepareForSleep(bool start) {
        Call(kLogind, kLogindPath, kMock, "EmitSignal",
             {kManager, "PrepareForSleep", "b", QVariantList{start}});
    }

    void SetLockedHint(bool locked) {
        Call(kLogind, kSessionPath, "org.freedesktop.login1.Session", "SetLockedHint", {locked});
    }

    LogindWatcher::Trace Recorder() {
        return [this](const std::string& line) { traces_.push_back(line); };
    }

    const QString busName_ = QStringLiteral("ostrel-idle-test");
    QProcess daemon_;
    QString address_;
    QDBusConnection bus_{QString()};
    std::vector<std::unique_ptr<QProcess>> mocks_;
    QTemporaryDir templates_;
    std::vector<std::string> traces_;
};

TEST_F(PrivateBusTest, PrepareForSleepGivesSuspendThenResume) {
    StartLogind();
    LogindWatcher watcher(bus_, Recorder());
    QSignalSpy events(&watcher, &LogindWatcher::PowerEvent);
    PrepareForSleep(true);
    PrepareForSleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return events.size() == 2; }, kWaitMs));
    EXPECT_EQ(events.at(0).at(0).toInt(), kPowerSuspend);
    EXPECT_EQ(events.at(1).at(0).toInt(), kPowerResumeSuspend);
    EXPECT_TRUE(traces_.empty());
}

TEST_F(PrivateBusTest, SessionLockFollowsLockedHint) {
    StartLogind();
    // The session is named by the environment, or else found by this process's id.
    for (const QByteArray& sessionId : {QByteArray("c1"), QByteArray()}) {
        SCOPED_TRACE(sessionId.isNull() ? "by process" : "by id");
        const ScopedEnv env("XDG_SESSION_ID", sessionId);
        SetLockedHint(true);
        LogindWatcher watcher(bus_, Recorder());
        EXPECT_TRUE(watcher.SessionLocked());
        SetLockedHint(false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !watcher.SessionLocked(); }, kWaitMs));
        SetLockedHint(true);
        EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.SessionLocked(); }, kWaitMs));
        EXPECT_TRUE(traces_.empty());
    }
}

TEST_F(PrivateBusTest, WithoutLogindOrBusTracesAndGoesOn) {
    const ScopedEnv env("XDG_SESSION_ID", "c1");
    LogindWatcher withoutLogind(bus_, Recorder());
    EXPECT_FALSE(withoutLogind.SessionLocked());
    ASSERT_EQ(traces_.size(), 1u);
    EXPECT_EQ(traces_[0].rfind("logind: no session: ", 0), 0u) << traces_[0];

    traces_.clear();
    LogindWatcher withoutBus(QDBusConnection(QStringLiteral("no such bus")), Recorder());
    EXPECT_FALSE(withoutBus.SessionLocked());
    EXPECT_EQ(traces_, std::vector<std::string>{"logind: no system bus"});
}

TEST_F(PrivateBusTest, DesktopScreenSaverReadAtStart) {
    StartSaver(true);
    DesktopScreenSaver saver(bus_);
    EXPECT_EQ(saver.Active(), true);
}

TEST_F(PrivateBusTest, DesktopScreenSaverFollowsTheServiceAndItsSignal) {
    DesktopScreenSaver saver(bus_);
    EXPECT_EQ(saver.Active(), std::nullopt);

    QProcess& mock = StartSaver(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return saver.Active() == false; }, kWaitMs));
    Call(kSaver, kSaverPath, kSaver, "SetActive", {true});
    EXPECT_TRUE(QTest::qWaitFor([&] { return saver.Active() == true; }, kWaitMs));

    StopProcess(mock);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !saver.Active().has_value(); }, kWaitMs));
}

// The host hands logind's notifications and the session's state to the detector: the lock
// form's log lines come out of them.
TEST_F(PrivateBusTest, HostReportsPowerLockAndSaverChanges) {
    StartLogind();
    StartSaver(false);
    const ScopedEnv env("XDG_SESSION_ID", "c1");
    IdleDetectorHost host(bus_, bus_, Recorder());
    TmcDetectIdle& detector = host.Detector();
    std::vector<std::string> lines;
    detector.SetOnChange([&](TmcDetectIdle& sender, IdleChangeSet changes) {
        for (const std::string& line : IdleChangeLogLines(sender, changes)) lines.push_back(line);
    });

    PrepareForSleep(true);
    PrepareForSleep(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lines.size() == 2; }, kWaitMs));
    EXPECT_EQ(lines, (std::vector<std::string>{"Power Suspended", "Power Resumed"}));

    lines.clear();
    detector.SetTimerInterval(20);
    detector.SetTimerEnabled(true);
    SetLockedHint(true);
    Call(kSaver, kSaverPath, kSaver, "SetActive", {true});
    EXPECT_TRUE(QTest::qWaitFor([&] { return lines.size() == 2; }, kWaitMs));
    QTest::qWait(100);
    std::sort(lines.begin(), lines.end());  // one tick or two
    EXPECT_EQ(lines, (std::vector<std::string>{"ScreenSaver Started", "Workstation Locked"}));
}

}  // namespace
}  // namespace ostrel
