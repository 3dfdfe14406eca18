#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

class DriveMap;

// The sample clients of the demo install: a handful of invented clients, one
// or more in each category, stored through the same staging and SaveEdit as
// a record typed into the pane, each with its folder. Some records mention
// days of the month of `today` in the date forms the client search knows
// (today itself among them), some an e-mail address or a web address (in
// the example.com and example.org domains). Timestamps are `today` at fixed
// times of the morning, so the same `today` gives the same files.

struct DemoClientResult {
    int written = 0;   // clients stored
    bool kept = false; // a register was there and was left as it was
    QString failure;   // why the clients are not all stored
    bool ok() const { return failure.isEmpty(); }
};

// The names of the sample clients, in register order.
QStringList demoClientNames();

// Writes the sample clients unless "clients\clients.txt" is there; with
// `overwrite` it replaces a register that is there by the samples (other
// client folders stay).
DemoClientResult writeDemoClients(const DriveMap &drives, QDate today, bool overwrite);
