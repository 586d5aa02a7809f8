// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "event_gate.h"
#include "form_pictures.h"
#include "form_services.h"
#include "game.h"
#include "game_view.h"
#include "language.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QLineEdit;

namespace pabrel::ui {

class Announcer;
class ColorButton;
class FlashWatch;
class ImageHolder;
class LanguageSwitch;
class ListeningMode;
class OrderSwitch;
class PictureBox;
class RoundRecorder;
class TabSelection;
class WindowTimer;

// The game's only window. It owns every control and the game for the whole run, hands the
// game its seven events and carries out what the game asks of its window. Every control is
// named after its role (objectName), digit boxes and level holders with their index:
// "Text1(0)", "ImgLevel(1)". The GameView side is private, for the game alone; its close()
// unloads the window, and hides QWidget::close() from other callers. The window speaks the
// application's language (Translations), which the player changes from its menu.
class Form1 : public QWidget, private GameView
{
    Q_OBJECT

public:
    Form1(const FormPictures& pictures, FormServices services, QWidget* parent = nullptr);

    // Pictures that were not needed for the first frame; a level card already on show in
    // the picture box shows at once.
    void takeLaterPictures(const LaterPictures& pictures);

    // How long each question's digits were on screen, as painted.
    FlashWatch* flashWatch() const { return flash_; }
    // Whether questions are read aloud instead of shown.
    ListeningMode* listeningMode() const { return listening_; }
    // Each finished round, as it should be recorded.
    RoundRecorder* roundRecorder() const { return recorder_; }

signals:
    // The window has been unloaded, by the game or by its frame; the program ends.
    void unloaded();
    // The cards of a language the window changed to could not be decoded.
    void picturesFailed(const QString& what);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // The window's actions (QWidget::addAction) make up its ground's context menu.
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(TimerFactory& timers);
    void placeControls();
    void nameControls();
    void retranslate();
    void connectEvents();
    void takePictures(const FormPictures& pictures);
    void takeCards(const FormPictures& cards);
    void layRulesCard();
    QString title() const;
    void showHeldPicture(ImageHolder* holder);
    void layHeldPicture(ImageHolder* holder);
    void countdownStarting();
    void setQuestionShowing(bool showing);
    QLineEdit* createDigitBox(int index);
    void previewCharacters(const QString& text);
    WindowTimer* timer(Timer which) const;
    ImageHolder* imgLevel(int level) const;

    void setStatusText(const std::string& text) override;
    void setDigitBox(int index, const std::string& text) override;
    void showRulesPicture(RecallOrder order) override;
    void showRecallOrder(RecallOrder order) override;
    void announceRecallOrder(RecallOrder order) override;
    void showLevelPicture(int level) override;
    void setTimerEnabled(Timer which, bool enabled) override;
    void setTimerInterval(Timer which, int milliseconds) override;
    void setKeyboardCapture(bool on) override;
    void beep() override;
    void showMessage(const std::string& text) override;
    void close() override;
    void speakDigits(const std::vector<int>& digits) override;
    void stopSpeaking() override;

    std::array<QLineEdit*, DigitBoxCount> Text1{};
    QLabel* Label1 = nullptr;
    ColorButton* cmdStart = nullptr;
    ColorButton* cmdEnd = nullptr;
    PictureBox* Picture1 = nullptr;
    // The holder whose picture Picture1 shows.
    ImageHolder* shownHolder_ = nullptr;
    // Holds the rules card of the order in play.
    ImageHolder* ruru = nullptr;
    // Every order's rules card, and what it says, indexed by RecallOrder.
    std::array<QImage, RecallOrderCount> rulesCards_;
    std::array<QString, RecallOrderCount> rulesTexts_;
    RecallOrder order_ = RecallOrder::Forward;
    // ImgLevel(1) to ImgLevel(8).
    std::array<ImageHolder*, MaxLevel> ImgLevel{};
    WindowTimer* tmrCount = nullptr;
    WindowTimer* tmrQuestion = nullptr;
    WindowTimer* tmrSeikai = nullptr;

    QImage background_;
    Bell& bell_;
    FlashWatch* flash_ = nullptr;
    realtime::Boost& boost_;
    Translations& translations_;
    TabSelection* tabSelection_;
    Announcer* announcer_ = nullptr;
    ListeningMode* listening_ = nullptr;
    LanguageSwitch* languageSwitch_ = nullptr;
    OrderSwitch* orderSwitch_ = nullptr;
    // The language of the cards and texts on show.
    Language language_;
    // The game's last status text, as the game wrote it, to be laid again in another language.
    std::string statusSource_;
    RoundRecorder* recorder_ = nullptr;
    bool KeyPreview = false;
    EventGate gate_;
    Game game_;
};

} // namespace pabrel::ui
