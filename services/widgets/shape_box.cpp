#include "services/widgets/shape_box.h"

#include <QPainter>

ShapeBox::ShapeBox(QWidget *parent)
    : QWidget(parent)
{
}

void ShapeBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
