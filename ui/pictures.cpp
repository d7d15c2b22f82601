#include "ui/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace tarvel {
namespace {

QPixmap Render(const QString& name, QSize size, qreal ratio)
{
    QSvgRenderer renderer(QStringLiteral(":/pictures/%1.svg").arg(name));
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter);
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

QPixmap PicturePixmap(const QString& name, QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    return Render(name, size, ratio);
}

QIcon PictureIcon(const QString& name, QSize size)
{
    QIcon icon;
    icon.addPixmap(Render(name, size, 1.0));
    icon.addPixmap(Render(name, size, 2.0));
    return icon;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(Render(QStringLiteral("tarvel"), {side, side}, 1.0));
    return icon;
}

QIcon NoIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace tarvel
