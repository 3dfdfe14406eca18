#pragma once

#include <QStringList>
#include <QWidget>

#include <functional>

class QListWidget;

// The year index window: one row per year run of the law index, refilled
// when the window becomes active and when its button is clicked.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    Form2(std::function<QStringList()> rows, QWidget *parent);

    void refill();

protected:
    bool event(QEvent *event) override;

private:
    std::function<QStringList()> m_rows;
    QListWidget *m_list;
};
