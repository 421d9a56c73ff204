#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_EQ(datumText(m), "01.01.2027");
    EXPECT_EQ(zeitText(m), "00:00");
}

// Day by day through the whole range the calendar decodes (about 8200 years each side of 1899,
// years before 1 counted astronomically: 0, -1, ...), against the Gregorian rules: every day
// is the day after the one before, and encodes back to its day number.
TEST(Datum, JederTagFolgtDemKalender) {
    auto schaltjahr = [](int j) { return j % 4 == 0 && (j % 100 != 0 || j % 400 == 0); };
    auto monatslaenge = [&](int j, int m) {
        static const int laenge[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        return m == 2 && schaltjahr(j) ? 29 : laenge[m - 1];
    };
    for (int richtung : {+1, -1}) {
        int j = 1899, m = 12, t = 30;
        int tag = 0;
        for (; tag * richtung < 3'000'000; tag += richtung) {
            const Zerlegt z = zerlege(tag + 0.75);
            ASSERT_EQ(z.jahr, j) << tag;
            ASSERT_EQ(z.monat, m) << tag;
            ASSERT_EQ(z.tag, t) << tag;
            ASSERT_EQ(z.stunde, 18) << tag;
            ASSERT_DOUBLE_EQ(datumZeit(j, m, t), tag) << tag;
            if (richtung > 0 && ++t > monatslaenge(j, m)) {
                t = 1;
                if (++m > 12) m = 1, ++j;
            } else if (richtung < 0 && --t < 1) {
                if (--m < 1) m = 12, --j;
                t = monatslaenge(j, m);
            }
        }
        // the last day decoded, and beyond it the epoch
        const Zerlegt rand = zerlege(tag);
        EXPECT_EQ(rand.jahr * 10000 + rand.monat * 100 + rand.tag, j * 10000 + m * 100 + t);
        const Zerlegt jenseits = zerlege(tag + richtung * 0.5);
        EXPECT_EQ(jenseits.jahr * 10000 + jenseits.monat * 100 + jenseits.tag, 18991230);
    }
}

TEST(Datum, BeschaedigteWerteSindHarmlos) {
    EXPECT_EQ(datumText(std::nan("")) + " " + zeitText(std::nan("")), "30.12.1899 00:00");
    // a millisecond before
    EXPECT_EQ(datumText(-kMinute / 60000) + " " + zeitText(-kMinute / 60000), "29.12.1899 23:59");
    EXPECT_EQ(zerlege(-kMinute / 60000).millisekunde, 999);
    EXPECT_EQ(datumText(1e300), "30.12.1899");
    EXPECT_EQ(zeitText(-1e300), "00:00");
}
