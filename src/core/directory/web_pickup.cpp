#include "core/directory/web_pickup.h"

#include "core/directory/comcodes.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView LeftDelimiters = u"。，, :;\n\r：；";
constexpr QStringView RightDelimiters = u"（( ,:;\n\r：；，";

// The end of an address whose first untested character is at `from`: the
// first position at or after it whose character does not continue an
// address, or the end of the text.
qsizetype addressEnd(QStringView text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && isWebAddressCharacter(text[i]))
        ++i;
    return std::min(i, text.size());
}

} // namespace

bool isWebAddressCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'-' && u <= u'9') ||
           u == u'．' || u == u'_' || u == u':' || u == u' ';
}

std::optional<QString> URLPickup(QStringView text)
{
    const qsizetype h = text.indexOf(u"http", 0, Qt::CaseInsensitive);
    if (h >= 0) {
        // The scheme and the next few characters are taken as they are.
        const qsizetype e = addressEnd(text, h + 8);
        const QStringView u = text.mid(h, e - h);
        const qsizetype colon = u.indexOf(u'：');
        const QString address = colon >= 0 ? u.first(colon).trimmed().toString() + u':' +
                                                 u.mid(colon + 1).trimmed().toString()
                                           : u.trimmed().toString();
        return FilterURL(address);
    }
    const qsizetype w = text.indexOf(u"www");
    if (w >= 0) {
        const qsizetype e = addressEnd(text, w + 1);
        return FilterURL(QString(u"http://"_s + text.mid(w, e - w).toString()));
    }
    return std::nullopt;
}

QString FilterURL(QStringView address)
{
    const qsizetype first = address.indexOf(u'/');
    const qsizetype second = first >= 0 ? address.indexOf(u'/', first + 1) : -1;
    QString out = u"http://"_s + address.mid(second + 1).trimmed().toString();
    out.replace(u'．', u'.');
    return out;
}

QString websiteBoxText(const QString &address)
{
    return u"官方网址: "_s + address;
}

QString EmailPickup(QStringView text, bool collect)
{
    QString found;
    if (collect) {
        for (qsizetype p = text.indexOf(u'@'); p >= 0; p = text.indexOf(u'@', p + 1)) {
            qsizetype left = 0;
            for (qsizetype i = p - 1; i >= 0; --i) {
                if (LeftDelimiters.contains(text[i])) {
                    left = i + 1;
                    break;
                }
            }
            qsizetype right = text.size();
            for (qsizetype j = p + 1; j < text.size(); ++j) {
                if (RightDelimiters.contains(text[j])) {
                    right = j;
                    break;
                }
            }
            if (!found.isEmpty())
                found += u',';
            found += text.mid(left, right - left);
        }
    }
    return u"Email:"_s + found;
}

QString webAddressFrom(QStringView text)
{
    const qsizetype h = text.indexOf(u"http", 0, Qt::CaseInsensitive);
    return h >= 0 ? text.mid(h).toString() : QString();
}

QString websiteName(const QString &rowText)
{
    const qsizetype bracket = rowText.indexOf(u')');
    return (bracket >= 0 ? rowText.mid(bracket + 1) : rowText).trimmed();
}

FileResult AddNewURL(const RecordFile &files, const QString &address, const QString &name,
                     int module, const QString &lastItemText, bool *added)
{
    *added = false;
    const QString key = name.trimmed().toLower();
    if (key.isEmpty())
        return FileResult::success();
    if (files.exists(comCodesPath())) {
        FileResult read;
        const auto mapped = files.map(comCodesPath(), &read);
        if (!mapped)
            return read;
        RecordReader reader(mapped->rawData());
        DirectoryRecord r;
        while (!reader.atEnd() && reader.readFields(r.name, r.prefix, r.code, r.cls)) {
            if (r.name.trimmed().toLower() == key)
                return FileResult::success();
        }
    }
    QString cls;
    if (module == 2)
        cls = u"常用网站：法律\\Veridane相关"_s;
    else if (module == 1)
        cls = u"常用网站：我的Web网址\\"_s + lastItemText;
    RecordWriter writer = files.openForAppending(comCodesPath());
    writer.write({RecordValue(name.trimmed()), RecordValue(QString()),
                  RecordValue(webAddressFrom(address)), RecordValue(cls)});
    FileResult r = writer.commit();
    *added = r.ok();
    return r;
}
