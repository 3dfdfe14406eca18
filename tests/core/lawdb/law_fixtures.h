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

// A small law database: two documents of April 2003 (one also
// foreign-related), one of June 2001 (失效) and one undated, with their
// index, newest first.
struct SmallLawDatabase {
    LawDocument a{QStringLiteral("甲合同规定")};
    LawDocument b{QStringLiteral("乙管理办法")};
    LawDocument c{QStringLiteral("丙决定")};
    LawDocument u{QStringLiteral("丁范本")};

    SmallLawDatabase()
    {
        a.body = QStringLiteral("合同双方应当遵守WTO规则。合同应当书面订立，合同一式两份。");
        b.date = QStringLiteral("2003-04-20");
        b.issuer = QStringLiteral("财政部");
        b.body = QStringLiteral("关于合同的管理。");
        c.date = QStringLiteral("2001-06-30");
        c.validity = QStringLiteral("失效");
        u.date = QStringLiteral("0000-00-00");
        u.body = QStringLiteral("无日期的wto合同文本。");
    }

    void write(const InstallTree &tree) const
    {
        writeContentFile(tree, 2003, 4, {a.text(), b.text()});
        writeContentFile(tree, 2001, 6, {c.text()});
        writeContentFile(tree, 0, 0, {u.text()});
        tree.writeRecords(QStringLiteral("c:\\program files\\quorix\\lawbase\\index.txt"),
                          {
                              {b.title, b.date, QStringLiteral("4财政部"), b.validity},
                              {a.title, a.date, QStringLiteral("26国务院"), a.validity},
                              {c.title, c.date, QStringLiteral("2国务院"), c.validity},
                              {u.title, u.date, QStringLiteral("7"), u.validity},
                          });
    }
};
