// The exit and the calculator. The exit asks first, with No as the default, so that Enter
// at once keeps the game as it was; Yes says goodbye with the time and date and ends the
// program, as the close box does without asking. The calculator is the desktop's own,
// started anew by every use, and the game keeps its state.
#include "localecheck.h"
#include "windowharness.h"

#include "app/calculator.h"
#include "app/desktopentry.h"
#include "app/translations.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>

using namespace tavola;

namespace {

using Answer = ModalBoxes::Answer;

const SeenBox exitQuestion{"exitQuestion", "Uscire dal programma", "Vuoi veramente lasciarmi  ?",
    QMessageBox::Question, {"No", "Sì"}, "No"};

void pressButton(QMessageBox &box, QMessageBox::StandardButton which)
{
    box.button(which)->click();
}

// A desktop of the test's own: empty applications folders for the user and the system,
// and a folder of programs that is the whole PATH.
class ScratchDesktop
{
public:
    ScratchDesktop()
        : m_saved{qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS"), qgetenv("PATH")}
    {
        for (const char *folder : {"home/applications", "system/applications", "bin"})
            QDir(m_root.path()).mkpath(QLatin1String(folder));
        qputenv("XDG_DATA_HOME", path("home").toLocal8Bit());
        qputenv("XDG_DATA_DIRS", path("system").toLocal8Bit());
        qputenv("PATH", path("bin").toLocal8Bit());
    }
    ~ScratchDesktop()
    {
        qputenv("XDG_DATA_HOME", m_saved[0]);
        qputenv("XDG_DATA_DIRS", m_saved[1]);
        qputenv("PATH", m_saved[2]);
    }

    QString path(const QString &relative) const { return m_root.filePath(relative); }

    void write(const QString &relative, const QByteArray &content) const
    {
        QDir(m_root.path()).mkpath(QFileInfo(path(relative)).path());
        QFile file(path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    // A program that appends one line to a record each time it runs.
    QString install(const QString &program) const
    {
        const QString record = path(program + QStringLiteral(".runs"));
        write(QStringLiteral("bin/") + program,
            "#!/bin/sh\necho \"$@\" >> '" + record.toLocal8Bit() + "'\n");
        QFile::setPermissions(path(QStringLiteral("bin/") + program),
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return record;
    }

    int runsOf(const QString &program) const
    {
        QFile record(path(program + QStringLiteral(".runs")));
        return record.open(QIODevice::ReadOnly) ? int(record.readAll().count('\n')) : 0;
    }

private:
    QTemporaryDir m_root;
    QByteArray m_saved[3];
};

QByteArray entry(const char *exec, const char *categories, const char *more = "")
{
    return QByteArray("[Desktop Entry]\nType=Application\nName=Calcolatrice\nExec=") + exec
        + "\nCategories=" + categories + "\n" + more;
}

struct EntryFile {
    const char *where; // relative to the scratch desktop
    QByteArray content;
};

// What a launch command shows of itself: the program's name and the arguments.
QString described(const LaunchCommand &command)
{
    return (QStringList{QFileInfo(command.program).fileName()} + command.arguments)
        .join(QLatin1Char(' '));
}

QStringList describedCalculators()
{
    QStringList all;
    for (const LaunchCommand &command : installedCalculators())
        all << described(command);
    return all;
}

// The game on the real desktop, whose programs really start and whose end really returns
// from the event loop.
std::unique_ptr<Tavola> startOnTheSystemDesktop()
{
    auto random = std::make_unique<ScriptedRandom>();
    scriptTwoProblems(*random);
    auto window = std::make_unique<Tavola>(std::move(random), std::make_unique<FixedClock>());
    window->showGame();
    return window;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<EntryFile>)

class CommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void answerBoxMenuSpeaksItalian();
    void exitQuestionKeepsTheGame_data();
    void exitQuestionKeepsTheGame();
    void yesSaysGoodbyeWithTheTimeReadJustBefore_data();
    void yesSaysGoodbyeWithTheTimeReadJustBefore();
    void programEndsAfterTheGoodbye();
    void closeBoxEndsTheProgramWithoutAQuestion();

    void execLinesGiveTheCommand_data();
    void execLinesGiveTheCommand();
    void desktopCalculatorsAreFoundInOrder_data();
    void desktopCalculatorsAreFoundInOrder();
    void everyUseStartsACalculatorAndTheGameGoesOn();
    void noCalculatorIsExplainedAndTheGameGoesOn();
    void calculatorRunsForRealOncePerUse();
};

void CommandsTest::initTestCase()
{
    QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem()));
    QVERIFY2(installQtTranslations(*QCoreApplication::instance()),
        "Qt's Italian translations (qtbase_it.qm) are not installed");
}

// Qt's own texts come in Italian too: the answer box's context menu, for one.
void CommandsTest::answerBoxMenuSpeaksItalian()
{
    const PlayedWindow game = startGame();
    const std::unique_ptr<QMenu> menu(game.answerBox()->createStandardContextMenu());
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    for (const char *entry : {"Taglia", "Copia", "Incolla", "Seleziona tutto"})
        QVERIFY2(entries.contains(QLatin1String(entry)), qPrintable(entries.join(", ")));
}

void CommandsTest::exitQuestionKeepsTheGame_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::newRow("Enter at once")
        << Answer([](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Return); });
    QTest::newRow("No clicked") << Answer(
        [](QMessageBox &box) { pressButton(box, QMessageBox::No); });
    QTest::newRow("Escape") << Answer(
        [](QMessageBox &box) { QTest::keyClick(&box, Qt::Key_Escape); });
    QTest::newRow("closed by its title bar") << Answer([](QMessageBox &box) { box.close(); });
}

// "Vuoi veramente lasciarmi  ?" in Italian, with No as the default: anything but Yes goes
// back to the game exactly as it was, answer half typed.
void CommandsTest::exitQuestionKeepsTheGame()
{
    QFETCH(Answer, answer);
    const PlayedWindow game = startGame();
    game.answer(QStringLiteral("9"));
    game.next()->click();
    QTest::keyClicks(game.answerBox(), "1,5");
    const QStringList before = game.gameInView();
    ModalBoxes boxes(answer);

    game.child<QToolButton>("cmdExit")->click();

    QCOMPARE(boxes.seen, std::vector<SeenBox>{exitQuestion});

    QCOMPARE(game.gameInView(), before);
    QCOMPARE(game.desktop->endings, 0);
    QVERIFY(game.window->isVisible());
    QVERIFY(game.child<QTimer>("Timer1")->isActive());
}

void CommandsTest::yesSaysGoodbyeWithTheTimeReadJustBefore_data()
{
    QTest::addColumn<bool>("byAccessKey");
    QTest::newRow("button clicked") << false;
    QTest::newRow("access key Alt+X") << true;
}

// The goodbye shows the time and date read after the pupil said Yes, with OK only and no
// icon; then the program ends and no handler runs any more, the clock's included.
void CommandsTest::yesSaysGoodbyeWithTheTimeReadJustBefore()
{
    QFETCH(bool, byAccessKey);
    const PlayedWindow game = startGame();
    game.window->Timer1_Timer();
    ModalBoxes boxes([&](QMessageBox &box) {
        if (box.objectName() != QLatin1String("exitQuestion"))
            return ModalBoxes::pressDefaultButton(box);
        game.clock->time = {18, 5, 9, 0};
        game.clock->day = {2026, 12, 31};
        pressButton(box, QMessageBox::Yes);
    });

    if (byAccessKey) {
        QVERIFY(QTest::qWaitForWindowActive(game.window.get()));
        QTest::keyClick(game.window.get(), Qt::Key_X, Qt::AltModifier);
    } else {
        game.child<QToolButton>("cmdExit")->click();
    }

    // An access key clicks its button a moment later, as a visible press.
    QTRY_COMPARE(boxes.seen.size(), std::size_t(2));
    const SeenBox goodbye{"goodbye", "Data 31/12/2026", "Ciao a presto. Ore 18:05:09",
        QMessageBox::NoIcon, {"OK"}, "OK"};
    QCOMPARE(boxes.seen, std::vector<SeenBox>({exitQuestion, goodbye}));
    QCOMPARE(game.desktop->endings, 1);
    QVERIFY(!game.window->isVisible());

    const QString label = game.caption("lblTime");
    game.clock->time = {18, 5, 20, 0};
    QTest::qWait(700);
    QCOMPARE(game.caption("lblTime"), label);
    QCOMPARE(boxes.seen.size(), std::size_t(2));
}

// The real ending: the event loop the program runs in returns once the goodbye is closed.
void CommandsTest::programEndsAfterTheGoodbye()
{
    const std::unique_ptr<Tavola> game = startOnTheSystemDesktop();
    Tavola &window = *game;
    ModalBoxes boxes([](QMessageBox &box) {
        if (box.objectName() == QLatin1String("exitQuestion"))
            pressButton(box, QMessageBox::Yes);
        else
            ModalBoxes::pressDefaultButton(box);
    });
    QTimer::singleShot(0, &window, [&] { window.findChild<QToolButton *>("cmdExit")->click(); });
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(99); });

    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(boxes.seen.size(), std::size_t(2));
    QCOMPARE(boxes.seen[1].name, QStringLiteral("goodbye"));
}

void CommandsTest::closeBoxEndsTheProgramWithoutAQuestion()
{
    const std::unique_ptr<Tavola> game = startOnTheSystemDesktop();
    Tavola &window = *game;
    ModalBoxes boxes;
    QTimer::singleShot(0, &window, [&] { window.close(); });
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(99); });

    QCOMPARE(QCoreApplication::exec(), 0);
    QCOMPARE(boxes.seen.size(), std::size_t(0));
}

void CommandsTest::execLinesGiveTheCommand_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("command"); // the program, then the arguments; empty: none
    const auto row = [](const char *name, const char *exec, QStringList command) {
        QTest::newRow(name) << QString::fromUtf8(exec) << command;
    };
    row("a program alone", "gnome-calculator", {"gnome-calculator"});
    row("field codes dropped", "kcalc %U -caption %c %f --x", {"kcalc", "-caption", "--x"});
    row("a field code inside an argument", "calc --open=%u", {"calc", "--open="});
    row("a percent sign", "calc --scale=100%%", {"calc", "--scale=100%"});
    row("a quoted path with a blank", "\"/opt/la mia calc/run\" -m",
        {"/opt/la mia calc/run", "-m"});
    row("escapes inside quotes", R"("calc" "say \"ciao\" \\ \$HOME")",
        {"calc", R"(say "ciao" \ $HOME)"});
    row("runs of blanks", "  calc    -a  ", {"calc", "-a"});
    row("an empty quoted argument", "calc \"\"", {"calc", ""});
    row("an unterminated quote", "\"calc -a", {});
    row("nothing", "", {});
    row("only a field code", "%U", {});
}

void CommandsTest::execLinesGiveTheCommand()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, command);
    const std::optional<LaunchCommand> read = commandOfExec(exec);
    QCOMPARE(read.has_value(), !command.isEmpty());
    if (read)
        QCOMPARE(QStringList{read->program} + read->arguments, command);
}

void CommandsTest::desktopCalculatorsAreFoundInOrder_data()
{
    QTest::addColumn<std::vector<EntryFile>>("entries");
    QTest::addColumn<QStringList>("programs"); // installed on the PATH
    QTest::addColumn<QStringList>("found");
    const auto row = [](const char *name, std::vector<EntryFile> entries, QStringList programs,
                         QStringList found) {
        QTest::newRow(name) << entries << programs << found;
    };
    const char *calculator = "Utility;Calculator;";
    row("nothing installed", {}, {}, {});
    row("well-known programs in their order", {}, {"xcalc", "galculator", "kcalc"},
        {"kcalc", "galculator", "xcalc"});
    row("a desktop entry before the well-known programs",
        {{"system/applications/abaco.desktop", entry("abaco", calculator)}}, {"abaco", "xcalc"},
        {"abaco", "xcalc"});
    row("the user's entries before the system's",
        {{"home/applications/zeta.desktop", entry("zcalc", calculator)},
            {"system/applications/alfa.desktop", entry("acalc", calculator)}},
        {"acalc", "zcalc"}, {"zcalc", "acalc"});
    row("the user's copy of an entry wins",
        {{"home/applications/calc.desktop", entry("zcalc", calculator)},
            {"system/applications/calc.desktop", entry("acalc", calculator)}},
        {"acalc", "zcalc"}, {"zcalc"});
    row("a hidden copy hides the system's entry",
        {{"home/applications/calc.desktop", entry("acalc", calculator, "Hidden=true\n")},
            {"system/applications/calc.desktop", entry("acalc", calculator)}},
        {"acalc"}, {});
    row("entries in subfolders",
        {{"system/applications/kde/calc.desktop", entry("acalc", calculator)}}, {"acalc"},
        {"acalc"});
    row("another category",
        {{"system/applications/calc.desktop", entry("acalc", "Utility;Math;")},
            {"system/applications/more.desktop", entry("acalc", "Utility;Calculators;")}},
        {"acalc"}, {});
    row("a program that is not installed",
        {{"system/applications/calc.desktop", entry("missing-calc", calculator)}}, {}, {});
    row("a TryExec that is not installed",
        {{"system/applications/calc.desktop", entry("acalc", calculator, "TryExec=missing\n")}},
        {"acalc"}, {});
    row("not an application",
        {{"system/applications/calc.desktop",
            QByteArray("[Desktop Entry]\nType=Link\nURL=x\nExec=acalc\nCategories=Calculator;\n")}},
        {"acalc"}, {});
    row("keys of another group",
        {{"system/applications/calc.desktop",
            QByteArray("[Desktop Entry]\nType=Application\nExec=acalc\nCategories=Utility;\n"
                       "[Desktop Action pro]\nCategories=Calculator;\n")}},
        {"acalc"}, {});
    row("field codes and quotes",
        {{"system/applications/calc.desktop", entry("\"acalc\" --modo=%%base %U", calculator)}},
        {"acalc"}, {"acalc --modo=%base"});
}

void CommandsTest::desktopCalculatorsAreFoundInOrder()
{
    QFETCH(std::vector<EntryFile>, entries);
    QFETCH(QStringList, programs);
    const ScratchDesktop desktop;
    for (const EntryFile &file : entries)
        desktop.write(QLatin1String(file.where), file.content);
    for (const QString &program : programs)
        desktop.install(program);

    QTEST(describedCalculators(), "found");
}

// Each use starts one more calculator; one that will not start gives way to the next.
void CommandsTest::everyUseStartsACalculatorAndTheGameGoesOn()
{
    const ScratchDesktop scratch;
    scratch.install(QStringLiteral("kcalc"));
    scratch.install(QStringLiteral("xcalc"));
    const PlayedWindow game = startGame();
    game.desktop->refuses << scratch.path(QStringLiteral("bin/kcalc"));
    QTest::keyClicks(game.answerBox(), "12");
    const QStringList before = game.gameInView();
    ModalBoxes boxes;

    for (int use = 0; use < 2; ++use)
        game.child<QAction>("calc")->trigger();

    QStringList started;
    for (const LaunchCommand &command : game.desktop->started)
        started << described(command);
    QCOMPARE(started, QStringList({"kcalc", "xcalc", "kcalc", "xcalc"}));
    QCOMPARE(boxes.seen.size(), std::size_t(0));
    QCOMPARE(game.gameInView(), before);
}

void CommandsTest::noCalculatorIsExplainedAndTheGameGoesOn()
{
    const ScratchDesktop scratch;
    const PlayedWindow game = startGame();
    QTest::keyClicks(game.answerBox(), "12");
    const QStringList before = game.gameInView();
    ModalBoxes boxes;

    game.child<QAction>("calc")->trigger();

    QCOMPARE(boxes.seen.size(), std::size_t(1));
    const SeenBox &box = boxes.seen[0];
    QCOMPARE(box.title, QStringLiteral("Attenzione"));
    QVERIFY2(box.text.startsWith(QStringLiteral("Non riesco ad aprire una calcolatrice.")),
        qPrintable(box.text));
    for (const QString &named : {QStringLiteral("Calculator"), scratch.path("home/applications"),
             scratch.path("system/applications"), QStringLiteral("gnome-calculator"),
             QStringLiteral("kcalc"), QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"),
             QStringLiteral("galculator"), QStringLiteral("xcalc")})
        QVERIFY2(box.text.contains(named), qPrintable(named));
    QCOMPARE(game.gameInView(), before);
}

// The real launcher: the calculator of this desktop is a script of the test on the PATH,
// which notes each time it runs. The game does not wait for it.
void CommandsTest::calculatorRunsForRealOncePerUse()
{
    const ScratchDesktop scratch;
    scratch.install(QStringLiteral("gnome-calculator"));
    const std::unique_ptr<Tavola> game = startOnTheSystemDesktop();
    Tavola &window = *game;
    ModalBoxes boxes;

    window.findChild<QAction *>("calc")->trigger();
    window.findChild<QAction *>("calc")->trigger();

    QTRY_COMPARE_WITH_TIMEOUT(scratch.runsOf(QStringLiteral("gnome-calculator")), 2, 5000);
    QCOMPARE(boxes.seen.size(), std::size_t(0));
}

QTEST_MAIN(CommandsTest)
#include "tst_commands.moc"
