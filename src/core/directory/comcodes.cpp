#include "core/directory/comcodes.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

// The number a text begins with, as a value test reads it: blanks, a sign,
// digits and a fraction; 0 when it begins with none.
double leadingNumber(QStringView text)
{
    text = text.trimmed();
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && (text[i].isDigit() || text[i] == u'.') && text[i].unicode() < 0x80)
        ++i;
    if (i == digitsStart)
        return 0;
    bool ok = false;
    const double v = text.first(i).toDouble(&ok);
    return ok ? v : 0;
}

bool inSubclass(const QString &subclass, const QString &cls)
{
    return subclass == u"全部" || leadingNumber(subclass) > 0 || cls.contains(subclass);
}

} // namespace

QString directoryFolder()
{
    return InstallPaths::installDir() + InstallPaths::yellowPageDir();
}

QString comCodesPath()
{
    return directoryFolder() + u"comcodes.txt"_s;
}

QStringList directoryCategoryCaptions()
{
    return {u"1.电话区号"_s, u"2.求助电话"_s, u"3.邮政编码"_s, u"4.常用网站"_s, u"5.法律机构"_s,
            u"6.政府机构"_s, u"7.旅行服务"_s, u"8.备用"_s,     u"9.其他"_s,     u"10.全部"_s};
}

QStringList websiteSubclasses()
{
    return {u"综合"_s, u"新闻"_s, u"IT"_s,   u"教育"_s, u"卫生"_s, u"政府"_s, u"法律"_s,
            u"商贸"_s, u"证券"_s, u"文体"_s, u"服务"_s, u"国外"_s, u"全部"_s};
}

QString directoryCategoryKeyword(int category, const QString &caption)
{
    switch (category) {
    case 1:
        return u"DD"_s;
    case 2:
        return u"求助"_s;
    case 3:
        return u"ZIP"_s;
    case 4:
        return u"网站"_s;
    case 10:
        return {};
    default:
        return caption.mid(2);
    }
}

ComCodesResult FindComCodes(const RecordFile &files, const ComCodesQuery &query)
{
    ComCodesResult result;
    const auto mapped = files.map(comCodesPath());
    if (!mapped)
        return result;
    const QString keyword = query.keyword.toUpper();
    RecordReader reader(mapped->rawData());
    while (!reader.atEnd()) {
        DirectoryRecord r;
        if (!reader.readFields(r.name, r.prefix, r.code, r.cls))
            break;
        ++result.TotalRecords;
        if (r.cls.isEmpty() || !r.cls.toUpper().contains(keyword))
            continue;
        if (!query.keywordBoxBlank &&
            !query.keyWords.allOccurIn(QString(r.name + r.prefix + r.code + r.cls).toUpper()))
            continue;
        if (query.Category == 4 && !inSubclass(query.subclass, r.cls))
            continue;
        if (result.ListBuffer.size() >= DirectoryBufferRows)
            break;
        ClientListRow row;
        row.columns[0] = std::move(r.prefix);
        row.columns[1] = std::move(r.name);
        row.columns[2] = std::move(r.code);
        row.columns[3] = std::move(r.cls);
        result.ListBuffer.append(std::move(row));
    }
    result.RelevantRecords = int(result.ListBuffer.size());
    return result;
}

std::optional<QStringList> ClassVNames(const RecordFile &files)
{
    auto reader = files.openForReading(directoryFolder() + u"ClassV.txt"_s);
    if (!reader)
        return std::nullopt;
    QStringList names;
    QString name;
    while (names.size() < 5 && reader->read(name))
        names.append(name);
    return names;
}
