#pragma once

#include "core/foundation/file_result.h"

#include <QDate>
#include <QList>
#include <QString>

class RecordFile;

// The favourite law documents, "lawbase\favorites.txt": a record of three
// texts each, in the order they were added.
struct Favorite {
    QString date;     // yyyy-mm-dd of the day it was added
    QString title;    // the list row that was opened
    QString reserved; // written empty; kept as read

    bool operator==(const Favorite &) const = default;
};

QString favoritesPath();

// Every favourite of the file, in file order; an empty list without the
// file. Reading stops at a record that cannot be read whole.
QList<Favorite> readFavorites(const RecordFile &files);

// FavoriteAdd2's store: appends (today, title, "") unless a favourite of the
// same title (trimmed, letter case aside) is there. Creates the file when
// missing. `added` tells whether a record was appended.
FileResult addFavorite(const RecordFile &files, const QString &title, QDate today, bool *added);

// Creates an empty favourites file when there is none.
FileResult ensureFavoritesFile(const RecordFile &files);

// DeleteFavorite2's store: rewrites the file, in one step, without every
// record whose title, trimmed, equals `title` trimmed; every other record
// stays as it was, with its own third field, however many the file holds.
// `removed` is the number of records left out.
FileResult deleteFavorite(const RecordFile &files, const QString &title, int *removed);
