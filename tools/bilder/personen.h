#pragma once
#include <QColor>

#include <vector>

namespace kabrolux::bilder {

enum class Frisur {
    Seitenscheitel,
    Strubbelig,
    Licht,      // receding and thinning
    Haarkranz,  // bald crown, fringe round the sides
    KurzGrau,   // short with grey temples
    LangGlatt,
    Bob,
    KurzFrau,
    Zopf,
    Locken,
    Dutt
};

enum class Bart { Keiner, Vollbart, Kurzbart, Schnurrbart };
enum class Kleidung { Polo, Sakko, Strickjacke, Kapuze, Karohemd, Shirt, Bluse, Pullover, Blazer };
enum class Brille { Keine, Eckig, Rund, Schmal };

// One driver candidate. Only what sets a person apart needs to be given.
struct Person {
    bool frau = false;
    int alter = 30;
    QColor haut;
    QColor haar;
    QColor augen;
    Frisur frisur = Frisur::Seitenscheitel;
    Bart bart = Bart::Keiner;
    Kleidung kleidung = Kleidung::Polo;
    QColor stoff;
    QColor unterteil{};  // shirt or blouse under a jacket, if any
    Brille brille = Brille::Keine;
    QColor gestell{};
    QColor hintergrund;
    bool ohrringe = false;
    bool kette = false;
    bool sommersprossen = false;
    bool krawatte = false;
    double breiter = 0;  // wider face
    double eckiger = 0;  // wider jaw
};

// The twelve driver candidates in the order of the staff catalogue.
const std::vector<Person>& personen();

}  // namespace kabrolux::bilder
