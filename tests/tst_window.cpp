// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window through its real widgets, as the pupil plays, sees and hears it.
#include "support.h"

#include "app/calculator.h"
#include "app/calculatorsearch.h"
#include "app/clientarea.h"
#include "app/tavola.h"

#include "engine/spoken.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <map>

#include <sys/stat.h>

using namespace tavola;

namespace {

struct RecordingDesktop final : Desktop {
    QStringList refuses, started;
    int endings = 0;

    bool start(const Calculator &calculator, QString &error) override
    {
        started << calculator.id();
        error = QStringLiteral("rifiutato");
        return !refuses.contains(calculator.id());
    }
    void endProgram() override { ++endings; }
};

// Answers every modal box, by default with its default button; keeps "name: title | text".
struct ModalBoxes : QObject {
    std::function<void(QMessageBox &)> answer = [](QMessageBox &box) {
        box.defaultButton() ? box.defaultButton()->click() : box.reject();
    };
    QStringList seen;
    QStringList heard; // the title and the text, as a reader says them
    QTimer poll;
    QPointer<QMessageBox> answered;

    ModalBoxes()
    {
        connect(&poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box != answered) {
                seen << box->objectName() + ": " + box->windowTitle() + " | " + box->text();
                const auto said = [](QObject *shown) {
                    return QAccessible::queryAccessibleInterface(shown)->text(QAccessible::Name);
                };
                heard << said(box) + " | " + said(box->findChild<QLabel *>("qt_msgbox_label"));
                answer(*(answered = box));
            }
        });
        poll.start(2);
    }
};

// BC of (6, 8, 10), then AC of (8, 15, 17), over and over.
const std::vector<float> twoProblems{rFor(1, 1, 15), rFor(3, 3, 5), rFor(2, 1, 15), rFor(4, 3, 5)};

struct Played {
    ScriptedRandom *random = new ScriptedRandom;
    FixedClock *clock = new FixedClock;
    RecordingDesktop *desktop = new RecordingDesktop;
    Tavola window{std::unique_ptr<RandomSource>(random), std::unique_ptr<TimeSource>(clock),
        std::unique_ptr<Desktop>(desktop)};

    explicit Played(const std::vector<float> &draws = twoProblems)
    {
        random->values.assign(draws.begin(), draws.end());
        random->looping = true;
        window.showGame();
        if (!QTest::qWaitForWindowActive(&window))
            qFatal("the window never became active");
    }
    template<typename Widget = QWidget>
    Widget *child(const QString &name) const
    {
        return window.findChild<Widget *>(name);
    }
    QString text(const QString &name) const
    {
        if (auto *label = child<QLabel>(name))
            return label->isVisible() ? label->text() : QStringLiteral("-");
        return child<QLineEdit>(name)->text();
    }
    QWidget *focused() const { return window.focusWidget(); }

    // "<Key>" presses a key, "[name]" gives a control the focus, "{new}" starts a new game and
    // "{calc}" a calculator,
    // "{paste:text}" and "{drop:text}" offer a text, "_" for a blank; anything else is typed
    // character by character as a keyboard would send it.
    void play(const QStringList &steps)
    {
        const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {"<Return>", {Qt::Key_Return, {}}}, {"<Enter>", {Qt::Key_Enter, Qt::KeypadModifier}},
            {"<Space>", {Qt::Key_Space, {}}}, {"<Tab>", {Qt::Key_Tab, {}}},
            {"<Alt+N>", {Qt::Key_N, Qt::AltModifier}}, {"<Alt+X>", {Qt::Key_X, Qt::AltModifier}},
            {"<Backspace>", {Qt::Key_Backspace, {}}}, {"<Home>", {Qt::Key_Home, {}}},
            {"<Right>", {Qt::Key_Right, {}}}, {"<Ctrl+V>", {Qt::Key_V, Qt::ControlModifier}},
            {"<F10>", {Qt::Key_F10, {}}}, {"<KP.>", {Qt::Key_Period, Qt::KeypadModifier}},
            {"<Left>", {Qt::Key_Left, {}}}, {"<Escape>", {Qt::Key_Escape, {}}},
            {"<Alt+I>", {Qt::Key_I, Qt::AltModifier}}, {"<Alt>", {Qt::Key_Alt, Qt::AltModifier}}};
        for (const QString &step : steps) {
            if (keys.count(step)) { // an open menu has the keys
                QWidget *popup = QApplication::activePopupWidget();
                QTest::keyClick(
                    popup ? popup : focused(), keys.at(step).first, keys.at(step).second);
                QCoreApplication::processEvents(); // what a key leaves for later, as F10 does
            } else if (step == "{new}" || step == "{calc}") { // run once the menu is done
                child<QAction>(step.mid(1).chopped(1))->trigger();
                QCoreApplication::sendPostedEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QTRY_VERIFY(!child<CalculatorSearch>("calculatorSearch")->busy()); // answered
            } else if (step.startsWith("{paste:") || step.startsWith("{drop:")) {
                offer(step.section(':', 1)
                          .chopped(1)
                          .replace('_', ' ')
                          .replace("\\n", "\n")
                          .replace("\\r", "\r"),
                    step.startsWith("{drop:"));
            } else if (step.startsWith('[')) {
                child(step.mid(1).chopped(1))->setFocus();
            } else {
                for (const QChar c : step)
                    QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key_unknown, QString(c), {});
            }
        }
    }

    // Ctrl+V, or a drop at the end of the box, which takes it as a copy or not at all.
    QStringList drops;
    void offer(const QString &text, bool dropped)
    {
        auto *box = child<QLineEdit>("txtAnswer");
        QApplication::clipboard()->setText(text);
        if (!dropped)
            return QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QMimeData data;
        data.setText(text);
        const QPoint end = box->rect().center() + QPoint(box->width() / 3, 0);
        QDragEnterEvent enter(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(end, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(box, &drop);
        drops << (!drop.isAccepted()                  ? "refused"
                : drop.dropAction() == Qt::CopyAction ? "copied"
                                                      : "moved");
    }

    // The question, the box, the verdict, the figure's values, the counts, the focus, cmdNext.
    QString seen() const
    {
        QStringList seen{text("Label5"), text("txtAnswer"), text("lblMessage")};
        for (const char *name : {"lblcat1", "Lblcat2", "lblipoeu", "Lblalt", "Lblpro1", "Lblpro2"})
            seen << text(name);
        seen << text("lblScore") << text("lblScore1") << text("lblScore2")
             << focused()->objectName() << (child("cmdNext")->isEnabled() ? "on" : "off");
        return seen.join('|');
    }

    QList<QWidget *> controls() const
    {
        QList<QWidget *> found =
            window.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        found.removeIf([](QWidget *w) { return !dynamic_cast<Scaled *>(w); });
        return found;
    }
};

QRect designed(QWidget *control, qreal scale)
{
    const QRectF r = dynamic_cast<Scaled *>(control)->designedRect();
    return QRectF(r.topLeft() * scale, r.size() * scale).toRect();
}

// How many points of each colour a rectangle of the painted window shows.
std::map<QRgb, qreal> coloursOf(const QImage &image, const QRect &logical)
{
    const qreal dpr = image.devicePixelRatio();
    const QRect rect(logical.topLeft() * dpr, logical.size() * dpr);
    std::map<QRgb, qreal> counts;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            counts[image.pixel(x, y) & 0xFFFFFF] += 1 / dpr;
    return counts;
}

// The pixels off the reference's colour by more than another renderer's antialiasing (6 at
// most): a control moved by a pixel, a wrong colour, stroke, text or picture, put 100 or more.
int pixelsOff(const QImage &seen, QImage reference)
{
    if (reference.size() != seen.size())
        return seen.width() * seen.height();
    reference = reference.convertToFormat(QImage::Format_RGB32);
    int off = 0;
    for (int y = 0; y < seen.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(seen.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(reference.constScanLine(y));
        for (int x = 0; x < seen.width(); ++x)
            off += std::abs(qRed(a[x]) - qRed(b[x])) > 16
                || std::abs(qGreen(a[x]) - qGreen(b[x])) > 16
                || std::abs(qBlue(a[x]) - qBlue(b[x])) > 16;
    }
    return off;
}

QRgb mostOf(const std::map<QRgb, qreal> &counts)
{
    return std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) {
        return a.second < b.second;
    })->first;
}

} // namespace

Q_DECLARE_METATYPE(std::vector<float>)

class WindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(localeProblem().isEmpty(), qPrintable(localeProblem())); }

    // Each row: the pupil's steps; what the pupil then sees; the boxes and drops met on the way,
    // and the note left in view.
    void theKeyboardPlaysTheGame_data()
    {
        const QString rows = QString::fromUtf8(R"(
at start                   ;                          ; Ipotenusa BC|||6|8|-|-|-|-|0|0|0|txtAnswer|off
right                      ; 10 <Return>              ; Ipotenusa BC|10|Esatto. Sei in gamba!!!|6|8|-|-|-|-|1|0|1|cmdNext|on
wrong                      ; 12 <Return>              ; Ipotenusa BC|12|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdNext|on
empty box judges 0         ; <Return>                 ; Ipotenusa BC|0|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdNext|on
Enter on the button        ; 12 <Return> <Return>     ; Cateto AC|||8|-|17|-|-|-|0|1|1|txtAnswer|off
keypad Enter               ; 12 <Return> <Enter>      ; Cateto AC|||8|-|17|-|-|-|0|1|1|txtAnswer|off
Space on the button        ; 12 <Return> <Space>      ; Cateto AC|||8|-|17|-|-|-|0|1|1|txtAnswer|off
Enter back in the box      ; 12 <Return> [txtAnswer] <Return> ; Cateto AC|||8|-|17|-|-|-|0|1|1|txtAnswer|off
Enter in the unit box      ; 12 <Return> [Text1] <Return>     ; Cateto AC|||8|-|17|-|-|-|0|1|1|txtAnswer|off
unit box before a verdict  ; [Text1] <Return>         ; Ipotenusa BC|||6|8|-|-|-|-|0|0|0|Text1|off
access key, then Enter     ; 12 <Return> <Alt+N> 15 <Return> ; Cateto AC|15|Esatto. Sei in gamba!!!|8|-|17|-|-|-|1|1|2|cmdNext|on
access key while disabled  ; <Alt+N> 1                ; Ipotenusa BC|1||6|8|-|-|-|-|0|0|0|txtAnswer|off
keypad decimal is a comma  ; 1 2 <KP.> 5              ; Ipotenusa BC|12,5||6|8|-|-|-|-|0|0|0|txtAnswer|off
only digits and commas     ; 1.2-3 è4π€a              ; Ipotenusa BC|1234||6|8|-|-|-|-|0|0|0|txtAnswer|off ; Solo cifre e una virgola, come 12,5
a refusal goes with a digit; 1 . 2                    ; Ipotenusa BC|12||6|8|-|-|-|-|0|0|0|txtAnswer|off
Escape types nothing       ; 1 <Escape>               ; Ipotenusa BC|1||6|8|-|-|-|-|0|0|0|txtAnswer|off
F10, Left, Enter: new game ; 12 <Return> <F10> <Left> <Return> ; Cateto AC|||8|-|17|-|-|-|0|0|0|txtAnswer|off
F10, Escape twice          ; 12 <Return> <F10> <Escape> <Escape> ; Ipotenusa BC|12|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdNext|on
Alt+I, Left, Left, Enter   ; 12 <Return> <Alt+I> <Left> <Left> <Return> ; Cateto AC|||8|-|17|-|-|-|0|0|0|txtAnswer|off
Alt alone leaves the bar   ; <Alt> 5                  ; Ipotenusa BC|5||6|8|-|-|-|-|0|0|0|txtAnswer|off
six characters at most     ; 12345678                 ; Ipotenusa BC|123456||6|8|-|-|-|-|0|0|0|txtAnswer|off
editing keys               ; 1234 <Backspace> <Backspace> 9 ; Ipotenusa BC|129||6|8|-|-|-|-|0|0|0|txtAnswer|off
Tab goes on to the picture ; 12 <Return> <Tab> <Tab>  ; Ipotenusa BC|12|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|Picture3|on
Tab goes round all six     ; 12 <Return> <Tab> <Tab> <Tab> <Tab> <Tab> <Tab> ; Ipotenusa BC|12|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdNext|on
Enter on Exit asks first   ; 12 <Return> <Tab> <Tab> <Tab> <Tab> <Tab> <Return> ; Ipotenusa BC|12|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdExit|on ; exitQuestion: Uscire dal programma | Vuoi veramente lasciarmi  ?
new game, right, wrong     ; 12 <Return> <Return> 15 <Return> 7 {new} 10 <Return> <Return> 12 <Return> ; Cateto AC|12|Sbagliato!! 15|8|-|17|-|-|-|1|1|2|cmdNext|on
a thousandth off is wrong  ; 10,001 <Return>          ; Ipotenusa BC|10,001|Sbagliato!! 10|6|8|-|-|-|-|0|1|1|cmdNext|on
paste trims its blanks     ; 3 {paste:_4,5\n} 9       ; Ipotenusa BC|34,59||6|8|-|-|-|-|0|0|0|txtAnswer|off
pastes refused             ; 3 {paste:4.5} {paste:-4} {paste:dieci} {paste:1_2} 9 ; Ipotenusa BC|39||6|8|-|-|-|-|0|0|0|txtAnswer|off
paste cut at six           ; 3 {paste:4567890} 9      ; Ipotenusa BC|345678||6|8|-|-|-|-|0|0|0|txtAnswer|off
pasted between, blanks     ; 35 <Home> <Right> {paste:_4_} 9 ; Ipotenusa BC|3495||6|8|-|-|-|-|0|0|0|txtAnswer|off
pasted first, blanks alone ; 3 <Home> {paste:__} {paste:_12\r\n} 9 ; Ipotenusa BC|1293||6|8|-|-|-|-|0|0|0|txtAnswer|off
a drop is a copy           ; 3 {drop:_4,5\n} 9        ; Ipotenusa BC|34,59||6|8|-|-|-|-|0|0|0|txtAnswer|off ; copied
a drop lands where dropped ; 3 <Home> {drop:4} 9      ; Ipotenusa BC|349||6|8|-|-|-|-|0|0|0|txtAnswer|off ; copied
a drop refused             ; 3 {drop:4.5} 9           ; Ipotenusa BC|39||6|8|-|-|-|-|0|0|0|txtAnswer|off ; refused
no number is explained     ; , <Return>               ; Ipotenusa BC|,||6|8|-|-|-|-|0|0|0|txtAnswer|off ; runtimeError: Attenzione | La risposta non è un numero. Scrivi solo cifre, con al massimo una virgola: per esempio 12,5.
)");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("seen");
        QTest::addColumn<QString>("boxes");
        for (const QString &row : rows.split('\n', Qt::SkipEmptyParts)) {
            const QStringList cells = (row + " ;").split(';');
            QTest::newRow(qPrintable(cells[0].trimmed()))
                << cells[1] << cells[2].trimmed() << cells[3].trimmed();
        }
    }

    // Type, Enter for the verdict, Enter for the next problem; Enter is never judged twice.
    void theKeyboardPlaysTheGame()
    {
        QFETCH(QString, steps);
        QFETCH(QString, seen);
        QFETCH(QString, boxes);
        Played game;
        ModalBoxes modal;
        game.play(steps.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(game.seen(), seen);
        auto *note = game.window.findChild<QLabel *>("notice");
        QCOMPARE(
            (modal.seen + game.drops).join("") + (note && note->isVisible() ? note->text() : ""),
            boxes);
    }

    // The whole design as large as the room above the bar holds, in its middle: every control
    // in view at its designed place, none over another unless so designed, every caption
    // whole.
    void everyControlStaysInViewAtAnySize_data()
    {
        QTest::addColumn<QSize>("client");
        for (const auto &[tag, client] :
            {std::pair{"room to spare", QSize(1276, 960)}, {"netbook 1024x600", {1024, 540}},
                {"1366x768 at 125 %", {1093, 560}}, {"1280x1024 at twice the scale", {640, 460}},
                {"restored to the designed size", {873, 554}},
                {"maximised on 1920x1080", {1920, 1017}}, {"maximised on 2560x1440", {2560, 1377}},
                {"portrait 1080x1920", {1080, 1857}}})
            QTest::newRow(tag) << client;
    }

    void everyControlStaysInViewAtAnySize()
    {
        QFETCH(QSize, client);
        Played game({rFor(7, 1, 15), rFor(1, 1, 6), rFor(1, 1, 15), rFor(15, 1, 15)}); // BH 29,4
        game.window.showNormal();
        game.window.resize(client + QSize(0, game.window.menuBar()->height()));
        QApplication::processEvents();
        QCOMPARE(game.window.centralWidget()->size(), client);
        // The scale and the design's corner, read off two controls far apart.
        QWidget *left = game.child("cmdNext"), *right = game.child("Text1");
        const qreal scale =
            qreal(right->x() - left->x()) / (designed(right, 1).x() - designed(left, 1).x());
        const QPoint origin = left->pos() - designed(left, scale).topLeft();
        const QRect bar = game.child("StatusBar1")->geometry();
        QVERIFY(bar.bottomRight() == QPoint(client.width() - 1, client.height() - 1)
            && bar.left() == 0 && std::abs(bar.height() - 41 * scale) <= 1);
        QList<QWidget *> controls = game.controls();
        controls.removeAll(game.child("StatusBar1"));
        QRectF design(0, 0, 1, 1);
        for (QWidget *control : controls)
            design |= dynamic_cast<Scaled *>(control)->designedRect();
        // As large as fits, the room to spare shared alike by both sides.
        const QSizeF spare =
            QSizeF(client.width(), bar.top()) - QSizeF(design.right(), design.bottom()) * scale;
        QVERIFY2(std::min(spare.width(), spare.height()) < 3
                && std::abs(origin.x() - spare.width() / 2) <= 2
                && std::abs(origin.y() - spare.height() / 2) <= 2,
            qPrintable(
                QStringLiteral("scale %1 at %2,%3").arg(scale).arg(origin.x()).arg(origin.y())));
        controls.removeIf(
            [](QWidget *c) { return c->testAttribute(Qt::WA_TransparentForMouseEvents); });
        for (QWidget *control : controls) {
            const QRect at = control->geometry(),
                        want = designed(control, scale).translated(origin);
            const QByteArray name = control->objectName().toLatin1();
            QVERIFY2(std::abs(at.x() - want.x()) <= 1 && std::abs(at.y() - want.y()) <= 1, name);
            if (auto *label = qobject_cast<QLabel *>(control)) // a comma keeps its tail
                QVERIFY2(label->text().isEmpty() || label->text() == "="
                        || at.height() >= label->fontMetrics().height(),
                    name);
            const int top = std::min(0, want.top() - 1); // the "=" reaches above as designed
            QVERIFY2(QRect(0, top, client.width(), bar.top() - top).contains(at), name);
            for (QWidget *other : controls) { // a seam of a pixel is rounding
                const QRect both = at & other->geometry();
                QVERIFY2(other == control || both.width() < 2 || both.height() < 2
                        || designed(control, 1).intersects(designed(other, 1)),
                    qPrintable(control->objectName() + " over " + other->objectName()));
            }
        }
        // Under each button's caption, a strip of the bare face above the bottom edge.
        for (const char *name : {"cmdNext", "cmdExit"}) {
            const QImage face = game.child(name)->grab().toImage();
            const qreal dpr = face.devicePixelRatio(), strip = std::max(2, qRound(4 * scale));
            const QRgb ink = face.pixel(face.width() / 2, int(3 * dpr));
            const int top = int(face.height() - (2 + strip) * dpr) + 1;
            for (int y = top; y < face.height() - 3 * dpr; ++y)
                for (int x = int(3 * dpr); x < face.width() - 3 * dpr; ++x)
                    QVERIFY2(face.pixel(x, y) == ink, name);
        }
    }

    void theWindowLooksAsDesigned_data()
    {
        QTest::addColumn<std::vector<float>>("draws");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QRgb>("question");
        QTest::addColumn<QString>("heard"); // in the answer box: what is given, nothing hidden
        const QString bc = "Trova l'ipotenusa BC. Dati cateto AB 6 centimetri e cateto AC 8 "
                           "centimetri";
        QTest::newRow("at start") << twoProblems << "" << QRgb(0xFF00FF)
                                  << bc + ". Esatte 0, errate 0, totale 0. " + answerHint.data();
        QTest::newRow("Pythagoras") << twoProblems << "<Return>" << QRgb(0xFF00FF) << bc;
        // Wherever the keyboard is, the pupil sees it.
        QString tabs = "<Return> <Tab>";
        for (const char *stop : {"the picture", "the unit", "the status bar", "Exit"})
            QTest::newRow(stop) << twoProblems << (tabs += " <Tab>") << QRgb(0xFF00FF) << bc;
        QTest::newRow("Euclid, height")
            << std::vector{rFor(9, 1, 15), rFor(1, 1, 6), rFor(5, 1, 15), rFor(5, 1, 15)}
            << "12 <Return>" << QRgb(0x00FF00)
            << "Trova l'altezza AH. Dati proiezione BH 9 centimetri e proiezione HC 16 centimetri";
        QTest::newRow("Euclid, projection")
            << std::vector{rFor(12, 1, 15), rFor(4, 1, 6), rFor(1, 1, 15), rFor(1, 1, 15)}
            << "1 <Return>" << QRgb(0x0000FF)
            << "Trova la proiezione BH. Dati cateto AB 7 centimetri e ipotenusa BC 25 centimetri";
    }

    // The designed colours, then the whole client area against its golden image, per locale
    // (the clock's form) and density. TAVOLA_GOLDEN=update writes them anew.
    void theWindowLooksAsDesigned()
    {
        QFETCH(std::vector<float>, draws);
        QFETCH(QString, steps);
        QFETCH(QRgb, question);
        QFETCH(QString, heard);
        Played game(draws);
        game.play(steps.split(' ', Qt::SkipEmptyParts));
        QCOMPARE(
            QAccessible::queryAccessibleInterface(game.child("txtAnswer"))->text(QAccessible::Name),
            heard);
        QTRY_COMPARE(game.text("lblTime"), formsUnderTest().evening); // one tick of the clock
        QWidget *client = game.window.centralWidget();
        const QImage seen = client->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto placeOf = [&](const QWidget *control) {
            return QRect(control->mapTo(client, QPoint()), control->size());
        };
        const auto colours = [&](const char *name) {
            return coloursOf(seen, placeOf(game.child(name)));
        };
        const std::pair<const char *, QRgb> faces[] = {{"cmdNext", 0x00FF00}, {"cmdExit", 0x00FFFF},
            {"txtAnswer", 0xC0FFC0}, {"Text1", 0xC0FFC0}, {"Picture3", 0xFFFFC0},
            {"client", 0xFFFFC0}};
        for (const auto &[name, colour] : faces) // a box tabbed into shows its text selected
            QVERIFY(name == game.focused()->objectName() || mostOf(colours(name)) == colour);
        QVERIFY(colours("Shape7")[0xFF00FF] > 0.8 * game.child("Shape7")->width()); // the line HC
        QVERIFY(colours("Label5")[question] > 30);
        const QImage pointer = game.child("cmdNext")->cursor().pixmap().toImage();
        const qreal dpr = pointer.width() / 16.0; // black inside white, its corner left clear
        QVERIFY(pointer.pixelColor(int(4.5 * dpr), 8 * dpr) == Qt::black
            && pointer.pixelColor(int(3.5 * dpr), 8 * dpr) == Qt::white
            && pointer.pixelColor(0, 0).alpha() == 0);
        const QSize screen = QGuiApplication::primaryScreen()->size();
        const QString name = QString(QTest::currentDataTag()).remove(',').replace(' ', '-') + '-'
            + formsUnderTest().locale + "-at-" + QString::number(seen.devicePixelRatio()) + "-on-"
            + QString::number(screen.width()) + 'x' + QString::number(screen.height()) + ".png";
        const QString file = TAVOLA_GOLDEN "/" + name, saved = QDir::current().filePath(name);
        if (qEnvironmentVariable("TAVOLA_GOLDEN") == "update")
            QVERIFY(seen.save(file));
        seen.save(saved);
        const int off = pixelsOff(seen, QImage(file));
        QVERIFY2(off <= 8 * seen.devicePixelRatio() * seen.devicePixelRatio(),
            qPrintable(
                QStringLiteral("%1 pixels differ from %2: see %3").arg(off).arg(file, saved)));
    }

    // What a screen reader hears, in words a synthesizer reads as they stand; the verdict
    // once; nothing of a hidden value; a name on every stop and picture.
    void aReaderHearsTheGameAsSeen()
    {
        Played game;
        const auto said = [](QObject *object, QAccessible::Text kind = QAccessible::Name) {
            return QAccessible::queryAccessibleInterface(object)->text(kind);
        };
        const auto hears = [&] {
            QStringList all;
            for (const char *name : {"txtAnswer", "cmdNext", "Lblcat2", "lblipoeu", "lblScore1",
                     "Picture3", "Text1", "StatusBar1"})
                all << said(game.child(name));
            return all.join('|');
        };
        // Each row: the steps; then what the answer box, the button, AC, BC, the wrong count,
        // the picture, the unit box and the status bar are named.
        QString journey = QString::fromUtf8(R"(
                           ; {BC}. Esatte 0, errate 0, totale 0. {hint}|Nuovo calcolo|Cateto AC 8 centimetri||Risposte errate 0|{figure}{BC}|Centimetri, l'unità della risposta per l'ipotenusa BC|Esatte 0, errate 0, totale 0
9,5 <Return>               ; {BC}|Sbagliato. La risposta giusta è 10 centimetri. Esatte 0, errate 1, totale 1. Nuovo calcolo|Cateto AC 8 centimetri||Risposte errate 1|{figure}{BC}|Centimetri, l'unità della risposta per l'ipotenusa BC|Esatte 0, errate 1, totale 1
[Text1] [cmdNext] <Return> ; {AC}|Nuovo calcolo||Ipotenusa BC 17 centimetri|Risposte errate 1|{figure}{AC}|Centimetri, l'unità della risposta per il cateto AC|Esatte 0, errate 1, totale 1
15 <Return>                ; {AC}|Esatto. Sei in gamba! Esatte 1, errate 1, totale 2. Nuovo calcolo||Ipotenusa BC 17 centimetri|Risposte errate 1|{figure}{AC}|Centimetri, l'unità della risposta per il cateto AC|Esatte 1, errate 1, totale 2
)");
        journey.replace("{hint}", answerHint.data())
            .replace("{figure}",
                "Triangolo rettangolo ABC retto in A, con l'altezza AH sull'ipotenusa BC. ")
            .replace("{BC}",
                "Trova l'ipotenusa BC. Dati cateto AB 6 centimetri e cateto AC 8 centimetri")
            .replace("{AC}",
                "Trova il cateto AC. Dati cateto AB 8 centimetri e ipotenusa BC 17 centimetri");
        for (const QString &row : journey.split('\n', Qt::SkipEmptyParts)) {
            game.play(row.section(';', 0, 0).split(' ', Qt::SkipEmptyParts));
            QCOMPARE(hears(), row.section(';', 1).trimmed());
        }
        game.play({"[Text1]", "[cmdNext]"}); // heard once: back on it, its name alone
        QCOMPARE(said(game.child("cmdNext")), "Nuovo calcolo");
        QCOMPARE(said(game.child("Label4")) + said(game.child("Label2_1")), "uguale");
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(game.window.menuBar());
        QStringList menus; // each entry's name and key, and what its menu holds; no description
        for (int i = 0; i < bar->childCount(); ++i) {
            QAccessibleInterface *entry = bar->child(i);
            menus << entry->text(QAccessible::Name) + ' ' + entry->text(QAccessible::Accelerator)
                    + entry->text(QAccessible::Description);
            for (int j = 0; entry->childCount() && j < entry->child(0)->childCount(); ++j)
                menus << "- " + entry->child(0)->child(j)->text(QAccessible::Name);
        }
        QCOMPARE(menus.join('|'),
            "Scuola Alt+S|- Menù Scuola. Tavola, esercizi sul triangolo rettangolo|Ciao "
            "Alt+I|- Menù Ciao. Fatto con cura per chi impara la geometria|- Un problema "
            "alla volta, senza fretta|- Buon divertimento!|Calcolatrice |Nuovo "
            "gioco ");
        QCOMPARE(
            said(game.child("cmdNext"), QAccessible::Description), "Propone il prossimo problema");
        for (QWidget *control : game.controls()) {
            const QString name = said(control);
            if (auto *label = qobject_cast<QLabel *>(control); label && label->isHidden())
                QVERIFY2(name.isEmpty(), qPrintable(label->objectName()));
            if (control->focusPolicy() != Qt::NoFocus || control->inherits("tavola::Picture"))
                QVERIFY2(!name.isEmpty(), qPrintable(control->objectName()));
            static const QRegularExpression readAloud("[:;()]|\\bcm\\b");
            QVERIFY2(!name.contains(readAloud), qPrintable(control->objectName() + ": " + name));
        }
    }

    // The caption as designed, also once the maximised window has settled; a new game rebuilds
    // the window, its clock empty, its caption as designed. Coming back to it poses nothing.
    void aNewGameStartsFromZero()
    {
        Played game;
        const QString designedTitle =
            "Gioca  con i Trigorio e con il Teorema di Pitagora Settembre 2022";
        QTRY_VERIFY(!game.text("lblTime").isEmpty() && game.window.isMaximized()); // settled
        QCOMPARE(game.window.windowTitle(), designedTitle);
        game.play({"12", "<Return>", "<Return>"});
        const QPointer<QWidget> oldBox = game.child("txtAnswer");
        game.play({"{new}"});
        QVERIFY(oldBox.isNull() && game.window.isVisible() && game.window.isMaximized());
        QCOMPARE(game.window.findChildren<QLineEdit *>("txtAnswer").size()
                + game.window.findChildren<QAction *>("new").size(),
            2);
        QCOMPARE(game.window.windowTitle() + game.child<QLabel>("lblTime")->text(), designedTitle);
        QCOMPARE(game.window.menuBar()->actions().size(), 4);
        const QString seen = game.seen();
        QWidget other;
        other.show();
        other.activateWindow();
        game.window.activateWindow();
        QApplication::processEvents();
        QCOMPARE(game.seen(), seen);
    }

    // The clock runs outside the normal state; Yes says goodbye with the time and date in the
    // locale's forms, and ends the program; the close box ends it without a question.
    void exitSaysGoodbyeWithTheTimeAndDate()
    {
        Played game;
        ModalBoxes modal;
        int cut = 0; // a box without room for its bold title and the frame's icon and buttons
        modal.answer = [&cut](QMessageBox &box) {
            QFont bold = box.font();
            bold.setBold(true);
            const QFontMetrics title(bold);
            cut += box.width() < title.horizontalAdvance(box.windowTitle()) + 8 * title.height();
            box.button(box.objectName() == "exitQuestion" ? QMessageBox::Yes : QMessageBox::Ok)
                ->click();
        };
        const LocalForms &forms = formsUnderTest();
        game.clock->time = {9, 5, 7, 0};
        game.clock->day = {2027, 1, 2};
        QTRY_COMPARE(game.text("lblTime"), forms.morning);
        game.window.showNormal(); // the clock stands still, the caption is the title
        QTRY_COMPARE(game.window.windowTitle(), "Giocare con I Trigorio");
        game.clock->time = {9, 5, 8, 0};
        QTest::qWait(600);
        QCOMPARE(game.child<QTimer>("Timer1")->interval(), 500); // it ticks twice a second
        QCOMPARE(game.text("lblTime"), forms.morning);
        game.window.showMaximized();
        QString later = QString(forms.morning).replace(":07", ":08");
        QTRY_COMPARE(game.text("lblTime"), later);
        game.window.showMinimized(); // the clock goes on, and shows it on coming back
        game.clock->time = {9, 5, 9, 0};
        later.replace(":08", ":09");
        QTRY_COMPARE(game.text("lblTime"), later);
        QVERIFY(game.window.isMinimized());
        game.window.showMaximized();
        QCOMPARE(game.text("lblTime"), later);
        game.play({"<Alt+X>"});
        QCOMPARE(modal.seen.join('\n'),
            QString(
                "exitQuestion: Uscire dal programma | Vuoi veramente lasciarmi  ?\ngoodbye: Data ")
                + forms.date() + " | Ciao a presto. Ore " + later);
        QCOMPARE(modal.heard.join('\n'),
            "Uscire dal programma | Vuoi veramente lasciarmi?\nData "
            "sabato 2 gennaio 2027 | Ciao a presto. Ore 9 e 5");
        QVERIFY(game.desktop->endings == 1 && !game.window.isVisible() && !cut
            && !game.child<QTimer>("Timer1")->isActive());
        Played closed;
        closed.window.close();
        QVERIFY(!closed.window.isVisible() && modal.seen.size() == 2 && !closed.desktop->endings);
    }

    // The user's entries, the system's, then programs on the PATH by their paths; the first
    // that starts, a new one each time; when none will, the pupil is told where it looked.
    void theDesktopsCalculatorsAreStartedInOrder()
    {
        QStringList ids;
        for (const Calculator &calculator : installedCalculators())
            ids << calculator.id();
        const QString bin = qEnvironmentVariable("PATH"); // its name holds a field code
        QCOMPARE(ids,
            QStringList({"zz-user.desktop", "aa-system.desktop", bin + "/kcalc", bin + "/xcalc"}));
        Played game;
        game.play({"7"});
        game.desktop->refuses = QStringList{"zz-user.desktop"};
        game.play({"{calc}", "{calc}"});
        QCOMPARE(game.desktop->started, QStringList({ids[0], ids[1], ids[0], ids[1]}));
        game.desktop->refuses = ids;
        ModalBoxes modal;
        game.play({"{calc}"});
        QCOMPARE(modal.seen.size(), 1);
        for (const QString &said :
            QStringList{"Non riesco ad aprire una calcolatrice.", "zz-user.desktop (rifiutato)",
                "Calculator in " + qEnvironmentVariable("XDG_DATA_HOME") + "/applications",
                "xcalc"})
            QVERIFY2(modal.seen.front().contains(said), qPrintable(modal.seen.front()));
        QCOMPARE(game.text("txtAnswer"), "7");
    }

    // Random keys, pastes, clicks, resizes, new games; TAVOLA_EVENT_SEED repeats a run.
    void invariantsHoldUnderRandomEvents()
    {
        const quint32 seed = qEnvironmentVariable("TAVOLA_EVENT_SEED", "20261207").toUInt();
        QRandomGenerator chance(seed);
        std::vector<float> draws(4096);
        for (float &r : draws)
            r = float(chance.bounded(1 << 24)) / (1 << 24);
        Played game(draws);
        ModalBoxes modal;
        const int widgets = QApplication::allWidgets().size();
        const QStringList steps = QString("<Return> <Enter> <Backspace> <Tab> <Space> <Alt+N> "
                                          "<Alt+X> <KP.> <Home> {paste:4,5} {paste:_12\\n} "
                                          "{paste:1.5} {drop:3} {drop:x} {new} click resize "
                                          "<F10> <Left> <Escape> {calc} 0 1 2 3 4 5 6 7 8 9 "
                                          ", . - a")
                                      .split(' ');
        int right = 0, wrong = 0, kinds = 0;
        for (int event = 0; event < 2000; ++event) {
            const QString step = steps[chance.bounded(steps.size())];
            const QPointer<QWidget> box = game.child("txtAnswer"); // a new game rebuilds it
            if (step == "click")
                QTest::mouseClick(
                    game.child(chance.bounded(2) ? "cmdNext" : "txtAnswer"), Qt::LeftButton);
            else if (step == "resize")
                game.window.resize(400 + chance.bounded(900), 300 + chance.bounded(700));
            else
                game.play({step});
            if (!box) { // "{new}", or F10, Left, Enter
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                QVERIFY(QApplication::allWidgets().size() <= widgets + 2);
                right = wrong = 0;
            }
            // The focus somewhere, no sign read aloud in a box, a box of digits and commas,
            // counts that only grow and add up, the button on with a verdict, two values shown.
            QVERIFY(game.focused() && !modal.heard.join("").contains(QRegularExpression("[:/•]")));
            const QStringList seen = game.seen().split('|');
            const int nowRight = seen[9].toInt(), nowWrong = seen[10].toInt();
            QVERIFY2(seen[1].size() <= 6 && !seen[1].contains(QRegularExpression("[^0-9,]"))
                    && nowRight >= right && nowWrong >= wrong
                    && seen[11].toInt() == nowRight + nowWrong
                    && (seen[13] == "on") == !seen[2].isEmpty() && seen.mid(3, 6).count("-") == 4,
                qPrintable(
                    QStringLiteral("seed %1, event %2: ").arg(seed).arg(event) + seen.join('|')));
            std::tie(right, wrong) = std::pair(nowRight, nowWrong);
        }
        // A set-up reseeds with the clock, then the kind before it: the one trace of kinds 7 to 15.
        for (double before = 0; double call : game.random->calls)
            if (std::exchange(before, call) == game.clock->secondsSinceMidnight() && call >= 0)
                kinds |= 1 << int(call);
        QCOMPARE(QString::number(kinds, 2), QString(16, '1'));
    }
};

// Desktop entries, hidden, broken, of other kinds, a FIFO, and a PATH whose name holds "%f".
int main(int argc, char *argv[])
{
    QTemporaryDir desktop;
    const QByteArray root = desktop.path().toUtf8(),
                     calculator = "[Desktop Entry]\nType=Application\n"
                                  "Name=C\nCategories=Utility;Calculator;\nExec=";
    const std::pair<const char *, QByteArray> files[] = {
        {"home/applications/zz-user.desktop", calculator + "/bin/true"},
        {"home/applications/masked.desktop", calculator + "/bin/true\nHidden=true"},
        {"system/applications/aa-system.desktop", calculator + "/bin/true"},
        {"system/applications/masked.desktop", calculator + "/bin/true"},
        {"system/applications/missing.desktop", calculator + "/nonexistent/calc"},
        {"system/applications/tryexec.desktop",
            calculator + "/bin/true\nTryExec=/nonexistent/calc"},
        {"system/applications/editor.desktop",
            "[Desktop Entry]\nType=Application\nName=E\nExec=/bin/true"},
        {"bin%f/kcalc", "#!/bin/sh"}, {"bin%f/xcalc", "#!/bin/sh"}};
    for (const auto &[path, content] : files) {
        QFile file(desktop.filePath(path));
        QDir().mkpath(QFileInfo(file).path());
        if (!file.open(QIODevice::WriteOnly) || !file.write(content + '\n')
            || !file.setPermissions(file.permissions() | QFile::ExeOwner))
            return 1;
    }
    if (mkfifo(QFile::encodeName(desktop.filePath("system/applications/fifo.desktop")), 0600))
        return 1;
    qputenv("XDG_DATA_HOME", root + "/home");
    qputenv("XDG_DATA_DIRS", root + "/system");
    qputenv("PATH", root + "/bin%f");
    QApplication application(argc, argv);
    QApplication::setCursorFlashTime(0); // a steady cursor: no grab catches it mid-blink
    WindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
