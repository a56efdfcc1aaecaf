#include "pictures.h"

#include "artstyle.h"
#include "emblem.h"

#include <QFont>
#include <QPainter>
#include <QTransform>
#include <QtMath>

QImage windowIcon(int side)
{
    QImage image = Art::canvas(QSize(side, side));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEmblem(painter, QRectF(0, 0, side, side));
    return image;
}

QImage logoPicture()
{
    QImage image = Art::canvas(QSize(200, 72));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintEmblem(painter, QRectF(2, 4, 64, 64));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(34);
    font.setBold(true);
    QPainterPath word;
    word.addText(QPointF(72, 50), font, QStringLiteral("Scoutel"));
    // Keep the word inside the picture whatever the font's exact advance.
    const QRectF bounds = word.boundingRect();
    const qreal room = 196 - 72;
    if (bounds.width() > room) {
        QTransform fit;
        fit.translate(72, 0);
        fit.scale(room / bounds.width(), 1);
        fit.translate(-72, 0);
        word = fit.map(word);
    }
    Art::fillOutlined(painter, word, QColor(0x6f, 0x93, 0xba), Art::steelDark, 1.4);
    return image;
}

QImage nothingPicture()
{
    QImage image = Art::canvas(QSize(128, 128));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(0.75);

    // An empty, dashed safe outline seen through a magnifying glass.
    const QPointF lens(54, 54);
    QPainterPath handle;
    handle.moveTo(lens + QPointF(30, 30));
    handle.lineTo(lens + QPointF(58, 58));
    Art::strokeOutlined(painter, handle, 11, Art::slate, Art::slateDark);

    QPainterPath glass;
    glass.addEllipse(lens, 38, 38);
    painter.fillPath(glass, QColor(0x9f, 0xb4, 0xcc, 60));

    QPen dashed(Art::slate, 3, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin);
    dashed.setDashPattern({2.0, 2.0});
    painter.setPen(dashed);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(36, 38, 36, 32), 4, 4);
    painter.drawEllipse(QPointF(54, 54), 7, 7);

    QPainterPath ring;
    ring.addEllipse(lens, 38, 38);
    ring.addEllipse(lens, 31, 31);
    Art::fillOutlined(painter, ring, Art::slate, Art::slateDark, 1.5);
    return image;
}

QList<QImage> loadingFrames()
{
    const int dots = 12;
    const QPointF centre(31.5, 31.5);
    const qreal radius = 22;
    // GIF keeps one bit of transparency: each dot gets one exact colour and
    // hard edges, so no pixel blends with a background it will not sit on.
    // The head is strong blue; its trail fades to a light grey-blue.
    const int trail = 6;
    QList<QColor> shades;
    for (int age = 0; age < dots; ++age) {
        const qreal t = qMin(1.0, qreal(age) / trail);
        shades.append(QColor::fromRgbF(0.12 + t * 0.54, 0.47 + t * 0.25, 0.78));
    }
    QList<QImage> frames;
    for (int frame = 0; frame < dots; ++frame) {
        QImage image = Art::canvas(QSize(64, 64));
        QPainter painter(&image);
        painter.setPen(Qt::NoPen);
        for (int dot = 0; dot < dots; ++dot) {
            const int age = (frame - dot + dots) % dots;
            const qreal angle = 2 * M_PI * dot / dots - M_PI / 2;
            const qreal size = age == 0 ? 5.5 : 4.8 - qMin(age, trail) * 0.2;
            painter.setBrush(shades.at(age));
            painter.drawEllipse(centre + QPointF(qCos(angle), qSin(angle)) * radius, size, size);
        }
        frames.append(image);
    }
    return frames;
}
