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

    QMovie *movie() const { return m_movie; }

private:
    QMovie *m_movie = nullptr;
};
