#pragma once

#include <QDate>
#include <QList>
#include <QString>

// The 24 solar terms (节气): the moments at which the Sun's apparent
// longitude reaches a multiple of 15 degrees, dated in Beijing time. The
// twelve at multiples of 30 degrees are the major terms (中气) that name
// the lunar months.

inline constexpr int SolarTermFirstYear = 1799;
inline constexpr int SolarTermLastYear = 2201;

// The name of the term at a longitude that is a multiple of 15 (0 is 春分,
// 15 清明, ... 270 冬至, 315 立春).
QString solarTermName(int longitude);

struct SolarTerm {
    int longitude = 0; // 0, 15, ... 345
    double jdUt = 0;   // the moment, as a Julian day in UT
    QDate date;        // the day of that moment in Beijing time

    bool isMajor() const { return longitude % 30 == 0; }
    QString name() const { return solarTermName(longitude); }
};

// The 24 terms of a Gregorian year in their order, from 小寒 (early
// January) to 冬至 (late December). Empty outside SolarTermFirstYear to
// SolarTermLastYear.
QList<SolarTerm> solarTermsOf(int year);
