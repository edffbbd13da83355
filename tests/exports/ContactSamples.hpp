#pragma once

#include <filesystem>
#include <string>

#include "fakes/FileBytes.hpp"
#include "items/AgentContact.hpp"

namespace orvantis::test {

// The contacts whose exports are kept byte for byte under exports/data.

inline AgentContact FullContact() {
    AgentContact c;
    c.Firstname = L"Claire";
    c.Lastname = L"Martin";
    c.Email = L"claire.martin@example.com";
    c.PersonalPhone = Variant(L"+33 1 42 00 00 01");
    c.PersonalMobile = L"+33 6 12 34 56 78";
    c.HomeAddressStreet = L"12 rue des Lilas";
    c.HomeAddressCity = L"Lyon";
    c.HomeAddressZip = L"69003";
    c.HomeAddressCountry = L"France";
    c.CompanyName = L"Durand & Fils";
    c.JobTitle = L"Responsable achats";
    c.CompanyAddressStreet = L"4 quai Perrache";
    c.CompanyAddressCity = L"Lyon";
    c.CompanyAddressZip = L"69002";
    c.CompanyAddressCountry = L"France";
    c.CompanyPhone = L"+33 4 72 00 00 00";
    c.CompanyFax = Variant(L"+33 4 72 00 00 01");
    c.CompanyEmail = Variant(L"contact@durand.example");
    c.SiteURL = L"https://durand.example";
    c.Notes = L"Rencontr\u00e9e au salon de Lyon.\nPr\u00e9f\u00e8re les appels apr\u00e8s 14 h.";
    c.OrvantisID = L"C-1001";
    c.IMNumber = L"claire.m";
    c.PictureData = L"47494638";
    return c;
}

// Values that are markup in one format or the other, line breaks of every kind, characters
// the code page lacks, and a company name that tries to leave the folder.
inline AgentContact HostileContact() {
    AgentContact c;
    c.Firstname = L"Jean;Paul";
    c.Lastname = L"O'Brien\\{x}";
    c.CompanyName = L"..\\..\\Windows/System32:evil*?\"<>|\tCON";
    c.CompanyAddressStreet = L"B\u00e2timent B\r\nZone {Nord}";
    c.CompanyAddressCity = L"Saint-\u00c9tienne";
    c.CompanyAddressZip = L"42000";
    c.CompanyAddressCountry = L"\u4e2d\u56fd";
    c.CompanyEmail = Variant(L"a=b@example.com");
    c.PersonalPhone = Variant(L"+1 (555) 010-0199 ext. 7");
    c.PersonalMobile = L"line1\rline2";
    c.Email = L"x@example.com";
    c.JobTitle = L"Chief \\ Officer: {R&D}";
    c.Notes =
        L"Line one with trailing space \nsecond line = with equals; semicolons: colons, and a "
        L"long tail that must be folded onto more than one physical line\n\n2 pallets\n starts "
        L"with a blank, ends with one \U0001F600 ";
    c.SiteURL = L"http://example.com/?a=1&b={2}";
    c.HomeAddressStreet = L"1 Main St";
    c.HomeAddressZip = L"12345";
    return c;
}

inline std::string ExpectedExport(const std::string& name) {
    return FileBytes(std::filesystem::path(ORVANTIS_EXPORTS_DATA) / name);
}

}  // namespace orvantis::test
