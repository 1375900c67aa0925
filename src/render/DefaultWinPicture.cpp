#include "render/DefaultWinPicture.h"

#include "render/JpegImage.h"

#include <QFile>

QImage DefaultWinPicture()
{
    QFile file(QStringLiteral(":/pictures/DefaultWinPicture.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll()).Image;
}
