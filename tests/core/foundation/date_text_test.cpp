#include "core/foundation/date_text.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DateText, ReadsTheUsualForms)
{
    const struct {
        QString text;
        QDate date;
    } cases[] = {
        {u"2003-04-01"_s, QDate(2003, 4, 1)},   {u"2003-4-1"_s, QDate(2003, 4, 1)},
        {u"2003/4/1"_s, QDate(2003, 4, 1)},     {u"2003.4.1"_s, QDate(2003, 4, 1)},
        {u"2003,4,1"_s, QDate(2003, 4, 1)},     {u"2003－4－1"_s, QDate(2003, 4, 1)},
        {u"2003年4月1日"_s, QDate(2003, 4, 1)}, {u" 2003-12-31 "_s, QDate(2003, 12, 31)},
        {u"2003-4"_s, QDate(2003, 4, 1)},       {u"2003年4月"_s, QDate(2003, 4, 1)},
        {u"4-1"_s, QDate(2000, 4, 1)},          {u"4/1/2003"_s, QDate(2003, 4, 1)},
        {u"03-4-1"_s, QDate(2003, 4, 1)},       {u"99/4/1"_s, QDate(1999, 4, 1)},
        {u"2000-2-29"_s, QDate(2000, 2, 29)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseDateText(c.text), c.date) << c.text.toStdString();
}

TEST(DateText, RefusesWhatIsNoDate)
{
    for (const QString &text :
         {u""_s, u"2003"_s, u"12abc"_s, u"2003-13-01"_s, u"2003-2-30"_s, u"2001-2-29"_s,
          u"2003--4"_s, u"2003-4-"_s, u"0000-00-00"_s, u"abc"_s, u"2003-04-01x"_s, u"12345-1-1"_s,
          u"2003-4-1-5"_s, u"年4月"_s})
        EXPECT_FALSE(parseDateText(text).has_value()) << text.toStdString();
}
