// Turns the game's guide (docs/spielanleitung.txt) into the help's sections as C++ source and
// into the manual page's rules section, so the two always say the same.
//
//   kabrolux_anleitung quelle.txt --html ausgabe.cpp
//   kabrolux_anleitung quelle.txt --handbuch seite.6 ausgabe.6
//
// The guide: "#" lines are remarks; "== Title | window window" starts a section and names the
// windows whose F1 shows it first; a blank line ends a paragraph; "- " starts a list item,
// indented lines continue it; **bold**.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Block {
    bool listenpunkt = false;
    std::string text;
};

struct Abschnitt {
    std::string titel, fenster;
    std::vector<Block> bloecke;
};

std::string ohneRand(const std::string& s) {
    const auto a = s.find_first_not_of(" \t");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t") - a + 1);
}

std::vector<Abschnitt> lesen(const std::string& pfad) {
    std::ifstream ein(pfad);
    if (!ein) throw std::runtime_error("cannot read " + pfad);
    std::vector<Abschnitt> abschnitte;
    bool offen = false;  // a block takes further lines
    std::string zeile;
    for (int nr = 1; std::getline(ein, zeile); ++nr) {
        if (zeile.starts_with("#")) continue;
        if (zeile.starts_with("== ")) {
            const auto strich = zeile.find('|');
            abschnitte.push_back(
                {ohneRand(zeile.substr(3, strich - 3)),
                 strich == std::string::npos ? "" : ohneRand(zeile.substr(strich + 1)),
                 {}});
            offen = false;
            continue;
        }
        const std::string t = ohneRand(zeile);
        if (t.empty()) {
            offen = false;
            continue;
        }
        if (abschnitte.empty())
            throw std::runtime_error(pfad + ":" + std::to_string(nr) + ": text before a section");
        auto& bloecke = abschnitte.back().bloecke;
        if (t.starts_with("- ")) {
            bloecke.push_back({true, t.substr(2)});
            offen = true;
        } else if (offen) {
            bloecke.back().text += " " + t;
        } else {
            bloecke.push_back({false, t});
            offen = true;
        }
    }
    return abschnitte;
}

// Replaces each **x** by auf + x + zu; characters are escaped by `zeichen` first.
template <class Zeichen>
std::string auszeichnen(const std::string& text, const std::string& auf, const std::string& zu,
                        Zeichen zeichen) {
    std::string aus;
    bool fett = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "**") == 0) {
            aus += fett ? zu : auf;
            fett = !fett;
            ++i;
        } else {
            aus += zeichen(text[i]);
        }
    }
    if (fett) throw std::runtime_error("unclosed ** in: " + text);
    return aus;
}

std::string html(const std::string& text) {
    return auszeichnen(text, "<b>", "</b>", [](char c) -> std::string {
        switch (c) {
            case '&':
                return "&amp;";
            case '<':
                return "&lt;";
            case '>':
                return "&gt;";
            default:
                return std::string(1, c);
        }
    });
}

std::string roff(const std::string& text) {
    std::string t = auszeichnen(text, "\\fB", "\\fR", [](char c) {
        return c == '\\' ? std::string("\\e") : std::string(1, c);
    });
    // A line starting with a dot or an apostrophe would be read as a request.
    if (!t.empty() && (t[0] == '.' || t[0] == '\'')) t = "\\&" + t;
    return t;
}

void htmlSchreiben(const std::vector<Abschnitt>& abschnitte, const std::string& ziel) {
    std::ostringstream aus;
    aus << "// Made by tools/anleitung from docs/spielanleitung.txt; edit that file instead.\n"
        << "#include \"ui/basis/anleitung.h\"\n\nnamespace kabrolux::ui {\n\n"
        << "std::span<const Anleitungsabschnitt> anleitungsabschnitte() {\n"
        << "    static const Anleitungsabschnitt abschnitte[] = {\n";
    for (const Abschnitt& a : abschnitte) {
        std::string inhalt;
        bool liste = false;
        for (const Block& b : a.bloecke) {
            if (b.listenpunkt != liste) inhalt += liste ? "</ul>\n" : "<ul>\n";
            liste = b.listenpunkt;
            inhalt += (liste ? "<li>" : "<p>") + html(b.text) + (liste ? "</li>\n" : "</p>\n");
        }
        if (liste) inhalt += "</ul>\n";
        aus << "        {R\"kbx(" << a.titel << ")kbx\", \"" << a.fenster << "\",\n         R\"kbx("
            << inhalt << ")kbx\"},\n";
    }
    aus << "    };\n    return abschnitte;\n}\n\n}  // namespace kabrolux::ui\n";
    std::ofstream(ziel) << aus.str();
}

void handbuchSchreiben(const std::vector<Abschnitt>& abschnitte, const std::string& seite,
                       const std::string& ziel) {
    // The page marks the place of the rules with this remark.
    const std::string marke = ".\\\" SPIELREGELN";
    std::ifstream ein(seite);
    if (!ein) throw std::runtime_error("cannot read " + seite);
    std::ostringstream aus;
    bool gefunden = false;
    std::string zeile;
    while (std::getline(ein, zeile)) {
        if (!zeile.starts_with(marke)) {
            aus << zeile << '\n';
            continue;
        }
        gefunden = true;
        aus << ".SH SPIELREGELN\n";
        for (const Abschnitt& a : abschnitte) {
            aus << ".SS \"" << a.titel << "\"\n";
            for (const Block& b : a.bloecke)
                aus << (b.listenpunkt ? ".IP \\(bu 2\n" : ".PP\n") << roff(b.text) << '\n';
        }
    }
    if (!gefunden) throw std::runtime_error(seite + " has no line " + marke);
    std::ofstream(ziel) << aus.str();
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const std::vector<std::string> a(argv + 1, argv + argc);
        if (a.size() == 3 && a[1] == "--html") {
            htmlSchreiben(lesen(a[0]), a[2]);
        } else if (a.size() == 4 && a[1] == "--handbuch") {
            handbuchSchreiben(lesen(a[0]), a[2], a[3]);
        } else {
            std::cerr << "usage: kabrolux_anleitung source.txt --html out.cpp\n"
                         "       kabrolux_anleitung source.txt --handbuch page.6 out.6\n";
            return 2;
        }
    } catch (const std::exception& e) {
        std::cerr << "kabrolux_anleitung: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
