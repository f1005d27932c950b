// SPDX-FileCopyrightText: 2026 Tavola developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/clientarea.h"

#include <QAbstractButton>

namespace tavola {

// A button of the design: its picture above its caption on a solid face of its designed
// colour, a plain raised border (sunken while pressed), another picture while disabled,
// and a focus cue. Its access key clicks it at once, so no click can land after the keys
// that follow.
class FaceButton : public QAbstractButton, public Scaled
{
    Q_OBJECT

public:
    FaceButton(const Row &row, QWidget *parent);

protected:
    void rescale() override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
};

} // namespace tavola
