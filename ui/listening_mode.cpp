// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "listening_mode.h"

#include "digit_reader.h"
#include "player_settings.h"
#include "speech_client.h"
#include "translations.h"

#include <QAction>
#include <QMessageBox>
#include <QWidget>

namespace pabrel::ui {

namespace {
const QString SettingKey = QStringLiteral("listening");
} // namespace

ListeningMode::ListeningMode(const Translations& translations, QWidget* window)
    : QObject(window), translations_(translations), window_(window), action_(new QAction(this))
{
    action_->setCheckable(true);
    connect(action_, &QAction::triggered, this, [this](bool checked) { setOn(checked); });
    retranslate();
}

// The reader speaks through the client, so it goes first.
ListeningMode::~ListeningMode()
{
    delete reader_;
}

void ListeningMode::retranslate()
{
    action_->setText(tr("聞いて覚える"));
    if (speech_ != nullptr) {
        speech_->setLanguage(translations_.language());
    }
}

bool ListeningMode::setOn(bool on)
{
    if (on && !connectSpeech()) {
        on = false;
    }
    if (on != on_) {
        on_ = on;
        emit switched(on_);
    }
    action_->setChecked(on_);
    remember();
    return on_;
}

void ListeningMode::restore()
{
    if (playerSettings().value(SettingKey, false).toBool()) {
        setOn(true);
    }
}

bool ListeningMode::connectSpeech()
{
    if (speech_ != nullptr) {
        return true;
    }
    std::unique_ptr<SpeechClient> made = makeSpeech_ ? makeSpeech_() : nullptr;
    if (made == nullptr) {
        cannotSwitchOn(QStringLiteral("this build of Pabrel has no speech-dispatcher support"));
        return false;
    }
    speech_ = made.release();
    speech_->setParent(this);
    connect(speech_, &SpeechClient::opened, this, [this] { connected_ = true; });
    connect(speech_, &SpeechClient::failed, this, &ListeningMode::speechFailed);
    speech_->open();
    speech_->setLanguage(translations_.language());
    reader_ = new DigitReader(*speech_, this);
    // Reported from the event loop, never from within the game's own event, and not at
    // all once the reader has been dropped.
    connect(
        reader_, &DigitReader::finished, reader_,
        [this](bool spoken) {
            if (spoken) {
                emit readingDone(true);
            } else {
                qCDebug(speechLog) << "a digit was not said in time";
                speechFailed();
            }
        },
        Qt::QueuedConnection);
    return true;
}

// The connection is of no further use: a round being read goes on with its digits shown
// (the window tells the player), and otherwise the mode says why it has gone off.
void ListeningMode::speechFailed()
{
    const bool reading = reader_->isReading();
    const bool wasOn = on_;
    const bool connected = connected_;
    const QString why = speech_->failure();
    qCDebug(speechLog).noquote() << "the listening mode goes off:" << why;
    dropSpeech();
    setOn(false);
    if (reading) {
        emit readingDone(false);
    } else if (!wasOn) {
        return;
    } else if (connected) {
        showProblem(stoppedText());
    } else {
        cannotSwitchOn(why);
    }
}

// Called while the client reports its failure, so it goes once that is done.
void ListeningMode::dropSpeech()
{
    delete reader_;
    reader_ = nullptr;
    speech_->deleteLater();
    speech_ = nullptr;
    connected_ = false;
}

void ListeningMode::cannotSwitchOn(const QString& why)
{
    qCDebug(speechLog).noquote() << "the listening mode stays off:" << why;
    showProblem(tr("音声で読み上げられないため、「聞いて覚える」をオンにできませんでした。\n"
                   "speech-dispatcher が入っていて、音声が出るか確かめてください。") +
                QLatin1Char('\n') + tr("詳細: %1").arg(why));
}

void ListeningMode::read(const std::vector<int>& digits)
{
    if (reader_ == nullptr) {
        QMetaObject::invokeMethod(
            this, [this] { emit readingDone(false); }, Qt::QueuedConnection);
        return;
    }
    reader_->read(digits);
}

void ListeningMode::say(const QString& text)
{
    if (on_ && reader_ != nullptr && !reader_->isReading()) {
        speech_->say(text);
    }
}

void ListeningMode::stop()
{
    if (reader_ != nullptr) {
        reader_->stop();
    }
}

void ListeningMode::reportFailure()
{
    showProblem(stoppedText() + QLatin1Char('\n') + tr("この回の数字は画面に表示します。"));
}

QString ListeningMode::stoppedText() const
{
    return tr("音声の読み上げが止まったため、「聞いて覚える」をオフにしました。");
}

void ListeningMode::showProblem(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, window_->windowTitle(), text, QMessageBox::Ok, window_);
    box.exec();
}

void ListeningMode::remember()
{
    playerSettings().setValue(SettingKey, on_);
}

} // namespace pabrel::ui
