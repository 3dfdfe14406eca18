#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

class DriveMap;

// The pictures of the install folder's "objpics\" folder, drawn here with
// shapes only: no text, so neither fonts nor a window system are needed
// (a QCoreApplication is enough).
//
// The pictures the program loads by name:
//  - navigation buttons "exit", "preview" (previous module), "next", each as
//    1 (resting: a light button face), 2 (pointer over it: a warm, lit face
//    with an orange rim) and 3 (pressed: a darker, sunken face with the
//    drawing moved down and right), ".jpg", 27 x 27 (405 twips);
//  - tool buttons "backup", "restore", "delete", "favoritesadd" (".jpg")
//    and "word", "copy" (".ico"), each enabled (the plain name) and disabled
//    (the name + "0": the same drawing in faded grey); "paste.ico" enabled
//    only; 27 x 27; the ".ico" ones on a transparent ground;
//  - module icons "clients.ico", "law.ico", "Telecom.ico", 32 x 32;
//  - "loadphoto.jpg", the client photo placeholder: a grey silhouette,
//    96 x 128.
// The window's own pictures, which the window loads from the same folder:
//  - "background.jpg": the top band behind the category and picture
//    buttons, 1280 x 64 (960 twips high); "strip.jpg": the page row behind
//    the page bar and the record tools, 1280 x 30 (450 twips high); both
//    change only from top to bottom, so they stretch to any width;
//  - the picture buttons that have no enabled or disabled look:
//    "print.jpg", "email.jpg", "billing.jpg", 27 x 27.
//
// Each file is written in the format its name says when Qt has a writer for
// it (Qt's own JPEG and ICO plugins); without one it holds PNG bytes, which
// Qt's readers recognise by their content whatever the name.

// The file names, in the order they are written.
QStringList demoPictureNames();

// The system path of a picture: "c:\program files\quorix\objpics\" + name.
QString demoPicturePath(const QString &name);

// Draws a picture; a null image for a name not in the list (letter case
// counts, as in the list).
QImage drawDemoPicture(const QString &name);

// The file's bytes for a picture drawn for `name`.
QByteArray encodeDemoPicture(const QImage &image, const QString &name);

struct DemoPictureResult {
    int written = 0;
    int kept = 0;    // files already there, left as they were
    QString failure; // why not every picture was written
    bool ok() const { return failure.isEmpty(); }
};

// Writes every picture on the system drive of `drives`, creating the folder
// when missing. A picture whose file exists (letter case aside) is kept
// unless `overwrite`. Each file is replaced atomically, so a failure leaves
// every file either as it was or complete; the first failure stops the run.
DemoPictureResult writeDemoPictures(const DriveMap &drives, bool overwrite);
