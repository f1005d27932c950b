// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Calcolatrice" on desktops as a shared school account may have them, each in folders of its
// own and with no session bus (CTest sees to that): the window's clock never stops, a second
// click starts no second calculator, and the pupil gets one that really started, or a
// message, never silence.
#include "support.h"

#include "app/calculator.h"
#include "app/tavola.h"

#include <QtTest>
#include <QtWidgets>

using namespace tavola;

static const QString entry =
    "[Desktop Entry]\nType=Application\nName=C\nExec=\"@/calc\"\nCategories=";

// "path=text" a program, "path!" one that writes its name in @/started, "path>target" a link,
// "path~size" a sparse file, "path*n" n entries of other programs.
static void lay(const QString &root, QString what)
{
    what.replace(QRegularExpression("^(.*/)?(.*)!$"), "\\1\\2=#!/bin/sh\necho \\2 >> @/started");
    const qsizetype at = what.indexOf(QRegularExpression("[=>~*]"));
    const QString path = root + '/' + what.left(at), rest = what.mid(at + 1).replace('@', root);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(what[at] == '>' ? QFile::link(rest, path) : file.open(QIODevice::WriteOnly));
    QVERIFY(what[at] != '~' || file.resize(rest.toLongLong()));
    QVERIFY(what[at] != '='
        || (file.write(rest.toUtf8()) && file.setPermissions(QFile::ExeOwner | QFile::ReadOwner)));
    for (int i = 0; what[at] == '*' && i < rest.toInt(); ++i)
        lay(root, what.left(at) + QString::number(i) + ".desktop=" + entry + "Utility;");
}

class CalculatorTest : public QObject
{
    Q_OBJECT

private slots:
    // Files beside an entry that starts @/calc (first the window's patience, if not 5 s), then
    // the programs started or the box's second line.
    void thePupilGetsACalculatorOrIsTold_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("told");
        for (const QString row :
            {"loops of links: home/applications/x>.|home/applications/y>.|calc!; calc",
                "missing interpreter: calc=#!/nonexistent/interpreter|bin%f/xcalc!; xcalc",
                "not a program: calc=\177ELF|bin%f/xcalc!; xcalc",
                "huge file: home/applications/huge.desktop~1073741824|calc!; calc",
                "many entries: system/applications/app*60000|calc!; calc",
                "no session bus: calc!; calc",
                "too slow a search: 1|system/applications/app*30000|calc!; La ricerca nelle "
                "cartelle delle applicazioni è durata troppo."})
            QTest::newRow(qPrintable(row.section(": ", 0, 0)))
                << row.section(": ", 1).section("; ", 0, 0).split('|') << row.section("; ", 1);
    }
    void thePupilGetsACalculatorOrIsTold()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, told);
        const int patience = desktop.first().toInt() ? desktop.takeFirst().toInt() : 5000;
        // GIO would start dbus-launch for a session bus before it started a calculator.
        desktop << "bin%f/dbus-launch!"
                << "system/applications/calc.desktop=" + entry + "Calculator;";
        QTemporaryDir root;
        for (const QString &what : desktop)
            lay(root.path(), what);
        qputenv("XDG_DATA_HOME", QFile::encodeName(root.filePath("home")));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(root.filePath("system")));
        qputenv("PATH", QFile::encodeName(root.filePath("bin%f"))); // a field code, as it stands
        Tavola window(std::make_unique<SplitMixRandom>(SplitMixRandom::fromEntropy()),
            std::make_unique<FixedClock>(),
            std::make_unique<SystemDesktop>(std::chrono::milliseconds(patience)));
        window.showGame();
        QString seen;
        qint64 longest = 0; // the longest the window's clock went without a tick
        QElapsedTimer beat;
        connect(window.findChild<QTimer *>("Timer1"), &QTimer::timeout, this, [&] {
            longest = std::max(longest, beat.restart());
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                seen = box->text().section('\n', 1, 1), box->reject();
        });
        beat.start();
        for (int click = 0; click < 2; ++click) // the second while the first is sought
            window.findChild<QAction *>("calc")->trigger();
        QFile started(root.filePath("started"));
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty() || started.exists(), 15000);
        QTest::qWait(600); // a tick more, and any program started after the first
        QVERIFY2(longest < 1000, qPrintable(QString("the clock stood for %1 ms").arg(longest)));
        if (seen.isEmpty() && started.open(QIODevice::ReadOnly))
            seen = started.readAll().trimmed();
        QCOMPARE(seen, told);
    }
};

QTEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
