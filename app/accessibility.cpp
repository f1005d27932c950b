#include "app/accessibility.h"

#include "app/answerbox.h"
#include "app/controls.h"
#include "app/designlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QToolButton>

namespace tavola {

namespace {

// A label heard through its spoken form rather than its bare caption. The caption stays
// the label's text, so the reader never hears a stale value.
class SpokenLabel final : public QAccessibleWidget
{
public:
    explicit SpokenLabel(DesignLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *label = static_cast<const DesignLabel *>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->spokenText();
        case QAccessible::Description:
            return label->accessibleDescription();
        default:
            return QAccessibleWidget::text(kind);
        }
    }
};

QAccessibleInterface *spokenLabelFactory(const QString &className, QObject *object)
{
    if (className != QLatin1String(DesignLabel::staticMetaObject.className()))
        return nullptr;
    if (auto *label = qobject_cast<DesignLabel *>(object))
        return new SpokenLabel(label);
    return nullptr;
}

struct LabelSpeech {
    const char *name;
    const char *form; // nullptr: the caption as it stands
    const char *description;
};

const LabelSpeech labelSpeech[] = {
    {"lblcat1", "Cateto AB: %1 cm", "Lunghezza data del cateto AB"},
    {"Lblcat2", "Cateto AC: %1 cm", "Lunghezza data del cateto AC"},
    {"lblipoeu", "Ipotenusa BC: %1 cm", "Lunghezza data dell'ipotenusa BC"},
    {"Lblalt", "Altezza AH: %1 cm", "Lunghezza data dell'altezza AH"},
    {"Lblpro1", "Proiezione BH: %1 cm", "Lunghezza data della proiezione BH"},
    {"Lblpro2", "Proiezione HC: %1 cm", "Lunghezza data della proiezione HC"},
    // Drawn behind the figure, where nobody sees them.
    {"Label2_0", "", ""},
    {"Label2_1", "", ""},
    {"Label2_2", "", ""},
    {"Label5", nullptr, "La lunghezza da trovare"},
    {"Label4", "uguale", ""},
    {"lblMessage", nullptr, "Il giudizio sulla tua risposta"},
    {"lblTime", "Ore %1", "L'orologio"},
    {"lblScore", "Risposte esatte: %1", "Il tuo punteggio"},
    {"lblScore1", "Risposte errate: %1", ""},
    {"lblScore2", "Risposte totali: %1", ""},
};

struct ControlSpeech {
    const char *name;
    const char *accessibleName;
    const char *description;
};

const ControlSpeech controlSpeech[] = {
    {"Text1", "Unità di misura", "Centimetri"},
    {"cmdExit", "Esci", "Chiede se vuoi davvero lasciare il gioco"},
    {"Image1", "Cronometro", "Disegno di un cronometro, sopra l'orologio"},
    {"Image4", "Triangolo rettangolo ABC",
        "Retto in A, con l'altezza AH sull'ipotenusa BC e le proiezioni BH e HC dei cateti"},
    {"Picture3", "Studioso che disegna una figura", "Disegno decorativo"},
    {"StatusBar1", "Barra di stato", "Vuota"},
};

const QString answerDescription =
    QStringLiteral("Scrivi il risultato in centimetri, con la virgola per i decimali, e premi "
                   "Invio");
const QString nextDescription = QStringLiteral("Propone il prossimo problema");

template<typename Widget>
Widget *named(QWidget *window, const char *name)
{
    return window->findChild<Widget *>(QLatin1String(name));
}

// Setting an unchanged name or description would still tell every reader it changed.
void setSpoken(QWidget *widget, const QString &name, const QString &description)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

QString withVerdict(const QString &verdict, const QString &description)
{
    if (verdict.isEmpty())
        return description;
    const bool closed = verdict.endsWith(u'.') || verdict.endsWith(u'!');
    return verdict + (closed ? QStringLiteral(" ") : QStringLiteral(". ")) + description;
}

} // namespace

void installSpokenLabels()
{
    static const bool installed = [] {
        QAccessible::installFactory(spokenLabelFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void describeControls(QWidget *window, const Controls &controls)
{
    window->setAccessibleDescription(QStringLiteral(
        "Esercizi sul triangolo rettangolo: il teorema di Pitagora e i teoremi di Euclide"));
    for (const LabelSpeech &speech : labelSpeech) {
        auto *label = named<DesignLabel>(window, speech.name);
        if (speech.form)
            label->setSpokenForm(QString::fromUtf8(speech.form));
        label->setAccessibleDescription(QString::fromUtf8(speech.description));
    }
    for (const ControlSpeech &speech : controlSpeech) {
        setSpoken(named<QWidget>(window, speech.name), QString::fromUtf8(speech.accessibleName),
            QString::fromUtf8(speech.description));
    }
    speakQuestion(controls);
}

void speakQuestion(const Controls &controls)
{
    const QString question = controls.Label5->text();
    setSpoken(controls.txtAnswer,
        question.isEmpty() ? QStringLiteral("Risposta") : question + QStringLiteral(" uguale"),
        answerDescription);
    setSpoken(controls.cmdNext, QStringLiteral("Nuovo calcolo"),
        withVerdict(controls.lblMessage->text().trimmed(), nextDescription));
}

} // namespace tavola
