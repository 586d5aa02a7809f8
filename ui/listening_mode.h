// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QWidget;

namespace pabrel::ui {

class DigitReader;
class SpeechClient;
class Translations;

// The player's choice to hear each question instead of seeing it (聞いて覚える). It is
// remembered between runs and offered as a checkable action; switching it on starts
// connecting to the speech service. Whenever speech fails, connecting included, the
// connection is given up and the mode goes off, saying so. The digits are said in the
// application's language, and the action is named in it.
class ListeningMode : public QObject
{
    Q_OBJECT

public:
    using SpeechFactory = std::function<std::unique_ptr<SpeechClient>()>;

    // Messages are shown over the window. Until a speech service is given (never, in a
    // build without one), the mode cannot be switched on.
    ListeningMode(const Translations& translations, QWidget* window);
    ~ListeningMode() override;

    void setSpeechFactory(SpeechFactory makeSpeech) { makeSpeech_ = std::move(makeSpeech); }

    QAction* action() const { return action_; }
    bool isOn() const { return on_; }
    // Switches the mode on or off and remembers the choice; returns whether it is on. Speech
    // that then cannot be had switches it off again.
    bool setOn(bool on);
    // Switches the mode on if it was on when the program last ran.
    void restore();

    void read(const std::vector<int>& digits);
    // Says `text` once, when the mode is on and no digits are being read; nothing is
    // reported about it.
    void say(const QString& text);
    void stop();
    // Tells the player that speech has stopped working; the mode is then off.
    void reportFailure();

    // Names the mode, and speaks, in the application's language.
    void retranslate();

signals:
    void switched(bool on);
    // The digits given to read() have all been said, or speech failed on the way (the
    // mode has then gone off, and reportFailure() says so).
    void readingDone(bool spoken);

private:
    bool connectSpeech();
    void speechFailed();
    void dropSpeech();
    void cannotSwitchOn(const QString& why);
    QString stoppedText() const;
    void showProblem(const QString& text);
    void remember();

    const Translations& translations_;
    QWidget* window_;
    SpeechFactory makeSpeech_;
    QAction* action_;
    // Made when the mode is switched on without one, dropped when speech fails; a child.
    SpeechClient* speech_ = nullptr;
    DigitReader* reader_ = nullptr;
    bool connected_ = false;
    bool on_ = false;
};

} // namespace pabrel::ui
