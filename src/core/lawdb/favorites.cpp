#include "core/lawdb/favorites.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

struct FavoritesFile {
    QList<Favorite> rows;
    QByteArray rest; // from a record that could not be read whole on
};

FavoritesFile parse(const QByteArray &bytes)
{
    FavoritesFile file;
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        Favorite f;
        if (!reader.readFields(f.date, f.title, f.reserved)) {
            file.rest = bytes.mid(start);
            break;
        }
        file.rows.append(std::move(f));
    }
    return file;
}

} // namespace

QString favoritesPath()
{
    return InstallPaths::installDir() + InstallPaths::lawbaseDir() + u"favorites.txt"_s;
}

QList<Favorite> readFavorites(const RecordFile &files)
{
    const auto bytes = files.readAll(favoritesPath());
    return bytes ? parse(*bytes).rows : QList<Favorite>();
}

FileResult ensureFavoritesFile(const RecordFile &files)
{
    if (files.exists(favoritesPath()))
        return FileResult::success();
    return files.openForWriting(favoritesPath()).commit();
}

FileResult addFavorite(const RecordFile &files, const QString &title, QDate today, bool *added)
{
    *added = false;
    const QString key = title.trimmed().toUpper();
    for (const Favorite &f : readFavorites(files)) {
        if (f.title.trimmed().toUpper() == key)
            return FileResult::success();
    }
    RecordWriter writer = files.openForAppending(favoritesPath());
    writer.write(
        {RecordValue(today.toString(u"yyyy-MM-dd"_s)), RecordValue(title), RecordValue(QString())});
    FileResult r = writer.commit();
    *added = r.ok();
    return r;
}

FileResult deleteFavorite(const RecordFile &files, const QString &title, int *removed)
{
    *removed = 0;
    FileResult read;
    const auto bytes = files.readAll(favoritesPath(), &read);
    if (!bytes)
        return read;
    const FavoritesFile file = parse(*bytes);
    const QString key = title.trimmed();
    RecordWriter writer = files.openForWriting(favoritesPath());
    for (const Favorite &f : file.rows) {
        if (f.title.trimmed() == key) {
            ++*removed;
            continue;
        }
        writer.write({RecordValue(f.date), RecordValue(f.title), RecordValue(f.reserved)});
    }
    writer.writeBytes(file.rest);
    return writer.commit();
}
