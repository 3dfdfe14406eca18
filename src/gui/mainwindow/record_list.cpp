#include "gui/mainwindow/record_list.h"

#include "gui/clients/client_module.h"
#include "gui/lawdb/law_module.h"
#include "gui/mainwindow/form1.h"
#include "gui/mainwindow/layouts.h"
#include "gui/mainwindow/twips.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

RecordList::RecordList(Form1 &form)
    : f(form)
{}

void RecordList::setColumns(const QList<ListColumn> &columns, int sortKey, Qt::SortOrder order,
                            std::optional<bool> headersShown)
{
    QTreeWidget *list = f.List1;
    list->clear();
    list->setColumnCount(int(columns.size()));
    QStringList headers;
    for (const ListColumn &c : columns)
        headers.append(c.header);
    list->setHeaderLabels(headers);
    for (int i = 0; i < columns.size(); ++i)
        list->setColumnWidth(i, Twips::toPixels(columns[i].width));
    if (sortKey >= 0) {
        m_sortKey = sortKey;
        m_order = order;
    }
    if (headersShown)
        list->setHeaderHidden(!*headersShown);
    if (m_sorting)
        list->sortByColumn(m_sortKey, m_order);
}

void RecordList::enableSorting()
{
    m_sorting = true;
    f.List1->setSortingEnabled(true);
    f.List1->sortByColumn(m_sortKey, m_order);
}

void RecordList::clearRows()
{
    f.List1->clear();
    // A list shown in its own order (the favourites) is sorted again from its next rows on.
    if (m_sorting && !f.List1->isSortingEnabled()) {
        f.List1->setSortingEnabled(true);
        f.List1->sortByColumn(m_sortKey, m_order);
    }
}

void RecordList::keepRowOrder()
{
    f.List1->setSortingEnabled(false);
}

QTreeWidgetItem *RecordList::addRow(const QString &text, const QStringList &subItems)
{
    auto *item = new QTreeWidgetItem;
    item->setText(0, text);
    for (int i = 0; i < subItems.size(); ++i)
        item->setText(i + 1, subItems[i]);
    f.List1->addTopLevelItem(item);
    return item;
}

void RecordList::setTextColour(const QColor &colour)
{
    QPalette p = f.List1->palette();
    if (p.color(QPalette::Text) == colour)
        return;
    p.setColor(QPalette::Text, colour);
    f.List1->setPalette(p);
}

QColor RecordList::textColour() const
{
    return f.List1->palette().color(QPalette::Text);
}

int RecordList::rowCount() const
{
    return f.List1->topLevelItemCount();
}

void RecordList::pageCountUpdate()
{
    if (f.RelevantRecords->caption() == u"-1") {
        f.RelevantRecords->setCaption(u"0"_s);
        f.Progress->setCaption(u"0"_s);
    }
    const int n = f.RelevantRecords->number();
    const int pages = n / PageSize + (n % PageSize != 0 ? 1 : 0);
    f.Label35->setCaption(QString::number(pages));
    if (n == 0)
        f.Progress->setCaption(u"0"_s);
}

void RecordList::pageChange()
{
    f.txtProgress->setText(f.Progress->caption());
    if (!f.state.favoritesShown()) {
        if (f.module() == 2) {
            f.law().DisplayBuffer();
            f.state.FavoritesShown = 0;
        } else {
            DisplayIndex13Buffer();
        }
        if (f.Label35->number() > 0 && f.module() != 3 && rowCount() > 0)
            f.sounds.pageSound();
    }
    f.clearPane();
}

void RecordList::nextPage()
{
    f.Label33->setFrameShape(QFrame::Box);
    const int page = f.Progress->number();
    if (f.RelevantRecords->number() > page * PageSize && f.Label35->number() > page)
        f.Progress->setCaption(QString::number(page + 1));
    f.Text3->clear();
}

void RecordList::previousPage()
{
    f.Label34->setFrameShape(QFrame::Box);
    const int page = f.Progress->number();
    if (page > 1)
        f.Progress->setCaption(QString::number(page - 1));
    f.Text3->clear();
}

void RecordList::pageEntry()
{
    const QString typed = f.txtProgress->text().trimmed();
    if (typed == f.Progress->caption())
        return;
    // A page is a whole number from 1 to the page count; anything else is
    // refused like a page above the count.
    bool ok = false;
    const int page = typed.toInt(&ok);
    if (!ok || page < 1 || page > f.Label35->number()) {
        f.services().messageBoxes.warning(u"没有该页!"_s, u"警告!"_s);
        f.txtProgress->setText(f.Progress->caption());
        return;
    }
    f.Progress->setCaption(QString::number(page));
}

void RecordList::PageActivity()
{
    f.Label33->setEnabled(true);
    f.Label34->setEnabled(true);
    f.Label35->setEnabled(true);
    f.txtProgress->setEnabled(true);
    f.txtProgress->setStyleSheet(QString());
    if (f.module() == 3)
        f.Label35->show();
}

void RecordList::DisplayIndex13Buffer()
{
    const int page = f.Progress->number();
    if (page == 0)
        return;
    clearRows();
    const int relevant = f.RelevantRecords->number();
    for (int k = (page - 1) * PageSize + 1; k <= page * PageSize; ++k) {
        if (k > relevant || k > ListBuffer.size())
            break;
        const ListBufferRow &row = ListBuffer[k - 1];
        if (row.columns[0].isEmpty() && row.columns[1].isEmpty())
            break;
        addRow(QString(row.columns[0] + row.columns[1]).trimmed(),
               {row.columns[2].trimmed(), row.columns[3].trimmed()});
    }
    if (rowCount() > 0)
        f.sounds.pageSound();
}

void RecordList::listGotFocus()
{
    f.layouts().List1SetFocus();
    f.state.ListFocus = 1;
    if (f.module() == 1) {
        f.List1->setColumnWidth(0, Twips::toPixels(4000));
        f.Label36->hide();
    }
}

void RecordList::listLostFocus()
{
    f.state.ListFocus = 0;
    f.layouts().CopyAct(0);
}

void RecordList::listClicked()
{
    if (f.module() != 3)
        f.layouts().List1SetFocus();
}

void RecordList::listPointerMoved()
{
    f.state.OverBackground = 1;
    const bool browse = f.List1->property("windowBackground").toBool();
    f.state.HintX = Twips::left(f.List1) + (browse ? Twips::width(f.List1) * 2 / 3 : 750);
    f.state.HintY = Twips::top(f.List1) + 500;
    f.HintShow(u"列表框"_s);
    f.sounds.buttonSound();
}

namespace {
const QString ArrowColour = u"color: rgb(0, 176, 234)"_s;
}

void RecordList::arrowHovered(bool next)
{
    ClickLabel *arrow = next ? f.Label33 : f.Label34;
    arrow->setFrameShape(QFrame::Box);
    arrow->setStyleSheet(ArrowColour);
    f.state.HintX = Twips::left(arrow);
    f.state.HintY = Twips::top(arrow);
    f.HintShow(next ? u"下一页"_s : u"上一页"_s);
    f.sounds.buttonSound();
}

void RecordList::arrowPressed(bool next, bool down)
{
    ClickLabel *arrow = next ? f.Label33 : f.Label34;
    arrow->setFrameShape(down ? QFrame::Panel : QFrame::NoFrame);
    arrow->setFrameShadow(down ? QFrame::Sunken : QFrame::Plain);
    arrow->setStyleSheet(ArrowColour);
}

void RecordList::pageBoxHovered()
{
    f.state.HintX = Twips::left(f.txtProgress);
    f.state.HintY = Twips::top(f.txtProgress);
    f.HintShow(u"页号"_s);
    f.sounds.buttonSound();
}
