#include "core/foundation/file_result.h"

using namespace Qt::StringLiterals;

FileResult FileResult::failure(Error error, QString path, QString detail)
{
    FileResult r;
    r.error = error;
    r.path = std::move(path);
    r.detail = std::move(detail);
    return r;
}

QString FileResult::message() const
{
    QString what;
    switch (error) {
    case Error::None:
        return {};
    case Error::NotFound:
        what = u"文件不存在"_s;
        break;
    case Error::UnknownDrive:
        what = u"驱动器不存在"_s;
        break;
    case Error::ReadFailed:
        what = u"无法读取文件"_s;
        break;
    case Error::WriteFailed:
        what = u"无法写入文件"_s;
        break;
    case Error::NotADirectory:
        what = u"不是文件夹"_s;
        break;
    }
    QString text = what + u": "_s + path;
    if (!detail.isEmpty())
        text += u" ("_s + detail + u')';
    return text;
}
