// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The small commands beside the game, timed against baselines measured in the same run:
//  - a clock tick, within a second and across one, against printing the time the C way;
//  - the search for the desktop's calculator over a folder of desktop entries as large
//    as a full desktop's, with links that loop or a huge file beside them, and over one of
//    100,000 entries, against only reading the same entries.
#include "looptiming.h"

#include "app/calculator.h"
#include "clock/clock.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

template<typename Step>
double nanosecondsEach(long iterations, Step step)
{
    return secondsFor(iterations, step) * 1e9 / double(iterations);
}

void report(const char *what, double measured, const char *baseline, double base)
{
    std::printf("%-40s %10.1f ns   %-36s %10.1f ns   ratio %.2f\n", what, measured, baseline, base,
        measured / base);
}

volatile int sink;

// A clock the benchmark moves on by hand.
class SteppedClock final : public tavola::TimeSource
{
public:
    tavola::TimeOfDay timeOfDay() const override { return time; }
    tavola::CalendarDate date() const override { return {2026, 12, 6}; }
    tavola::TimeOfDay time{10, 30, 15, 0};
};

tavola::TimeOfDay secondOfDay(long second)
{
    return {int(second / 3600 % 24), int(second / 60 % 60), int(second % 60), 0};
}

double printTimeBaseline(long iterations)
{
    return nanosecondsEach(iterations, [](long i) {
        char text[16];
        const tavola::TimeOfDay t = secondOfDay(i);
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        sink = text[7];
    });
}

void benchPlainTicks(long iterations)
{
    SteppedClock clock;
    tavola::Clock display(clock);
    const auto state = tavola::WindowState::Maximised;
    const double sameSecond = nanosecondsEach(iterations, [&](long) { display.tick(state); });
    const double nextSecond = nanosecondsEach(iterations, [&](long i) {
        clock.time = secondOfDay(i);
        display.tick(state);
    });
    const double baseline = printTimeBaseline(iterations);
    report("tick, same second", sameSecond, "baseline: time printed", baseline);
    report("tick, next second", nextSecond, "baseline: time printed", baseline);
}

void writeEntries(const QString &folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QFile file(QStringLiteral("%1/app%2.desktop").arg(folder).arg(i, 6, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        const bool calculator = i == count - 1;
        const QString entry =
            QStringLiteral("[Desktop Entry]\nType=Application\nName=Programma %1\n"
                           "Comment=Un programma qualunque del desktop\nIcon=app%1\n"
                           "Exec=sh %U\nTerminal=false\nCategories=%2\n"
                           "[Desktop Action nuova]\nName=Nuova finestra\nExec=sh\n");
        const QString categories =
            calculator ? QStringLiteral("Utility;Calculator;") : QStringLiteral("Utility;");
        file.write(entry.arg(QString::number(i), categories).toUtf8());
    }
}

// What a desktop was found to hold beside its entries: two links that loop, or a file of
// 1 GiB named as an entry. Neither may cost the search more than its entries do.
enum class Beside { Nothing, LoopingLinks, HugeFile };

void benchCalculatorSearch(int entries, long repeats, Beside beside = Beside::Nothing)
{
    QTemporaryDir root;
    const QString system = root.filePath(QStringLiteral("system"));
    const QDir folder(system + QStringLiteral("/applications"));
    writeEntries(folder.path(), entries);
    const QStringList names = folder.entryList({QStringLiteral("*.desktop")}, QDir::Files);
    QFile huge(folder.filePath(QStringLiteral("huge.desktop")));
    if ((beside == Beside::LoopingLinks
            && !(QFile::link(QStringLiteral("."), folder.filePath(QStringLiteral("x")))
                && QFile::link(QStringLiteral("."), folder.filePath(QStringLiteral("y")))))
        || (beside == Beside::HugeFile
            && !(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(1) << 30))))
        std::abort();
    qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_DATA_DIRS", system.toLocal8Bit());

    std::size_t found = 0;
    const double search =
        nanosecondsEach(repeats, [&](long) { found += tavola::installedCalculators().size(); });
    const double readOnly = nanosecondsEach(repeats, [&](long) {
        qint64 bytes = 0;
        for (const QString &name : names) {
            QFile file(folder.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll().size();
        }
        sink = int(bytes);
    });
    const char *besides[] = {"", ", two links that loop", ", a file of 1 GiB"};
    std::printf("calculator search over %d desktop entries%s: %.2f ms (%s)\n", entries,
        besides[int(beside)], search / 1e6, found >= std::size_t(repeats) ? "found" : "NOT found");
    report("calculator search", search, "baseline: the entries read", readOnly);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const long iterations = argc > 1 ? std::atol(argv[1]) : 200'000;
    benchPlainTicks(iterations * 10);
    benchCalculatorSearch(400, 20);
    benchCalculatorSearch(400, 20, Beside::LoopingLinks);
    benchCalculatorSearch(400, 20, Beside::HugeFile);
    benchCalculatorSearch(100'000, 3);
    return 0;
}
