#include "store/SortKeyParser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/foundation/DateFormatter.h"

namespace kelvora {

namespace {

class SortKeyParserTest : public testing::TestWithParam<const char*> {
  protected:
    void SetUp() override { foundation::DateFormatter::setDeviceTimeZone(GetParam()); }
    void TearDown() override { foundation::DateFormatter::setDeviceTimeZone(""); }
};

// Every key is checked against the formatter's own parse, which is what the sorts relied on
// before: days with clock changes in the morning, at midnight, a day a zone skipped, leap
// days, and fields out of range.
TEST_P(SortKeyParserTest, GivesTheFormattersOwnParseForEveryKey) {
    const std::vector<std::string> days = {"06122026", "29032026", "25102026", "04112018",
                                           "17022018", "29122011", "30122011", "29022024",
                                           "29022023", "31042026", "32012026", "01131999"};
    const std::vector<std::string> times = {"12000000", "01000000", "01300042", "02300000",
                                            "03000000", "11590059", "12590059", "00300000",
                                            "13000000", "01600000", "01000060", "0100005x"};
    auto formatter = foundation::DateFormatter::withPattern("ddMMyyyyhhmmssss");
    SortKeyParser parser;
    for (const auto& day : days) {
        for (const auto& time : times) {
            auto key = day + time;
            EXPECT_EQ(parser.parse(key), formatter->parse(key)) << key << " in " << GetParam();
        }
    }
    EXPECT_EQ(parser.parse(""), std::nullopt);
    EXPECT_EQ(parser.parse("061220260130004"), formatter->parse("061220260130004"));
}

// Every day of three years, at the first and the last second of its morning, so that each
// clock change of each zone, and the days around it, meet the parser.
TEST_P(SortKeyParserTest, AgreesWithTheFormatterOnEveryDayAroundTheClockChanges) {
    auto formatter = foundation::DateFormatter::withPattern("ddMMyyyyhhmmssss");
    SortKeyParser parser;
    for (int year = 2017; year <= 2019; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                char key[32];
                for (const char* time : {"12000000", "11590059", "01300000"}) {
                    std::snprintf(key, sizeof key, "%02d%02d%04d%s", day, month, year, time);
                    ASSERT_EQ(parser.parse(key), formatter->parse(key))
                        << key << " in " << GetParam();
                }
            }
        }
    }
}

// A device whose locale counts in another calendar writes its keys in that calendar (the
// Buddhist year 2569 for 2026): each must sort as the instant the formatter itself reads. That
// is the day written, except in the Japanese calendar, whose keys carry no era.
TEST(SortKeyParserCalendars, EveryCalendarSortsByTheInstantTheFormatterReads) {
    foundation::DateFormatter::setDeviceTimeZone("UTC");
    for (const char* locale :
         {"th_TH", "ja_JP@calendar=japanese", "fa_IR", "ar_SA", "he_IL@calendar=hebrew", "en_US"}) {
        foundation::DateFormatter::setDeviceLocale(locale);
        auto formatter = foundation::DateFormatter::withPattern("ddMMyyyyhhmmssss");
        SortKeyParser parser;
        // Mornings, so that the key's 12-hour clock keeps the order of the instants.
        for (int day = 0; day < 365 * 14; day += 37) {
            auto instant =
                foundation::TimePoint(std::chrono::sys_days(std::chrono::year(2017) / 1 / 1)) +
                std::chrono::days(day) + std::chrono::hours(9) + std::chrono::seconds(day % 3600);
            auto key = formatter->format(instant);
            auto parsed = parser.parse(key);
            ASSERT_EQ(parsed, formatter->parse(key)) << key << " in " << locale;
            ASSERT_TRUE(parsed == instant || std::string_view(locale).starts_with("ja"))
                << key << " in " << locale;
        }
    }
    foundation::DateFormatter::setDeviceLocale("");
    foundation::DateFormatter::setDeviceTimeZone("");
}

INSTANTIATE_TEST_SUITE_P(Zones, SortKeyParserTest,
                         testing::Values("UTC", "Europe/Berlin", "America/Sao_Paulo",
                                         "Pacific/Apia", "Australia/Lord_Howe", "America/Havana",
                                         "Pacific/Kiritimati", "America/St_Johns"));

}  // namespace

}  // namespace kelvora
