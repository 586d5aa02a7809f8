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
    if (speech_ == nullptr) {
        std::unique_ptr<SpeechClient> speech = makeSpeech_ ? makeSpeech_() : nullptr;
        if (speech == nullptr || !speech->open()) {
            const QString why =
                speech != nullptr
                    ? speech->failure()
                    : QStringLiteral("this build of Pabrel has no speech-dispatcher support");
            qCDebug(speechLog).noquote() << "the listening mode stays off:" << why;
            showProblem(
                tr("音声で読み上げられないため、「聞いて覚える」をオンにできませんでした。\n"
                   "speech-dispatcher が入っていて、声が出せるか確かめてください。") +
                QStringLiteral("\n(") + why + QLatin1Char(')'));
            return false;
        }
        speech_ = std::move(speech);
        speech_->setLanguage(translations_.language());
        reader_ = new DigitReader(*speech_, this);
        // Reported from the event loop, never from within the game's own event.
        connect(
            reader_, &DigitReader::finished, this,
            [this](bool spoken) {
                if (!spoken) {
                    qCDebug(speechLog) << "speech stopped working: the listening mode goes off";
                    setOn(false);
                }
                emit readingDone(spoken);
            },
            Qt::QueuedConnection);
    }
    return true;
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

void ListeningMode::stop()
{
    if (reader_ != nullptr) {
        reader_->stop();
    }
}

void ListeningMode::reportFailure()
{
    showProblem(tr("音声の読み上げが止まったため、「聞いて覚える」をオフにしました。\n"
                   "この問題の数字は画面に出します。"));
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
