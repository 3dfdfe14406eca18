#pragma once

#include "core/lawdb/digit_code.h"
#include "support/install_tree.h"

#include <QString>
#include <QStringList>

// Documents and content files in the store's own format, for the law tests.
struct LawDocument {
    QString title;
    QString issuer = QStringLiteral("国务院");
    QString date = QStringLiteral("2003-04-01");
    QString validity = QStringLiteral("有效");
    QString body = QStringLiteral("第一条　为了规范管理，制定本规定。");

    QString text() const
    {
        return LawLabels::Title.toString() + u' ' + title + u"\r\n" + LawLabels::Issuer + u' ' +
               issuer + u"\r\n" + LawLabels::Promulgated + u' ' + date + u"\r\n" +
               LawLabels::InForce + u' ' + date + u"\r\n" + LawLabels::Validity + u' ' + validity +
               u"\r\n" + body + u"\r\n" + RecordMarker();
    }
};

// Writes the documents as the content file of a year and month (0, 0: undated).
inline void writeContentFile(const InstallTree &tree, int year, int month,
                             const QStringList &documents)
{
    QList<Record> records;
    for (const QString &d : documents)
        records.append({d});
    tree.writeRecords(ContentFile(contentFileName(year, month)), records);
}
