#include "app/render.h"

#include "app/accessibility.h"
#include "app/answerbox.h"
#include "app/designlabel.h"

#include <QToolButton>

namespace tavola {

namespace {

QString fromModel(const std::string &text)
{
    return QString::fromStdString(text);
}

void showLabel(DesignLabel *label, const LabelModel &model)
{
    label->setCaption(fromModel(model.caption));
    label->setVisible(model.visible);
}

void renderFigure(const WindowModel &model, const Controls &controls)
{
    showLabel(controls.lblcat1, model.lblcat1);
    showLabel(controls.Lblcat2, model.Lblcat2);
    showLabel(controls.lblipoeu, model.lblipoeu);
    showLabel(controls.Lblalt, model.Lblalt);
    showLabel(controls.Lblpro1, model.Lblpro1);
    showLabel(controls.Lblpro2, model.Lblpro2);
    for (std::size_t i = 0; i < model.Label2.size(); ++i)
        showLabel(controls.Label2[i], model.Label2[i]);
}

void renderQuestion(const WindowModel &model, const Controls &controls)
{
    const Rgb color = model.Label5Color;
    controls.Label5->setTextColor(QColor(color.red, color.green, color.blue));
    controls.Label5->setCaption(fromModel(model.Label5Caption));
    // Rewriting an unchanged text would move the cursor the pupil placed.
    if (const QString answer = fromModel(model.txtAnswer); controls.txtAnswer->text() != answer)
        controls.txtAnswer->setText(answer);
    controls.lblMessage->setCaption(fromModel(model.lblMessage));
}

void renderScores(const WindowModel &model, const Controls &controls)
{
    controls.lblScore->setCaption(fromModel(model.lblScore));
    controls.lblScore1->setCaption(fromModel(model.lblScore1));
    controls.lblScore2->setCaption(fromModel(model.lblScore2));
}

void moveFocus(WindowModel &model, const Controls &controls)
{
    switch (model.focusRequest) {
    case FocusTarget::txtAnswer:
        controls.txtAnswer->setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::cmdNext:
        controls.cmdNext->setFocus(Qt::OtherFocusReason);
        break;
    case FocusTarget::Unchanged:
        break;
    }
    model.focusRequest = FocusTarget::Unchanged;
}

} // namespace

void render(WindowModel &model, const Controls &controls)
{
    renderFigure(model, controls);
    renderQuestion(model, controls);
    renderScores(model, controls);
    // Enabled before the focus moves: a disabled button cannot take it.
    controls.cmdNext->setEnabled(model.cmdNextEnabled);
    // Before the focus moves, so that the reader hears the new question and verdict.
    speakQuestion(controls);
    moveFocus(model, controls);
}

} // namespace tavola
