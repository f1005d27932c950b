// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tavola.h"

#include "app/artwork.h"
#include "app/calculator.h"
#include "app/clientarea.h"
#include "app/designlabel.h"
#include "app/entrybox.h"
#include "app/facebutton.h"
#include "app/menus.h"
#include "app/messageboxes.h"

#include "clock/timetext.h"
#include "engine/gameerror.h"
#include "engine/keys.h"
#include "engine/spoken.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>

// Outside any namespace, as the resource's initialiser is; a static library's resources
// are not registered until someone asks.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace tavola {

namespace {

WindowState windowStateOf(Qt::WindowStates states)
{
    // A minimised window may keep its maximised flag for when it comes back.
    if (states & Qt::WindowMinimized)
        return WindowState::Minimised;
    if (states & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return WindowState::Maximised;
    return WindowState::Normal;
}

QString fromModel(const std::string &text)
{
    return QString::fromStdString(text);
}

void showLabel(const LabelModel &shown, DesignLabel *label)
{
    label->setCaption(fromModel(shown.caption));
    label->setVisible(shown.visible);
    if (shown.color)
        label->setTextColor(QColor(shown.color->red, shown.color->green, shown.color->blue));
}

std::unique_ptr<RandomSource> randomFromEntropy()
{
    return std::make_unique<SplitMixRandom>(SplitMixRandom::fromEntropy());
}

} // namespace

Tavola::Tavola()
    : Tavola(randomFromEntropy(), std::make_unique<SystemTimeSource>())
{
}

Tavola::Tavola(std::unique_ptr<RandomSource> random, std::unique_ptr<TimeSource> clock,
    std::unique_ptr<Desktop> desktop)
    : m_random(std::move(random))
    , m_time(std::move(clock))
    , m_desktop(std::move(desktop))
    , m_game(*m_random, *m_time)
    , m_clock(*m_time)
    , m_resizeSettle(this)
    , m_calculatorSearch(m_desktop->calculatorPatience(), this)
{
    initAssets();
    installSpokenForms();
    setObjectName(QStringLiteral("Tavola"));
    // A reader names the window each time the pupil comes back to it, before the problem: in
    // one short word, not the whole title.
    setAccessibleName(QStringLiteral("Tavola"));
    // The icon belongs to the window object, not to a load: no run-time step changes it.
    setWindowIcon(artworkIcon(QStringLiteral(":/assets/tavola.svg"), {16, 32, 48, 64}));
    // A window manager may pass through the normal state on its way to minimising a
    // maximised window; the resize step waits for the state to settle, so that such a
    // passing state never puts the title in place of the caption. A hidden window has no
    // state the pupil sees: a new game sets its state while hidden.
    m_resizeSettle.setSingleShot(true);
    m_resizeSettle.setInterval(150);
    connect(&m_resizeSettle, &QTimer::timeout, this, [this] {
        if (isVisible())
            Form_Resize();
    });
    connect(&m_calculatorSearch, &CalculatorSearch::ended, this, &Tavola::calculatorSearched);
    loadWindow();
}

Tavola::~Tavola() = default;

void Tavola::showGame()
{
    // Qt may still record the maximised state of the window shown before a new game; the
    // state must be set anew for the window manager to see it.
    setWindowState(windowState() & ~Qt::WindowMaximized);
    showMaximized();
    activateWindow();
    // Activation is this call, once per load: coming back from another window is not one.
    Form_Activate();
}

void Tavola::Form_Load()
{
    m_game.load();
    render(&m_game.model(), m_clock.load(designedCaption));
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
}

void Tavola::Form_Resize()
{
    render(nullptr, m_clock.resize(windowStateOf(windowState())));
}

void Tavola::cmdNext_Click()
{
    runHandler([this] { m_game.poseProblem(); });
}

int Tavola::txtAnswer_KeyPress(int keyCode, const QString &boxText)
{
    int passedOn = keyCode;
    runHandler([&] { passedOn = m_game.answerKeyPress(keyCode, boxText.toStdString()); });
    return passedOn;
}

// The desktop is searched away from the window, which hears back in calculatorSearched. A
// click while a search runs asks for what is already on its way.
void Tavola::calc_Click()
{
    if (m_calculatorSearch.begin([desktop = m_desktop.get()](const Calculator &calculator,
                                     QString &error) { return desktop->start(calculator, error); }))
        QApplication::setOverrideCursor(Qt::BusyCursor); // the click was taken; play on
}

void Tavola::calculatorSearched(std::exception_ptr failure)
{
    QApplication::restoreOverrideCursor();
    runHandler([&failure] {
        if (failure)
            std::rethrow_exception(failure);
    });
}

void Tavola::cmdExit_Click()
{
    if (!confirmExit(this))
        return;
    const TimeOfDay time = m_time->timeOfDay();
    const CalendarDate date = m_time->date();
    sayGoodbye(this, {fromModel(timeText(time)), fromModel(spokenTime(time))},
        {fromModel(dateText(date)), fromModel(spokenDate(date))});
    endProgram();
}

// No unload and no question: the window goes, the ticks stop, the event loop returns.
void Tavola::endProgram()
{
    m_controls.Timer1->stop();
    m_resizeSettle.stop();
    hide();
    m_desktop->endProgram();
}

void Tavola::Timer1_Timer()
{
    render(nullptr, m_clock.tick(windowStateOf(windowState())));
}

void Tavola::new_Click()
{
    hide();
    // The native window goes too: the window manager clears a withdrawn window's
    // maximised state, and a window shown again before it has done so would come back at
    // normal size. A fresh native window has no such race.
    destroy();
    m_controls = {};
    delete takeCentralWidget();
    loadWindow();
    showGame();
}

void Tavola::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && event->key() == Qt::Key_F10) {
        // Once the key's own event is over: the menu bar then has the keys that follow.
        QTimer::singleShot(0, menuBar(), [bar = menuBar()] { enterMenuBar(bar); });
        return;
    }
    if (event->modifiers() == Qt::NoModifier && event->key() == timeAndCountsKey)
        return sayTimeAndCounts();
    if (!isEnterKey(*event))
        return QMainWindow::keyPressEvent(event);
    switch (enterAction(focusedControl(), m_game.model().cmdNext.enabled)) {
    case EnterAction::Judge:
        txtAnswer_KeyPress(enterCode, m_controls.txtAnswer->text());
        break;
    case EnterAction::PoseNext:
        cmdNext_Click();
        break;
    case EnterAction::Exit:
        cmdExit_Click();
        break;
    case EnterAction::Nothing:
        return QMainWindow::keyPressEvent(event);
    }
}

// Heard where the pupil is, without moving: the time, then the counts.
void Tavola::sayTimeAndCounts()
{
    const std::string spoken =
        "Sono le " + spokenTime(m_time->timeOfDay()) + ". " + spokenOf(m_game.model()).counts;
    m_speaker.announce(focusWidget() ? focusWidget() : this, fromModel(spoken));
}

// After a box, the focus goes back to where the game stands: the answer box while a problem
// waits for its answer, "Nuovo calcolo" once it is judged.
void Tavola::giveFocusBack()
{
    FaceButton *next = m_controls.cmdNext;
    (next->isEnabled() ? static_cast<QWidget *>(next) : m_controls.txtAnswer)->setFocus();
}

FocusedControl Tavola::focusedControl() const
{
    const QWidget *focused = focusWidget();
    if (focused == m_controls.txtAnswer)
        return FocusedControl::txtAnswer;
    if (focused == m_controls.cmdNext)
        return FocusedControl::cmdNext;
    if (focused == m_controls.cmdExit)
        return FocusedControl::cmdExit;
    return FocusedControl::Other;
}

void Tavola::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_resizeSettle.start();
}

void Tavola::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        m_resizeSettle.start();
}

void Tavola::loadWindow()
{
    auto *client = new ClientArea;
    setCentralWidget(client);
    m_controls = buildDesign(client);

    auto *bar = new QMenuBar;
    const MenuCommands commands = buildMenus(bar);
    // The bar being replaced may be the one whose command is running: Qt deletes it later.
    setMenuBar(bar);
    keepAltAloneOut(bar);
    // Once the bar is done with the key or click that ran them: the focus is then back where
    // it was, and a box of theirs gives it back there.
    connect(commands.newGame, &QAction::triggered, this, &Tavola::new_Click, Qt::QueuedConnection);
    connect(commands.calc, &QAction::triggered, this, &Tavola::calc_Click, Qt::QueuedConnection);
    connectHandlers();
    resize(designedClientSize.width(), designedClientSize.height() + bar->sizeHint().height());
    Form_Load();
}

void Tavola::connectHandlers()
{
    connect(m_controls.cmdNext, &FaceButton::clicked, this, &Tavola::cmdNext_Click);
    connect(m_controls.cmdExit, &FaceButton::clicked, this, &Tavola::cmdExit_Click);
    connect(m_controls.Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    m_controls.txtAnswer->setKeyPressHandler(
        [this](int code, const QString &text) { return txtAnswer_KeyPress(code, text); });
}

// The only writer of the window: the game's model after one of its handlers, and what the
// clock shows after a load, a tick or a resize; a tick leaves the game's controls, and so
// the focus, alone.
void Tavola::render(const WindowModel *game, const ClockShows &clock)
{
    if (game)
        renderGame(*game);
    renderClock(clock);
}

// A screen reader says a control's name as the focus reaches it, and takes a change to a
// focused box's text for the focus itself: so the names first, then the focus, then the
// rest. A button must be enabled to take the focus.
void Tavola::renderGame(const WindowModel &model)
{
    m_speaker.speak(model, m_controls);
    if (model.focus == Focus::txtAnswer) {
        m_controls.txtAnswer->setFocus(Qt::OtherFocusReason);
    } else if (model.focus == Focus::cmdNext) {
        m_controls.cmdNext->setEnabled(model.cmdNext.enabled);
        m_controls.cmdNext->setFocus(Qt::OtherFocusReason);
    }
    for (int label = 0; label < gameLabelCount; ++label)
        showLabel(model.labels[label], m_controls.labels[label]);
    if (model.txtAnswer.newText)
        m_controls.txtAnswer->setText(fromModel(*model.txtAnswer.newText));
    m_controls.cmdNext->setEnabled(model.cmdNext.enabled);
}

void Tavola::renderClock(const ClockShows &shows)
{
    if (shows.lblTime)
        m_controls.lblTime->setCaption(fromModel(*shows.lblTime));
    if (shows.caption)
        setWindowTitle(fromModel(*shows.caption));
}

// A runtime error abandons the rest of the handler; what was done stays and is shown,
// then the pupil is told, and the game goes on.
template<typename Operation>
void Tavola::runHandler(Operation &&operation)
{
    std::optional<BoxText> failure;
    try {
        operation();
    } catch (const GameError &error) {
        failure = {QString::fromUtf8(error.what()), fromModel(error.spoken())};
    } catch (const WindowError &error) {
        failure = {QString::fromUtf8(error.what()), fromModel(error.spoken())};
    } catch (const std::exception &error) {
        failure = {
            QStringLiteral("Errore imprevisto: %1").arg(QString::fromLocal8Bit(error.what())),
            QStringLiteral("Errore imprevisto.")};
    }
    render(&m_game.model());
    if (!failure)
        return;
    showRuntimeError(this, *failure);
    giveFocusBack();
}

} // namespace tavola
