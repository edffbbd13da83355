#include <optional>

#include "standins/StandIn.hpp"
#include "standins/act/ActStandIn.hpp"

namespace orvantis::standins {
namespace {

template <class Self>
using ActHandle = ProductHandle<ActWorld, Self>;

// The contact table of one open database. A record made by Add is stored only by Update;
// Data writes to it, or else to the current record. A record's identifier is its position
// in the database from 1, which never changes since records are never removed.
class ContactTable : public ActHandle<ContactTable> {
public:
    ContactTable(std::shared_ptr<ActWorld> world, std::size_t database)
        : ProductHandle(std::move(world), L"Contact"), database_(database) {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"MoveFirst"), &ContactTable::MoveFirst},
            {MethodMember(L"Add"), &ContactTable::Add},
            {MethodMember(L"Data", {ValueType::Long, ValueType::Any}, 1), &ContactTable::Data},
            {MethodMember(L"Update"), &ContactTable::Update},
            {MethodMember(L"GoTo", {ValueType::Text}), &ContactTable::GoTo},
        };
        return table;
    }

    std::vector<Item>& Records() { return world_->databases.at(database_).items; }

    Item& Target() {
        if (added_) return *added_;
        if (current_) return Records().at(*current_);
        throw ProductError(L"There is no current record.");
    }

    Variant MoveFirst(const Call&) {
        current_ = Records().empty() ? std::nullopt : std::optional<std::size_t>(0);
        return {};
    }
    Variant Add(const Call&) {
        added_ = Item{kActContactKind, {}, 0};
        return {};
    }
    Variant Data(const Call& call) {
        const std::wstring field = std::to_wstring(call.arguments[0].ToLong());
        if (call.arguments[1].GetKind() == Variant::Kind::Missing) {
            const Field* found = Target().Find(field);
            return found ? found->Value() : Variant(L"");
        }
        Target().Write(field, call.arguments[1]);
        return {};
    }
    Variant Update(const Call&) {
        if (!added_) throw ProductError(L"There is no new record to update.");
        added_->fields.shrink_to_fit();  // a database of many records keeps no room to grow
        Records().push_back(std::move(*added_));
        added_.reset();
        current_ = Records().size() - 1;
        return Count(Records());
    }
    Variant GoTo(const Call& call) {
        const std::wstring id = call.arguments[0].ToText();
        const bool digits =
            !id.empty() && id.size() < 10 && id.find_first_not_of(L"0123456789") == std::wstring::npos;
        const std::size_t position = digits ? std::stoul(id) : 0;
        if (position < 1 || position > Records().size()) throw ProductError(L"Record not found.");
        current_ = position - 1;
        return {};
    }

    std::size_t database_;
    std::optional<std::size_t> current_;
    std::optional<Item> added_;
};

// The database object. Opening needs a login first when the databases are shared; a path
// ACT! does not know, the empty one included, leaves no database open.
class Database : public ActHandle<Database> {
public:
    explicit Database(std::shared_ptr<ActWorld> world) : ProductHandle(std::move(world), L"Database") {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"Open", {ValueType::Text}), &Database::Open},
            {ReadOnlyMember(L"IsOpen", ValueType::Boolean),
             [](Database& self, const Call&) { return Variant(self.open_.has_value()); }},
            {ReadOnlyMember(L"IsMultiUser", ValueType::Boolean),
             [](Database& self, const Call&) { return Variant(self.world_->multiUser); }},
            {MethodMember(L"ValidateUser", {ValueType::Text, ValueType::Text}),
             [](Database& self, const Call& call) {
                 self.validated_ = self.world_->AcceptsLogin(call.arguments[0].ToText(), call.arguments[1].ToText());
                 return Variant(self.validated_);
             }},
            {ReadOnlyMember(L"contact", ValueType::Object),
             [](Database& self, const Call&) {
                 if (!self.open_) throw self.ProductError(L"No database is open.");
                 return self.Make<ContactTable>(*self.open_);
             }},
        };
        return table;
    }

    Variant Open(const Call& call) {
        open_.reset();
        Container* database = world_->FindDatabase(call.arguments[0].ToText());
        if (database && (!world_->multiUser || validated_)) {
            open_ = static_cast<std::size_t>(database - world_->databases.data());
        }
        return {};
    }

    std::optional<std::size_t> open_;
    bool validated_ = false;
};

}  // namespace

ObjectRef CreateActDatabase(std::shared_ptr<ActWorld> world) {
    return std::make_shared<Database>(std::move(world));
}

}  // namespace orvantis::standins
