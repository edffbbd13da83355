#include "ItemDocument.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace orvantis::bench {
namespace {

// A fixed-seed generator so that every run measures the same document.
class Picker {
public:
    std::uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    template <std::size_t N>
    std::string_view From(const std::array<std::string_view, N>& choices) {
        return choices[Next() % N];
    }
    std::string Digits(int count) {
        std::string digits;
        for (int i = 0; i < count; ++i) digits += static_cast<char>('0' + Next() % 10);
        return digits;
    }

private:
    std::uint32_t state_ = 20060315;
};

constexpr std::array<std::string_view, 8> kFirstNames = {
    "Amélie", "Bernard", "Chloé", "Dominique", "Étienne", "Françoise", "Guillaume", "Hélène"};
constexpr std::array<std::string_view, 8> kLastNames = {
    "Moreau", "Lefèvre", "Garnier", "Rousseau", "Fontaine", "Chevalier", "Mercier", "Blanchard"};
constexpr std::array<std::string_view, 6> kCities = {
    "Lyon", "Marseille", "Toulouse", "Saint-Étienne", "Clermont-Ferrand", "Aix-en-Provence"};
constexpr std::array<std::string_view, 5> kStreets = {
    "rue de la République", "avenue Jean Jaurès", "boulevard Voltaire", "place Bellecour",
    "chemin des Vignes"};
constexpr std::array<std::string_view, 5> kCompanies = {
    "Transports Girard &amp; Fils", "Atelier Numérique", "Boulangerie du Centre",
    "Cabinet Lambert Associés", "Orvantis Conseil"};
constexpr std::array<std::string_view, 5> kPhrases = {
    "Rencontré au salon de Lyon, intéressé par la nouvelle offre.",
    "Rappeler avant la fin du mois pour le devis.",
    "Préfère être contacté par courriel le matin.",
    "Dossier transmis au service commercial le 12 mars.",
    "Attention : le standard ferme à 17 h le vendredi."};
constexpr std::array<std::string_view, 4> kSubjects = {
    "Réunion de suivi du projet", "Déjeuner avec le client", "Revue trimestrielle des comptes",
    "Appel fournisseur"};

void Field(std::string& out, std::string_view name, std::string_view value) {
    out.append("    <").append(name).append(">").append(value);
    out.append("</").append(name).append(">\n");
}

std::string Notes(Picker& pick) {
    std::string notes(pick.From(kPhrases));
    const auto lines = 1 + pick.Next() % 3;
    for (std::uint32_t i = 0; i < lines; ++i) notes.append("<br/>").append(pick.From(kPhrases));
    return notes;
}

std::string CompactDate(Picker& pick) {
    const auto month = 1 + pick.Next() % 12;
    const auto day = 1 + pick.Next() % 28;
    const auto hour = 8 + pick.Next() % 10;
    std::string text = "2026";
    text += static_cast<char>('0' + month / 10);
    text += static_cast<char>('0' + month % 10);
    text += static_cast<char>('0' + day / 10);
    text += static_cast<char>('0' + day % 10);
    text += 'T';
    text += static_cast<char>('0' + hour / 10);
    text += static_cast<char>('0' + hour % 10);
    text += pick.Next() % 2 ? "3000" : "0000";
    return text;
}

// The home or the company address with its telephone; prefix is "" or "company-".
void Address(std::string& out, Picker& pick, const std::string& prefix) {
    Field(out, prefix + "address", pick.Digits(2) + " " + std::string(pick.From(kStreets)));
    Field(out, prefix + "city", pick.From(kCities));
    Field(out, prefix + "postal-code", pick.Digits(5));
    Field(out, prefix + "country", "France");
    Field(out, prefix + "phone", "+33 4 " + pick.Digits(8));
}

void Contact(std::string& out, Picker& pick, std::size_t index) {
    const std::string first(pick.From(kFirstNames));
    const std::string last(pick.From(kLastNames));
    const std::string mail = "contact" + std::to_string(index) + "@exemple.fr";
    out += "  <contact>\n";
    Field(out, "id", "ORV-" + std::to_string(100000 + index));
    Field(out, "firstname", first);
    Field(out, "lastname", last);
    Field(out, "email", mail);
    Address(out, pick, "");
    Field(out, "mobile-phone", "+33 6 " + pick.Digits(8));
    Field(out, "company", pick.From(kCompanies));
    Address(out, pick, "company-");
    Field(out, "company-fax", "+33 4 " + pick.Digits(8));
    Field(out, "company-email", "accueil@exemple.fr");
    Field(out, "site-url", "https://www.exemple.fr/");
    Field(out, "job-title", "Responsable des achats");
    Field(out, "notes", Notes(pick));
    out += "  </contact>\n";
}

// What events and tasks share: the subject and the two dates.
void When(std::string& out, Picker& pick) {
    Field(out, "subject", pick.From(kSubjects));
    Field(out, "start", CompactDate(pick));
    Field(out, "end", CompactDate(pick));
}

void Event(std::string& out, Picker& pick) {
    out += "  <event>\n";
    When(out, pick);
    Field(out, "location", pick.From(kCities));
    Field(out, "category", "Travail");
    Field(out, "reminder", "15");
    Field(out, "notes", Notes(pick));
    Field(out, "full-day", pick.Next() % 5 ? "false" : "true");
    out += "  </event>\n";
}

void Todo(std::string& out, Picker& pick) {
    out += "  <todo>\n";
    When(out, pick);
    Field(out, "notes", Notes(pick));
    Field(out, "priority", pick.Next() % 2 ? "high" : "normal");
    Field(out, "state", std::to_string(pick.Next() % 3));
    out += "  </todo>\n";
}

}  // namespace

std::string GenerateItemDocument(std::size_t items) {
    Picker pick;
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<datas open=\"bench\">\n";
    for (std::size_t i = 0; i < items; ++i) {
        switch (i % 4) {
            case 0:
            case 1: Contact(out, pick, i); break;
            case 2: Event(out, pick); break;
            default: Todo(out, pick); break;
        }
    }
    out += "</datas>\n";
    return out;
}

std::wstring ContactDocument(std::size_t contacts, const std::wstring& target) {
    std::wstring text = L"<datas open=\"" + target + L"\">";
    for (std::size_t i = 0; i < contacts; ++i) {
        const auto n = std::to_wstring(i);
        text += L"<contact><id>C-" + n + L"</id><firstname>Ann</firstname><lastname>Lee " + n +
                L"</lastname><email>ann" + n + L"@example.com</email><company>Lee &amp; Co</company>"
                L"<company-phone>+33 1 00 00 00 00</company-phone><company-fax>+33 1 00 00 00 01"
                L"</company-fax><notes>Met at the fair.<br/>Call back.</notes></contact>";
    }
    return text + L"</datas>";
}

}  // namespace orvantis::bench
