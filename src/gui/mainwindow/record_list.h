#pragma once

#include "core/clients/client_search.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class Form1;
class QTreeWidgetItem;

// One column of the record list: header text and width in twips.
struct ListColumn {
    QString header;
    int width = 0;
};

// A row of the four-column buffer of the client archive and the directory.
using ListBufferRow = ClientListRow;

// The record list, its pages and counters: column sets and sorting, the
// page count update, the page change, the page buttons and entry, and the
// list's own events.
class RecordList
{
public:
    explicit RecordList(Form1 &form);

    static constexpr int PageSize = 35;
    static constexpr int ListBufferCapacity = 20000;

    // Removes every column and adds these; sortKey -1 leaves the sort key as
    // it is. headersShown unset leaves the headers as they are.
    void setColumns(const QList<ListColumn> &columns, int sortKey, Qt::SortOrder order,
                    std::optional<bool> headersShown);
    // The law column set also switches automatic sorting on, for good.
    void enableSorting();

    void clearRows();
    // The rows added from now until the list is next cleared stay in the order they come.
    void keepRowOrder();
    // The colour of the rows' text: black for search results, blue for the favourites.
    void setTextColour(const QColor &colour);
    QColor textColour() const;
    QTreeWidgetItem *addRow(const QString &text, const QStringList &subItems = {});
    int rowCount() const;

    // RelevantRecords changed / Progress changed.
    void pageCountUpdate();
    void pageChange();
    void nextPage();
    void previousPage();
    // Enter in txtProgress, or leaving it.
    void pageEntry();
    void PageActivity();

    // The four-column buffer and its page display.
    QList<ListBufferRow> ListBuffer;
    void DisplayIndex13Buffer();

    void listGotFocus();
    void listLostFocus();
    void listClicked();
    void listPointerMoved();
    // The page arrows (next: Label33) and the page box under the pointer, and pressing an arrow.
    void arrowHovered(bool next);
    void arrowPressed(bool next, bool down);
    void pageBoxHovered();

private:
    Form1 &f;
    bool m_sorting = false;
    int m_sortKey = 0;
    Qt::SortOrder m_order = Qt::DescendingOrder;
};
