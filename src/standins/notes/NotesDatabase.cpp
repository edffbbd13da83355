#include <algorithm>
#include <cwctype>

#include "automation/Text.hpp"
#include "standins/notes/NotesHandle.hpp"
#include "standins/notes/SearchFormula.hpp"

namespace orvantis::standins {
namespace {

// What an item holds as the formula sees it: a missing item, as an empty one, is empty text;
// a value of another kind never equals a text.
std::optional<std::wstring> TextForFormula(const Item& document, std::wstring_view itemName) {
    const Field* field = document.Find(itemName);
    if (!field) return std::wstring();
    if (field->ProductValue()) return std::nullopt;
    switch (field->Kind()) {
        case Variant::Kind::Empty: return std::wstring();
        case Variant::Kind::Text: return field->Value().ToText();
        default: return std::nullopt;
    }
}

class DocumentCollection : public NotesHandle<DocumentCollection> {
public:
    DocumentCollection(std::shared_ptr<NotesWorld> world, std::size_t database,
                       std::vector<std::uint64_t> ids)
        : ProductHandle(std::move(world), L"NotesDocumentCollection"), database_(database), ids_(std::move(ids)) {}

private:
    Table Members() const override {
        static const Row table[]{
            {CountMember(), [](DocumentCollection& self, const Call&) { return Count(self.ids_); }},
            {MethodMember(L"GetFirstDocument"),
             [](DocumentCollection& self, const Call&) {
                 if (self.ids_.empty()) return Variant(ObjectRef());  // Nothing, as Notes answers
                 return Variant(MakeStoredDocument(self.world_, self.database_, self.ids_.front()));
             }},
        };
        return table;
    }

    std::size_t database_;
    std::vector<std::uint64_t> ids_;
};

class Database : public NotesHandle<Database> {
public:
    Database(std::shared_ptr<NotesWorld> world, std::size_t database)
        : ProductHandle(std::move(world), L"NotesDatabase"), database_(database) {}

private:
    Table Members() const override {
        static const Row table[]{
            {MethodMember(L"Search", {ValueType::Text, ValueType::Any, ValueType::Long}),
             [](Database& self, const Call& call) {
                 return self.Search(call.arguments[0].ToText(), call.arguments[1], call.arguments[2].ToLong());
             }},
            {MethodMember(L"CreateDocument"),
             [](Database& self, const Call&) { return MakeNewDocument(self.world_, self.database_); }},
        };
        return table;
    }

    Variant Search(const std::wstring& text, const Variant& cutoff, std::int32_t maxDocs) {
        const auto formula = ParseSearchFormula(text);
        if (!formula) throw NotesError(L"Formula Error (" + text + L")");
        CheckCutoff(cutoff);
        const IndexKey key{L"= " + FoldCase(formula->item), [item = formula->item](const Item& document) {
                               return TextForFormula(document, item);
                           }};
        auto& database = world_->databases[database_];
        const auto& found = database.index.Find(database.items, key, formula->literal);
        const std::size_t count =
            maxDocs > 0 ? std::min(found.size(), static_cast<std::size_t>(maxDocs)) : found.size();
        std::vector<std::uint64_t> ids(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(count));
        return ObjectRef(std::make_shared<DocumentCollection>(world_, database_, std::move(ids)));
    }

    // A cut-off that is not a valid date means none. The stand-in keeps no modification
    // times, so a text that may be a date (one holding a digit) is refused, not guessed at.
    void CheckCutoff(const Variant& cutoff) const {
        const ObjectRef object = cutoff.IsObject() ? cutoff.ToObject() : nullptr;
        const std::wstring* text = object ? DateTimeText(*object) : nullptr;
        if (!text)
            throw ProductError(errors::kTypeMismatch,
                               L"Type mismatch: the cut-off is a NotesDateTime");
        if (std::any_of(text->begin(), text->end(), [](wchar_t c) { return std::iswdigit(c); })) {
            throw ProductError(
                errors::kInvalidArgument,
                L"Invalid procedure call or argument: a cut-off date is not modelled");
        }
    }

    std::size_t database_;
};

}  // namespace

ObjectRef MakeDatabase(std::shared_ptr<NotesWorld> world, std::size_t database) {
    return std::make_shared<Database>(std::move(world), database);
}

}  // namespace orvantis::standins
