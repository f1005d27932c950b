#pragma once

#include <QWidget>

namespace tavola {

// The window's client area: the design's origin, and the bottom edge that one control
// stays docked to whatever size the window takes.
class ClientArea : public QWidget
{
    Q_OBJECT

public:
    explicit ClientArea(QWidget *parent = nullptr);

    void dockToBottom(QWidget *bar, int height);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeDocked();

    QWidget *m_docked = nullptr;
    int m_dockedHeight = 0;
};

} // namespace tavola
