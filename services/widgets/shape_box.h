#pragma once

#include <QWidget>

// A rectangle with a 1-pixel black line along the inside of its edges and a
// white inside; it holds other controls, which draw over it.
class ShapeBox : public QWidget
{
    Q_OBJECT

public:
    explicit ShapeBox(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
