#include "services/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString ToQString(std::string_view gbk)
{
    QStringDecoder decoder("GBK");
    return decoder(QByteArrayView(gbk.data(), qsizetype(gbk.size())));
}

Text FromQString(const QString &text)
{
    QStringEncoder encoder("GBK");
    const QByteArray bytes = encoder(text);
    return Text(bytes.constData(), std::size_t(bytes.size()));
}

Text Gbk(std::string_view utf8)
{
    return FromQString(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
}
