#include <gtest/gtest.h>

#include <chrono>
#include <ctime>

#include "sim/zufall.h"

using namespace kabrolux;

TEST(Zufall, ReferenzfolgeAbSeedNull) {
    Zufall z;
    z.seed = 0;
    const int erwartet[] = {0, 3, 86, 20, 27};
    for (int e : erwartet)
        EXPECT_EQ(z.Random(100), e);
}

TEST(Zufall, NullUndNegativeBereiche) {
    Zufall z;
    z.seed = 12345;
    const uint32_t vorher = z.seed;
    EXPECT_EQ(z.Random(0), 0);
    EXPECT_NE(z.seed, vorher);  // the generator still advances
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(z.Random(-5), 0);
    for (int i = 0; i < 1000; ++i) {
        const int32_t r = z.Random(7);
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 7);
    }
    EXPECT_EQ(z.Random64(-1), 0);
    EXPECT_GE(z.Random64(int64_t{1} << 40), 0);
}

class FesteUhrzeit : public Zeitquelle {
  public:
    uint32_t utcMillisekundenDesTages() override { return 3723004; }
    DatumZeit lokaleZeit() override { return 0; }
};

TEST(Zufall, NeuSaeenAusDerUtcTageszeit) {
    FesteUhrzeit zeit;
    Zufall z;
    z.neuSaeen(zeit);
    EXPECT_EQ(z.seed, 3723004u);  // 01:02:03.004
}

TEST(Zufall, SystemzeitIstDieLokaleZeitVonHeute) {
    Systemzeit s;
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    const Zerlegt z = zerlege(s.lokaleZeit());
    EXPECT_EQ(z.jahr, lokal.tm_year + 1900);
    EXPECT_EQ(z.monat, lokal.tm_mon + 1);
    EXPECT_EQ(z.tag, lokal.tm_mday);
}

// Both clocks to the millisecond: their value lies between two readings of the system clock
// taken around it (unless midnight passed in between).
TEST(Zufall, SystemzeitAufDieMillisekunde) {
    using namespace std::chrono;
    auto msDesTages = [](system_clock::time_point t, bool lokal) -> int64_t {
        const int64_t ms = duration_cast<milliseconds>(t.time_since_epoch()).count();
        if (!lokal) return ms % 86'400'000;
        const std::time_t sek = system_clock::to_time_t(t);
        std::tm tm{};
        localtime_r(&sek, &tm);
        return ((tm.tm_hour * 60 + tm.tm_min) * 60 + tm.tm_sec) * 1000LL + ms % 1000;
    };
    Systemzeit s;
    const auto vorher = system_clock::now();
    const int64_t utc = s.utcMillisekundenDesTages();
    const Zerlegt lokal = zerlege(s.lokaleZeit());
    const auto nachher = system_clock::now();
    const int64_t lokalMs =
        ((lokal.stunde * 60 + lokal.minute) * 60 + lokal.sekunde) * 1000LL + lokal.millisekunde;
    if (msDesTages(nachher, false) >= msDesTages(vorher, false)) {
        EXPECT_GE(utc, msDesTages(vorher, false));
        EXPECT_LE(utc, msDesTages(nachher, false));
    }
    if (msDesTages(nachher, true) >= msDesTages(vorher, true)) {
        EXPECT_GE(lokalMs, msDesTages(vorher, true));
        EXPECT_LE(lokalMs, msDesTages(nachher, true));
    }
}
