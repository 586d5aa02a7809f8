// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boost's way through RealtimeKit, against a fake RealtimeKit on a bus of the test's
// own, and against a bus that takes the connection and never says a word. The direct way
// is switched off where RealtimeKit is to be asked, as the kernel refuses a user without
// privileges. Raising a thread for real needs root (as in CI); without it the fake only
// records the request, and the row that ends on the direct way is skipped.

#include "fake_realtime_kit.h"
#include "realtime_boost.h"

#include <QLocalServer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/syscall.h>

using pabrel::realtime::RealtimeBoost;
using pabrel::testing::FakeRealtimeKit;
using Path = RealtimeBoost::Path;
using Reply = FakeRealtimeKit::Reply;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(Path)
Q_DECLARE_METATYPE(Reply)

class RealtimeKitTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase()
    {
        bus_.kill();
        bus_.waitForFinished();
    }
    void cleanup() { QVERIFY(!RealtimeBoost::isCallingThreadRealtime()); }
    void asksRealtimeKitWhereTheKernelRefuses_data();
    void asksRealtimeKitWhereTheKernelRefuses();
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
    bus_.start(daemon, {QStringLiteral("--session"), QStringLiteral("--nofork"),
                        QStringLiteral("--print-address"),
                        QStringLiteral("--address=unix:dir=") + folder_.path()});
    QTRY_VERIFY(bus_.canReadLine());
    busAddress_ = QString::fromUtf8(bus_.readLine()).trimmed();
}

void RealtimeKitTest::asksRealtimeKitWhereTheKernelRefuses_data()
{
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<int>("maxPriority");
    QTest::addColumn<bool>("direct");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<Path>("path");
    QTest::newRow("granted") << Reply::Grant << 20 << false << true << Path::RealtimeKit;
    QTest::newRow("refused") << Reply::Refuse << 20 << false << true << Path::None;
    QTest::newRow("too low a priority offered")
        << Reply::Grant << 0 << false << false << Path::None;
    QTest::newRow("never answered, though carried out")
        << Reply::Never << 20 << false << true << Path::None;
    QTest::newRow("the kernel permits: not asked")
        << Reply::Grant << 20 << true << false << Path::Direct;
}

void RealtimeKitTest::asksRealtimeKitWhereTheKernelRefuses()
{
    QFETCH(Reply, reply);
    QFETCH(int, maxPriority);
    QFETCH(bool, direct);
    QFETCH(bool, asked);
    QFETCH(Path, path);
    const bool mayRaise = geteuid() == 0;
    if (direct && !mayRaise) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    FakeRealtimeKit kit(busAddress_, reply, maxPriority);
    QVERIFY(kit.isRegistered());
    RealtimeBoost boost({.direct = direct, .busAddress = busAddress_, .busTimeout = 300ms},
                        nullptr);
    boost.begin(10s);
    QTRY_COMPARE(boost.path(), path);
    const FakeRealtimeKit::Request lowestForThisThread{
        static_cast<qulonglong>(getpid()), static_cast<qulonglong>(syscall(SYS_gettid)), 1};
    QCOMPARE(kit.requests(),
             asked ? QList{lowestForThisThread} : QList<FakeRealtimeKit::Request>{});
    QCOMPARE(RealtimeBoost::isCallingThreadRealtime(), path != Path::None && mayRaise);
    // Whatever RealtimeKit does after the boost stopped waiting, the end lowers the thread.
    kit.carryOutUnanswered();
    boost.end();
}

// begin() returns at once, the countdown's ticks keep coming, the program's other D-Bus
// traffic goes on, and in the end the link gives up and the boost plays on without it.
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
    // Asked again on the link it has.
    served.begin(10s);
    QTRY_COMPARE(kit.requests().size(), 2);
    QTRY_COMPARE(RealtimeBoost::isCallingThreadRealtime(), geteuid() == 0);
    served.end();
    QTRY_COMPARE(boost.path(), Path::None);
}

QTEST_GUILESS_MAIN(RealtimeKitTest)
#include "realtime_kit_test.moc"
