// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boost against the real kernel: which way raises the thread, that it always comes
// down again, and the limit it sets on a real-time thread's run. Raising needs root or
// CAP_SYS_NICE (as in CI); without them the rows that expect a raise are skipped.

#include "realtime_boost.h"

#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

using pabrel::realtime::RealtimeBoost;
using Path = RealtimeBoost::Path;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(RealtimeBoost::Ways)
Q_DECLARE_METATYPE(RealtimeBoost::Path)

namespace {
// A bus address where no bus listens: RealtimeKit is unreachable, at once.
const QString NoBus = QStringLiteral("unix:path=/nonexistent/pabrel-test-bus");

bool mayRaise()
{
#if defined(Q_OS_LINUX)
    return geteuid() == 0;
#else
    return false;
#endif
}
} // namespace

class RealtimeBoostTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void raisesByTheWayAvailable_data();
    void raisesByTheWayAvailable();
    void comesDownByItselfAfterItsLimit();
    void switchedOffItNeitherRaisesNorStaysUp();
};

void RealtimeBoostTest::cleanup()
{
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
}

void RealtimeBoostTest::raisesByTheWayAvailable_data()
{
    QTest::addColumn<RealtimeBoost::Ways>("ways");
    QTest::addColumn<Path>("path");
    QTest::newRow("kernel directly") << RealtimeBoost::Ways{false, true, {}} << Path::Direct;
    QTest::newRow("RealtimeKit unreachable, then directly")
        << RealtimeBoost::Ways{true, true, NoBus} << Path::Direct;
    QTest::newRow("RealtimeKit unreachable, no other way")
        << RealtimeBoost::Ways{true, false, NoBus} << Path::None;
    QTest::newRow("no way at all") << RealtimeBoost::Ways{false, false, {}} << Path::None;
}

void RealtimeBoostTest::raisesByTheWayAvailable()
{
    QFETCH(RealtimeBoost::Ways, ways);
    QFETCH(Path, path);
    const bool raises = path != Path::None;
    if (raises && !mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    RealtimeBoost boost(ways, nullptr);
    QCOMPARE(boost.path(), Path::Untried);

    for (int round = 1; round <= 2; ++round) {
        boost.begin(10s);
        // RealtimeKit's absence is learnt in the background.
        QTRY_COMPARE(boost.path(), path);
        QCOMPARE(RealtimeBoost::isCallingThreadRealtime(), raises);
        boost.begin(10s);
        QCOMPARE(RealtimeBoost::isCallingThreadRealtime(), raises);
        boost.end();
        QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
    }
    if (raises) {
        // A runaway real-time thread gets SIGXCPU at the soft limit, which drops it to
        // normal, well before the hard limit's SIGKILL.
        rlimit limit{};
        QCOMPARE(getrlimit(RLIMIT_RTTIME, &limit), 0);
        QVERIFY(limit.rlim_max <= 200'000);
        QCOMPARE(limit.rlim_cur, limit.rlim_max / 2);
    }
}

void RealtimeBoostTest::comesDownByItselfAfterItsLimit()
{
    if (!mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    RealtimeBoost boost(RealtimeBoost::Ways{false, true, {}}, nullptr);
    boost.begin(20ms);
    QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    QTRY_VERIFY(!RealtimeBoost::isCallingThreadRealtime());
    // Destroyed while raised, it comes down too.
    {
        RealtimeBoost passing(RealtimeBoost::Ways{false, true, {}}, nullptr);
        passing.begin(10s);
        QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    }
}

void RealtimeBoostTest::switchedOffItNeitherRaisesNorStaysUp()
{
    if (!mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    RealtimeBoost boost(RealtimeBoost::Ways{false, true, {}}, nullptr);
    boost.begin(10s);
    boost.setEnabled(false);
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
    boost.begin(10s);
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
    QCOMPARE(boost.path(), Path::Direct);
}

QTEST_GUILESS_MAIN(RealtimeBoostTest)
#include "realtime_boost_test.moc"
