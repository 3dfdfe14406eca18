#include "core/calendar/astronomy.h"

#include <cmath>
#include <iterator>
#include <numbers>

namespace {

// One periodic term of a series: A cos(B + C tau), A in 1e-8 radians (or
// astronomical units), tau in Julian millennia from J2000.0.
struct Term {
    double a, b, c;
};

// The Earth's heliocentric ecliptic longitude (the leading terms of the
// published theory, enough for about one arc second).
constexpr Term L0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
constexpr Term L1[] = {
    {628331966747, 0, 0},       {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517}, {425, 1.590, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.40, 796.30},         {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.30},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.00},
    {11, 0.77, 553.57},         {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},        {9, 2.70, 242.73},
    {9, 5.64, 951.72},          {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
constexpr Term L2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
constexpr Term L3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},          {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52},        {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
constexpr Term L4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
constexpr Term L5[] = {{1, 3.14, 0}};

// The Earth's distance from the Sun (enough for the aberration).
constexpr Term R0[] = {
    {100013989, 0, 0},          {1670700, 3.0984635, 6283.0758500}, {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715}, {1628, 1.1739, 5753.3849},          {1576, 2.8469, 7860.4194},
};
constexpr Term R1[] = {{103019, 1.107490, 6283.075850}, {1721, 1.0644, 12566.1517}};
constexpr Term R2[] = {{4359, 5.7846, 6283.0758}};

template <std::size_t N> double series(const Term (&terms)[N], double tau)
{
    double sum = 0;
    for (const Term &t : terms)
        sum += t.a * std::cos(t.b + t.c * tau);
    return sum;
}

constexpr double Pi = std::numbers::pi;
constexpr double Degree = Pi / 180;
constexpr double ArcSecond = Degree / 3600;
constexpr double J2000 = 2451545.0;

double normalised(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

// Nutation in longitude, in arc seconds (its four largest terms).
double nutationInLongitude(double jde)
{
    const double t = (jde - J2000) / 36525;
    const double omega = (125.04452 - 1934.136261 * t) * Degree;
    const double sun = (280.4665 + 36000.7698 * t) * Degree;
    const double moon = (218.3165 + 481267.8813 * t) * Degree;
    return -17.20 * std::sin(omega) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
           0.21 * std::sin(2 * omega);
}

// A polynomial in t, coefficients from the constant term up.
template <std::size_t N> double polynomial(double t, const double (&c)[N])
{
    double sum = 0;
    for (std::size_t i = N; i-- > 0;)
        sum = sum * t + c[i];
    return sum;
}

// A periodic correction of the new moon: coefficient (days), the power of
// E it carries, and the multiples of M, M', F and Omega in its argument.
struct PhaseTerm {
    double coefficient;
    int ePower;
    int m, mPrime, f, omega;
};

constexpr PhaseTerm NewMoonTerms[] = {
    {-0.40720, 0, 0, 1, 0, 0}, {0.17241, 1, 1, 0, 0, 0},    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},  {0.00739, 1, -1, 1, 0, 0},   {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},  {-0.00111, 0, 0, 1, -2, 0},  {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},  {-0.00042, 0, 0, 3, 0, 0},   {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0}, {-0.00024, 1, -1, 2, 0, 0},  {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0}, {0.00004, 0, 0, 2, -2, 0},   {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0}, {0.00003, 0, 0, 2, 2, 0},    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0}, {-0.00002, 0, -1, 1, -2, 0}, {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
};

// The planetary corrections: coefficient (days), and the argument's
// value at k = 0 and change per lunation (degrees).
struct PlanetaryTerm {
    double coefficient, start, perLunation;
};

constexpr PlanetaryTerm PlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408},  {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};

} // namespace

double solarApparentLongitude(double jde)
{
    const double tau = (jde - J2000) / 365250;
    const double l =
        (series(L0, tau) +
         tau *
             (series(L1, tau) +
              tau * (series(L2, tau) +
                     tau * (series(L3, tau) + tau * (series(L4, tau) + tau * series(L5, tau)))))) /
        1e8;
    const double r = (series(R0, tau) + tau * (series(R1, tau) + tau * series(R2, tau))) / 1e8;
    // Geocentric: the opposite direction; then the small correction of the
    // theory to the FK5 frame, nutation and aberration.
    const double geometric = l + Pi;
    const double apparent = geometric - 0.09033 * ArcSecond + nutationInLongitude(jde) * ArcSecond -
                            20.4898 * ArcSecond / r;
    return normalised(apparent / Degree);
}

double deltaT(double y)
{
    // Polynomial fits of the observed values, and the long-term parabola
    // beyond them.
    if (y < 1860) {
        static constexpr double c[] = {13.72,       -0.332447,    0.0068612,     0.0041116,
                                       -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875};
        return polynomial(y - 1800, c);
    }
    if (y < 1900) {
        static constexpr double c[] = {7.62,       0.5737,        -0.251754,
                                       0.01680668, -0.0004473624, 1.0 / 233174};
        return polynomial(y - 1860, c);
    }
    if (y < 1920) {
        static constexpr double c[] = {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197};
        return polynomial(y - 1900, c);
    }
    if (y < 1941) {
        static constexpr double c[] = {21.20, 0.84493, -0.076100, 0.0020936};
        return polynomial(y - 1920, c);
    }
    if (y < 1961) {
        static constexpr double c[] = {29.07, 0.407, -1.0 / 233, 1.0 / 2547};
        return polynomial(y - 1950, c);
    }
    if (y < 1986) {
        static constexpr double c[] = {45.45, 1.067, -1.0 / 260, -1.0 / 718};
        return polynomial(y - 1975, c);
    }
    if (y < 2005) {
        static constexpr double c[] = {63.86,     0.3345,      -0.060374,
                                       0.0017275, 0.000651814, 0.00002373599};
        return polynomial(y - 2000, c);
    }
    if (y < 2050) {
        static constexpr double c[] = {62.92, 0.32217, 0.005589};
        return polynomial(y - 2000, c);
    }
    const double u = (y - 1820) / 100;
    if (y < 2150)
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double newMoonJde(int k)
{
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde =
        2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;
    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    // The Sun's and the Moon's mean anomalies, the Moon's argument of
    // latitude and the longitude of its ascending node.
    const double m = (2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) * Degree;
    const double mPrime =
        (201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4) *
        Degree;
    const double f =
        (160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4) *
        Degree;
    const double omega = (124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * Degree;
    for (const PhaseTerm &p : NewMoonTerms) {
        const double argument = p.m * m + p.mPrime * mPrime + p.f * f + p.omega * omega;
        jde += p.coefficient * std::pow(e, p.ePower) * std::sin(argument);
    }
    for (int i = 0; i < int(std::size(PlanetaryTerms)); ++i) {
        const PlanetaryTerm &p = PlanetaryTerms[i];
        double argument = p.start + p.perLunation * k;
        if (i == 0)
            argument -= 0.009173 * t2;
        jde += p.coefficient * std::sin(argument * Degree);
    }
    return jde;
}

double universalTime(double jde)
{
    // The decimal year of the moment, near enough for TT - UT.
    const double year = 2000 + (jde - J2000) / 365.25;
    return jde - deltaT(year) / 86400;
}

QDate beijingDay(double jdUt)
{
    // Beijing time is eight hours ahead of UT; a civil day starts at JD .5.
    return QDate::fromJulianDay(qint64(std::floor(jdUt + 0.5 + 8.0 / 24)));
}
