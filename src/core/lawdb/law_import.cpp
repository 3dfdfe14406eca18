#include "core/lawdb/law_import.h"

#include "core/foundation/atomic_file.h"
#include "core/foundation/gbk.h"
#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"
#include "core/lawdb/content_store.h"
#include "core/lawdb/digit_code.h"
#include "core/lawdb/law_index.h"

#include <QDate>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t FullWidthQuote = 0xFF02;
constexpr int UndatedLimit = 9999; // entries 1..9999 of the undated texts are examined
const QString UndatedDate = u"0000-00-00"_s;

// ---------------------------------------------------------------------------
// Reading a source

// Full-width digits become ASCII digits.
QString asciiDigits(QStringView text)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c.unicode() >= 0xFF10 && c.unicode() <= 0xFF19)
            c = QChar(char16_t(u'0' + (c.unicode() - 0xFF10)));
    }
    return out;
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.sliced(start));
    return lines;
}

enum class Label { None, Title, Issuer, Promulgated, InForce, Validity, Category };

// The label a line begins with: the text inside "【" "】" without blanks.
Label labelOf(QStringView line, QStringView *value)
{
    if (!line.startsWith(u'【'))
        return Label::None;
    const qsizetype close = line.indexOf(u'】');
    if (close < 0)
        return Label::None;
    QString key;
    for (QChar c : line.sliced(1, close - 1)) {
        if (!c.isSpace())
            key += c;
    }
    *value = line.sliced(close + 1).trimmed();
    if (key == u"标题")
        return Label::Title;
    if (key == u"颁布单位")
        return Label::Issuer;
    if (key == u"颁布日期")
        return Label::Promulgated;
    if (key == u"实施日期")
        return Label::InForce;
    if (key == u"有效性")
        return Label::Validity;
    if (key == u"类别")
        return Label::Category;
    return Label::None;
}

const QStringView HeaderLabels[] = {LawLabels::Title, LawLabels::Issuer, LawLabels::Promulgated,
                                    LawLabels::InForce, LawLabels::Validity};

// The digits of a category line, ascending and each once; nullopt when it
// holds anything but the digits 1 to 9 and separators.
std::optional<QString> categoryDigits(QStringView value)
{
    const QString v = asciiDigits(value);
    QString digits;
    for (QChar c : v) {
        if (c >= u'1' && c <= u'9') {
            if (!digits.contains(c))
                digits += c;
        } else if (!c.isSpace() && c != u',' && c != u'，' && c != u'、' && c != u';' &&
                   c != u'；') {
            return std::nullopt;
        }
    }
    std::sort(digits.begin(), digits.end());
    return digits;
}

bool containsAny(QStringView text, std::initializer_list<const char16_t *> words)
{
    for (const char16_t *w : words) {
        if (text.contains(QStringView(w)))
            return true;
    }
    return false;
}

bool endsWithAny(QStringView text, std::initializer_list<const char16_t *> words)
{
    for (const char16_t *w : words) {
        if (text.endsWith(QStringView(w)))
            return true;
    }
    return false;
}

// The title without trailing bracketed notes: "房屋租赁合同（2015年版）" -> "房屋租赁合同".
QStringView bareTitle(QStringView title)
{
    title = title.trimmed();
    while (title.endsWith(u'）') || title.endsWith(u')')) {
        const qsizetype open = std::max(title.lastIndexOf(u'（'), title.lastIndexOf(u'('));
        if (open <= 0)
            break;
        title = title.first(open).trimmed();
    }
    return title;
}

const char16_t *const Provinces[] = {
    u"北京",   u"天津", u"上海", u"重庆", u"河北", u"山西", u"内蒙古", u"辽宁", u"吉林",
    u"黑龙江", u"江苏", u"浙江", u"安徽", u"福建", u"江西", u"山东",   u"河南", u"湖北",
    u"湖南",   u"广东", u"广西", u"海南", u"四川", u"贵州", u"云南",   u"西藏", u"陕西",
    u"甘肃",   u"青海", u"宁夏", u"新疆", u"香港", u"澳门", u"台湾"};

bool isLocalBody(QStringView issuer)
{
    for (const char16_t *p : Provinces) {
        if (issuer.startsWith(QStringView(p)))
            return true;
    }
    if (containsAny(issuer, {u"省", u"自治区", u"自治州", u"自治县", u"特别行政区", u"县"}))
        return true;
    // 市 names a city, except in 市场 (国家市场监督管理总局).
    for (qsizetype i = issuer.indexOf(u'市'); i >= 0; i = issuer.indexOf(u'市', i + 1)) {
        if (i + 1 >= issuer.size() || issuer[i + 1] != u'场')
            return true;
    }
    return false;
}

bool isUndatedDate(QStringView date)
{
    return date.contains(u"0000") || date.contains(u"００００");
}

// What identifies a document: its title ignoring letter case and its date
// (the lookup compares titles only for undated rows).
QString lawKey(QStringView title, QStringView date)
{
    return title.trimmed().toString().toCaseFolded() + u'\n' +
           (isUndatedDate(date) ? UndatedDate : date.trimmed().toString());
}

// ---------------------------------------------------------------------------
// The existing database

struct IndexRow {
    QString title, date, org, validity;
    bool undated() const { return isUndatedDate(date); }
    QString key() const { return lawKey(title, date); }
};

// Reads the index strictly: every record must be four fields. nullopt with
// the line of the first bad record in *badLine.
std::optional<QList<IndexRow>> readIndex(const QByteArray &bytes, int *badLine)
{
    QList<IndexRow> rows;
    RecordReader reader(bytes);
    while (!reader.atEnd()) {
        QString fields[4];
        for (int k = 0; k < 4; ++k) {
            const auto field = reader.nextField();
            if (!field || field->endsRecord != (k == 3)) {
                *badLine = reader.line();
                return std::nullopt;
            }
            fields[k] = Gbk::decode(field->bytes);
        }
        rows.append({fields[0], fields[1], fields[2], fields[3]});
    }
    return rows;
}

QByteArray indexBytes(const QList<IndexRow> &rows)
{
    QByteArray out;
    out.reserve(rows.size() * 96);
    for (const IndexRow &r : rows) {
        const RecordValue values[] = {r.title, r.date, r.org, r.validity};
        out += RecordWriter::formatRecord(values, 4);
    }
    return out;
}

// Newest first, undated last; equal dates keep their order.
void sortRows(QList<IndexRow> &rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const IndexRow &a, const IndexRow &b) {
        const bool au = a.undated();
        const bool bu = b.undated();
        if (au != bu)
            return bu;
        return !au && a.date > b.date;
    });
}

void appendRecord(QByteArray &out, QByteArrayView document)
{
    out += '"';
    out += document;
    out += "\"\r\n";
}

// An old document's bytes as a record: a quoted field cannot hold a double
// quote; an unquoted one might, which is then stored as the full-width mark.
void appendOldRecord(QByteArray &out, QByteArrayView raw)
{
    if (!raw.contains('"')) {
        appendRecord(out, raw);
        return;
    }
    QByteArray fixed = raw.toByteArray();
    fixed.replace('"', Gbk::encode(QStringView(&FullWidthQuote, 1)));
    appendRecord(out, fixed);
}

// ---------------------------------------------------------------------------
// Files put in place together

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

void syncFolder(const QString &hostFolder)
{
    const int fd = ::open(QFile::encodeName(hostFolder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// New versions of files, each written completely to "<target>.new" before
// any of them replaces its target.
class StagedFiles
{
public:
    StagedFiles() = default;
    StagedFiles(const StagedFiles &) = delete;
    StagedFiles &operator=(const StagedFiles &) = delete;
    ~StagedFiles() { discard(); }

    FileResult stage(const QString &target, QByteArrayView bytes)
    {
        const QString temp = target + u".new"_s;
        QFile file(temp);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return FileResult::failure(FileResult::Error::WriteFailed, temp, file.errorString());
        m_entries.append({target, temp});
        qsizetype done = 0;
        while (done < bytes.size()) {
            const qint64 n = file.write(bytes.data() + done, bytes.size() - done);
            if (n <= 0)
                return FileResult::failure(FileResult::Error::WriteFailed, temp,
                                           file.errorString());
            done += n;
        }
        if (!file.flush() || ::fsync(file.handle()) != 0)
            return FileResult::failure(FileResult::Error::WriteFailed, temp, file.errorString());
        file.close();
        if (file.error() != QFileDevice::NoError)
            return FileResult::failure(FileResult::Error::WriteFailed, temp, file.errorString());
        return FileResult::success();
    }

    qsizetype size() const { return m_entries.size(); }
    const QString &target(qsizetype i) const { return m_entries[i].target; }

    // Renames the temporary file over its target.
    FileResult putInPlace(qsizetype i)
    {
        Entry &e = m_entries[i];
        if (::rename(QFile::encodeName(e.temp).constData(),
                     QFile::encodeName(e.target).constData()) != 0)
            return FileResult::failure(FileResult::Error::WriteFailed, e.target, systemError());
        e.temp.clear();
        return FileResult::success();
    }

    // Removes the temporary files not put in place.
    void discard()
    {
        for (const Entry &e : std::as_const(m_entries)) {
            if (!e.temp.isEmpty())
                QFile::remove(e.temp);
        }
        m_entries.clear();
    }

private:
    struct Entry {
        QString target;
        QString temp; // empty once put in place
    };
    QList<Entry> m_entries;
};

// ---------------------------------------------------------------------------
// The sources

struct SourceFile {
    QString name; // as shown in messages
    QString host;
};

bool hasTxtSuffix(const QString &name)
{
    return name.endsWith(u".txt"_s, Qt::CaseInsensitive);
}

QList<SourceFile> collectSources(const DriveMap &drives, const QStringList &sources,
                                 LawImportResult &result)
{
    QList<SourceFile> files;
    QSet<QString> seen;
    const auto add = [&](const QString &name, const QString &host) {
        const QString canonical = QFileInfo(host).canonicalFilePath();
        if (seen.contains(canonical))
            return;
        seen.insert(canonical);
        files.append({name, host});
    };
    for (const QString &source : sources) {
        const QString host = drives.resolve(source);
        if (host.isEmpty()) {
            result.rejected.append({source, u"驱动器不存在"_s});
            continue;
        }
        const QFileInfo info(host);
        if (info.isFile()) {
            add(source, host);
        } else if (info.isDir()) {
            QStringList found;
            QDirIterator it(host, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext())
                found.append(it.next());
            std::sort(found.begin(), found.end());
            for (const QString &f : std::as_const(found)) {
                if (hasTxtSuffix(f))
                    add(f, f);
                else
                    ++result.filesSkipped;
            }
        } else {
            result.rejected.append({source, u"文件或文件夹不存在"_s});
        }
    }
    return files;
}

// The content file name of a document's date ("0000-00-00": the undated file).
QString contentNameOf(QStringView date)
{
    if (isUndatedDate(date))
        return contentFileName(0, 0);
    return contentFileName(date.first(4).toInt(), date.sliced(5, 2).toInt());
}

struct OldDocument {
    QByteArray raw; // the field's bytes as stored
    QString key;    // empty for a damaged document
};

// The documents of a content file, each one field.
QList<OldDocument> readContentFile(const QByteArray &bytes, bool undatedFile)
{
    QList<OldDocument> docs;
    RecordReader reader(bytes);
    const QString marker = RecordMarker();
    const QString damaged = DamagedPhrase();
    while (!reader.atEnd()) {
        const auto field = reader.nextField();
        if (!field)
            break;
        OldDocument doc{field->bytes.toByteArray(), {}};
        const QString text = Gbk::decode(field->bytes);
        if (text.contains(marker) && !text.contains(damaged)) {
            const QString date = undatedFile ? UndatedDate : documentDate(text).value_or(u"?"_s);
            doc.key = lawKey(documentTitle(text), date);
        }
        docs.append(std::move(doc));
    }
    return docs;
}

} // namespace

// ---------------------------------------------------------------------------

bool ImportedLaw::undated() const
{
    return isUndatedDate(date);
}

QString ImportedLaw::text() const
{
    return composeLawDocument(title, issuer, date, inForce, validity, body);
}

QString composeLawDocument(QStringView title, QStringView issuer, QStringView date,
                           QStringView inForce, QStringView validity, QStringView body)
{
    QString out;
    out.reserve(title.size() + issuer.size() + validity.size() + body.size() + 64);
    const QStringView values[] = {title, issuer, date, inForce, validity};
    for (int i = 0; i < 5; ++i) {
        out += HeaderLabels[i];
        out += u' ';
        out += values[i];
        out += u"\r\n";
    }
    out += body;
    return out;
}

QString deriveCategories(QStringView issuer, QStringView title)
{
    QString digits;
    if (containsAny(issuer, {u"全国人民代表大会", u"全国人大"}))
        digits += u'1';
    else if (containsAny(issuer, {u"国务院", u"中共中央", u"中央军事委员会", u"中央军委"}))
        digits += u'2';
    else if (containsAny(issuer, {u"最高人民法院", u"最高人民检察院"}))
        digits += u'3';
    else if (isLocalBody(issuer))
        digits += u'5';
    else if (containsAny(issuer,
                         {u"部", u"委", u"局", u"署", u"银行", u"协会", u"办公室", u"交易所"}))
        digits += u'4';

    if (containsAny(title,
                    {u"外商", u"涉外", u"国际", u"中外", u"对外", u"外资", u"外国", u"境外",
                     u"外汇", u"进出口", u"出入境", u"港澳", u"台湾", u"华侨", u"世界贸易组织"}) ||
        title.contains(u"WTO", Qt::CaseInsensitive))
        digits += u'6';

    const QStringView bare = bareTitle(title);
    if (containsAny(title, {u"范本", u"示范文本"}) ||
        endsWithAny(bare, {u"合同", u"合同书", u"协议", u"协议书"}))
        digits += u'7';

    if (containsAny(title, {u"判决书", u"裁定书", u"调解书", u"裁决书", u"案例"}) ||
        (bare.endsWith(u'案') &&
         !endsWithAny(bare, {u"草案", u"方案", u"预案", u"议案", u"提案", u"备案", u"档案", u"法案",
                             u"答案", u"专案", u"图案", u"文案", u"修正案", u"立案"})))
        digits += u'8';

    if (digits.isEmpty())
        digits = u"9"_s;
    return digits;
}

std::optional<QString> normaliseLawDate(QStringView text)
{
    const QString t = asciiDigits(text).trimmed();
    bool onlyZeros = true;
    for (QChar c : t) {
        if (c != u'0' && !c.isSpace() && !QStringView(u"-/.年月日－／．").contains(c)) {
            onlyZeros = false;
            break;
        }
    }
    if (onlyZeros)
        return UndatedDate;

    int y = 0, m = 0, d = 0;
    bool isDate = false;
    if (t.size() == 8 && std::all_of(t.begin(), t.end(), [](QChar c) { return c.isDigit(); })) {
        y = t.first(4).toInt();
        m = t.sliced(4, 2).toInt();
        d = t.sliced(6, 2).toInt();
        isDate = true;
    } else {
        // Year, month and day, each separated by "-", "/", "." (or their
        // full-width forms) or written with 年 月 日.
        QList<int> numbers;
        QString seps;
        qsizetype i = 0;
        while (i < t.size()) {
            if (t[i].isSpace()) {
                ++i;
                continue;
            }
            if (t[i] >= u'0' && t[i] <= u'9') {
                const qsizetype start = i;
                while (i < t.size() && t[i] >= u'0' && t[i] <= u'9')
                    ++i;
                if (i - start > 4)
                    return std::nullopt;
                numbers.append(t.sliced(start, i - start).toInt());
                if (numbers.size() == 1 && i - start != 4)
                    return std::nullopt;
                continue;
            }
            seps += t[i];
            ++i;
        }
        const bool cjk = seps == u"年月日" || seps == u"年月";
        const bool plain =
            seps.size() == 2 && seps[0] == seps[1] && QStringView(u"-/.－／．").contains(seps[0]);
        if (numbers.size() == 3 && (cjk || plain)) {
            y = numbers[0];
            m = numbers[1];
            d = numbers[2];
            isDate = true;
        }
    }
    const QDate date(y, m, d);
    if (!isDate || !date.isValid() || y < 1)
        return std::nullopt;
    return date.toString(u"yyyy-MM-dd"_s);
}

std::optional<QString> decodeLawSource(QByteArrayView bytes, QString *why)
{
    const auto fail = [&](const QString &reason) -> std::optional<QString> {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    if (bytes.contains('\0'))
        return fail(u"不是文本文件 (含有零字节)"_s);
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    if (bom)
        bytes = bytes.sliced(3);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii || bom) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        QString text = utf8.decode(bytes);
        if (!utf8.hasError())
            return text;
        if (bom)
            return fail(u"以 UTF-8 标记开头, 但不是有效的 UTF-8 文本"_s);
    }
    for (qsizetype i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const qsizetype len = Gbk::characterLength(bytes, i);
        if (len < 2)
            return fail(u"既不是 UTF-8 也不是 GBK 编码的文本"_s);
        i += len;
    }
    return Gbk::decode(bytes);
}

ParsedLawSource parseLawSource(QStringView source)
{
    ParsedLawSource parsed;
    const auto reject = [&](const QString &reason) {
        parsed.reason = reason;
        return parsed;
    };

    // A double quote would end the record early: the writer stores the
    // full-width mark, and so does the document from the start, so that the
    // index title and the stored title stay equal.
    QString text = source.toString();
    text.replace(QChar(u'"'), QChar(FullWidthQuote));
    const QList<QStringView> lines = splitLines(text);

    QString values[5];
    std::optional<QString> category;
    qsizetype i = 0;
    const auto takeCategory = [&](QStringView value) -> bool {
        const auto digits = categoryDigits(value);
        if (!digits)
            return false;
        category = *digits;
        return true;
    };
    for (int expected = 0; expected < 5;) {
        while (i < lines.size() && lines[i].trimmed().isEmpty())
            ++i;
        if (i >= lines.size())
            return reject(u"缺少"_s + HeaderLabels[expected] + u"行"_s);
        QStringView value;
        const Label label = labelOf(lines[i].trimmed(), &value);
        if (label == Label::Category && !category) {
            if (!takeCategory(value))
                return reject(u"【类    别】只能写 1 到 9 的数字: "_s + value);
            ++i;
            continue;
        }
        if (label != Label(int(Label::Title) + expected))
            return reject(u"缺少"_s + HeaderLabels[expected] + u"行 (第 "_s +
                          QString::number(i + 1) + u" 行是: "_s + lines[i].trimmed().left(30) +
                          u")"_s);
        values[expected] = value.toString();
        ++i;
        ++expected;
    }
    if (!category && i < lines.size()) {
        QStringView value;
        if (labelOf(lines[i].trimmed(), &value) == Label::Category) {
            if (!takeCategory(value))
                return reject(u"【类    别】只能写 1 到 9 的数字: "_s + value);
            ++i;
        }
    }

    ImportedLaw doc;
    doc.title = values[0];
    doc.issuer = values[1];
    doc.validity = values[4];
    if (doc.title.isEmpty())
        return reject(u"标题是空的"_s);
    const auto date = normaliseLawDate(values[2]);
    if (!date)
        return reject(u"颁布日期无法识别: "_s + values[2]);
    doc.date = *date;
    const auto inForce = normaliseLawDate(values[3]);
    doc.inForce = values[3].isEmpty() ? QString() : inForce.value_or(values[3]);

    // Texts the program itself looks for in a document or a list row.
    const QString marker = RecordMarker();
    for (QString *v : {&doc.title, &doc.issuer, &doc.validity})
        v->remove(marker);
    for (const char16_t *phrase : {u"【颁布单位】", u"期】", u"【实施日期】"}) {
        if (doc.title.contains(QStringView(phrase)) || doc.issuer.contains(QStringView(phrase)))
            return reject(u"标题或颁布单位含“"_s + QStringView(phrase) + u"”, 文件头无法解析"_s);
    }
    if (!doc.undated() && isUndatedDate(doc.title))
        return reject(u"标题含“0000”: 列表会把它当作无日期的文件, 无法打开"_s);
    if (doc.validity.contains(u')'))
        return reject(u"有效性含“)”: 列表行的标题会从这里截断, 无法打开"_s);
    if (text.contains(DamagedPhrase()))
        return reject(u"含有“"_s + DamagedPhrase() + u"”, 会被当作已损坏的文件"_s);

    // The body: everything after the header, trailing blank lines dropped.
    qsizetype end = lines.size();
    while (end > i && lines[end - 1].trimmed().isEmpty())
        --end;
    QStringList body;
    body.reserve(end - i);
    for (qsizetype k = i; k < end; ++k)
        body.append(lines[k].toString());
    doc.body = body.join(u"\r\n"_s);
    if (!doc.body.contains(marker))
        doc.body += (doc.body.isEmpty() ? QString() : u"\r\n"_s) + marker;

    doc.categories =
        category && !category->isEmpty() ? *category : deriveCategories(doc.issuer, doc.title);

    if (std::any_of(doc.issuer.begin(), doc.issuer.end(),
                    [](QChar c) { return c >= u'1' && c <= u'9'; }))
        parsed.notes.append(u"颁布单位含数字, 该文件也会列在这些数字的类别下"_s);
    if (containsAny(doc.title, {u"实施日期", u"颁布日期"}))
        parsed.notes.append(u"标题含“实施日期”或“颁布日期”, 正文检索列出的行会不完整"_s);
    parsed.document = std::move(doc);
    return parsed;
}

bool isContentFileName(QStringView fileName)
{
    if (fileName.size() != 10 || !fileName.endsWith(u".dll", Qt::CaseInsensitive))
        return false;
    return std::all_of(fileName.begin(), fileName.begin() + 6,
                       [](QChar c) { return c.unicode() >= 0xE492 && c.unicode() <= 0xE49B; });
}

LawImportResult importLaws(const DriveMap &drives, const QStringList &sources,
                           const LawImportOptions &options)
{
    LawImportResult result;
    const RecordFile files(drives);

    // 1. Read the sources; a later document of the same title and date
    //    replaces an earlier one.
    QList<ImportedLaw> docs;
    QList<QString> docFiles;
    QHash<QString, qsizetype> docOfKey;
    for (const SourceFile &source : collectSources(drives, sources, result)) {
        ++result.filesRead;
        QFile file(source.host);
        if (!file.open(QIODevice::ReadOnly)) {
            result.rejected.append({source.name, u"无法读取: "_s + file.errorString()});
            continue;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            result.rejected.append({source.name, u"无法读取: "_s + file.errorString()});
            continue;
        }
        QString why;
        const auto text = decodeLawSource(bytes, &why);
        if (!text) {
            result.rejected.append({source.name, why});
            continue;
        }
        ParsedLawSource parsed = parseLawSource(*text);
        if (!parsed.document) {
            result.rejected.append({source.name, parsed.reason});
            continue;
        }
        for (const QString &note : std::as_const(parsed.notes))
            result.notes.append({source.name, note});
        const QString key = lawKey(parsed.document->title, parsed.document->date);
        if (const auto it = docOfKey.constFind(key); it != docOfKey.cend()) {
            result.notes.append(
                {docFiles[*it], u"与 "_s + source.name + u" 的标题和日期相同, 只导入后者"_s});
            docs[*it] = std::move(*parsed.document);
            docFiles[*it] = source.name;
        } else {
            docOfKey.insert(key, docs.size());
            docs.append(std::move(*parsed.document));
            docFiles.append(source.name);
        }
    }
    if (docs.isEmpty()) {
        result.failure =
            sources.isEmpty() ? u"没有指定要导入的文件"_s : u"没有可以导入的文件; 数据库没有改动"_s;
        return result;
    }
    result.imported = int(docs.size());

    // 2. The new index: the old rows (unless replacing), an imported document
    //    taking the place of the first row of its title and date.
    QList<IndexRow> rows;
    if (!options.replace) {
        FileResult read;
        const auto bytes = files.readAll(lawIndexPath(), &read);
        if (!bytes && read.error != FileResult::Error::NotFound) {
            result.failure = u"无法读取索引: "_s + read.message() + u"; 数据库没有改动"_s;
            return result;
        }
        if (bytes) {
            int badLine = 0;
            auto old = readIndex(*bytes, &badLine);
            if (!old) {
                result.failure = u"索引 index.txt 第 "_s + QString::number(badLine) +
                                 u" 行不是四个字段的记录, 无法在其上扩充; 数据库没有改动 "_s
                                 u"(可用 --replace 重建)"_s;
                return result;
            }
            rows = std::move(*old);
        }
    }
    {
        QHash<QString, qsizetype> firstRow;
        for (qsizetype r = rows.size() - 1; r >= 0; --r) // the first row of a key wins
            firstRow.insert(rows[r].key(), r);
        QList<bool> dropped(rows.size(), false);
        for (const ImportedLaw &d : std::as_const(docs)) {
            const IndexRow row{d.title, d.date, d.orgField(), d.validity};
            const auto it = firstRow.constFind(row.key());
            if (it == firstRow.cend()) {
                rows.append(row);
                dropped.append(false);
                ++result.added;
                continue;
            }
            ++result.replaced;
            const QString key = row.key();
            for (qsizetype r = *it + 1; r < dropped.size(); ++r) {
                if (!dropped[r] && rows[r].key() == key)
                    dropped[r] = true;
            }
            rows[*it] = row;
        }
        QList<IndexRow> kept;
        kept.reserve(rows.size());
        for (qsizetype r = 0; r < rows.size(); ++r) {
            if (!dropped[r])
                kept.append(std::move(rows[r]));
        }
        rows = std::move(kept);
    }
    sortRows(rows);
    if (rows.size() > LawTables::RecordCapacity) {
        result.failure = u"导入后将有 "_s + QString::number(rows.size()) +
                         u" 篇文件, 超过程序能读的 180000 篇; 数据库没有改动"_s;
        return result;
    }
    result.total = int(rows.size());
    result.undated =
        int(std::count_if(rows.begin(), rows.end(), [](const IndexRow &r) { return r.undated(); }));

    // 3. Stage the new content files (the undated file first, as it may
    //    refuse the import) and the index.
    QMap<QString, QList<qsizetype>> docsOfFile;
    for (qsizetype k = 0; k < docs.size(); ++k)
        docsOfFile[contentNameOf(docs[k].date)].append(k);
    QStringList names = docsOfFile.keys();
    const QString undatedName = contentFileName(0, 0);
    if (names.removeOne(undatedName))
        names.prepend(undatedName);

    for (const QString &folder : {QString(InstallPaths::installDir() + InstallPaths::lawbaseDir()),
                                  InstallPaths::contentDir()}) {
        if (FileResult r = files.makeDirectory(folder); !r) {
            result.failure = r.message() + u"; 数据库没有改动"_s;
            return result;
        }
    }

    StagedFiles staged;
    QStringList cleanupNames; // replacing: files still holding old documents
    for (const QString &name : std::as_const(names)) {
        const bool undatedFile = name == undatedName;
        const QString path = ContentFile(name);
        FileResult read;
        const auto oldBytes = files.readAll(path, &read);
        if (!oldBytes && read.error != FileResult::Error::NotFound) {
            result.failure = u"无法读取正文文件: "_s + read.message() + u"; 数据库没有改动"_s;
            return result;
        }
        const QList<OldDocument> old =
            oldBytes ? readContentFile(*oldBytes, undatedFile) : QList<OldDocument>();

        const QList<qsizetype> &mine = docsOfFile[name];
        QHash<QString, qsizetype> newOfKey;
        for (qsizetype k : mine)
            newOfKey.insert(lawKey(docs[k].title, docs[k].date), k);
        QSet<qsizetype> placed;
        QList<QByteArray> out;
        out.reserve(old.size() + mine.size());
        qsizetype firstDamaged = -1;
        bool keptOld = false;
        for (qsizetype o = 0; o < old.size(); ++o) {
            const OldDocument &d = old[o];
            if (d.key.isEmpty()) {
                if (firstDamaged < 0) {
                    firstDamaged = out.size();
                    result.warnings.append(
                        u"正文文件 "_s + files.hostPath(path) + u" 的第 "_s +
                        QString::number(o + 1) +
                        u" 篇没有记录标记或含“中国法律资源”, 其后的文件都无法打开; "_s
                        u"新导入的文件放在它前面"_s);
                }
                out.append(d.raw);
                keptOld = true;
                continue;
            }
            const auto it = newOfKey.constFind(d.key);
            if (it == newOfKey.cend()) {
                out.append(d.raw);
                keptOld = true;
                continue;
            }
            // Replaced in place while it can be reached; a later copy, or one
            // behind a damaged document, is dropped.
            if (firstDamaged < 0 && !placed.contains(*it)) {
                out.append(Gbk::encode(docs[*it].text()));
                placed.insert(*it);
            }
        }
        QList<QByteArray> added;
        for (qsizetype k : mine) {
            if (!placed.contains(k))
                added.append(Gbk::encode(docs[k].text()));
        }
        if (firstDamaged < 0) {
            out.append(added);
        } else {
            QList<QByteArray> front = out.first(firstDamaged);
            front.append(added);
            front.append(out.sliced(firstDamaged));
            out = std::move(front);
        }

        if (undatedFile) {
            const qsizetype finalCount = options.replace ? mine.size() : out.size();
            if (finalCount > UndatedLimit) {
                result.failure = u"导入后无日期的文件将有 "_s + QString::number(finalCount) +
                                 u" 篇, 程序只能读前 9999 篇; 数据库没有改动"_s;
                return result;
            }
        }
        if (options.replace && keptOld)
            cleanupNames.append(name);

        QByteArray bytes;
        qsizetype size = 0;
        for (const QByteArray &b : std::as_const(out))
            size += b.size() + 4;
        bytes.reserve(size);
        for (const QByteArray &b : std::as_const(out))
            appendOldRecord(bytes, b);
        if (FileResult r = staged.stage(files.hostPath(path), bytes); !r) {
            result.failure = u"无法写入: "_s + r.message() + u"; 数据库没有改动"_s;
            return result;
        }
    }
    const QString indexHost = files.hostPath(lawIndexPath());
    if (FileResult r = staged.stage(indexHost, indexBytes(rows)); !r) {
        result.failure = u"无法写入: "_s + r.message() + u"; 数据库没有改动"_s;
        return result;
    }

    // 4. Put the content files in place, then the index, last.
    const QString contentHost = files.hostPath(InstallPaths::contentDir());
    for (qsizetype s = 0; s < staged.size(); ++s) {
        const bool isIndex = s == staged.size() - 1;
        if (isIndex)
            syncFolder(contentHost);
        if (options.beforeReplacing && !options.beforeReplacing(staged.target(s))) {
            result.failure = u"导入在放置 "_s + staged.target(s) +
                             u" 之前停止; 索引没有更新, 原有文件都还能打开"_s;
            return result;
        }
        if (FileResult r = staged.putInPlace(s); !r) {
            result.failure = u"无法替换 "_s + r.message() + u"; 索引没有更新, 原有文件都还能打开"_s;
            return result;
        }
        if (isIndex) {
            syncFolder(QFileInfo(indexHost).path());
            result.indexWritten = true;
        } else {
            ++result.contentFilesWritten;
        }
    }

    // 5. Replacing: with the new index in place, drop the old documents and
    //    the content files no row refers to any more.
    if (options.replace) {
        for (const QString &name : std::as_const(cleanupNames)) {
            QByteArray bytes;
            for (qsizetype k : docsOfFile[name])
                appendRecord(bytes, Gbk::encode(docs[k].text()));
            if (FileResult r = AtomicFile::replace(files.hostPath(ContentFile(name)), bytes); !r)
                result.warnings.append(u"清理未完成 (数据库可以正常使用): "_s + r.message());
        }
        QSet<QString> written;
        for (const QString &name : std::as_const(names))
            written.insert(QFileInfo(files.hostPath(ContentFile(name))).fileName());
        for (const QString &name : files.listFiles(InstallPaths::contentDir())) {
            if (!isContentFileName(name) || written.contains(name))
                continue;
            const QString host = QDir(contentHost).filePath(name);
            if (!QFile::remove(host))
                result.warnings.append(u"清理未完成 (数据库可以正常使用): 无法删除 "_s + host);
        }
    }
    return result;
}
