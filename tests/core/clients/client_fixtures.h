#pragma once

#include "core/clients/client_register.h"
#include "support/install_tree.h"

#include <QList>
#include <QString>

// Small registers for the client archive tests.

inline Record asRecord(const ClientRecord &c)
{
    return {c.name, c.timestamp, c.category, c.text};
}

// Writes "clients.txt" with these records.
inline void writeClients(const InstallTree &tree, const QList<ClientRecord> &clients)
{
    QList<Record> records;
    for (const ClientRecord &c : clients)
        records.append(asRecord(c));
    tree.writeRecords(clientsRegisterPath(), records);
}

// A client whose record is its name, a line break and `rest`.
inline ClientRecord client(const QString &name, const QString &category, const QString &rest,
                           const QString &timestamp = QStringLiteral("2024-06-01 09:30:00"))
{
    return {name, timestamp, category, name + QStringLiteral("\r\n") + rest};
}

// `n` numbered clients: 客户1, 客户2, ...
inline QList<ClientRecord> numberedClients(int n, const QString &category = QStringLiteral("企业"))
{
    QList<ClientRecord> out;
    out.reserve(n);
    for (int k = 1; k <= n; ++k)
        out.append(client(QStringLiteral("客户") + QString::number(k), category,
                          QStringLiteral("第") + QString::number(k) + QStringLiteral("号")));
    return out;
}

inline ClientReg loadedClients(const InstallTree &tree)
{
    return LoadClients(tree.files()).reg;
}
