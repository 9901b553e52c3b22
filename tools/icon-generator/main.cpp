// Draws the tool's icon, a blue shield with a gold rim bearing a pale rune, at every size the
// platforms ask for, and packs the sizes into a Windows icon file.
//
// Usage: icon-generator <output folder>

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QString>
#include <QVector>

#include <cstdio>

namespace {

const int sizes[] = {32, 64, 128, 256};
const QString baseName = QStringLiteral("varnhold-mod-manager");

// The design lives on a 256-unit square and is scaled to each size.
QPainterPath shieldOutline()
{
    QPainterPath path;
    path.moveTo(36, 44);
    path.quadTo(128, 18, 220, 44);
    path.lineTo(220, 122);
    path.cubicTo(220, 182, 176, 218, 128, 240);
    path.cubicTo(80, 218, 36, 182, 36, 122);
    path.closeSubpath();
    return path;
}

// A "V" bound to an upright stave, with a short cross-bar above.
QPainterPath rune()
{
    QPainterPath path;
    path.moveTo(84, 86);
    path.lineTo(128, 182);
    path.lineTo(172, 86);
    path.moveTo(128, 62);
    path.lineTo(128, 204);
    path.moveTo(104, 62);
    path.lineTo(152, 62);
    return path;
}

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 256.0, size / 256.0);

    // Small sizes get thicker lines so the rune still reads at 32 pixels.
    const qreal boost = size <= 32 ? 1.35 : (size <= 64 ? 1.15 : 1.0);

    QLinearGradient field(0, 20, 0, 240);
    field.setColorAt(0, QColor(0x3a, 0x6e, 0xa5));
    field.setColorAt(1, QColor(0x17, 0x2c, 0x48));
    painter.setPen(
        QPen(QColor(0xd9, 0xa4, 0x41), 12 * boost, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(field);
    painter.drawPath(shieldOutline());

    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor(0xf3, 0xe9, 0xcf), 16 * boost, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(rune());
    painter.end();
    return image;
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A 32-bit icon bitmap: header with doubled height, bottom-up BGRA rows, then the 1-bit mask
// (set where the image is fully transparent) with rows padded to 32 bits.
QByteArray bitmapBytes(const QImage &image)
{
    const int width = image.width();
    const int height = image.height();
    const int maskStride = ((width + 31) / 32) * 4;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(width) << qint32(height * 2) << quint16(1) << quint16(32)
        << quint32(0) << quint32(width * height * 4 + maskStride * height) << qint32(0) << qint32(0)
        << quint32(0) << quint32(0);
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            out << quint8(qBlue(row[x])) << quint8(qGreen(row[x])) << quint8(qRed(row[x]))
                << quint8(qAlpha(row[x]));
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(row[x]) == 0)
                mask[x / 8] = char(mask.at(x / 8) | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), mask.size());
    }
    return bytes;
}

QByteArray icoBytes(const QVector<QImage> &images)
{
    QVector<QByteArray> payloads;
    for (const QImage &image : images)
        payloads.append(image.width() >= 256 ? pngBytes(image) : bitmapBytes(image));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size());
    quint32 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const int side = images.at(i).width();
        out << quint8(side >= 256 ? 0 : side) << quint8(side >= 256 ? 0 : side) << quint8(0)
            << quint8(0) << quint16(1) << quint16(32) << quint32(payloads.at(i).size())
            << quint32(offset);
        offset += payloads.at(i).size();
    }
    for (const QByteArray &payload : payloads)
        out.writeRawData(payload.constData(), payload.size());
    return bytes;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    QVector<QImage> images;
    for (int size : sizes) {
        images.append(drawIcon(size));
        const QString path = QStringLiteral("%1/%2-%3.png").arg(folder, baseName).arg(size);
        if (!writeFile(path, pngBytes(images.last())))
            return 1;
    }
    if (!writeFile(folder + QLatin1Char('/') + baseName + QStringLiteral(".ico"), icoBytes(images)))
        return 1;
    return 0;
}
