#include "gui/platform/qt_window_printer.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

bool QtWindowPrinter::printImage(QWidget *window)
{
    return printImageOn(window, QPrinterInfo::defaultPrinter());
}

bool QtWindowPrinter::printImageOn(QWidget *window, const QPrinterInfo &printer)
{
    if (printer.isNull())
        return false;
    QPrinter device(printer, QPrinter::HighResolution);
    return printImageTo(window, device);
}

bool QtWindowPrinter::printImageTo(QWidget *window, QPrinter &printer)
{
    if (!window)
        return false;
    const QPixmap picture = window->grab();
    if (picture.isNull())
        return false;

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's origin is the top left corner of the page's printable area.
    const QSizeF area = printer.pageRect(QPrinter::DevicePixel).size();
    const QSizeF size = picture.size().toSizeF().scaled(area, Qt::KeepAspectRatio);
    const QRectF placed(QPointF((area.width() - size.width()) / 2, 0), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(placed, picture, QRectF(picture.rect()));
    return painter.end();
}
