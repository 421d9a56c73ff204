#pragma once
// Translated templates, read once per language: a set of them is made anew the first time it is
// asked for after a change of language.

#include <memory>

namespace kabrolux::ui {

// Counts the changes of language (spracheGewechselt).
int sprachstand();

template <class Vorlagen>
const Vorlagen& aktuelleVorlagen() {
    static std::unique_ptr<Vorlagen> werte;
    static int gelesen = -1;
    if (!werte || gelesen != sprachstand()) {
        werte = std::make_unique<Vorlagen>();
        gelesen = sprachstand();
    }
    return *werte;
}

}  // namespace kabrolux::ui
