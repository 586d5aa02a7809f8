// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boost's way through RealtimeKit, against a fake RealtimeKit on a bus of the test's
// own, and against a bus that takes the connection and never says a word. Raising a
// thread for real needs root (as in CI); without it the fake only records the request,
// and the rows that end on the direct way are skipped.

#include "fake_realtime_kit.h"
#include "realtime_boost.h"
#include "realtime_kit_link.h"

#include <QLocalServer>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using pabrel::realtime::RealtimeBoost;
using pabrel::realtime::RealtimeKitLink;
using pabrel::testing::FakeRealtimeKit;
using Path = RealtimeBoost::Path;
using Reply = FakeRealtimeKit::Reply;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Reply)

namespace {
constexpr int LowestRealtimePriority = 1;
// Short, so that a request left unanswered fails quickly.
constexpr std::chrono::milliseconds Timeout = 300ms;

bool mayRaise()
{
    return geteuid() == 0;
}

qulonglong callingThread()
{
    return static_cast<qulonglong>(syscall(SYS_gettid));
}
} // namespace

class RealtimeKitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void asksRealtimeKitFirst_data();
    void asksRealtimeKitFirst();
    void aBusThatNeverAnswersHoldsNothingUp();

private:
    QTemporaryDir folder_;
    QProcess bus_;
    QString busAddress_;
};

void RealtimeKitTest::initTestCase()
{
    const QString daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (daemon.isEmpty()) {
        QSKIP("dbus-daemon is not installed: no bus for a fake RealtimeKit");
    }
    QVERIFY(folder_.isValid());
    bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address"),
                        QStringLiteral("--address=unix:dir=") + folder_.path()});
    QVERIFY(bus_.waitForStarted());
    QTRY_VERIFY(bus_.canReadLine());
    busAddress_ = QString::fromUtf8(bus_.readLine()).trimmed();
    QVERIFY(!busAddress_.isEmpty());
}

void RealtimeKitTest::cleanupTestCase()
{
    bus_.kill();
    bus_.waitForFinished();
}

void RealtimeKitTest::cleanup()
{
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
}

void RealtimeKitTest::asksRealtimeKitFirst_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<int>("maxPriority");
    QTest::addColumn<bool>("direct");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<Path>("path");
    QTest::newRow("granted") << Reply::Grant << 20 << true << true << Path::RealtimeKit;
    QTest::newRow("refused, then directly") << Reply::Refuse << 20 << true << true << Path::Direct;
    QTest::newRow("refused, no other way") << Reply::Refuse << 20 << false << true << Path::None;
    QTest::newRow("too low a priority offered, then directly")
        << Reply::Grant << 0 << true << false << Path::Direct;
    QTest::newRow("never answered, though carried out")
        << Reply::Never << 20 << false << true << Path::None;
}

// The first round goes the direct way, where it may, while the link to RealtimeKit comes
// up; from the second on, RealtimeKit is asked first.
void RealtimeKitTest::asksRealtimeKitFirst()
{
    QFETCH(Reply, reply);
    QFETCH(int, maxPriority);
    QFETCH(bool, direct);
    QFETCH(bool, asked);
    QFETCH(Path, path);
    if (path == Path::Direct && !mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    FakeRealtimeKit kit(busAddress_, reply, maxPriority);
    QVERIFY(kit.isRegistered());
    RealtimeBoost boost({.direct = direct, .busAddress = busAddress_, .busTimeout = Timeout},
                        nullptr);

    boost.begin(10s);
    auto* link = boost.findChild<RealtimeKitLink*>();
    QVERIFY(link != nullptr);
    QCOMPARE(RealtimeBoost::isCallingThreadRealtime(), direct && mayRaise());
    QSignalSpy linked(link, &RealtimeKitLink::connected);
    QSignalSpy answered(link, &RealtimeKitLink::answered);
    QTRY_COMPARE(linked.count(), 1);
    boost.end();

    boost.begin(10s);
    QTRY_COMPARE(answered.count(), asked ? 1 : 0);
    QCOMPARE(boost.path(), path);
    const QList<FakeRealtimeKit::Request> requests{{callingThread(), LowestRealtimePriority}};
    QCOMPARE(kit.requests(), asked ? requests : QList<FakeRealtimeKit::Request>{});
    QCOMPARE(RealtimeBoost::isCallingThreadRealtime(), path != Path::None && mayRaise());
    boost.end();
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
    if (path == Path::RealtimeKit) {
        // Within RealtimeKit's limit, with the soft limit's SIGXCPU to drop the thread first.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_RTTIME, &limit), 0);
        QVERIFY(limit.rlim_max <= static_cast<rlim_t>(FakeRealtimeKit::LongestRunUs));
        QCOMPARE(limit.rlim_cur, limit.rlim_max / 2);
    }
}

// A bus that takes the connection and never answers: begin() returns at once, the event
// loop keeps turning (the countdown's ticks come), other D-Bus traffic of the program goes
// on, and in the end the link gives up and the boost plays on without RealtimeKit.
void RealtimeKitTest::aBusThatNeverAnswersHoldsNothingUp()
{
    QLocalServer silent;
    QVERIFY(silent.listen(folder_.filePath(QStringLiteral("silent-bus"))));
    RealtimeBoost boost({.direct = false,
                         .busAddress = QStringLiteral("unix:path=") + silent.fullServerName(),
                         .busTimeout = 1s},
                        nullptr);
    boost.begin(10s);
    QCOMPARE(boost.path(), Path::Untried);

    int ticks = 0;
    QTimer countdown;
    connect(&countdown, &QTimer::timeout, this, [&] { ++ticks; });
    countdown.start(10ms);
    QTRY_VERIFY(ticks >= 3);

    FakeRealtimeKit kit(busAddress_, Reply::Grant, 20);
    RealtimeBoost served({.direct = false, .busAddress = busAddress_}, nullptr);
    served.begin(10s);
    QTRY_COMPARE(served.path(), Path::RealtimeKit);
    served.end();

    QTRY_COMPARE(boost.path(), Path::None);
    boost.end();
}

QTEST_GUILESS_MAIN(RealtimeKitTest)
#include "realtime_kit_test.moc"
