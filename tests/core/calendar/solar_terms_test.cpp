#include "core/calendar/solar_terms.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The Beijing day of a term of a year, or an invalid date.
QDate termDay(int year, const QString &name)
{
    for (const SolarTerm &t : solarTermsOf(year)) {
        if (t.name() == name)
            return t.date;
    }
    return {};
}

} // namespace

// Published days of terms; most of them fall within an hour of midnight
// Beijing time (2021's winter solstice at 23:59), where a minute decides the day.
TEST(SolarTerms, FallOnThePublishedDays)
{
    const struct {
        QDate day;
        const char16_t *name;
    } cases[] = {
        {{2024, 2, 4}, u"立春"},   {{2025, 4, 4}, u"清明"},   {{2025, 12, 21}, u"冬至"},
        {{2026, 12, 22}, u"冬至"}, {{2020, 7, 6}, u"小暑"},   {{2020, 8, 22}, u"处暑"},
        {{2020, 12, 7}, u"大雪"},  {{2021, 12, 21}, u"冬至"}, {{2022, 2, 19}, u"雨水"},
        {{2022, 3, 20}, u"春分"},  {{2022, 6, 6}, u"芒种"},   {{2022, 9, 7}, u"白露"},
        {{2023, 1, 5}, u"小寒"},   {{2023, 10, 24}, u"霜降"}, {{2023, 11, 8}, u"立冬"},
        {{2024, 12, 6}, u"大雪"},  {{2026, 2, 18}, u"雨水"},  {{2026, 6, 5}, u"芒种"},
        {{2027, 10, 23}, u"霜降"}, {{2027, 11, 7}, u"立冬"},  {{2030, 6, 21}, u"夏至"},
    };
    for (const auto &c : cases) {
        const QString name = QString::fromUtf16(c.name);
        EXPECT_EQ(termDay(c.day.year(), name), c.day) << name.toStdString();
    }
}

TEST(SolarTerms, EachYearHasTheTwentyFourInOrder)
{
    const QStringList order = {u"小寒"_s, u"大寒"_s, u"立春"_s, u"雨水"_s, u"惊蛰"_s, u"春分"_s,
                               u"清明"_s, u"谷雨"_s, u"立夏"_s, u"小满"_s, u"芒种"_s, u"夏至"_s,
                               u"小暑"_s, u"大暑"_s, u"立秋"_s, u"处暑"_s, u"白露"_s, u"秋分"_s,
                               u"寒露"_s, u"霜降"_s, u"立冬"_s, u"小雪"_s, u"大雪"_s, u"冬至"_s};
    for (const int year : {SolarTermFirstYear, 1900, 2025, 2100, SolarTermLastYear}) {
        const QList<SolarTerm> terms = solarTermsOf(year);
        ASSERT_EQ(terms.size(), 24) << year;
        for (int k = 0; k < 24; ++k) {
            EXPECT_EQ(terms[k].name(), order[k]) << year;
            EXPECT_EQ(terms[k].date.year(), year);
            if (k > 0) {
                const qint64 gap = terms[k - 1].date.daysTo(terms[k].date);
                EXPECT_GE(gap, 14) << year << " " << k;
                EXPECT_LE(gap, 16) << year << " " << k;
            }
        }
        EXPECT_TRUE(terms[5].isMajor());  // 春分
        EXPECT_FALSE(terms[6].isMajor()); // 清明
    }
}

TEST(SolarTerms, NoneOutsideTheReckonedYears)
{
    EXPECT_TRUE(solarTermsOf(SolarTermFirstYear - 1).isEmpty());
    EXPECT_TRUE(solarTermsOf(SolarTermLastYear + 1).isEmpty());
}
