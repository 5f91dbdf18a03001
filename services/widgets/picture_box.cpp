#include "services/widgets/picture_box.h"

#include <QMovie>

PictureBox::PictureBox(const char *picture, const QColor &back, QWidget *parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, back);
    setPalette(colours);
    if (!picture)
        return;
    auto *movie = new QMovie(QString::fromLatin1(picture), QByteArray(), this);
    if (!movie->isValid()) {
        delete movie;
        return;
    }
    movie->setCacheMode(QMovie::CacheAll);
    m_movie = movie;
    setMovie(movie);
    movie->start();
}

void PictureBox::showEvent(QShowEvent *event)
{
    if (m_movie)
        m_movie->setPaused(false);
    QLabel::showEvent(event);
}

void PictureBox::hideEvent(QHideEvent *event)
{
    if (m_movie)
        m_movie->setPaused(true);
    QLabel::hideEvent(event);
}
