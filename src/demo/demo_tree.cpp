#include "demo/demo_tree.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

using namespace Qt::StringLiterals;

FileResult writeDemoTree(const DriveMap &drives)
{
    const RecordFile files(drives);
    const QString install = InstallPaths::installDir();
    const QString folders[] = {
        install,
        install + InstallPaths::clientsDir(),
        install + InstallPaths::lawbaseDir(),
        install + InstallPaths::yellowPageDir(),
        install + u"sounds\\"_s,
        install + u"help\\"_s,
        install + u"objpics\\"_s,
        InstallPaths::contentDir(),
    };
    for (const QString &folder : folders) {
        if (FileResult r = files.makeDirectory(folder); !r)
            return r;
    }
    return FileResult::success();
}
