#include "standins/WorldFile.hpp"
#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::int32_t kEmbedAttachment = 1454;

// A document open in a caller's hands: its own copy, shared with the rich-text items taken
// from it, since Notes writes those into the document that holds them.
using OpenDocument = std::shared_ptr<Item>;

// The item's name as the attachment's, when none is given: the file's base name.
std::wstring BaseName(const std::wstring& path) {
    const auto separator = path.find_last_of(L"/\\");
    return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

// The position of the `ordinal`-th item of that name (counting from 0); none when it is gone.
std::optional<std::size_t> ItemPosition(const Item& document, std::wstring_view name,
                                        std::size_t ordinal) {
    for (std::size_t i = 0; i < document.fields.size(); ++i) {
        if (SameName(document.fields[i].name, name) && ordinal-- == 0) return i;
    }
    return std::nullopt;
}

void RemoveItems(Item& document, std::wstring_view name) {
    std::erase_if(document.fields, [&](const Field& field) { return SameName(field.name, name); });
}

class RichTextItem : public NotesHandle<RichTextItem> {
public:
    RichTextItem(std::shared_ptr<NotesWorld> world, OpenDocument document, std::wstring name,
                 std::size_t ordinal)
        : ProductHandle(std::move(world), L"NotesRichTextItem"),
          document_(std::move(document)),
          name_(std::move(name)),
          ordinal_(ordinal) {}

private:
    Table Members() const override {
        static const Row table[]{
            {ReadOnlyMember(L"Name", ValueType::Text), [](RichTextItem& self, const Call&) { return Variant(self.name_); }},
            {MethodMember(L"AppendText", {ValueType::Text}), &RichTextItem::AppendText},
            {MethodMember(L"EmbedObject", {ValueType::Long, ValueType::Text, ValueType::Text, ValueType::Text}, 3),
             &RichTextItem::EmbedObject},
        };
        return table;
    }

    Variant AppendText(const Call& call) {
        Json& richText = Value();
        richText["text"] = richText["text"].get<std::string>() + JsonText(call.arguments[0].ToText());
        return {};
    }

    Variant EmbedObject(const Call& call) {
        Json& richText = Value();
        if (call.arguments[0].ToLong() != kEmbedAttachment) {
            throw ProductError(
                errors::kInvalidArgument,
                L"Invalid procedure call or argument: only attachments (1454) are modelled");
        }
        const std::wstring path = call.arguments[2].ToText();
        const Variant& given = call.arguments[3];
        const bool named = given.GetKind() != Variant::Kind::Missing && !given.ToText().empty();
        const std::wstring attachment = named ? given.ToText() : BaseName(path);
        // The file is read now: the caller may delete it as soon as the call returns.
        const auto bytes = ReadFileBytes(path);
        if (!bytes) throw NotesError(L"File does not exist (" + path + L")");
        richText["attachments"].push_back({{"name", JsonText(attachment)}, {"bytes", HexOf(*bytes)}});
        return {};
    }

    Json& Value() {
        // Gone, or replaced by a value that is no rich text: either way not this item any more.
        const auto position = ItemPosition(*document_, name_, ordinal_);
        auto* value = position ? document_->fields[*position].ProductValue() : nullptr;
        if (!value || !value->contains(notes::kRichTextKey)) {
            throw NotesError(L"The item " + name_ + L" has been removed");
        }
        return (*value)[notes::kRichTextKey];
    }

    OpenDocument document_;
    std::wstring name_;
    std::size_t ordinal_;
};

class Document : public NotesHandle<Document> {
public:
    Document(std::shared_ptr<NotesWorld> world, std::size_t database, Item document)
        : ProductHandle(std::move(world), L"NotesDocument"),
          database_(database),
          document_(std::make_shared<Item>(std::move(document))) {}

private:
    Table Members() const override {
        // ReplaceItemValue answers a NotesItem in Notes; the system never uses it.
        static const Row table[]{
            {MethodMember(L"ReplaceItemValue", {ValueType::Text, ValueType::Any}),
             [](Document& self, const Call& call) {
                 self.ReplaceItemValue(call.arguments[0].ToText(), call.arguments[1]);
                 return Variant();
             }},
            {MethodMember(L"CreateRichTextItem", {ValueType::Text}),
             [](Document& self, const Call& call) { return self.CreateRichTextItem(call.arguments[0].ToText()); }},
            {MethodMember(L"RemoveItem", {ValueType::Text}),
             [](Document& self, const Call& call) {
                 RemoveItems(*self.document_, call.arguments[0].ToText());
                 return Variant();
             }},
            {MethodMember(L"ComputeWithForm", {ValueType::Boolean, ValueType::Boolean}), &Document::ComputeWithForm},
            {MethodMember(L"Save", {ValueType::Boolean, ValueType::Boolean, ValueType::Boolean}, 2),
             [](Document& self, const Call&) {
                 self.world_->databases[self.database_].Save(*self.document_, self.world_->lastDocumentId);
                 return Variant(true);
             }},
        };
        return table;
    }

    Variant ComputeWithForm(const Call& call) {
        if (!world_->validationFailure) return true;
        if (call.arguments[1].ToBoolean()) throw NotesError(*world_->validationFailure);
        return false;
    }

    // Every item of the name goes; the new one takes the place of the first.
    void ReplaceItemValue(const std::wstring& itemName, const Variant& value) {
        Field field(itemName);
        if (value.IsObject()) {
            const ObjectRef object = value.ToObject();
            const std::wstring* text = object ? DateTimeText(*object) : nullptr;
            if (!text) throw ProductError(errors::kTypeMismatch, L"Type mismatch: " + itemName);
            field.SetProductValue({{notes::kDateTimeKey, JsonText(*text)}});
        } else {
            switch (value.GetKind()) {
                case Variant::Kind::Integer:
                case Variant::Kind::Long:
                case Variant::Kind::Double:
                    field.SetValue(value.ToDouble());
                    break;  // Notes numbers
                case Variant::Kind::Empty:
                case Variant::Kind::Text:
                case Variant::Kind::Date:
                    field.SetValue(value);
                    break;
                default:
                    throw ProductError(errors::kTypeMismatch, L"Type mismatch: " + itemName);
            }
        }
        auto& fields = document_->fields;
        const auto first = ItemPosition(*document_, itemName, 0);
        if (!first) {
            fields.push_back(std::move(field));
            return;
        }
        fields[*first] = std::move(field);
        for (std::size_t i = fields.size(); i-- > *first + 1;) {
            if (SameName(fields[i].name, itemName))
                fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }

    // Always a new item, even beside others of the same name.
    ObjectRef CreateRichTextItem(const std::wstring& itemName) {
        std::size_t ordinal = 0;
        while (ItemPosition(*document_, itemName, ordinal)) ++ordinal;
        Field field(itemName);
        field.SetProductValue({{notes::kRichTextKey, {{"text", ""}, {"attachments", Json::array()}}}});
        document_->fields.push_back(std::move(field));
        return std::make_shared<RichTextItem>(world_, document_, itemName, ordinal);
    }

    std::size_t database_;
    OpenDocument document_;
};

}  // namespace

ObjectRef MakeNewDocument(std::shared_ptr<NotesWorld> world, std::size_t database) {
    return std::make_shared<Document>(std::move(world), database,
                                      Item{notes::kDocument, {}, 0});
}

ObjectRef MakeStoredDocument(std::shared_ptr<NotesWorld> world, std::size_t database,
                             std::uint64_t id) {
    const Item* document = world->databases[database].ItemWithId(id);
    return document ? std::make_shared<Document>(world, database, *document) : nullptr;
}

}  // namespace orvantis::standins
