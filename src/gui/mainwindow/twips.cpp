#include "gui/mainwindow/twips.h"

#include <QVariant>
#include <QWidget>

namespace Twips {

namespace {

constexpr char Property[] = "twipsGeometry";

QRect stored(const QWidget *w)
{
    const QVariant v = w->property(Property);
    if (v.isValid())
        return v.toRect();
    const QRect g = w->geometry();
    return QRect(fromPixels(g.x()), fromPixels(g.y()), fromPixels(g.width()),
                 fromPixels(g.height()));
}

void store(QWidget *w, const QRect &r)
{
    if (r.width() < 0 || r.height() < 0)
        throw SizeError{};
    w->setProperty(Property, r);
    w->setGeometry(rect(r.x(), r.y(), r.width(), r.height()));
}

} // namespace

int left(const QWidget *w)
{
    return stored(w).x();
}
int top(const QWidget *w)
{
    return stored(w).y();
}
int width(const QWidget *w)
{
    return stored(w).width();
}
int height(const QWidget *w)
{
    return stored(w).height();
}

void setLeft(QWidget *w, int left)
{
    QRect r = stored(w);
    r.moveLeft(left);
    store(w, r);
}
void setTop(QWidget *w, int top)
{
    QRect r = stored(w);
    r.moveTop(top);
    store(w, r);
}
void setWidth(QWidget *w, int width)
{
    QRect r = stored(w);
    r.setWidth(width);
    store(w, r);
}
void setHeight(QWidget *w, int height)
{
    QRect r = stored(w);
    r.setHeight(height);
    store(w, r);
}
void setGeometry(QWidget *w, int left, int top, int width, int height)
{
    store(w, QRect(left, top, width, height));
}

} // namespace Twips
