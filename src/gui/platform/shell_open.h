#pragma once

#include <QString>
#include <QUrl>

// The desktop's "open" action: hands a target to its default application.
class ShellOpen
{
public:
    virtual ~ShellOpen();

    // target is a web address ("http://...", "www..."), a "mailto:" address or a host
    // file path (an attachment, a rich-text file). maximised asks for the application's
    // window to open maximised where the desktop supports it. Nothing is reported back.
    virtual void open(const QString &target, bool maximised) = 0;

    // What a target stands for:
    // - "www." at the start (any case): a web address, http:// is put in front;
    // - a scheme ("http:", "https:", "mailto:", "ftp:", "file:" ...): the address as given;
    // - an absolute path, or a relative path that names an existing file: that file;
    // - anything else: a web address without its scheme, http:// is put in front.
    // Spaces around the target do not count. An empty target gives an empty QUrl.
    static QUrl urlFor(const QString &target);
};
