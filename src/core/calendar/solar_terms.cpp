#include "core/calendar/solar_terms.h"

#include "core/calendar/astronomy.h"

#include <cmath>

namespace {

const char16_t *const TermNames[24] = {
    u"春分", u"清明", u"谷雨", u"立夏", u"小满", u"芒种", u"夏至", u"小暑",
    u"大暑", u"立秋", u"处暑", u"白露", u"秋分", u"寒露", u"霜降", u"立冬",
    u"小雪", u"大雪", u"冬至", u"小寒", u"大寒", u"立春", u"雨水", u"惊蛰",
};

} // namespace

QString solarTermName(int longitude)
{
    const int index = ((longitude % 360 + 360) % 360) / 15;
    return QString::fromUtf16(TermNames[index]);
}

QList<SolarTerm> solarTermsOf(int year)
{
    QList<SolarTerm> terms;
    if (year < SolarTermFirstYear || year > SolarTermLastYear)
        return terms;
    terms.reserve(24);
    // 小寒 falls on the 5th or 6th of January; each term follows about
    // 15.2 days after the one before.
    const double january6 = double(QDate(year, 1, 6).toJulianDay()) - 0.5;
    constexpr double DaysPerDegree = 365.2422 / 360;
    for (int k = 0; k < 24; ++k) {
        const int longitude = (285 + 15 * k) % 360;
        double jde = january6 + k * 15.2184;
        for (int step = 0; step < 10; ++step) {
            const double off = std::remainder(longitude - solarApparentLongitude(jde), 360.0);
            jde += off * DaysPerDegree;
            if (std::abs(off) < 1e-7)
                break;
        }
        SolarTerm term;
        term.longitude = longitude;
        term.jdUt = universalTime(jde);
        term.date = beijingDay(term.jdUt);
        terms.append(term);
    }
    return terms;
}
