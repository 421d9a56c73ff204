#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "state/zahlen.h"

using namespace kabrolux;

TEST(Runden, HalbeZurGeradenNachbarzahl) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-4.5), -4);
    EXPECT_EQ(Round(1.5), 2);
    EXPECT_EQ(Round(131.2), 131);
    EXPECT_EQ(Round(-116.2 + 30), -86);
    EXPECT_EQ(Round(1318.8 + 30.99), 1350);
}

TEST(Runden, SaettigtStattUeberzulaufen) {
    EXPECT_EQ(Round(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Round(-1e300), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Round(std::nan("")), 0);
    EXPECT_EQ(Trunc(3e10), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(Trunc(-3e10), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(Round(2147483647.4), 2147483647);
    EXPECT_EQ(Round64(4500000000.5), 4500000000);
    EXPECT_EQ(Round64(-1e300), std::numeric_limits<int64_t>::min());
}

TEST(Abschneiden, RichtungNull) {
    EXPECT_EQ(Trunc(77.9), 77);
    EXPECT_EQ(Trunc(-10.5), -10);
    EXPECT_EQ(Trunc(-0.9), 0);
}

TEST(Umlauf, Int32WrapsWithoutUndefinedBehaviour) {
    EXPECT_EQ(plusUmlauf(std::numeric_limits<int32_t>::max(), 1),
              std::numeric_limits<int32_t>::min());
    EXPECT_EQ(plusUmlauf(5, -10), -5);
}

TEST(Zahltext, AllgemeinesFormatMitKomma) {
    EXPECT_EQ(zahlText(50000.0), "50000");
    EXPECT_EQ(zahlText(1234.5), "1234,5");
    EXPECT_EQ(zahlText(5000.5), "5000,5");
    EXPECT_EQ(zahlText(-500.0), "-500");
    EXPECT_EQ(zahlText(0.1 + 0.2), "0,3");
    EXPECT_EQ(zahlText(1.2), "1,2");
    EXPECT_EQ(zahlText(0.0), "0");
    EXPECT_EQ(zahlText(-0.0), "0");
    EXPECT_EQ(zahlText(0.0001), "0,0001");
    EXPECT_EQ(zahlText(123456789012345.0), "123456789012345");
}

TEST(Zahltext, WissenschaftlichFuerSehrGrossUndKlein) {
    EXPECT_EQ(zahlText(1e15), "1E15");
    EXPECT_EQ(zahlText(1.5e20), "1,5E20");
    EXPECT_EQ(zahlText(-2.5e-7), "-2,5E-7");
    EXPECT_EQ(zahlText(0.00001), "1E-5");
    EXPECT_EQ(zahlText(std::numeric_limits<double>::infinity()), "INF");
    EXPECT_EQ(zahlText(-std::numeric_limits<double>::infinity()), "-INF");
    EXPECT_EQ(zahlText(std::nan("")), "NAN");
}

TEST(Zahltext, GanzzahlenUndZweistellig) {
    EXPECT_EQ(zahlText(int32_t{-500}), "-500");
    EXPECT_EQ(zweistellig(7), "07");
    EXPECT_EQ(zweistellig(12), "12");
    EXPECT_EQ(zweistellig(100), "100");
}

TEST(Lesen, FliesskommaMitDeutschemKomma) {
    EXPECT_DOUBLE_EQ(*liesFloat("1,5").wert, 1.5);
    EXPECT_DOUBLE_EQ(*liesFloat("3").wert, 3.0);
    EXPECT_DOUBLE_EQ(*liesFloat("-2,25").wert, -2.25);
    EXPECT_DOUBLE_EQ(*liesFloat(" 1,2 ").wert, 1.2);
    EXPECT_DOUBLE_EQ(*liesFloat("1,5E2").wert, 150.0);
    for (const char* falsch : {"1.5", "", "1,5,0", "abc", "inf", "nan", ",", "1e", "--1", "1 2"}) {
        const FloatLesen r = liesFloat(falsch);
        EXPECT_FALSE(r.wert) << falsch;
        EXPECT_EQ(r.fehler, std::string("'") + falsch + "' is not a valid floating point value");
    }
    EXPECT_FALSE(liesFloat("1,0E400").wert);
}

TEST(Lesen, GanzzahlImInt32Bereich) {
    EXPECT_EQ(*liesInt("42").wert, 42);
    EXPECT_EQ(*liesInt("-7").wert, -7);
    EXPECT_EQ(*liesInt("2147483647").wert, 2147483647);
    EXPECT_EQ(*liesInt("+5").wert, 5);
    EXPECT_EQ(*liesInt(" -0 ").wert, 0);
    EXPECT_EQ(*liesInt("\t12\t").wert, 12);  // pasted from a table
    for (const char* falsch :
         {"2147483648", "-2147483649", "", "1,5", "abc", "12x", "+-05", "-+5", "--5", "++5", "-"}) {
        const IntLesen r = liesInt(falsch);
        EXPECT_FALSE(r.wert) << falsch;
        EXPECT_EQ(r.fehler, std::string("'") + falsch + "' is not a valid integer value");
    }
}
