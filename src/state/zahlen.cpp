#include "state/zahlen.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kabrolux {

namespace {

constexpr double kMin = std::numeric_limits<int32_t>::min();
constexpr double kMax = std::numeric_limits<int32_t>::max();

int32_t saettigen(double r) {
    if (std::isnan(r)) return 0;
    if (r <= kMin) return std::numeric_limits<int32_t>::min();
    if (r >= kMax) return std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(r);
}

}  // namespace

int32_t Round(double x) {
    // nearbyint honours the default rounding mode: to nearest, ties to even.
    return saettigen(std::nearbyint(x));
}

int64_t Round64(double x) {
    const double r = std::nearbyint(x);
    if (std::isnan(r)) return 0;
    if (r <= -9.2e18) return std::numeric_limits<int64_t>::min();
    if (r >= 9.2e18) return std::numeric_limits<int64_t>::max();
    return static_cast<int64_t>(r);
}

int32_t Trunc(double x) {
    return saettigen(std::trunc(x));
}

int32_t plusUmlauf(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}

std::string zahlText(double x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    if (x == 0) return "0";

    // 15 significant digits: d.dddddddddddddde±xx
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%.14e", x);
    std::string s(puffer);
    bool negativ = s[0] == '-';
    if (negativ) s.erase(0, 1);
    auto e = s.find('e');
    int exponent = std::stoi(s.substr(e + 1));
    std::string ziffern = s.substr(0, 1) + s.substr(2, e - 2);
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();

    std::string text;
    // Decimal exponent of the form 0.ddd x 10^stellen, as the general format counts it.
    int stellen = exponent + 1;
    if (stellen > 15 || stellen < -3) {
        text = ziffern.substr(0, 1);
        if (ziffern.size() > 1) text += "," + ziffern.substr(1);
        text += "E";
        if (exponent < 0) text += "-";
        text += std::to_string(std::abs(exponent));
    } else if (stellen <= 0) {
        text.assign("0,").append(-stellen, '0').append(ziffern);
    } else if (static_cast<int>(ziffern.size()) <= stellen) {
        text = ziffern + std::string(stellen - ziffern.size(), '0');
    } else {
        text = ziffern.substr(0, stellen) + "," + ziffern.substr(stellen);
    }
    if (negativ) text.insert(text.begin(), '-');
    return text;
}

std::string zahlText(int32_t x) {
    return std::to_string(x);
}
std::string zahlText(int64_t x) {
    return std::to_string(x);
}

std::string zweistellig(int32_t x) {
    std::string s = std::to_string(x);
    return s.size() == 1 ? "0" + s : s;
}

void ziffernAnhaengen(std::string& ziel, int32_t wert, int stellen) {
    char p[16];
    const auto [ende, fehler] =
        std::to_chars(p, p + sizeof p, wert < 0 ? -static_cast<int64_t>(wert) : wert);
    (void)fehler;
    if (wert < 0) ziel.push_back('-');
    for (int n = static_cast<int>(ende - p); n < stellen; ++n)
        ziel.push_back('0');
    ziel.append(p, ende);
}

namespace {

std::string_view ohneLeerzeichen(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

std::string fehlertext(std::string_view text, const char* art) {
    std::string f(1, '\'');
    f.append(text).append("' is not a valid ").append(art).append(" value");
    return f;
}

}  // namespace

FloatLesen liesFloat(std::string_view text) {
    FloatLesen r;
    r.fehler = fehlertext(text, "floating point");
    std::string_view t = ohneLeerzeichen(text);

    // [sign] digits [, digits] [E [sign] digits], with at least one mantissa digit.
    std::string c;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) c += t[i++];
    int mantisse = 0;
    while (i < t.size() && ziffer(t[i]))
        c += t[i++], ++mantisse;
    if (i < t.size() && t[i] == ',') {
        c += '.';
        ++i;
        while (i < t.size() && ziffer(t[i]))
            c += t[i++], ++mantisse;
    }
    if (mantisse == 0) return r;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) c += t[i++];
        int exp = 0;
        while (i < t.size() && ziffer(t[i]))
            c += t[i++], ++exp;
        if (exp == 0) return r;
    }
    if (i != t.size()) return r;

    const char* anfang = c.data();
    if (*anfang == '+') ++anfang;
    double wert = 0;
    auto [ende, ec] = std::from_chars(anfang, c.data() + c.size(), wert);
    if (ec != std::errc() || ende != c.data() + c.size() || !std::isfinite(wert)) return r;
    r.wert = wert;
    r.fehler.clear();
    return r;
}

IntLesen liesInt(std::string_view text) {
    IntLesen r;
    r.fehler = fehlertext(text, "integer");
    std::string_view t = ohneLeerzeichen(text);
    // One sign at most: after a "+" a digit must follow ("+-05" is no number).
    const bool plus = !t.empty() && t.front() == '+';
    if (plus) t.remove_prefix(1);
    if (t.empty() || (plus && !ziffer(t.front()))) return r;
    int32_t wert = 0;
    auto [ende, ec] = std::from_chars(t.data(), t.data() + t.size(), wert);
    if (ec != std::errc() || ende != t.data() + t.size()) return r;
    r.wert = wert;
    r.fehler.clear();
    return r;
}

}  // namespace kabrolux
