#pragma once

#include <array>
#include <memory>

#include "items/Record.hpp"

namespace orvantis {

// A contact as the document describes it. The Home properties with PersonalPhone and
// PersonalMobile are the private side, the Company properties with JobTitle the work side.
class AgentContact : public Record<AgentContact> {
public:
    Variant CompanyEmail;
    Variant CompanyFax;
    std::wstring CompanyPhone;
    std::wstring CompanyAddressCountry;
    std::wstring CompanyAddressZip;
    std::wstring CompanyAddressCity;
    std::wstring CompanyAddressStreet;
    std::wstring CompanyName;
    Variant PersonalPhone;
    std::wstring PersonalMobile;
    std::wstring HomeAddressCountry;
    std::wstring HomeAddressZip;
    std::wstring HomeAddressCity;
    std::wstring HomeAddressStreet;
    std::wstring Email;
    std::wstring Firstname;
    std::wstring Lastname;
    std::wstring JobTitle;
    std::wstring Notes;
    std::wstring SiteURL;
    std::wstring OrvantisID;
    std::wstring IMNumber;
    std::wstring PictureData;  // the picture's bytes as pairs of hexadecimal digits

    static const std::array<PropertyInfo<AgentContact>, 23> kProperties;
};

using AgentContactRef = std::shared_ptr<AgentContact>;

// "first last", as every product's full-name field has always been given it (a blank between
// them even when one is empty).
inline std::wstring FirstLastName(const AgentContact& contact) {
    return contact.Firstname + L" " + contact.Lastname;
}

// The name that labels the contact: the person's, else the company's.
inline std::wstring DisplayName(const AgentContact& contact) {
    if (contact.Firstname.empty() && contact.Lastname.empty()) return contact.CompanyName;
    return FirstLastName(contact);
}

}  // namespace orvantis
