#include "ui/captions.h"

#include <algorithm>

namespace {

struct Caption {
    const char* key;
    const char* text;
};

// A language: its code, its credits line and its captions by scene key. The
// Italian captions are the scenes' own.
struct Language {
    const char* code;
    const char* credits;
    std::vector<Caption> captions;
};

const std::vector<Language>& languages() {
    static const std::vector<Language> table{
        {"it", "Superfici topologiche da esplorare", {}},
        {"en",
         "Topological surfaces to explore",
         {
             {"KleinBottle1", "From rectangle to Klein bottle"},
             {"KleinBottle3", "The Klein bottle"},
             {"KleinBottle4", "A label on the bottle"},
             {"KleinBottle5", "Klein bottle cut in two"},
             {"Moebius", "From square to Möbius strip"},
             {"Moebius2", "Little wheels on the strip"},
             {"Moebius3", "Strip cut in two"},
             {"Moebius4", "A strip sliding along itself"},
             {"Moebius5", "Strip cut in three"},
             {"Moebius6", "A map on the strip"},
             {"ProjectivePlane1", "Cross-cap"},
             {"ProjectivePlane2", "Cross-cap without crossings"},
             {"ring", "Interwoven Möbius strips"},
             {"tetratetra", "Tetrahedron / tetrahedron"},
             {"cubeocta", "Cube / octahedron"},
             {"icododeca", "Icosahedron / dodecahedron"},
         }},
        {"de",
         "Topologische Flächen entdecken",
         {
             {"KleinBottle1", "Vom Rechteck zur Klein-Flasche"},
             {"KleinBottle3", "Die Kleinsche Flasche"},
             {"KleinBottle4", "Ein Etikett auf der Flasche"},
             {"KleinBottle5", "Kleinsche Flasche, halbiert"},
             {"Moebius", "Vom Quadrat zum Möbiusband"},
             {"Moebius2", "Rädchen auf dem Band"},
             {"Moebius3", "Das Band, längs halbiert"},
             {"Moebius4", "Ein Band gleitet an sich entlang"},
             {"Moebius5", "Das Band, längs gedrittelt"},
             {"Moebius6", "Eine Landkarte auf dem Band"},
             {"ProjectivePlane1", "Kreuzhaube"},
             {"ProjectivePlane2", "Kreuzhaube ohne Durchdringung"},
             {"ring", "Verflochtene Möbiusbänder"},
             {"tetratetra", "Tetraeder / Tetraeder"},
             {"cubeocta", "Würfel / Oktaeder"},
             {"icododeca", "Ikosaeder / Dodekaeder"},
         }},
        {"fr",
         "Surfaces topologiques à explorer",
         {
             {"KleinBottle1", "Du rectangle en bouteille de Klein"},
             {"KleinBottle3", "La bouteille de Klein"},
             {"KleinBottle4", "Une étiquette sur la bouteille"},
             {"KleinBottle5", "Bouteille de Klein coupée en deux"},
             {"Moebius", "Du carré au ruban de Möbius"},
             {"Moebius2", "Petites roues sur le ruban"},
             {"Moebius3", "Ruban coupé en deux"},
             {"Moebius4", "Ruban qui glisse sur lui-même"},
             {"Moebius5", "Ruban coupé en trois"},
             {"Moebius6", "Une carte sur le ruban"},
             {"ProjectivePlane1", "Bonnet croisé"},
             {"ProjectivePlane2", "Bonnet croisé sans croisement"},
             {"ring", "Rubans de Möbius entrelacés"},
             {"tetratetra", "Tétraèdre / tétraèdre"},
             {"cubeocta", "Cube / octaèdre"},
             {"icododeca", "Icosaèdre / dodécaèdre"},
         }},
        {"es",
         "Explorar superficies topológicas",
         {
             {"KleinBottle1", "De rectángulo a botella de Klein"},
             {"KleinBottle3", "La botella de Klein"},
             {"KleinBottle4", "Una etiqueta en la botella"},
             {"KleinBottle5", "Botella de Klein cortada en dos"},
             {"Moebius", "De cuadrado a banda de Möbius"},
             {"Moebius2", "Ruedecitas sobre la banda"},
             {"Moebius3", "Banda cortada en dos"},
             {"Moebius4", "Banda que corre sobre sí misma"},
             {"Moebius5", "Banda cortada en tres"},
             {"Moebius6", "Un mapa sobre la banda"},
             {"ProjectivePlane1", "Gorro cruzado"},
             {"ProjectivePlane2", "Gorro cruzado sin cruces"},
             {"ring", "Bandas de Möbius entrelazadas"},
             {"tetratetra", "Tetraedro / tetraedro"},
             {"cubeocta", "Cubo / octaedro"},
             {"icododeca", "Icosaedro / dodecaedro"},
         }},
    };
    return table;
}

const Language* current = nullptr;

const Language& currentLanguage() {
    return current ? *current : languages().front();
}

const Language* find(const std::string& code) {
    for (const Language& language : languages())
        if (code == language.code)
            return &language;
    return nullptr;
}

} // namespace

const std::vector<std::string>& languageCodes() {
    static const std::vector<std::string> codes = [] {
        std::vector<std::string> all;
        for (const Language& language : languages())
            all.push_back(language.code);
        return all;
    }();
    return codes;
}

std::string languageList() {
    std::string list;
    for (const std::string& code : languageCodes())
        list += (list.empty() ? "" : ", ") + code;
    return list;
}

bool isLanguageCode(const std::string& code) {
    return find(code) != nullptr;
}

bool useLanguage(const std::string& code) {
    const Language* language = find(code);
    if (language)
        current = language;
    return language != nullptr;
}

std::string languageCode() {
    return currentLanguage().code;
}

std::string captionIn(const std::string& key, const std::string& italian) {
    const auto& captions = currentLanguage().captions;
    const auto found = std::find_if(captions.begin(), captions.end(),
                                    [&](const Caption& caption) { return key == caption.key; });
    return found == captions.end() ? italian : found->text;
}

std::string creditsLine() {
    return currentLanguage().credits;
}

std::vector<std::string> captionsOf(const std::string& code) {
    std::vector<std::string> texts;
    if (const Language* language = find(code))
        for (const Caption& caption : language->captions)
            texts.push_back(caption.text);
    return texts;
}
