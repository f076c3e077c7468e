#include "ColourTiles.h"

#include <QPainter>
#include <QPainterPath>

namespace velmar::cube {

QImage makeColourTile(const QColor& faceColour)
{
    QImage tile(kTileSize, kTileSize, QImage::Format_ARGB32_Premultiplied);
    tile.fill(QColor(0x14, 0x14, 0x14));
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(0.75, 0.75, kTileSize - 1.5, kTileSize - 1.5));

    const QRectF face(8, 8, kTileSize - 16, kTileSize - 16);
    painter.setPen(QPen(faceColour.darker(150), 3));
    painter.setBrush(faceColour);
    painter.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 6, 6);
    painter.end();
    return tile.convertToFormat(QImage::Format_RGBA8888);
}

} // namespace velmar::cube
