#pragma once

#include <QLabel>

class QMovie;

// A box filled with its back colour, showing an animated picture at natural
// size from its top-left corner; a picture that cannot be decoded leaves
// just the back colour.
class PictureBox : public QLabel
{
    Q_OBJECT

public:
    PictureBox(const char *picture, const QColor &back, QWidget *parent);

protected:
    // A hidden box shows nothing, so its animation rests meanwhile: no
    // wake-ups for frames nobody sees.
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QMovie *m_movie = nullptr;
};
