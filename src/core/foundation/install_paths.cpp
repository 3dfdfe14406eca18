#include "core/foundation/install_paths.h"

using namespace Qt::StringLiterals;

namespace InstallPaths {

QString installDir()
{
    return u"c:\\program files\\quorix\\"_s;
}
QString contentDir()
{
    return u"c:\\program files\\common files\\lab\\"_s;
}
QString calendarFile()
{
    return u"c:\\Program files\\quorix\\calendar.txt"_s;
}
QString clientsDir()
{
    return u"clients\\"_s;
}
QString lawbaseDir()
{
    return u"lawbase\\"_s;
}
QString yellowPageDir()
{
    return u"YellowPage\\"_s;
}

} // namespace InstallPaths
