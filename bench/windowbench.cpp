// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window's speed and size against a bare QMainWindow holding one label, measured in
// the same run on the same display:
//  - process start to the first problem posed, and to the first frame shown;
//  - peak memory of the process at that point;
//  - "Nuovo gioco" from the click to the next problem posed and painted;
//  - Enter in the answer box to the verdict shown and painted;
//  - the maximised window resized and painted.
// Each start is a fresh process of this program (`--child game|bare`), alternated so that
// both see the same machine; medians are reported.
#include "app/tavola.h"
#include "app/translations.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTextStream>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Nanoseconds on the monotonic clock, which parent and child processes share.
long long nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

double msSince(long long startNs)
{
    return (nowNs() - startNs) / 1e6;
}

long peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    }
    return -1;
}

// Paints whatever is pending, as the next frame would, and waits until the display server
// has taken it in: a frame counts once the pupil can see it, however soon the program has
// handed it over. The first time, waits until the window manager has put the window on
// the screen.
void paintNow(QWidget &window)
{
    const long long deadline = nowNs() + 5'000'000'000LL;
    while (!window.windowHandle()->isExposed()) {
        if (nowNs() > deadline)
            qFatal("the window was never put on the screen");
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QGuiApplication::sync();
}

void pressEnter(QWidget *target)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(target, &release);
}

// The maximised window resized to three quarters of its size and back, as a screen's
// resolution changes under it: the design laid out and painted anew at each size.
void measureResizes(QWidget &window, QTextStream &out, const char *name = "resize")
{
    const QSize full = window.size();
    for (int round = 0; round < 20; ++round) {
        const QSize size = round % 2 ? full : full * 3 / 4;
        const long long start = nowNs();
        window.resize(size);
        const long long deadline = start + 2'000'000'000LL;
        while (window.size() != size && nowNs() < deadline)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        paintNow(window);
        out << name << ' ' << msSince(start) << '\n';
    }
}

// The baselines of the in-window timings: a bare window built, shown and painted, and a
// plain line edit whose Enter writes a label, its window resized as the game's is.
void measureBaselines(QTextStream &out)
{
    for (int round = 0; round < 20; ++round) {
        long long start = nowNs();
        {
            QMainWindow bare;
            bare.setCentralWidget(new QLabel(QStringLiteral("0")));
            bare.showMaximized();
            paintNow(bare);
        }
        out << "bareRebuild " << msSince(start) << '\n';
    }
    QMainWindow window;
    auto *client = new QWidget;
    auto *box = new QLineEdit(client);
    auto *label = new QLabel(client);
    label->move(0, 40);
    QObject::connect(box, &QLineEdit::returnPressed, label,
        [label] { label->setText(QStringLiteral("Sbagliato!! 12,5")); });
    window.setCentralWidget(client);
    window.showMaximized();
    paintNow(window);
    for (int round = 0; round < 20; ++round) {
        label->clear();
        paintNow(window);
        const long long start = nowNs();
        pressEnter(box);
        paintNow(window);
        out << "bareEnter " << msSince(start) << '\n';
    }
    measureResizes(window, out, "bareResize");
}

// Prints monotonic timestamps of the first problem posed and the first frame, the peak
// memory, then the timings inside the window.
int runChild(int argc, char **argv, bool game)
{
    QApplication application(argc, argv);
    QTextStream out(stdout);
    if (!game) {
        QMainWindow window;
        window.setCentralWidget(new QLabel(QStringLiteral("0")));
        window.showMaximized();
        out << "posed " << nowNs() << '\n';
        paintNow(window);
        out << "frame " << nowNs() << '\n' << "peak " << peakMemoryKb() << '\n';
        return 0;
    }
    // As the program starts: Qt's Italian texts first.
    const long long t0 = nowNs();
    tavola::installQtTranslations(application);
    tavola::Tavola window;
    const long long t1 = nowNs();
    window.showGame();
    if (qEnvironmentVariableIsSet("BENCH_PHASES"))
        std::fprintf(stderr, "construct %.2f show %.2f\n", (t1 - t0) / 1e6, (nowNs() - t1) / 1e6);
    out << "posed " << nowNs() << '\n';
    paintNow(window);
    out << "frame " << nowNs() << '\n' << "peak " << peakMemoryKb() << '\n';

    for (int round = 0; round < 20; ++round) {
        auto *answer = window.findChild<QLineEdit *>(QStringLiteral("txtAnswer"));
        answer->setText(QStringLiteral("12,5"));
        long long start = nowNs();
        pressEnter(answer);
        out << "verdict " << msSince(start) << '\n';
        paintNow(window);
        out << "verdictPainted " << msSince(start) << '\n';

        start = nowNs();
        window.findChild<QAction *>(QStringLiteral("new"))->trigger();
        out << "newGame " << msSince(start) << '\n';
        paintNow(window);
        out << "newGamePainted " << msSince(start) << '\n';
    }
    measureResizes(window, out);
    measureBaselines(out);
    return 0;
}

struct Samples {
    std::vector<double> values;

    void add(double value) { values.push_back(value); }
    double slowest() const
    {
        return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
    }
    double median()
    {
        if (values.empty())
            return 0;
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    }
};

// Samples by the name the child prints them under.
using Run = std::map<QByteArray, Samples>;

bool spawn(const QString &self, const char *which, Run &run)
{
    QProcess child;
    const long long spawnedAt = nowNs();
    child.start(self, {QStringLiteral("--child"), QLatin1String(which)});
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(
            stderr, "child %s failed: %s\n", which, child.readAllStandardError().constData());
        return false;
    }
    for (const QByteArray &line : child.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() != 2)
            continue;
        const QByteArray &key = parts[0];
        double value = parts[1].toDouble();
        // Start-up points are timestamps; the other timings are already durations.
        if (key == "posed" || key == "frame")
            value = (value - spawnedAt) / 1e6;
        else if (key == "peak")
            value /= 1024.0;
        run[key].add(value);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && QByteArray(argv[1]) == "--child")
        return runChild(argc, argv, QByteArray(argv[2]) == "game");

    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QString self = QString::fromLocal8Bit(argv[0]);
    Run game, bare;
    for (int i = 0; i < starts; ++i) {
        if (!spawn(self, "bare", bare) || !spawn(self, "game", game))
            return 1;
    }

    const double posed = game["posed"].median(), barePosed = bare["posed"].median();
    const double frame = game["frame"].median(), bareFrame = bare["frame"].median();
    const double peak = game["peak"].median(), barePeak = bare["peak"].median();
    std::printf("%d starts of each, medians\n", starts);
    std::printf("start to first problem posed: %7.1f ms  bare window shown: %7.1f ms  ratio %.2f\n",
        posed, barePosed, posed / barePosed);
    std::printf(
        "start to first frame painted: %7.1f ms  bare window painted: %6.1f ms  ratio %.2f\n",
        frame, bareFrame, frame / bareFrame);
    std::printf(
        "peak memory:                  %7.1f MiB bare window:        %6.1f MiB ratio %.2f\n", peak,
        barePeak, peak / barePeak);
    const double rebuild = game["newGamePainted"].median(),
                 bareRebuild = game["bareRebuild"].median();
    std::printf("\"Nuovo gioco\" to next problem posed: %.2f ms, painted: %.2f ms; a bare window "
                "built and painted: %.2f ms, ratio %.2f; %.2f of a 16 ms frame\n",
        game["newGame"].median(), rebuild, bareRebuild, rebuild / bareRebuild, rebuild / 16.0);
    const double resize = game["resize"].median(), bareResize = game["bareResize"].median();
    std::printf("the maximised window resized and painted: %.2f ms, the slowest (a new size) "
                "%.2f ms; a bare window: %.2f ms, the slowest %.2f ms; ratio %.2f, the slowest "
                "%.2f\n",
        resize, game["resize"].slowest(), bareResize, game["bareResize"].slowest(),
        resize / bareResize, game["resize"].slowest() / game["bareResize"].slowest());
    const double enter = game["verdictPainted"].median(), bareEnter = game["bareEnter"].median();
    std::printf("Enter to verdict shown: %.3f ms, painted: %.3f ms; a bare line edit: %.3f ms, "
                "ratio %.2f; %.2f of the 2 ms budget\n",
        game["verdict"].median(), enter, bareEnter, enter / bareEnter, enter / 2.0);
    return 0;
}
