#include "core/lawdb/gov_urls.h"

#include "core/foundation/install_paths.h"
#include "core/foundation/record_file.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString lawbase(const QString &name)
{
    return InstallPaths::installDir() + InstallPaths::lawbaseDir() + name;
}

QList<GovSite> readSites(const RecordFile &files)
{
    QList<GovSite> sites;
    if (auto reader = files.openForReading(govUrlsPath())) {
        GovSite s;
        while (!reader->atEnd() && reader->readFields(s.group, s.body, s.url, s.note))
            sites.append(s);
    }
    return sites;
}

// The names of a one-field table that occur in the text, in file order.
QStringList namesIn(const RecordFile &files, const QString &path, QStringView text)
{
    QStringList found;
    if (auto reader = files.openForReading(path)) {
        QString name;
        while (found.size() < GovFoundCapacity && !reader->atEnd() && reader->read(name)) {
            if (!name.isEmpty() && text.contains(name))
                found.append(name);
        }
    }
    return found;
}

} // namespace

QString govUrlsPath()
{
    return lawbase(u"GovURLs.txt"_s);
}

QString placesPath()
{
    return lawbase(u"places.txt"_s);
}

QString sectorsPath()
{
    return lawbase(u"Sectors.txt"_s);
}

GovUrlSearch ToURLGov(const RecordFile &files, QStringView paneText)
{
    GovUrlSearch search;
    const qsizetype label = paneText.indexOf(u"【颁布日期】");
    if (label < 0) {
        search.outcome = GovUrlSearch::Outcome::NoDocument;
        return search;
    }
    QStringView header = paneText.first(label);
    while (header.endsWith(u'\n') || header.endsWith(u'\r'))
        header.chop(1);
    const qsizetype issuerLabel = header.indexOf(u"颁布单位】");
    const QString issuer =
        issuerLabel >= 0 ? header.mid(issuerLabel + 5).trimmed().toString() : QString();

    if (!files.exists(govUrlsPath())) {
        search.outcome = GovUrlSearch::Outcome::NoUrlTable;
        return search;
    }
    if (!files.exists(placesPath())) {
        search.outcome = GovUrlSearch::Outcome::NoPlaces;
        return search;
    }
    if (!files.exists(sectorsPath())) {
        search.outcome = GovUrlSearch::Outcome::NoSectors;
        return search;
    }

    const QStringList places = namesIn(files, placesPath(), header);
    const QStringList sectors = namesIn(files, sectorsPath(), header);
    const QList<GovSite> table = readSites(files);

    // A body of a place and a sector named in the header; a pass over the
    // table ends once ten are collected.
    QList<GovSite> collected;
    for (const QString &place : places) {
        for (const QString &sector : sectors) {
            for (const GovSite &site : table) {
                if (collected.size() >= GovSitesCapacity)
                    break;
                if (site.body.contains(place) && site.body.contains(sector))
                    collected.append(site);
                if (collected.size() > 9)
                    break;
            }
        }
    }
    // Else the issuing body itself.
    if (collected.isEmpty()) {
        for (const GovSite &site : table) {
            const QString body = site.body.trimmed();
            if (!body.isEmpty() && (issuer.contains(body) || issuer == body))
                collected.append(site);
            if (collected.size() > 9)
                break;
        }
    }
    if (collected.isEmpty())
        return search;

    std::stable_sort(collected.begin(), collected.end(), [](const GovSite &a, const GovSite &b) {
        return a.body.size() > b.body.size();
    });
    QSet<QString> offered;
    for (const GovSite &site : std::as_const(collected)) {
        if (site.url.isEmpty())
            break;
        if (offered.contains(site.url))
            continue;
        offered.insert(site.url);
        search.sites.append(site);
    }
    search.outcome = GovUrlSearch::Outcome::Found;
    return search;
}
