#include "items/AgentContact.hpp"
#include "items/AgentEvent.hpp"
#include "items/AgentTodo.hpp"

namespace orvantis {

// Slot order: the order in which the records publish their properties.

const std::array<PropertyInfo<AgentContact>, 23> AgentContact::kProperties{{
    {L"CompanyEmail", &AgentContact::CompanyEmail},
    {L"CompanyFax", &AgentContact::CompanyFax},
    {L"CompanyPhone", &AgentContact::CompanyPhone},
    {L"CompanyAddressCountry", &AgentContact::CompanyAddressCountry},
    {L"CompanyAddressZip", &AgentContact::CompanyAddressZip},
    {L"CompanyAddressCity", &AgentContact::CompanyAddressCity},
    {L"CompanyAddressStreet", &AgentContact::CompanyAddressStreet},
    {L"CompanyName", &AgentContact::CompanyName},
    {L"PersonalPhone", &AgentContact::PersonalPhone},
    {L"PersonalMobile", &AgentContact::PersonalMobile},
    {L"HomeAddressCountry", &AgentContact::HomeAddressCountry},
    {L"HomeAddressZip", &AgentContact::HomeAddressZip},
    {L"HomeAddressCity", &AgentContact::HomeAddressCity},
    {L"HomeAddressStreet", &AgentContact::HomeAddressStreet},
    {L"Email", &AgentContact::Email},
    {L"Firstname", &AgentContact::Firstname},
    {L"Lastname", &AgentContact::Lastname},
    {L"JobTitle", &AgentContact::JobTitle},
    {L"Notes", &AgentContact::Notes},
    {L"SiteURL", &AgentContact::SiteURL},
    {L"OrvantisID", &AgentContact::OrvantisID},
    {L"IMNumber", &AgentContact::IMNumber},
    {L"PictureData", &AgentContact::PictureData},
}};

const std::array<PropertyInfo<AgentEvent>, 10> AgentEvent::kProperties{{
    {L"Subject", &AgentEvent::Subject},
    {L"Category", &AgentEvent::Category},
    {L"Location", &AgentEvent::Location},
    {L"Description", &AgentEvent::Description},
    {L"StarDate", &AgentEvent::StarDate},
    {L"EndDate", &AgentEvent::EndDate},
    {L"Notes", &AgentEvent::Notes},
    {L"Reminder", &AgentEvent::Reminder},
    {L"OrvantisID", &AgentEvent::OrvantisID},
    {L"FullDay", &AgentEvent::FullDay},
}};

const std::array<PropertyInfo<AgentTodo>, 11> AgentTodo::kProperties{{
    {L"Subject", &AgentTodo::Subject},
    {L"Category", &AgentTodo::Category},
    {L"Location", &AgentTodo::Location},
    {L"Description", &AgentTodo::Description},
    {L"StarDate", &AgentTodo::StarDate},
    {L"EndDate", &AgentTodo::EndDate},
    {L"Notes", &AgentTodo::Notes},
    {L"Reminder", &AgentTodo::Reminder},
    {L"Status", &AgentTodo::Status},
    {L"Priority", &AgentTodo::Priority},
    {L"OrvantisID", &AgentTodo::OrvantisID},
}};

}  // namespace orvantis
