#include "app/designlabel.h"

#include "app/twips.h"

namespace tavola {

DesignLabel::DesignLabel(const QRect &designed, bool fitsCaption, QWidget *parent)
    : QLabel(parent)
    , m_designedSize(designed.size())
    , m_fitsCaption(fitsCaption)
{
    setGeometry(designed);
    // A label without a colour of its own shows the platform's button-text colour.
    setForegroundRole(QPalette::ButtonText);
}

void DesignLabel::setCaption(const QString &caption)
{
    if (caption == text())
        return;
    setText(caption);
    if (m_fitsCaption)
        fitToCaption();
}

void DesignLabel::setTextColor(const QColor &color)
{
    if (palette().color(QPalette::ButtonText) == color)
        return;
    QPalette shades = palette();
    shades.setColor(QPalette::ButtonText, color);
    setPalette(shades);
}

QString DesignLabel::spokenText() const
{
    if (isHidden() || text().isEmpty())
        return {};
    if (!m_spokenForm)
        return text();
    return m_spokenForm->contains(QLatin1String("%1")) ? m_spokenForm->arg(text()) : *m_spokenForm;
}

// An empty self-sizing label keeps its designed width and one line's height, so it still
// has a place to be found at.
void DesignLabel::fitToCaption()
{
    if (text().isEmpty()) {
        resize(m_designedSize.width(), fontMetrics().height() + 2 * frameWidth());
        return;
    }
    resize(sizeHint());
}

DesignLabel *makeLabel(const LabelDesign &design, QWidget *parent)
{
    const TwipsRect &place = design.place;
    auto *label = new DesignLabel(
        twips::rect(place.left, place.top, place.width, place.height), design.fitsCaption, parent);
    label->setObjectName(QLatin1String(design.name));
    label->setFont(designFont(design.font));
    label->setAlignment(design.alignment | Qt::AlignTop);
    if (design.color)
        label->setTextColor(QColor::fromRgb(*design.color));
    if (design.border)
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setToolTip(QString::fromUtf8(design.hover));
    label->setCaption(QString::fromUtf8(design.caption));
    return label;
}

} // namespace tavola
