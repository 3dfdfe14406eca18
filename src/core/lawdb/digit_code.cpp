#include "core/lawdb/digit_code.h"

#include "core/foundation/install_paths.h"

using namespace Qt::StringLiterals;

QString DigitCode(QStringView digits)
{
    QString out(digits.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < digits.size(); ++i) {
        const char16_t c = digits[i].unicode();
        const int v = (c >= u'0' && c <= u'9') ? c - u'0' : 0;
        out[i] = QChar(char16_t(0xE49B - v));
    }
    return out;
}

QString contentFileName(int year, int month)
{
    return DigitCode(QString::number(year).rightJustified(4, u'0')) +
           DigitCode(QString::number(month).rightJustified(2, u'0'));
}

QString ContentFile(const QString &name)
{
    return InstallPaths::contentDir() + name + u".dll"_s;
}

QString RecordMarker()
{
    return DigitCode(u"01");
}

QString DamagedPhrase()
{
    return u"中国法律资源"_s;
}
