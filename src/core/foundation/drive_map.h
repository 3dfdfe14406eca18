#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

enum class DriveType { Unknown, Removable, Fixed, CdRom };

// Maps the drive letters of the system's paths to host folders and turns a
// path such as "c:\program files\quorix\sounds\soundeffects.txt" into the host
// path of that file.
//
// Drive c: is the system drive: the root folder given with --root. The other
// drives are backup and restore targets.
class DriveMap
{
public:
    struct Drive {
        QChar letter;                  // lower case
        QString hostPath;              // the folder standing for the drive's root
        std::optional<DriveType> type; // set when given; otherwise the system tells
    };

    DriveMap() = default;
    explicit DriveMap(const QString &systemRoot);

    // Adds or replaces a drive.
    void setDrive(QChar letter, const QString &hostPath, std::optional<DriveType> type = {});
    const QList<Drive> &drives() const { return m_drives; }
    const Drive *drive(QChar letter) const;
    QString systemRoot() const;

    // A path that starts with a drive letter and a colon.
    static bool isSystemPath(QStringView path);

    // The host path the system uses for a path. A system path is resolved
    // component by component, "\" or "/" separating them: an existing entry of
    // that exact name is taken, else the first entry in sorted order whose name
    // equals it without regard to letter case, else the name as given (so a
    // new file is created as named). "." is ignored and ".." never climbs
    // above the drive's root. Any other path is taken as a host path, as is.
    // Empty when the drive letter stands for no folder.
    QString resolve(const QString &path) const;

    // The drives of the environment: c: is the root; VERIDANE_DRIVES, as
    // "d=/media/usb;e=/mnt/share,fixed", names the others (types "removable",
    // "fixed", "cdrom" may follow a comma); without it the mounted volumes
    // under /media, /run/media and /mnt take d:, e:, ... in mount-point order.
    // Entries that cannot be used are described in *warnings.
    static DriveMap fromEnvironment(const QString &systemRoot, QStringList *warnings = nullptr);
    static DriveMap fromList(const QString &systemRoot, const QString &list,
                             QStringList *warnings = nullptr);
    static QStringList mountedVolumeFolders();

private:
    QList<Drive> m_drives;
};

// The folder that stands for drive c:: the --root option when given, else
// $VERIDANE_ROOT, else $XDG_DATA_HOME/veridane/c (~/.local/share/veridane/c).
QString defaultSystemRoot(const QString &rootOption = {});
