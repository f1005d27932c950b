// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/accessibility.h"

#include "app/designlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

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
        if (kind == QAccessible::Name)
            return static_cast<const DesignLabel *>(widget())->spokenText();
        return QAccessibleWidget::text(kind);
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

QString withVerdict(const QString &verdict, const QString &description)
{
    if (verdict.isEmpty())
        return description;
    const bool closed = verdict.endsWith(u'.') || verdict.endsWith(u'!');
    return verdict + (closed ? QStringLiteral(" ") : QStringLiteral(". ")) + description;
}

// Setting an unchanged name or description would still tell every reader it changed.
void setSpoken(QWidget *widget, const QString &name, const QString &description)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (!description.isNull() && widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
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

void speakQuestion(const WindowModel &model, QWidget *txtAnswer, QWidget *cmdNext)
{
    const QString question = QString::fromStdString(model.Label5.caption);
    setSpoken(txtAnswer,
        question.isEmpty() ? QStringLiteral("Risposta") : question + QStringLiteral(" uguale"),
        QString());
    setSpoken(cmdNext, QStringLiteral("Nuovo calcolo"),
        withVerdict(QString::fromStdString(model.lblMessage.caption).trimmed(),
            QStringLiteral("Propone il prossimo problema")));
}

} // namespace tavola
