#include "core/clients/client_names.h"

#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t OpeningQuote = u'\u201C'; // “
constexpr char16_t ClosingQuote = u'\u201D'; // ”

bool onlyDotsAndBlanks(QStringView text)
{
    for (QChar c : text) {
        if (c != u'.' && !c.isSpace())
            return false;
    }
    return true;
}

} // namespace

bool isForbiddenNameCharacter(QChar c)
{
    switch (c.unicode()) {
    case u'"':
    case u'*':
    case u'/':
    case u':':
    case u'<':
    case u'>':
    case u'?':
    case u'\\':
    case u'|':
        return true;
    default:
        return false;
    }
}

ClientNotice forbiddenFirstLineNotice()
{
    return {u"首行禁用字符包括：\r\n\\  /  :  *  ?  |  \u201C  <  > \r\n等, 请重新录入!"_s,
            u"警告!"_s, ClientNotice::Icon::Warning};
}

ValidName ValidFileName(QStringView text)
{
    ValidName result;
    result.name.reserve(text.size());
    for (QChar c : text) {
        if (!isForbiddenNameCharacter(c))
            result.name.append(c);
    }
    // Nothing usable left of a line that was there: only forbidden
    // characters, or (as no folder can be named so) only dots and blanks.
    if (!text.isEmpty() && onlyDotsAndBlanks(result.name)) {
        result.name.clear();
        result.warning = forbiddenFirstLineNotice();
    }
    return result;
}

QString ASC34Check(QStringView text, int &QuoteToggle)
{
    QString out = text.toString();
    for (QChar &c : out) {
        if (c != u'"')
            continue;
        if (QuoteToggle == 0) {
            c = QChar(OpeningQuote);
            QuoteToggle = 1;
        } else {
            c = QChar(ClosingQuote);
            QuoteToggle = 0;
        }
    }
    return out;
}

bool isClientFolderName(QStringView name)
{
    if (onlyDotsAndBlanks(name)) // the empty name too
        return false;
    for (QStringView own : {u"clients.txt", u"remind.txt", u"class.txt"}) {
        if (name.compare(own, Qt::CaseInsensitive) == 0)
            return false;
    }
    for (QChar c : name) {
        if (c == u'\\' || c == u'/' || c == u'\0')
            return false;
    }
    return true;
}

std::optional<QString> clientFolderPath(QStringView name)
{
    if (!isClientFolderName(name))
        return std::nullopt;
    return clientsDirectory() + name;
}

std::optional<QString> clientLedgerPath(QStringView name)
{
    const auto folder = clientFolderPath(name);
    if (!folder)
        return std::nullopt;
    return *folder + u"\\PACC.txt"_s;
}

FileResult makeClientFolder(const RecordFile &files, QStringView name)
{
    const auto path = clientFolderPath(name);
    if (!path)
        return FileResult::failure(FileResult::Error::WriteFailed, name.toString(),
                                   u"不能作为客户文件夹的名称"_s);
    return files.makeDirectory(*path);
}
