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
