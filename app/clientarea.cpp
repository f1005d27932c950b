#include "app/clientarea.h"

namespace tavola {

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
}

void ClientArea::dockToBottom(QWidget *bar, int height)
{
    m_docked = bar;
    m_dockedHeight = height;
    placeDocked();
}

void ClientArea::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    placeDocked();
}

void ClientArea::placeDocked()
{
    if (m_docked)
        m_docked->setGeometry(0, height() - m_dockedHeight, width(), m_dockedHeight);
}

} // namespace tavola
