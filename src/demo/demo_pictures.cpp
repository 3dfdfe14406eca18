#include "demo/demo_pictures.h"

#include "core/foundation/atomic_file.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

constexpr int ButtonSide = 27;     // a picture button: 405 twips
constexpr int ModuleIconSide = 32; // the module icon at the far left of the top band
constexpr QSize PhotoSize(96, 128);
constexpr QSize BandSize(1280, 64);  // the top band: 960 twips high
constexpr QSize StripSize(1280, 30); // the page row: 450 twips high

// ---------------------------------------------------------------------------
// Drawing helpers. Every drawing is made in a 100 x 100 box; the caller
// scales the painter to the picture's size.

using Glyph = void (*)(QPainter &);

QPen outline(const QColor &colour, qreal width = 3)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor &from, const QColor &to)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QPolygonF polygon(std::initializer_list<QPointF> points)
{
    return QPolygonF(QList<QPointF>(points));
}

// A sheet of paper with its top right corner folded down.
void page(QPainter &p, const QRectF &r, int lines)
{
    const qreal fold = r.width() * 0.28;
    p.setPen(outline(QColor(0x6b, 0x74, 0x80), 2.5));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawPolygon(polygon({r.topLeft(),
                           {r.right() - fold, r.top()},
                           {r.right(), r.top() + fold},
                           r.bottomRight(),
                           r.bottomLeft()}));
    p.setBrush(QColor(0xd5, 0xdb, 0xe3));
    p.drawPolygon(polygon({{r.right() - fold, r.top()},
                           {r.right() - fold, r.top() + fold},
                           {r.right(), r.top() + fold}}));
    p.setPen(outline(QColor(0x2b, 0x5f, 0xb4), 4));
    const qreal step = (r.height() - fold - 8) / (lines + 1);
    for (int i = 1; i <= lines; ++i) {
        const qreal y = r.top() + fold + step * i - 2;
        p.drawLine(QPointF(r.left() + 8, y), QPointF(r.right() - 8, y));
    }
}

// A disk stack: the store that backups go into and come out of.
void cylinder(QPainter &p, const QRectF &r)
{
    const qreal lid = r.height() * 0.3;
    QPainterPath body;
    body.moveTo(r.left(), r.top() + lid / 2);
    body.lineTo(r.left(), r.bottom() - lid / 2);
    body.arcTo(QRectF(r.left(), r.bottom() - lid, r.width(), lid), 180, 180);
    body.lineTo(r.right(), r.top() + lid / 2);
    body.closeSubpath();
    p.setPen(outline(QColor(0x4a, 0x5a, 0x6e), 2.5));
    QLinearGradient side(r.left(), 0, r.right(), 0);
    side.setColorAt(0, QColor(0x8a, 0x9c, 0xb2));
    side.setColorAt(0.4, QColor(0xd8, 0xe1, 0xec));
    side.setColorAt(1, QColor(0x7a, 0x8c, 0xa2));
    p.setBrush(side);
    p.drawPath(body);
    p.setBrush(QColor(0xe6, 0xec, 0xf3));
    p.drawEllipse(QRectF(r.left(), r.top(), r.width(), lid));
    p.setPen(outline(QColor(0x4a, 0x5a, 0x6e), 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF band(r.left(), r.top() + r.height() * 0.38, r.width(), lid);
    p.drawArc(band, 180 * 16, 180 * 16);
}

void person(QPainter &p, const QPointF &head, qreal radius, const QColor &colour)
{
    p.setPen(outline(colour.darker(150), 2.5));
    p.setBrush(colour);
    p.save();
    p.setClipRect(QRectF(0, 0, 100, head.y() + radius * 3.3));
    p.drawEllipse(
        QRectF(head.x() - radius * 1.8, head.y() + radius * 1.25, radius * 3.6, radius * 4.2));
    p.restore();
    p.setBrush(colour.lighter(125));
    p.drawEllipse(head, radius, radius);
}

// ---------------------------------------------------------------------------
// The drawings.

void exitGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0x5a, 0x3a, 0x1a), 2.5));
    p.setBrush(QColor(0x8b, 0x5a, 0x2b));
    p.drawRect(QRectF(14, 8, 46, 84));
    p.setBrush(QColor(0x2b, 0x2b, 0x30));
    p.drawRect(QRectF(21, 15, 32, 77));
    p.setBrush(vertical(15, 95, QColor(0xe0, 0xa8, 0x64), QColor(0xb0, 0x74, 0x36)));
    p.drawPolygon(polygon({{21, 15}, {40, 22}, {40, 98}, {21, 92}}));
    p.setBrush(QColor(0xff, 0xd2, 0x4a));
    p.drawEllipse(QPointF(35, 58), 3, 3);
    p.setPen(outline(QColor(0x8e, 0x1a, 0x1a), 2.5));
    p.setBrush(vertical(30, 70, QColor(0xf0, 0x55, 0x45), QColor(0xc0, 0x20, 0x20)));
    p.drawPolygon(polygon({{46, 42}, {70, 42}, {70, 28}, {96, 50}, {70, 72}, {70, 58}, {46, 58}}));
}

void previousGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0x12, 0x3f, 0x80), 3));
    p.setBrush(vertical(14, 86, QColor(0x6c, 0xb8, 0xf5), QColor(0x1c, 0x5f, 0xb8)));
    p.drawPolygon(polygon({{8, 50}, {46, 14}, {46, 35}, {92, 35}, {92, 65}, {46, 65}, {46, 86}}));
}

void nextGlyph(QPainter &p)
{
    p.translate(100, 0);
    p.scale(-1, 1);
    previousGlyph(p);
}

void backupGlyph(QPainter &p)
{
    cylinder(p, QRectF(18, 50, 64, 44));
    p.setPen(outline(QColor(0x14, 0x5c, 0x24), 2.5));
    p.setBrush(vertical(4, 58, QColor(0x6c, 0xd0, 0x78), QColor(0x24, 0x8c, 0x38)));
    p.drawPolygon(polygon({{39, 4}, {61, 4}, {61, 26}, {77, 26}, {50, 58}, {23, 26}, {39, 26}}));
}

void restoreGlyph(QPainter &p)
{
    cylinder(p, QRectF(18, 50, 64, 44));
    p.setPen(outline(QColor(0x12, 0x3f, 0x80), 2.5));
    p.setBrush(vertical(4, 60, QColor(0x6c, 0xb8, 0xf5), QColor(0x1c, 0x5f, 0xb8)));
    p.drawPolygon(polygon({{50, 4}, {77, 34}, {61, 34}, {61, 60}, {39, 60}, {39, 34}, {23, 34}}));
}

void deleteGlyph(QPainter &p)
{
    for (const auto &[colour, width] :
         {std::pair{QColor(0x8e, 0x1a, 0x1a), 26.0}, std::pair{QColor(0xe5, 0x39, 0x35), 16.0}}) {
        p.setPen(outline(colour, width));
        p.drawLine(QPointF(20, 20), QPointF(80, 80));
        p.drawLine(QPointF(80, 20), QPointF(20, 80));
    }
}

void wordGlyph(QPainter &p)
{
    page(p, QRectF(10, 6, 58, 86), 4);
    // A pencil writing on the sheet, its point at the bottom left.
    p.save();
    p.translate(48, 92);
    p.rotate(-53);
    p.setPen(outline(QColor(0x5a, 0x40, 0x00), 2));
    p.setBrush(QColor(0xf1, 0xc2, 0x7d));
    p.drawPolygon(polygon({{0, 0}, {15, -8}, {15, 8}}));
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawPolygon(polygon({{0, 0}, {5, -2.7}, {5, 2.7}}));
    p.setBrush(vertical(-8, 8, QColor(0xff, 0xd4, 0x3a), QColor(0xe0, 0x98, 0x00)));
    p.drawRect(QRectF(15, -8, 38, 16));
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(53, -8, 9, 16));
    p.restore();
}

void copyGlyph(QPainter &p)
{
    page(p, QRectF(8, 4, 52, 66), 3);
    page(p, QRectF(38, 28, 54, 68), 3);
}

void pasteGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0x5c, 0x36, 0x12), 2.5));
    p.setBrush(vertical(12, 96, QColor(0xc8, 0x8a, 0x4a), QColor(0x94, 0x5c, 0x26)));
    p.drawRoundedRect(QRectF(8, 12, 66, 84), 8, 8);
    p.setPen(outline(QColor(0x55, 0x5c, 0x66), 2.5));
    p.setBrush(vertical(2, 24, QColor(0xe8, 0xeb, 0xf0), QColor(0x9a, 0xa0, 0xaa)));
    p.drawRoundedRect(QRectF(26, 2, 30, 20), 5, 5);
    page(p, QRectF(38, 32, 54, 64), 3);
}

QPolygonF star(const QPointF &centre, qreal outer, qreal inner)
{
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    return points;
}

void favoritesAddGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0xa0, 0x60, 0x00), 3));
    p.setBrush(vertical(8, 86, QColor(0xff, 0xe8, 0x70), QColor(0xf0, 0x9a, 0x00)));
    p.drawPolygon(star(QPointF(44, 50), 44, 18));
    p.setPen(outline(QColor(0xff, 0xff, 0xff), 4));
    p.setBrush(QColor(0x2e, 0x9e, 0x44));
    p.drawEllipse(QPointF(75, 75), 21, 21);
    p.setPen(outline(QColor(0xff, 0xff, 0xff), 8));
    p.drawLine(QPointF(75, 63), QPointF(75, 87));
    p.drawLine(QPointF(63, 75), QPointF(87, 75));
}

void printGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0x6b, 0x74, 0x80), 2.5));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawRect(QRectF(26, 6, 48, 34));
    p.setPen(outline(QColor(0x3a, 0x42, 0x4c), 2.5));
    p.setBrush(vertical(34, 76, QColor(0xa8, 0xb2, 0xbe), QColor(0x5a, 0x64, 0x72)));
    p.drawRoundedRect(QRectF(6, 32, 88, 44), 8, 8);
    p.setBrush(QColor(0x3c, 0xd0, 0x5a));
    p.drawEllipse(QPointF(80, 45), 4.5, 4.5);
    page(p, QRectF(24, 58, 52, 38), 2);
}

void emailGlyph(QPainter &p)
{
    const QRectF r(6, 20, 88, 60);
    p.setPen(outline(QColor(0x8a, 0x6d, 0x2a), 3));
    p.setBrush(vertical(20, 80, QColor(0xff, 0xfb, 0xea), QColor(0xf2, 0xe2, 0xb0)));
    p.drawRect(r);
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(polygon({r.topLeft(), {50, 56}, r.topRight()}));
    p.drawLine(r.bottomLeft(), QPointF(38, 47));
    p.drawLine(r.bottomRight(), QPointF(62, 47));
    p.setPen(outline(QColor(0x9a, 0x1a, 0x1a), 1.5));
    p.setBrush(QColor(0xd8, 0x3a, 0x2e));
    p.drawRect(QRectF(74, 26, 14, 14));
}

void billingGlyph(QPainter &p)
{
    p.setPen(outline(QColor(0x1c, 0x44, 0x30), 3));
    p.setBrush(vertical(8, 92, QColor(0x4a, 0x94, 0x6c), QColor(0x24, 0x5c, 0x40)));
    p.drawRoundedRect(QRectF(12, 6, 60, 86), 5, 5);
    p.setBrush(QColor(0x18, 0x38, 0x28));
    p.drawRect(QRectF(12, 6, 10, 86));
    p.setPen(outline(QColor(0xe0, 0xf0, 0xe6), 3.5));
    for (qreal y : {26.0, 38.0, 50.0})
        p.drawLine(QPointF(30, y), QPointF(62, y));
    p.setPen(outline(QColor(0x8a, 0x5a, 0x00), 3));
    p.setBrush(vertical(52, 96, QColor(0xff, 0xe2, 0x6a), QColor(0xe0, 0x96, 0x00)));
    p.drawEllipse(QPointF(72, 74), 22, 22);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(72, 74), 14, 14);
}

void lawGlyph(QPainter &p)
{
    const QColor dark(0x6a, 0x46, 0x08);
    const QLinearGradient gold =
        vertical(4, 96, QColor(0xff, 0xdc, 0x6a), QColor(0xc0, 0x84, 0x1a));
    p.setPen(outline(dark, 2.5));
    p.setBrush(gold);
    p.drawRect(QRectF(46, 16, 8, 68));
    p.drawPolygon(polygon({{30, 84}, {70, 84}, {80, 96}, {20, 96}}));
    p.drawRoundedRect(QRectF(8, 18, 84, 8), 4, 4);
    p.drawEllipse(QPointF(50, 11), 7, 7);
    for (qreal x : {18.0, 82.0}) {
        p.setPen(outline(dark, 2));
        p.drawLine(QPointF(x, 24), QPointF(x - 14, 58));
        p.drawLine(QPointF(x, 24), QPointF(x + 14, 58));
        p.setPen(outline(dark, 2.5));
        QPainterPath pan;
        pan.moveTo(x - 17, 58);
        pan.arcTo(QRectF(x - 17, 44, 34, 28), 180, 180);
        pan.closeSubpath();
        p.drawPath(pan);
    }
}

void clientsGlyph(QPainter &p)
{
    person(p, QPointF(64, 28), 14, QColor(0x2a, 0x9d, 0x8f));
    person(p, QPointF(40, 42), 16, QColor(0x2f, 0x6f, 0xc4));
}

void telecomGlyph(QPainter &p)
{
    const QColor dark(0x70, 0x14, 0x10);
    p.setPen(outline(dark, 2.5));
    p.setBrush(vertical(50, 94, QColor(0xea, 0x5a, 0x48), QColor(0xa8, 0x22, 0x18)));
    QPainterPath base;
    base.moveTo(24, 50);
    base.lineTo(76, 50);
    base.lineTo(94, 92);
    base.lineTo(6, 92);
    base.closeSubpath();
    p.drawPath(base);
    // The handset lying on the cradle.
    p.setPen(outline(dark, 16));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(14, 18, 72, 44), 20 * 16, 140 * 16);
    p.setPen(outline(QColor(0xd8, 0x40, 0x30), 10));
    p.drawArc(QRectF(14, 18, 72, 44), 20 * 16, 140 * 16);
    p.setPen(outline(dark, 2.5));
    p.setBrush(QColor(0xd8, 0x40, 0x30));
    p.drawRoundedRect(QRectF(4, 30, 26, 16), 6, 6);
    p.drawRoundedRect(QRectF(70, 30, 26, 16), 6, 6);
    // The dial.
    p.setBrush(QColor(0xfa, 0xf6, 0xee));
    p.drawEllipse(QPointF(50, 72), 15, 15);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const qreal a = std::numbers::pi * (0.75 + i * 0.2);
        p.drawEllipse(QPointF(50 + 10 * std::cos(a), 72 + 10 * std::sin(a)), 2, 2);
    }
    p.drawEllipse(QPointF(50, 72), 3.5, 3.5);
}

// ---------------------------------------------------------------------------
// Whole pictures.

enum class Look {
    Resting, // a button as it normally looks, and the enabled look of a tool
    Hover,
    Pressed,
};

// A picture button: the drawing on a button face that fills the picture.
QImage buttonTile(Glyph glyph, Look look)
{
    QImage image(ButtonSide, ButtonSide, QImage::Format_RGB32);
    image.fill(QColor(0xe4, 0xeb, 0xf3));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(ButtonSide / 100.0, ButtonSide / 100.0);

    QColor rim;
    QLinearGradient face;
    switch (look) {
    case Look::Resting:
        face = vertical(2, 98, QColor(0xfd, 0xfe, 0xff), QColor(0xd6, 0xe0, 0xec));
        rim = QColor(0x94, 0xa6, 0xbb);
        break;
    case Look::Hover:
        face = vertical(2, 98, QColor(0xff, 0xfd, 0xe8), QColor(0xff, 0xd8, 0x78));
        rim = QColor(0xe0, 0x8a, 0x00);
        break;
    case Look::Pressed:
        face = vertical(2, 98, QColor(0x98, 0xaa, 0xc0), QColor(0xc6, 0xd2, 0xe0));
        rim = QColor(0x4a, 0x5c, 0x74);
        break;
    }
    QPen rimPen(rim, look == Look::Hover ? 2 : 1);
    rimPen.setCosmetic(true);
    p.setPen(rimPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, 96, 96), 14, 14);
    if (look == Look::Pressed) {
        // The shadow along the top and left edges of a sunken button.
        QPen shade(QColor(0x2c, 0x38, 0x48, 150), 1.5);
        shade.setCosmetic(true);
        p.setPen(shade);
        p.drawLine(QPointF(12, 7), QPointF(88, 7));
        p.drawLine(QPointF(7, 12), QPointF(7, 88));
    }

    switch (look) {
    case Look::Resting:
        p.translate(14, 14);
        p.scale(0.72, 0.72);
        break;
    case Look::Hover:
        p.translate(11, 11);
        p.scale(0.78, 0.78);
        break;
    case Look::Pressed:
        p.translate(18, 18);
        p.scale(0.70, 0.70);
        break;
    }
    glyph(p);
    return image;
}

// An icon: the drawing on a transparent ground.
QImage icon(Glyph glyph, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 100.0, side / 100.0);
    p.translate(3, 3);
    p.scale(0.94, 0.94);
    glyph(p);
    return image;
}

// The disabled look: every colour turned into a faded grey, transparency kept.
QImage greyed(const QImage &image)
{
    const bool opaque = !image.hasAlphaChannel();
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = line[x];
            const int v = 128 + qGray(c) * 45 / 100;
            line[x] = qAlpha(c) == 0 ? 0 : qRgba(v, v, v, qAlpha(c));
        }
    }
    return out.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

QImage photoPlaceholder()
{
    QImage image(PhotoSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(image.rect(),
               vertical(0, PhotoSize.height(), QColor(0xee, 0xf0, 0xf3), QColor(0xd4, 0xd9, 0xe0)));
    const QColor figure(0xb0, 0xb8, 0xc3);
    p.setPen(Qt::NoPen);
    p.setBrush(figure);
    p.save();
    p.setClipRect(QRect(0, 0, PhotoSize.width(), PhotoSize.height() - 6));
    p.drawEllipse(QRectF(14, 80, 68, 76));
    p.restore();
    p.setBrush(figure.lighter(108));
    p.drawEllipse(QPointF(48, 52), 20, 24);
    p.setPen(QColor(0x9a, 0xa4, 0xb0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, PhotoSize.width() - 1, PhotoSize.height() - 1));
    return image;
}

// A band that changes only from top to bottom, with a light top edge and a
// darker bottom edge.
QImage band(QSize size, QColor top, QColor middle, QColor bottom, QColor edge)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, top);
    g.setColorAt(0.8, middle);
    g.setColorAt(1, bottom);
    p.fillRect(image.rect(), g);
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawLine(0, 0, size.width() - 1, 0);
    p.setPen(edge);
    p.drawLine(0, size.height() - 1, size.width() - 1, size.height() - 1);
    return image;
}

enum class Kind {
    Button1,      // resting navigation button, and the tools with a single look
    Button2,      // pointer over it
    Button3,      // pressed
    ToolDisabled, // a button picture's disabled look
    ToolIcon,
    ToolIconDisabled,
    ModuleIcon,
    Photo,
    Background,
    Strip,
};

struct Picture {
    QStringView name;
    Kind kind;
    Glyph glyph = nullptr;
};

constexpr Picture Pictures[] = {
    {u"exit1.jpg", Kind::Button1, exitGlyph},
    {u"exit2.jpg", Kind::Button2, exitGlyph},
    {u"exit3.jpg", Kind::Button3, exitGlyph},
    {u"preview1.jpg", Kind::Button1, previousGlyph},
    {u"preview2.jpg", Kind::Button2, previousGlyph},
    {u"preview3.jpg", Kind::Button3, previousGlyph},
    {u"next1.jpg", Kind::Button1, nextGlyph},
    {u"next2.jpg", Kind::Button2, nextGlyph},
    {u"next3.jpg", Kind::Button3, nextGlyph},
    {u"backup.jpg", Kind::Button1, backupGlyph},
    {u"backup0.jpg", Kind::ToolDisabled, backupGlyph},
    {u"restore.jpg", Kind::Button1, restoreGlyph},
    {u"restore0.jpg", Kind::ToolDisabled, restoreGlyph},
    {u"delete.jpg", Kind::Button1, deleteGlyph},
    {u"delete0.jpg", Kind::ToolDisabled, deleteGlyph},
    {u"favoritesadd.jpg", Kind::Button1, favoritesAddGlyph},
    {u"favoritesadd0.jpg", Kind::ToolDisabled, favoritesAddGlyph},
    {u"word.ico", Kind::ToolIcon, wordGlyph},
    {u"word0.ico", Kind::ToolIconDisabled, wordGlyph},
    {u"copy.ico", Kind::ToolIcon, copyGlyph},
    {u"copy0.ico", Kind::ToolIconDisabled, copyGlyph},
    {u"paste.ico", Kind::ToolIcon, pasteGlyph},
    {u"clients.ico", Kind::ModuleIcon, clientsGlyph},
    {u"law.ico", Kind::ModuleIcon, lawGlyph},
    {u"Telecom.ico", Kind::ModuleIcon, telecomGlyph},
    {u"loadphoto.jpg", Kind::Photo},
    {u"background.jpg", Kind::Background},
    {u"strip.jpg", Kind::Strip},
    {u"print.jpg", Kind::Button1, printGlyph},
    {u"email.jpg", Kind::Button1, emailGlyph},
    {u"billing.jpg", Kind::Button1, billingGlyph},
};

QImage draw(const Picture &picture)
{
    switch (picture.kind) {
    case Kind::Button1:
        return buttonTile(picture.glyph, Look::Resting);
    case Kind::Button2:
        return buttonTile(picture.glyph, Look::Hover);
    case Kind::Button3:
        return buttonTile(picture.glyph, Look::Pressed);
    case Kind::ToolDisabled:
        return greyed(buttonTile(picture.glyph, Look::Resting));
    case Kind::ToolIcon:
        return icon(picture.glyph, ButtonSide);
    case Kind::ToolIconDisabled:
        return greyed(icon(picture.glyph, ButtonSide));
    case Kind::ModuleIcon:
        return icon(picture.glyph, ModuleIconSide);
    case Kind::Photo:
        return photoPlaceholder();
    case Kind::Background:
        return band(BandSize, QColor(0xee, 0xf3, 0xf9), QColor(0xc6, 0xd6, 0xe8),
                    QColor(0xa8, 0xbe, 0xd8), QColor(0x7f, 0x98, 0xb8));
    case Kind::Strip:
        return band(StripSize, QColor(0xf6, 0xf8, 0xfb), QColor(0xe0, 0xe8, 0xf1),
                    QColor(0xd2, 0xdd, 0xea), QColor(0xa0, 0xb2, 0xc8));
    }
    return {};
}

} // namespace

QStringList demoPictureNames()
{
    QStringList names;
    for (const Picture &picture : Pictures)
        names.append(picture.name.toString());
    return names;
}

QString demoPicturePath(const QString &name)
{
    return InstallPaths::installDir() + u"objpics\\"_s + name;
}

QImage drawDemoPicture(const QString &name)
{
    for (const Picture &picture : Pictures) {
        if (picture.name == name)
            return draw(picture);
    }
    return {};
}

QByteArray encodeDemoPicture(const QImage &image, const QString &name)
{
    QByteArray format = QByteArrayLiteral("png");
    if (name.endsWith(u".jpg"_s, Qt::CaseInsensitive))
        format = QByteArrayLiteral("jpeg");
    else if (name.endsWith(u".ico"_s, Qt::CaseInsensitive))
        format = QByteArrayLiteral("ico");
    if (!QImageWriter::supportedImageFormats().contains(format))
        format = QByteArrayLiteral("png");

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpeg")
        writer.setQuality(95);
    if (image.isNull() || !writer.write(image))
        return {};
    return bytes;
}

DemoPictureResult writeDemoPictures(const DriveMap &drives, bool overwrite)
{
    DemoPictureResult result;
    const RecordFile files(drives);
    if (FileResult r = files.makeDirectory(demoPicturePath({})); !r) {
        result.failure = r.message();
        return result;
    }
    for (const Picture &picture : Pictures) {
        const QString name = picture.name.toString();
        const QString path = demoPicturePath(name);
        if (!overwrite && files.exists(path)) {
            ++result.kept;
            continue;
        }
        const QByteArray bytes = encodeDemoPicture(draw(picture), name);
        if (bytes.isEmpty()) {
            result.failure = u"无法生成图片: "_s + name;
            return result;
        }
        if (FileResult r = AtomicFile::replace(files.hostPath(path), bytes); !r) {
            result.failure = r.message();
            return result;
        }
        ++result.written;
    }
    return result;
}
