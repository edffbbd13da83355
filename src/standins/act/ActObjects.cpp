#include <array>
#include <optional>

#include "standins/StandIn.hpp"
#include "standins/act/ActStandIn.hpp"

namespace orvantis::standins {
namespace {

class ActHandle : public ProductHandle<ActWorld> {
protected:
    ActHandle(std::shared_ptr<ActWorld> world, std::wstring_view className)
        : ProductHandle(std::move(world), className, L"ACTOLE") {}
};

// The contact table of one open database. A record made by Add is stored only by Update;
// Data writes to it, or else to the current record. A record's identifier is its position
// in the database from 1, which never changes since records are never removed.
class ContactTable : public ActHandle {
public:
    ContactTable(std::shared_ptr<ActWorld> world, std::size_t database)
        : ActHandle(std::move(world), L"Contact"), database_(database) {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"MoveFirst", .access = Access::Method},
            MemberInfo{.name = L"Add", .access = Access::Method},
            MemberInfo{.name = L"Data", .access = Access::Method,
                       .parameters = {ValueType::Long, ValueType::Any}, .required = 1},
            MemberInfo{.name = L"Update", .access = Access::Method},
            MemberInfo{.name = L"GoTo", .access = Access::Method,
                       .parameters = {ValueType::Text}, .required = 1},
        };
        return table;
    }

    std::vector<Item>& Records() { return world_->databases.at(database_).items; }

    Item& Target() {
        if (added_) return *added_;
        if (current_) return Records().at(*current_);
        throw ProductError(L"There is no current record.");
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"MoveFirst") {
            current_ = Records().empty() ? std::nullopt : std::optional<std::size_t>(0);
        } else if (name == L"Add") {
            added_ = Item{std::wstring(kActContactKind), {}, 0, {}};
        } else if (name == L"Data") {
            const std::wstring field = std::to_wstring(call.arguments[0].ToLong());
            if (call.arguments[1].GetKind() == Variant::Kind::Missing) {
                const Field* found = Target().Find(field);
                return found ? found->value : Variant(L"");
            }
            Target().Write(field, call.arguments[1]);
        } else if (name == L"Update") {
            if (!added_) throw ProductError(L"There is no new record to update.");
            Records().push_back(std::move(*added_));
            added_.reset();
            current_ = Records().size() - 1;
            return static_cast<std::int32_t>(Records().size());
        } else {  // GoTo
            const std::wstring id = call.arguments[0].ToText();
            const bool digits = !id.empty() && id.size() < 10 &&
                                id.find_first_not_of(L"0123456789") == std::wstring::npos;
            const std::size_t position = digits ? std::stoul(id) : 0;
            if (position < 1 || position > Records().size()) throw ProductError(L"Record not found.");
            current_ = position - 1;
        }
        return {};
    }

    std::size_t database_;
    std::optional<std::size_t> current_;
    std::optional<Item> added_;
};

// The database object. Opening needs a login first when the databases are shared; a path
// ACT! does not know, the empty one included, leaves no database open.
class Database : public ActHandle {
public:
    explicit Database(std::shared_ptr<ActWorld> world) : ActHandle(std::move(world), L"Database") {}

private:
    MemberTable Members() const override {
        static const std::array table{
            MemberInfo{.name = L"Open", .access = Access::Method,
                       .parameters = {ValueType::Text}, .required = 1},
            MemberInfo{.name = L"IsOpen", .access = Access::ReadOnly, .type = ValueType::Boolean},
            MemberInfo{.name = L"IsMultiUser", .access = Access::ReadOnly, .type = ValueType::Boolean},
            MemberInfo{.name = L"ValidateUser", .access = Access::Method,
                       .parameters = {ValueType::Text, ValueType::Text}, .required = 2},
            MemberInfo{.name = L"contact", .access = Access::ReadOnly, .type = ValueType::Object},
        };
        return table;
    }

    Variant Answer(const Call& call) override {
        const auto& name = call.member.name;
        if (name == L"Open") {
            open_.reset();
            Container* database = world_->FindDatabase(call.arguments[0].ToText());
            if (database && (!world_->multiUser || validated_)) {
                open_ = static_cast<std::size_t>(database - world_->databases.data());
            }
            return {};
        }
        if (name == L"IsOpen") return open_.has_value();
        if (name == L"IsMultiUser") return world_->multiUser;
        if (name == L"ValidateUser") {
            validated_ = world_->AcceptsLogin(call.arguments[0].ToText(), call.arguments[1].ToText());
            return validated_;
        }
        if (!open_) throw ProductError(L"No database is open.");
        return ObjectRef(std::make_shared<ContactTable>(world_, *open_));
    }

    std::optional<std::size_t> open_;
    bool validated_ = false;
};

}  // namespace

ObjectRef CreateActDatabase(std::shared_ptr<ActWorld> world) {
    return std::make_shared<Database>(std::move(world));
}

}  // namespace orvantis::standins
