#pragma once

#include "app/fonts.h"

#include <QLabel>

#include <optional>

namespace tavola {

struct TwipsRect {
    int left, top, width, height;
};

struct LabelDesign {
    const char *name;
    TwipsRect place;
    const char *caption = "";
    FontDesign font = windowFont;
    // Without a colour the text takes the platform's button-text colour.
    std::optional<QRgb> color = std::nullopt;
    Qt::AlignmentFlag alignment = Qt::AlignLeft;
    bool fitsCaption = false;
    bool border = false;
    const char *hover = "";
};

// A label of the design: transparent, text from the top, and either of fixed size or
// sizing itself to its caption from its top-left corner.
class DesignLabel : public QLabel
{
    Q_OBJECT

public:
    DesignLabel(const QRect &designed, bool fitsCaption, QWidget *parent);

    void setCaption(const QString &caption);
    void setTextColor(const QColor &color);
    bool fitsCaption() const { return m_fitsCaption; }

    // What a screen reader hears instead of the bare caption: "%1" stands for the caption,
    // and a form without it replaces the caption. A hidden or empty label says nothing,
    // since a hidden value label may still hold the answer.
    void setSpokenForm(const QString &form) { m_spokenForm = form; }
    QString spokenText() const;

private:
    void fitToCaption();

    QSize m_designedSize;
    bool m_fitsCaption;
    std::optional<QString> m_spokenForm;
};

DesignLabel *makeLabel(const LabelDesign &design, QWidget *parent);

} // namespace tavola
