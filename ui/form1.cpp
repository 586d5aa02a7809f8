// SPDX-FileCopyrightText: 2026 The Pabrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "accessible_interfaces.h"
#include "announcer.h"
#include "bell.h"
#include "boost.h"
#include "built_in_pictures.h"
#include "color_button.h"
#include "device_pixels.h"
#include "flash_watch.h"
#include "form_layout.h"
#include "game_font.h"
#include "game_texts.h"
#include "image_holder.h"
#include "key_code.h"
#include "language_switch.h"
#include "listening_mode.h"
#include "order_switch.h"
#include "picture_box.h"
#include "round_recorder.h"
#include "status_label.h"
#include "tab_selection.h"
#include "timer_factory.h"
#include "timer_periods.h"
#include "translations.h"
#include "window_timer.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStringView>

#include <exception>

namespace pabrel::ui {

namespace {
const QString ProgramTitle = QStringLiteral("Pabrel");

constexpr int DigitPointSize = 72;
constexpr int LabelPointSize = 72;
// English words are wider than the Japanese ones: "Too bad!" takes 300 of the label's 321
// pixels at this size.
constexpr int EnglishLabelPointSize = 54;
constexpr int ButtonPointSize = 18;
const QColor LabelText(192, 255, 192);
const QColor LabelGround(0, 0, 0);
const QColor cmdStartFace(255, 192, 192);
const QColor cmdEndFace(255, 192, 128);

QString indexedName(const char* name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Arrays that a loop walks are indexed through this: an index past either end is a bug,
// and stops the program rather than reaching a neighbouring control.
template <typename Array>
auto& slot(Array& array, int index)
{
    return array.at(static_cast<std::size_t>(index));
}

bool movesFocus(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

int labelPointSize(Language language)
{
    return language == Language::English ? EnglishLabelPointSize : LabelPointSize;
}

std::size_t indexOf(RecallOrder order)
{
    return static_cast<std::size_t>(order);
}
} // namespace

Form1::Form1(const FormPictures& pictures, FormServices services, QWidget* parent)
    : QWidget(parent), bell_(services.bell), boost_(services.boost),
      translations_(services.translations), tabSelection_(new TabSelection(this)),
      language_(translations_.language()), game_(*this, services.random)
{
    installAccessibleInterfaces();
    resize(twipsToPixels(ClientWidthTwips), twipsToPixels(ClientHeightTwips));
    createControls(services.timers);
    placeControls();
    retranslate();
    takePictures(pictures);
    connectEvents();
    Text1[0]->setFocus();
    game_.setRoundObserver(recorder_);
    gate_.deliver([this] {
        game_.setRecallOrder(orderSwitch_->order());
        game_.Form_Load();
    });
}

// Controls are made in their tab order, which is also Qt's focus chain.
void Form1::createControls(TimerFactory& timers)
{
    Text1[0] = createDigitBox(0);
    cmdStart = new ColorButton(cmdStartFace, this);
    Label1 = new StatusLabel(this);
    Picture1 = new PictureBox(this);
    for (int i = 1; i <= 6; ++i) {
        slot(Text1, i) = createDigitBox(i);
    }
    cmdEnd = new ColorButton(cmdEndFace, this);
    for (int i = 7; i < DigitBoxCount; ++i) {
        slot(Text1, i) = createDigitBox(i);
    }

    for (int level = MaxLevel; level >= MinLevel; --level) {
        slot(ImgLevel, level - 1) = new ImageHolder(this);
        imgLevel(level)->setObjectName(indexedName("ImgLevel", level));
    }
    ruru = new ImageHolder(this);

    tmrCount = timers.createTimer(Timer::tmrCount, CountTickMs, this);
    tmrQuestion = timers.createTimer(Timer::tmrQuestion, LongDisplayMs, this);
    tmrSeikai = timers.createTimer(Timer::tmrSeikai, ResultPauseMs, this);
    flash_ = new FlashWatch(Text1[0]);
    announcer_ = new Announcer(Label1);
    listening_ = new ListeningMode(translations_, this);
    addAction(listening_->action());
    languageSwitch_ = new LanguageSwitch(
        translations_, [this] { return game_.roundInPlay(); }, this);
    addAction(languageSwitch_->menuAction());
    orderSwitch_ = new OrderSwitch(this);
    addAction(orderSwitch_->menuAction());
    recorder_ = new RoundRecorder(flash_, this);

    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    cmdEnd->setObjectName(QStringLiteral("cmdEnd"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    ruru->setObjectName(QStringLiteral("ruru"));
    tmrCount->setObjectName(QStringLiteral("tmrCount"));
    tmrQuestion->setObjectName(QStringLiteral("tmrQuestion"));
    tmrSeikai->setObjectName(QStringLiteral("tmrSeikai"));

    cmdStart->setFont(gameFont(ButtonPointSize));
    cmdEnd->setFont(gameFont(ButtonPointSize));

    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFocusPolicy(Qt::NoFocus);
    Label1->setAutoFillBackground(true);
    QPalette labelColours = Label1->palette();
    labelColours.setColor(QPalette::Window, LabelGround);
    labelColours.setColor(QPalette::WindowText, LabelText);
    Label1->setPalette(labelColours);
}

QLineEdit* Form1::createDigitBox(int index)
{
    auto* box = new QLineEdit(this);
    box->setObjectName(indexedName("Text1", index));
    box->setFont(gameFont(DigitPointSize));
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    box->setFrame(true);
    tabSelection_->watch(box);
    return box;
}

void Form1::placeControls()
{
    for (int i = 0; i < DigitBoxCount; ++i) {
        slot(Text1, i)->setGeometry(slot(Text1Place, i).toPixels());
    }
    Picture1->setGeometry(Picture1Place.toPixels());
    Label1->setGeometry(Label1Place.toPixels());
    cmdStart->setGeometry(cmdStartPlace.toPixels());
    cmdEnd->setGeometry(cmdEndPlace.toPixels());
    ruru->setGeometry(ruruPlace.toPixels());
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        imgLevel(level)->setGeometry(slot(ImgLevelPlace, level - 1).toPixels());
    }
}

// Screen readers announce each control by these names; the picture box also tells what
// its card says, as its description.
void Form1::nameControls()
{
    for (int i = 0; i < DigitBoxCount; ++i) {
        slot(Text1, i)->setAccessibleName(tr("%1桁目の数字").arg(i + 1));
    }
    Label1->setAccessibleName(tr("状況"));
    cmdStart->setAccessibleName(cmdStart->text());
    cmdEnd->setAccessibleName(cmdEnd->text());
    Picture1->setAccessibleName(tr("説明の絵"));
}

// Every text in the window, in the window's language; the label keeps what the game last
// wrote in it.
void Form1::retranslate()
{
    cmdStart->setText(tr("スタート"));
    cmdEnd->setText(tr("おわる"));
    Label1->setFont(gameFont(labelPointSize(language_)));
    Label1->setText(translatedGameText(statusSource_));
    nameControls();
    listening_->retranslate();
    languageSwitch_->retranslate();
    orderSwitch_->retranslate();
    setWindowTitle(title());
}

// The plain title for the order as shown; another order is named after it.
QString Form1::title() const
{
    if (order_ == RecallOrder::Forward) {
        return ProgramTitle;
    }
    return tr("%1（%2）").arg(ProgramTitle, OrderSwitch::nameOf(order_));
}

void Form1::takePictures(const FormPictures& pictures)
{
    background_ = pictures.background;
    if (!pictures.icon.isNull()) {
        setWindowIcon(QIcon(pictures.icon));
    }
    takeCards(pictures);
}

// The pictures' language is the window's; another language brings its own cards.
void Form1::takeCards(const FormPictures& cards)
{
    rulesCards_ = cards.rules;
    rulesTexts_ = cards.rulesTexts;
    layRulesCard();
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        imgLevel(level)->setPicture(slot(cards.levels, level - 1));
        imgLevel(level)->setAccessibleDescription(slot(cards.levelTexts, level - 1));
    }
    if (shownHolder_ != nullptr) {
        layHeldPicture(shownHolder_);
    }
}

void Form1::takeLaterPictures(const LaterPictures& pictures)
{
    if (!pictures.icon.isNull()) {
        setWindowIcon(QIcon(pictures.icon));
    }
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        imgLevel(level)->setPicture(slot(pictures.levels, level - 1));
    }
    for (std::size_t i = 0; i < rulesCards_.size(); ++i) {
        if (!pictures.rules.at(i).isNull()) {
            rulesCards_.at(i) = pictures.rules.at(i);
        }
    }
    if (ruru->picture().isNull()) {
        // An order chosen before its card was decoded.
        layRulesCard();
        if (shownHolder_ == ruru) {
            layHeldPicture(ruru);
        }
    }
    if (shownHolder_ != nullptr && shownHolder_ != ruru) {
        showHeldPicture(shownHolder_);
    }
}

void Form1::layRulesCard()
{
    ruru->setPicture(rulesCards_.at(indexOf(order_)));
    ruru->setAccessibleDescription(rulesTexts_.at(indexOf(order_)));
}

void Form1::connectEvents()
{
    connect(cmdStart, &QPushButton::clicked, this,
            [this] { gate_.deliver([this] { game_.cmdStart_Click(); }); });
    connect(cmdEnd, &QPushButton::clicked, this,
            [this] { gate_.deliver([this] { game_.cmdEnd_Click(); }); });
    connect(tmrCount, &WindowTimer::timeout, this,
            [this] { gate_.deliverTick(tmrCount, [this] { game_.tmrCount_Timer(); }); });
    connect(tmrQuestion, &WindowTimer::timeout, this, [this] {
        gate_.deliverTick(tmrQuestion, [this] {
            // Told first, so that the game's stopping the timer knows the mask is coming.
            flash_->questionMasked();
            game_.tmrQuestion_Timer();
        });
    });
    connect(tmrSeikai, &WindowTimer::timeout, this, [this] {
        gate_.deliverTick(tmrSeikai, [this] {
            game_.tmrSeikai_Timer();
            languageSwitch_->roundMayHaveEnded();
        });
    });
    connect(flash_, &FlashWatch::maskPainted, this, [this] { boost_.end(); });
    connect(orderSwitch_, &OrderSwitch::chosen, this, [this](RecallOrder order) {
        gate_.deliver([this, order] { game_.setRecallOrder(order); });
    });
    connect(listening_, &ListeningMode::switched, this,
            [this](bool on) { game_.setListening(on); });
    connect(listening_, &ListeningMode::readingDone, this, [this](bool spoken) {
        gate_.deliver([this, spoken] {
            if (!spoken) {
                listening_->reportFailure();
                recorder_->readingAloud(false);
            }
            game_.speech_Done(spoken ? SpeechOutcome::Spoken : SpeechOutcome::Failed);
        });
    });

    // Keys go to the focused control, and only the controls that take the focus can have
    // it; watching them sees every character typed in the window exactly once.
    for (QWidget* control : findChildren<QWidget*>()) {
        if (control->focusPolicy() != Qt::NoFocus) {
            control->installEventFilter(this);
        }
    }
}

void Form1::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    drawAtPixelSize(painter, QPoint(0, 0), background_);
}

void Form1::closeEvent(QCloseEvent* event)
{
    for (WindowTimer* each : {tmrCount, tmrQuestion, tmrSeikai}) {
        each->setEnabled(false);
    }
    boost_.end();
    listening_->stop();
    gate_.shut();
    event->accept();
    emit unloaded();
}

// Installing the translators of another language tells every window so, through this event.
void Form1::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        const Language now = translations_.language();
        if (now != language_) {
            language_ = now;
            try {
                takeCards(cardPictures(now));
            } catch (const std::exception& error) {
                emit picturesFailed(QString::fromStdString(error.what()));
            }
        }
        retranslate();
    }
    QWidget::changeEvent(event);
}

// The menu pops up without a loop of its own, so the game's events go on as before.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    if (actions().isEmpty()) {
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->addActions(actions());
    menu->popup(event->globalPos());
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (!movesFocus(key)) {
            previewCharacters(key.text());
        }
    } else if (event->type() == QEvent::InputMethod) {
        previewCharacters(static_cast<const QInputMethodEvent&>(*event).commitString());
    }
    return QWidget::eventFilter(watched, event);
}

// Each character is one key, however many UTF-16 units it takes. Capture can go off
// within a run of characters (the last answer key judges the round); the rest then reach
// only the control.
void Form1::previewCharacters(const QString& text)
{
    for (const char32_t character : QStringView(text).toUcs4()) {
        if (!KeyPreview) {
            return;
        }
        gate_.deliver([this, character] {
            recorder_->characterTyped(character);
            game_.Form_KeyPress(KeyCode::forCharacter(character));
        });
    }
}

WindowTimer* Form1::timer(Timer which) const
{
    switch (which) {
    case Timer::tmrCount:
        return tmrCount;
    case Timer::tmrQuestion:
        return tmrQuestion;
    case Timer::tmrSeikai:
        return tmrSeikai;
    }
    Q_UNREACHABLE();
}

ImageHolder* Form1::imgLevel(int level) const
{
    return slot(ImgLevel, level - 1);
}

void Form1::setStatusText(const std::string& text)
{
    statusSource_ = text;
    Label1->setText(translatedGameText(text));
    announcer_->statusChanged();
}

void Form1::setDigitBox(int index, const std::string& text)
{
    QLineEdit* box = slot(Text1, index);
    box->setText(QString::fromStdString(text));
    // A new text shows from its first character, and what is typed next goes before it.
    box->setCursorPosition(0);
}

void Form1::showRulesPicture(RecallOrder order)
{
    order_ = order;
    layRulesCard();
    showHeldPicture(ruru);
}

void Form1::showRecallOrder(RecallOrder order)
{
    order_ = order;
    setWindowTitle(title());
}

void Form1::announceRecallOrder(RecallOrder order)
{
    const QString text = tr("答え方：%1").arg(OrderSwitch::nameOf(order));
    announcer_->announce(text);
    listening_->say(text);
}

void Form1::showLevelPicture(int level)
{
    showHeldPicture(imgLevel(level));
}

void Form1::showHeldPicture(ImageHolder* holder)
{
    layHeldPicture(holder);
    announcer_->announce(Picture1->accessibleDescription());
}

void Form1::layHeldPicture(ImageHolder* holder)
{
    shownHolder_ = holder;
    Picture1->setPicture(holder->picture());
    Picture1->setAccessibleDescription(holder->accessibleDescription());
}

void Form1::setTimerEnabled(Timer which, bool enabled)
{
    if (which == Timer::tmrCount && enabled) {
        countdownStarting();
    } else if (which == Timer::tmrQuestion) {
        setQuestionShowing(enabled);
    }
    timer(which)->setEnabled(enabled);
}

// The thread runs at real-time priority from the start of the countdown to the mask's
// paint, at the latest a second after the mask was due. Raising it may take RealtimeKit a
// while on a busy machine; the countdown gives it that while, and the thread sleeps
// through it but for three ticks.
void Form1::countdownStarting()
{
    const int stretchMs = CountdownSeconds * tmrCount->interval() + LongDisplayMs + 1000;
    boost_.begin(std::chrono::milliseconds(stretchMs));
}

// The game starts the display timer right after putting the question in the boxes, and
// stops it when the mask replaces them or the round is given up.
void Form1::setQuestionShowing(bool showing)
{
    if (showing) {
        flash_->questionShown();
    } else if (!flash_->awaitingMask()) {
        boost_.end();
    }
}

void Form1::setTimerInterval(Timer which, int milliseconds)
{
    timer(which)->setIntervalForNextStart(milliseconds);
}

void Form1::setKeyboardCapture(bool on)
{
    KeyPreview = on;
}

void Form1::beep()
{
    bell_.ring();
}

void Form1::showMessage(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, ProgramTitle, translatedGameText(text), QMessageBox::Ok,
                    this);
    box.exec();
}

void Form1::close()
{
    QWidget::close();
}

void Form1::speakDigits(const std::vector<int>& digits)
{
    recorder_->readingAloud(true);
    listening_->read(digits);
}

void Form1::stopSpeaking()
{
    listening_->stop();
}

} // namespace pabrel::ui
