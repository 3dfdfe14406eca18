#pragma once

#include <QDate>

// The positions and moments the lunar calendar is reckoned from. Times are
// Julian days: JDE in Terrestrial Time, JD in Universal Time. The Sun comes
// from the leading terms of the planetary theory of the Earth, with
// nutation and aberration; the new moons from the mean lunation with its
// periodic and planetary corrections. Both are good to about a minute from
// 1800 to 2200.

// The Sun's apparent geocentric longitude in degrees (0 <= value < 360).
double solarApparentLongitude(double jde);

// TT - UT in seconds at a decimal year (2025.5 is the middle of 2025).
double deltaT(double year);

// The moment of new moon number k, counted from the new moon of
// 2000-01-06 (k = 0), negative before it.
double newMoonJde(int k);

// The moment in UT of a moment in TT.
double universalTime(double jde);

// The civil day of a moment (JD in UT) in Beijing time (UTC+8).
QDate beijingDay(double jdUt);
