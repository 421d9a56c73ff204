#include <gtest/gtest.h>

#include "state/datum.h"

using namespace kabrolux;

TEST(Datum, TageszaehlungAb1899) {
    EXPECT_DOUBLE_EQ(datumZeit(1899, 12, 30), 0.0);
    EXPECT_DOUBLE_EQ(datumZeit(1900, 1, 1), 2.0);
    EXPECT_DOUBLE_EQ(datumZeit(2000, 1, 1), 36526.0);
    const Zerlegt z = zerlege(datumZeit(2024, 2, 29, 13, 45, 10, 500));
    EXPECT_EQ(z.jahr, 2024);
    EXPECT_EQ(z.monat, 2);
    EXPECT_EQ(z.tag, 29);
    EXPECT_EQ(z.stunde, 13);
    EXPECT_EQ(z.minute, 45);
    EXPECT_EQ(z.sekunde, 10);
    EXPECT_EQ(z.millisekunde, 500);
}

TEST(Datum, TexteDerUhr) {
    const DatumZeit t = datumZeit(2026, 12, 7, 0, 5);
    EXPECT_EQ(datumText(t), "07.12.2026");
    EXPECT_EQ(zeitText(t), "00:05");
    EXPECT_EQ(uhrText(t), "07.12.2026  00:05 Uhr");
    EXPECT_EQ(zeitText(datumZeit(2026, 12, 7, 23, 59, 59, 999)), "23:59");
}

TEST(Datum, MinutenSummierenSichAufMitternacht) {
    DatumZeit t = datumZeit(2026, 12, 7, 10, 0, 0, 0);
    for (int i = 0; i < 1440; ++i)
        t += kMinute;
    const Zerlegt z = zerlege(t);
    EXPECT_EQ(z.tag, 8);
    EXPECT_EQ(z.stunde, 10);
    EXPECT_EQ(z.minute, 0);
    EXPECT_EQ(z.sekunde, 0);

    DatumZeit m = datumZeit(2026, 12, 31, 0, 0);
    for (int i = 0; i < 1440; ++i)
        m += kMinute;
    EXPECT_EQ(uhrText(m), "01.01.2027  00:00 Uhr");
}

TEST(Datum, BeschaedigteWerteSindHarmlos) {
    EXPECT_EQ(datumText(1e300), "30.12.1899");
    EXPECT_EQ(zeitText(-1e300), "00:00");
}
