// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clientarea.h"

#include <QLabel>

namespace tavola {

// A label of the design: transparent, text from the top, and either of fixed size or as
// wide as its caption from its top-left corner, at its designed height.
class DesignLabel : public QLabel, public Scaled
{
    Q_OBJECT

public:
    DesignLabel(const Row &row, QWidget *parent);

    void setCaption(const QString &caption);
    void setTextColor(const QColor &color);

    // What a screen reader hears instead of the bare caption. A hidden or empty label says
    // nothing, since a hidden value label may still hold the answer.
    QString spokenText() const;

protected:
    void rescale() override;
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
};

} // namespace tavola
