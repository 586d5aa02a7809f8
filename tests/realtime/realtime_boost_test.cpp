// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The boost's table of states, and the boost against the real kernel: which way raises the
// thread, that it always comes down again, and the limit it sets on a real-time thread's
// run. Raising needs root or CAP_SYS_NICE (as in CI); without them the rows that expect a
// raise are skipped.

#include "realtime_boost.h"

#include <QLoggingCategory>
#include <QTest>

#include <sys/resource.h>
#include <unistd.h>

using pabrel::realtime::RealtimeBoost;
using Path = RealtimeBoost::Path;
using State = RealtimeBoost::State;
using Event = RealtimeBoost::Event;
using Action = RealtimeBoost::Action;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(RealtimeBoost::Path)
Q_DECLARE_METATYPE(RealtimeBoost::State)
Q_DECLARE_METATYPE(RealtimeBoost::Action)

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
    // What the boost says of itself is checked too.
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("pabrel.*=true")); }
    void cleanup();
    void followsItsTable_data();
    void followsItsTable();
    void raisesByTheWayAvailable_data();
    void raisesByTheWayAvailable();
    void comesDownByItselfAfterItsLimit();
    void aRunawayThreadIsDroppedToNormal();
};

void RealtimeBoostTest::cleanup()
{
    QVERIFY(!RealtimeBoost::isCallingThreadRealtime());
}

void RealtimeBoostTest::followsItsTable_data()
{
    QTest::addColumn<QList<Event>>("events");
    QTest::addColumn<State>("state");
    QTest::addColumn<Action>("action");
    const auto row = [](const char* name, QList<Event> events, State state, Action action) {
        QTest::newRow(name) << events << state << action;
    };
    using enum RealtimeBoost::Event;
    using enum RealtimeBoost::State;
    using enum RealtimeBoost::Action;
    row("ended while idle", {End}, Idle, None);
    row("raised at once", {Begin, Granted}, Raised, None);
    row("no way to be had", {Begin, Denied}, Unraised, Lower);
    row("RealtimeKit connected: asked", {Begin, KitReady}, Waiting, AskKit);
    row("begun again while raised", {Begin, Granted, Begin}, Raised, None);
    row("ended while raised", {Begin, Granted, End}, Idle, Lower);
    row("ended while unraised", {Begin, Denied, End}, Idle, Lower);
    row("an answer to nothing asked", {Begin, Granted, Denied}, Raised, None);
    row("ended before the answer", {Begin, End}, Withdrawn, Lower);
    row("withdrawn, then granted: undone", {Begin, End, Granted}, Idle, Lower);
    row("withdrawn, then refused", {Begin, End, Denied}, Idle, Lower);
    row("withdrawn, then connected: nothing asked", {Begin, End, KitReady}, Idle, None);
    row("begun again while withdrawn, then granted", {Begin, End, Begin, Granted}, Raised, None);
    row("begun again while withdrawn, then connected", {Begin, End, Begin, KitReady}, Waiting,
        AskKit);
}

// From Idle, each event in turn; the last step's action is what the boost then does.
void RealtimeBoostTest::followsItsTable()
{
    QFETCH(QList<Event>, events);
    QFETCH(State, state);
    QFETCH(Action, action);
    RealtimeBoost::Step step{State::Idle, Action::None};
    for (const Event event : events) {
        step = RealtimeBoost::next(step.to, event);
    }
    QCOMPARE(step.to, state);
    QCOMPARE(step.action, action);
}

void RealtimeBoostTest::raisesByTheWayAvailable_data()
{
    QTest::addColumn<bool>("direct");
    QTest::addColumn<Path>("path");
    QTest::newRow("kernel directly") << true << Path::Direct;
    QTest::newRow("kernel refuses, RealtimeKit unreachable") << false << Path::None;
}

void RealtimeBoostTest::raisesByTheWayAvailable()
{
    QFETCH(bool, direct);
    QFETCH(Path, path);
    const bool raises = path != Path::None;
    if (raises && !mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    RealtimeBoost boost({.direct = direct, .busAddress = NoBus}, nullptr);
    QCOMPARE(boost.path(), Path::Untried);

    for (int round = 1; round <= 2; ++round) {
        if (round == 2 && !raises) {
            QTest::ignoreMessage(
                QtDebugMsg, "not raised: RealtimeKit is not asked within a minute of a failure");
        }
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
    RealtimeBoost boost;
    boost.begin(20ms);
    QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    QTRY_VERIFY(!RealtimeBoost::isCallingThreadRealtime());
    // Destroyed while raised, it comes down too.
    {
        RealtimeBoost passing;
        passing.begin(10s);
        QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    }
}

// Computing without ever sleeping, the thread meets the soft RLIMIT_RTTIME, whose SIGXCPU
// drops it to normal priority well before the hard limit's SIGKILL would end the program.
void RealtimeBoostTest::aRunawayThreadIsDroppedToNormal()
{
    if (!mayRaise()) {
        QSKIP("raising a thread needs root or CAP_SYS_NICE");
    }
    RealtimeBoost boost;
    boost.begin(10s);
    QVERIFY(RealtimeBoost::isCallingThreadRealtime());
    while (RealtimeBoost::isCallingThreadRealtime()) {
    }
    boost.end();
}

QTEST_GUILESS_MAIN(RealtimeBoostTest)
#include "realtime_boost_test.moc"
