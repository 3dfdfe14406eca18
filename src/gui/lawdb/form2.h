#pragma once

#include <QStringList>
#include <QWidget>

// The year index window: one row per year run of the law index.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(const QStringList &rows, QWidget *parent);
};
