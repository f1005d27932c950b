// What a screen reader hears of the window, through Qt's accessibility interfaces: the
// question as an equation, the given lengths with their names and unit, the verdict where
// the focus goes, the three scores; never a hidden value label, which may hold the answer.
#include "localecheck.h"
#include "windowharness.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QMenuBar>

using namespace tavola;

namespace {

QAccessibleInterface *interfaceOf(QObject *object)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    if (!accessible)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return accessible;
}

QString heard(QObject *object)
{
    return interfaceOf(object)->text(QAccessible::Name);
}

QString described(QObject *object)
{
    return interfaceOf(object)->text(QAccessible::Description);
}

const char *const spokenControls[] = {"Label5", "Label4", "txtAnswer", "lblcat1", "Lblcat2",
    "lblipoeu", "Lblalt", "Lblpro1", "Lblpro2", "Label2_0", "Label2_1", "Label2_2", "lblMessage",
    "lblScore", "lblScore1", "lblScore2"};

QStringList heardOf(const PlayedWindow &game)
{
    QStringList names;
    for (const char *name : spokenControls)
        names << QStringLiteral("%1=%2").arg(QLatin1String(name), heard(game.child(name)));
    return names;
}

// Every name the reader could reach from the window, hidden objects included.
void collectNames(QAccessibleInterface *node, QStringList &names)
{
    names << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i)
        collectNames(node->child(i), names);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (const QString problem = localeProblem(); !problem.isEmpty())
            QFAIL(qPrintable(problem));
    }

    void theReaderHearsTheGameAsSeen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("nextProblem");
        QTest::addColumn<QStringList>("expected");
        const QStringList firstProblem{"Label5=Ipotenusa BC", "Label4=uguale",
            "txtAnswer=Ipotenusa BC uguale", "lblcat1=Cateto AB: 6 cm", "Lblcat2=Cateto AC: 8 cm",
            "lblipoeu=", "Lblalt=", "Lblpro1=", "Lblpro2=", "Label2_0=", "Label2_1=", "Label2_2=",
            "lblMessage=", "lblScore=Risposte esatte: 0", "lblScore1=Risposte errate: 0",
            "lblScore2=Risposte totali: 0"};
        QTest::newRow("posed") << QString() << false << firstProblem;

        QStringList right = firstProblem;
        right[12] = "lblMessage=Esatto. Sei in gamba!!!";
        right[13] = "lblScore=Risposte esatte: 1";
        right[15] = "lblScore2=Risposte totali: 1";
        QTest::newRow("right") << "10" << false << right;

        QStringList wrong = firstProblem;
        wrong[12] = "lblMessage=Sbagliato!! 10";
        wrong[14] = "lblScore1=Risposte errate: 1";
        wrong[15] = "lblScore2=Risposte totali: 1";
        QTest::newRow("wrong") << "9,5" << false << wrong;

        // The hidden Lblcat2 now holds the asked 15: it must say nothing.
        QTest::newRow("next problem")
            << "9,5" << true
            << QStringList{"Label5=Cateto AC", "Label4=uguale", "txtAnswer=Cateto AC uguale",
                   "lblcat1=Cateto AB: 8 cm", "Lblcat2=", "lblipoeu=Ipotenusa BC: 17 cm",
                   "Lblalt=", "Lblpro1=", "Lblpro2=", "Label2_0=", "Label2_1=", "Label2_2=",
                   "lblMessage=", "lblScore=Risposte esatte: 0", "lblScore1=Risposte errate: 1",
                   "lblScore2=Risposte totali: 1"};
    }

    void theReaderHearsTheGameAsSeen()
    {
        QFETCH(QString, typed);
        QFETCH(bool, nextProblem);
        QFETCH(QStringList, expected);
        const PlayedWindow game = startGame();
        if (!typed.isEmpty())
            game.answer(typed);
        if (nextProblem)
            QTest::keyClick(game.next(), Qt::Key_Return);
        QCOMPARE(heardOf(game), expected);
    }

    void aHiddenValueLabelGivesNothingAway()
    {
        const PlayedWindow game = startGame();
        game.answer(QStringLiteral("9"));
        QTest::keyClick(game.next(), Qt::Key_Return);
        auto *asked = game.child<QLabel>("Lblcat2");
        QCOMPARE(asked->text(), QStringLiteral("15"));
        QVERIFY(asked->isHidden());
        QVERIFY(interfaceOf(asked)->state().invisible);

        QStringList names;
        collectNames(interfaceOf(game.window.get()), names);
        QVERIFY(names.contains(QStringLiteral("Cateto AB: 8 cm")));
        for (const QString &name : names)
            QVERIFY2(!name.contains(QLatin1String("15")), qPrintable(name));
    }

    void theVerdictIsHeardWhereTheFocusGoes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("description");
        QTest::newRow("right") << "10"
                               << "Esatto. Sei in gamba!!! Propone il prossimo problema";
        QTest::newRow("wrong") << "11"
                               << "Sbagliato!! 10. Propone il prossimo problema";
    }

    void theVerdictIsHeardWhereTheFocusGoes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, description);
        const PlayedWindow game = startGame();
        QCOMPARE(described(game.next()), QStringLiteral("Propone il prossimo problema"));
        game.answer(typed);
        QCOMPARE(game.window->focusWidget(), game.next());
        QCOMPARE(heard(game.next()), QStringLiteral("Nuovo calcolo"));
        QCOMPARE(described(game.next()), description);
        QTest::keyClick(game.next(), Qt::Key_Return);
        QCOMPARE(described(game.next()), QStringLiteral("Propone il prossimo problema"));
        QCOMPARE(heard(game.answerBox()), QStringLiteral("Cateto AC uguale"));
    }

    // A control that takes the focus, or a picture, that the reader could only call
    // "unnamed" would leave the pupil guessing.
    void everyControlHasANameAndADescription()
    {
        const PlayedWindow game = startGame();
        QStringList unnamed;
        for (QWidget *widget : game.window->findChildren<QWidget *>()) {
            const bool pupilMeetsIt =
                widget->focusPolicy() != Qt::NoFocus || widget->inherits("tavola::Picture");
            if (!pupilMeetsIt || !widget->isVisible() || widget->objectName().startsWith("qt_"))
                continue;
            if (heard(widget).isEmpty() || described(widget).isEmpty())
                unnamed << widget->objectName() + QStringLiteral(" (") + heard(widget)
                        + QStringLiteral(")");
        }
        QCOMPARE(unnamed, QStringList());
        QVERIFY(!described(game.window.get()).isEmpty());
        QCOMPARE(heard(game.child("cmdExit")), QStringLiteral("Esci"));
    }

    void theMenuCommandsHaveItalianNames()
    {
        const PlayedWindow game = startGame();
        QStringList names;
        QAccessibleInterface *bar = interfaceOf(game.window->menuBar());
        for (int i = 0; i < bar->childCount(); ++i)
            names << bar->child(i)->text(QAccessible::Name);
        QCOMPARE(names, (QStringList{"Scuola", "Ciao", "Calcolatrice", "Nuovo gioco"}));
    }

    void aNewGameKeepsTheSpokenForms()
    {
        const PlayedWindow game = startGame();
        game.answer(QStringLiteral("10"));
        game.window->new_Click();
        QCOMPARE(heard(game.child("lblcat1")), QStringLiteral("Cateto AB: 8 cm"));
        QCOMPARE(heard(game.child("Lblcat2")), QString());
        QCOMPARE(heard(game.answerBox()), QStringLiteral("Cateto AC uguale"));
        QCOMPARE(heard(game.child("lblScore")), QStringLiteral("Risposte esatte: 0"));
        QCOMPARE(described(game.child("lblScore")), QStringLiteral("Il tuo punteggio"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
