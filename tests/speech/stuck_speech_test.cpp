// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The listening mode against a speech-dispatcher that stops answering, a row for each way:
// the window never waits for it, the mode goes off saying so, and the game goes on.

#include "form_probe.h"
#include "listening_mode.h"
#include "next_message.h"
#include "speech_dispatcher_client.h"
#include "unix_listener.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <poll.h>
#include <thread>

using pabrel::desktop::SpeechDispatcherClient;
using pabrel::testing::FormProbe;

namespace {
constexpr std::chrono::milliseconds Patience{300};

// Answers as speech-dispatcher does, though it never speaks, until the first command that
// begins with `command`; it then never answers again, answers half a line, or hangs up.
// Speech is sent to it while it lives.
class FakeSpeechDispatcher
{
public:
    enum Fault
    {
        Silent,
        HalfLine,
        HangUp
    };

    FakeSpeechDispatcher(QByteArray command, Fault fault)
        : command_(std::move(command)), fault_(fault), listener_(pabrel::testing::listenAt(socket_))
    {
        qputenv("SPEECHD_ADDRESS", "unix_socket:" + socket_);
        if (::pipe(stop_) == 0) {
            thread_ = std::thread([this] { serve(); });
        }
    }
    ~FakeSpeechDispatcher()
    {
        ::write(stop_[1], "", 1);
        thread_.join();
        for (const int fd : {caller_, listener_, stop_[0], stop_[1]}) {
            ::close(fd);
        }
    }

    bool isListening() const { return listener_ >= 0; }
    int said() const { return said_; }

private:
    // Whether `fd` can be read before the fake is stopped.
    bool await(int fd) const
    {
        pollfd watched[]{{fd, POLLIN, 0}, {stop_[0], POLLIN, 0}};
        return ::poll(watched, 2, -1) > 0 && watched[1].revents == 0;
    }

    void serve()
    {
        if (!await(listener_) || (caller_ = ::accept(listener_, nullptr, nullptr)) < 0) {
            return;
        }
        QByteArray heard;
        bool speaking = false; // between SPEAK and the lone dot that ends the text
        char buffer[1024];
        for (ssize_t got = 0;
             await(caller_) && (got = ::read(caller_, buffer, sizeof buffer)) > 0;) {
            heard.append(buffer, got);
            for (qsizetype end = 0; (end = heard.indexOf("\r\n")) >= 0; heard.remove(0, end + 2)) {
                const QByteArray line = heard.left(end).toUpper();
                if (!speaking && line.startsWith(command_)) {
                    fault_ == HangUp ? ::shutdown(caller_, SHUT_RDWR)
                                     : send(fault_ == HalfLine ? "208 OK CLIE" : "");
                    return;
                }
                const bool ends = speaking && line == ".";
                speaking = (speaking && !ends) || line == "SPEAK";
                send(line == "SPEAK" ? "230 OK RECEIVING DATA\r\n"
                     : ends ? "225-" + QByteArray::number(++said_) + "\r\n225 OK MESSAGE QUEUED\r\n"
                     : speaking ? QByteArray()
                                : "200 OK\r\n");
            }
        }
    }

    int send(const QByteArray& reply) const
    {
        return int(::write(caller_, reply.constData(), std::size_t(reply.size())));
    }

    QTemporaryDir folder_;
    QByteArray socket_ = QFile::encodeName(folder_.filePath(QStringLiteral("speechd")));
    QByteArray command_;
    Fault fault_;
    int listener_;
    int caller_ = -1;
    int stop_[2]{-1, -1};
    std::atomic<int> said_ = 0;
    std::thread thread_;
};
} // namespace

class StuckSpeechTest : public QObject
{
    Q_OBJECT

private slots:
    void aStuckSpeechServerHoldsNothingUp_data();
    void aStuckSpeechServerHoldsNothingUp();
};

void StuckSpeechTest::aStuckSpeechServerHoldsNothingUp_data()
{
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("fault");
    QTest::newRow("greeting answered by half a line")
        << QByteArray("SET SELF CLIENT_NAME") << int(FakeSpeechDispatcher::HalfLine);
    QTest::newRow("speak never answered")
        << QByteArray("SPEAK") << int(FakeSpeechDispatcher::Silent);
    QTest::newRow("hangs up on speak") << QByteArray("SPEAK") << int(FakeSpeechDispatcher::HangUp);
    QTest::newRow("cancel never answered")
        << QByteArray("CANCEL") << int(FakeSpeechDispatcher::Silent);
}

void StuckSpeechTest::aStuckSpeechServerHoldsNothingUp()
{
    QFETCH(QByteArray, command);
    QFETCH(int, fault);
    // Made before the window, so that it still holds the connection up while the window
    // goes: were closing to wait for speech, this would never end.
    FakeSpeechDispatcher server(command, FakeSpeechDispatcher::Fault(fault));
    QVERIFY(server.isListening());
    FormProbe probe;
    pabrel::ui::ListeningMode* mode = probe.form().listeningMode();
    mode->setSpeechFactory([] { return std::make_unique<SpeechDispatcherClient>(Patience); });
    QVERIFY(probe.showActive());
    int beats = 0;
    QTimer heartbeat;
    QObject::connect(&heartbeat, &QTimer::timeout, [&beats] { ++beats; });
    heartbeat.start(Patience / 10);
    QString message;
    pabrel::testing::answerNextMessage(message);

    QVERIFY(mode->setOn(true));
    if (command != "SET SELF CLIENT_NAME") {
        QTest::mouseClick(probe.startButton(), Qt::LeftButton);
        probe.advance(3000);
    }
    if (command == "CANCEL") {
        QTRY_COMPARE(server.said(), 1);
        QTest::mouseClick(probe.startButton(), Qt::LeftButton); // gives up while it is said
        QCOMPARE(probe.label()->text(), QStringLiteral("残念！"));
    }
    QTRY_VERIFY(message.contains(QStringLiteral("聞いて覚える")));
    QVERIFY(!mode->isOn());
    // However long the server kept it waiting, the window's thread turned all the while.
    QVERIFY(fault == FakeSpeechDispatcher::HangUp || beats >= 5);

    // The question being read is shown instead, or the next round flashes as usual.
    QString digits;
    if (command == "SPEAK") {
        QTRY_VERIFY(probe.box(0)->text().at(0).isDigit());
        digits = probe.box(0)->text() + probe.box(1)->text();
        probe.advance(600);
    } else {
        probe.advance(1500);
        QVERIFY(probe.playToAnswering());
        digits = probe.flashedDigits();
    }
    QVERIFY(probe.showActive()); // the message box took the keyboard with it
    probe.type(digits);
    QCOMPARE(probe.label()->text(), QStringLiteral("正解！"));
}

QTEST_MAIN(StuckSpeechTest)
#include "stuck_speech_test.moc"
