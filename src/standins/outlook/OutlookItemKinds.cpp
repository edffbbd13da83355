#include "standins/outlook/OutlookItemKinds.hpp"

#include <array>

#include "automation/DateTime.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::standins {
namespace {

using Row = Answered<OutlookItem>;

Row Property(std::wstring_view name, ValueType type, Variant initial) {
    return {{.name = name, .type = type, .initial = std::move(initial)}, &OutlookItem::Property};
}

Row Text(std::wstring_view name) { return Property(name, ValueType::Text, Variant(L"")); }

// Outlook shows a date that was never set as "None", which it stores as 4501-01-01.
Row Date(std::wstring_view name) {
    static const DateValue none{*MakeDate(CivilTime{4501, 1, 1, 0, 0, 0})};
    return Property(name, ValueType::Date, Variant(none));
}

Row Save() { return {MethodMember(L"Save"), &OutlookItem::Save}; }

const std::array<OutlookItemKind, 3>& Kinds() {
    // AddPicture stays last: older versions answer the table without it.
    static const std::array contact{
        Text(L"FirstName"), Text(L"LastName"), Text(L"Email1Address"), Text(L"Email2Address"),
        Text(L"HomeAddressStreet"), Text(L"HomeAddressCity"), Text(L"HomeAddressPostalCode"),
        Text(L"HomeAddressCountry"), Text(L"HomeTelephoneNumber"), Text(L"MobileTelephoneNumber"),
        Text(L"CompanyName"), Text(L"BusinessAddressStreet"), Text(L"BusinessAddressCity"),
        Text(L"BusinessAddressPostalCode"), Text(L"BusinessAddressCountry"),
        Text(L"BusinessTelephoneNumber"), Text(L"BusinessFaxNumber"), Text(L"Body"),
        Text(L"BusinessHomePage"), Text(L"JobTitle"), Text(L"CustomerID"), Save(),
        Row{MethodMember(L"AddPicture", {ValueType::Text}), &OutlookItem::AddPicture},
    };
    // A new appointment carries the usual default reminder: on, 15 minutes before.
    static const std::array appointment{
        Text(L"Subject"), Date(L"Start"), Date(L"End"), Text(L"Body"), Text(L"Location"),
        Property(L"AllDayEvent", ValueType::Boolean, Variant(false)),
        Property(L"ReminderSet", ValueType::Boolean, Variant(true)),
        Property(L"ReminderMinutesBeforeStart", ValueType::Long, Variant(std::int32_t{15})),
        Save(),
    };
    // A new task: normal importance, not started.
    static const std::array task{
        Text(L"Subject"), Text(L"Body"), Date(L"StartDate"), Date(L"DueDate"),
        Property(L"Importance", ValueType::Long, Variant(std::int32_t{1})),
        Property(L"Status", ValueType::Long, Variant(std::int32_t{0})),
        Save(),
    };
    static const std::array kinds{
        OutlookItemKind{L"ContactItem", outlook::kContactItem, contact},
        OutlookItemKind{L"AppointmentItem", outlook::kAppointmentItem, appointment},
        OutlookItemKind{L"TaskItem", outlook::kTaskItem, task},
    };
    return kinds;
}

}  // namespace

const OutlookItemKind* ItemKindOfType(std::int32_t type) {
    for (const auto& kind : Kinds()) {
        if (kind.type == type) return &kind;
    }
    return nullptr;
}

const OutlookItemKind* ItemKindNamed(std::wstring_view name) {
    for (const auto& kind : Kinds()) {
        if (kind.name == name) return &kind;
    }
    return nullptr;
}

std::span<const Row> ItemMembers(const OutlookItemKind& kind, int majorVersion) {
    const bool hasPicture = kind.type == outlook::kContactItem;
    if (hasPicture && majorVersion < 11) return kind.members.first(kind.members.size() - 1);
    return kind.members;
}

}  // namespace orvantis::standins
