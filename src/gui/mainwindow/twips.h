#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Window positions and sizes are kept in twips; a logical pixel is 15 twips.
namespace Twips {

inline constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return (twips + (twips >= 0 ? PerPixel / 2 : -PerPixel / 2)) / PerPixel;
}
constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

inline QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

} // namespace Twips

class QWidget;

// The twips geometry of a window element. The exact twips are kept with the
// element, so that a size read back is the size that was set; the element's
// pixel geometry follows them.
namespace Twips {

// A size that cannot be applied (a negative width or height): the window
// is too small for the layout step that asked for it.
struct SizeError {};

int left(const QWidget *w);
int top(const QWidget *w);
int width(const QWidget *w);
int height(const QWidget *w);
// Each setter throws SizeError for a negative width or height, leaving the
// element as it was.
void setLeft(QWidget *w, int left);
void setTop(QWidget *w, int top);
void setWidth(QWidget *w, int width);
void setHeight(QWidget *w, int height);
void setGeometry(QWidget *w, int left, int top, int width, int height);

} // namespace Twips
