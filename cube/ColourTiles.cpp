#include "ColourTiles.h"

#include <QFont>
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

QImage makeLetteredTile(const QImage& tile, char letter)
{
    QImage coverage(tile.size(), QImage::Format_Grayscale8);
    coverage.fill(0);
    QFont font;
    font.setPixelSize(kTileSize * 3 / 5);
    font.setBold(true);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(QLatin1Char(letter)));
    // Centred on the glyph's own outline: a capital centred on its line box would sit high.
    const QRectF bounds = glyph.boundingRect();
    QPainter painter(&coverage);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(QPointF(tile.width(), tile.height()) / 2 - bounds.center());
    // Heavier than the font's bold, so that the strokes outlast the smaller texture levels of a sticker
    // seen from afar or aslant.
    painter.strokePath(glyph, QPen(Qt::white, kTileSize / 25.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(glyph, Qt::white);
    painter.end();

    QImage lettered = tile.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < lettered.height(); ++y) {
        const uchar* cover = coverage.constScanLine(y);
        uchar* pixel = lettered.scanLine(y);
        for (int x = 0; x < lettered.width(); ++x)
            pixel[4 * x + 3] = uchar(255 - (cover[x] * 128 + 127) / 255);
    }
    return lettered;
}

} // namespace velmar::cube
