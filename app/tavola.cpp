#include "app/tavola.h"

#include "app/accessibility.h"
#include "app/answerbox.h"
#include "app/artwork.h"
#include "app/calculator.h"
#include "app/clientarea.h"
#include "app/design.h"
#include "app/menus.h"
#include "app/messageboxes.h"
#include "app/render.h"
#include "app/twips.h"

#include "clock/timetext.h"
#include "engine/gameerror.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTimer>
#include <QToolButton>

// Outside any namespace, as the resource's initialiser is; a static library's resources
// are not registered until someone asks.
static void initAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace tavola {

namespace {

const QString designedCaption =
    QStringLiteral("Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022");

} // namespace

Tavola::Tavola()
    : Tavola(std::make_unique<SplitMixRandom>(SplitMixRandom::fromEntropy()),
        std::make_unique<SystemTimeSource>())
{
}

Tavola::Tavola(std::unique_ptr<RandomSource> random, std::unique_ptr<TimeSource> clock,
    std::unique_ptr<Desktop> desktop)
    : m_random(std::move(random))
    , m_clock(std::move(clock))
    , m_desktop(std::move(desktop))
    , m_game(m_state, *m_random, *m_clock)
    , m_clockDisplay(*m_clock)
    , m_resizeSettle(this)
{
    initAssets();
    installSpokenLabels();
    setObjectName(QStringLiteral("Tavola"));
    prepareResizeSettle();
    // The icon belongs to the window object, not to a load: no run-time step changes it.
    setWindowIcon(artworkIcon(QStringLiteral(":/assets/tavola.svg"), {16, 32, 48, 64}));
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
    m_game.loadWindow();
    m_clockDisplay.loadWindow();
    render();
}

void Tavola::Form_Activate()
{
    cmdNext_Click();
}

void Tavola::cmdNext_Click()
{
    runHandler([this] { m_game.poseProblem(); });
}

int Tavola::txtAnswer_KeyPress(int keyCode)
{
    int passedOn = keyCode;
    runHandler([&] { passedOn = m_game.answerKeyPress(keyCode); });
    return passedOn;
}

void Tavola::calc_Click()
{
    runHandler([this] { startCalculator(*m_desktop); });
}

void Tavola::cmdExit_Click()
{
    if (!confirmExit(this))
        return;
    const TimeOfDay time = m_clock->timeOfDay();
    const CalendarDate date = m_clock->date();
    sayGoodbye(
        this, QString::fromStdString(plainTimeText(time)), QString::fromStdString(dateText(date)));
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
    WindowClockFace face = clockFace();
    m_clockDisplay.tick(face);
}

void Tavola::Form_Resize()
{
    WindowClockFace face = clockFace();
    ClockDisplay::resize(face);
}

WindowClockFace Tavola::clockFace()
{
    return WindowClockFace(*this, m_controls, *m_desktop);
}

void Tavola::new_Click()
{
    hide();
    // The native window goes too: the window manager clears a withdrawn window's
    // maximised state, and a window shown again before it has done so would come back at
    // normal size. A fresh native window has no such race.
    destroy();
    unloadWindow();
    loadWindow();
    showGame();
}

// Enter clicks the focused button, else the default button cmdNext while it is enabled,
// as in a dialog; the answer box passes Enter up here only in that case.
void Tavola::keyPressEvent(QKeyEvent *event)
{
    if (!isEnterKey(*event)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    if (auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        focused && focused->isEnabled())
        focused->click();
    else if (m_controls.cmdNext && m_controls.cmdNext->isEnabled())
        m_controls.cmdNext->click();
    else
        QMainWindow::keyPressEvent(event);
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

// A window manager may pass through the normal state on its way to minimising a maximised
// window; the resize step waits for the state to settle, so that such a passing state
// never puts the title in place of the caption. A hidden window has no state the pupil
// sees: a new game sets its state while hidden.
void Tavola::prepareResizeSettle()
{
    m_resizeSettle.setObjectName(QStringLiteral("resizeSettle"));
    m_resizeSettle.setSingleShot(true);
    m_resizeSettle.setInterval(150);
    connect(&m_resizeSettle, &QTimer::timeout, this, [this] {
        if (isVisible())
            Form_Resize();
    });
}

void Tavola::loadWindow()
{
    auto *client = new ClientArea;
    setCentralWidget(client);
    m_controls = buildDesign(client);
    describeControls(this, m_controls);
    auto *bar = new QMenuBar;
    const MenuCommands commands = buildMenus(bar);
    // The bar being replaced may be the one whose command is running: Qt deletes it later.
    setMenuBar(bar);
    connect(commands.newGame, &QAction::triggered, this, &Tavola::new_Click);
    connect(commands.calc, &QAction::triggered, this, &Tavola::calc_Click);
    connectHandlers();
    applyWindowDesign();
    Form_Load();
}

void Tavola::unloadWindow()
{
    m_controls = {};
    delete takeCentralWidget();
}

void Tavola::applyWindowDesign()
{
    setWindowTitle(designedCaption);
    const QSize designedClient = twips::rect(0, 0, 13095, 8310).size();
    resize(designedClient.width(), designedClient.height() + menuBar()->sizeHint().height());
}

void Tavola::connectHandlers()
{
    // An access key's visible press ends in a click even if the button was disabled
    // meanwhile (Enter posed the problem): a disabled button poses nothing.
    connect(m_controls.cmdNext, &QToolButton::clicked, this, [this] {
        if (m_controls.cmdNext->isEnabled())
            cmdNext_Click();
    });
    connect(m_controls.cmdExit, &QToolButton::clicked, this, &Tavola::cmdExit_Click);
    connect(m_controls.Timer1, &QTimer::timeout, this, &Tavola::Timer1_Timer);
    m_controls.txtAnswer->setKeyPressHandler([this](int code) { return txtAnswer_KeyPress(code); });
    // The model keeps the box's text, however it changed (typed, pasted, dropped).
    connect(m_controls.txtAnswer, &QLineEdit::textChanged, this,
        [this](const QString &text) { m_game.model().txtAnswer = text.toStdString(); });
}

void Tavola::render()
{
    tavola::render(m_game.model(), m_controls);
}

// A runtime error abandons the rest of the handler; what was done stays and is shown,
// then the pupil is told, and the game goes on.
template<typename Operation>
void Tavola::runHandler(Operation &&operation)
{
    QString failure;
    try {
        operation();
    } catch (const GameError &error) {
        failure = QString::fromUtf8(error.what());
    } catch (const WindowError &error) {
        failure = QString::fromStdString(error.what());
    } catch (const std::exception &error) {
        failure = QStringLiteral("Errore imprevisto: %1").arg(QString::fromLocal8Bit(error.what()));
    }
    render();
    if (!failure.isEmpty())
        showRuntimeError(this, failure);
}

} // namespace tavola
