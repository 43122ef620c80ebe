#include "platform/pictures.h"

#include <QCoreApplication>
#include <QDir>

namespace platform {

QString ImagesFolder()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("Images"));
}

QPixmap LoadPicture(const QString &fileName)
{
    QPixmap picture;
    picture.load(QDir(ImagesFolder()).filePath(fileName));
    return picture;
}

} // namespace platform
