#include "dav/DavTarget.hpp"

#include <map>
#include <string>
#include <vector>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "dav/CollectionWriter.hpp"
#include "standards/ICalendarWriter.hpp"
#include "standards/ItemUids.hpp"
#include "standards/VCardWriter.hpp"

namespace orvantis {
namespace {

using dav::ItemKind;

struct Item {
    ItemKind kind;
    std::string uid;
    std::string text;
};

class DavBatch : public ItemBatch {
public:
    explicit DavBatch(Host& host)
        : host_(host), stamp_(host.timeZone.NowUtc()), calendar_(host.timeZone, stamp_) {}

    void Contact(const AgentContact& contact) override {
        const std::wstring uid = uids_.Of(contact);
        items_.push_back({ItemKind::Contact, Utf8FromWide(uid), VCard(contact, uid, stamp_)});
    }
    void Event(const AgentEvent& event) override {
        const std::wstring uid = uids_.Of(event);
        items_.push_back({ItemKind::Event, Utf8FromWide(uid),
                          ICalendarWriter::Calendar({calendar_.Event(event, uid)})});
    }
    void Todo(const AgentTodo& todo) override {
        const std::wstring uid = uids_.Of(todo);
        items_.push_back({ItemKind::Todo, Utf8FromWide(uid),
                          ICalendarWriter::Calendar({calendar_.Todo(todo, uid)})});
    }

    std::wstring Finish() override {
        if (items_.empty()) return L"wrote nothing to the server";
        dav::WriteCounts counts;
        try {
            dav::DavServer server(host_);
            dav::CollectionChooser chooser(server);
            // One listing per collection, whichever kinds share it.
            std::map<std::string, std::unique_ptr<dav::CollectionWriter>> writers;
            std::map<ItemKind, dav::CollectionWriter*> byKind;
            for (const Item& item : items_) {
                auto& writer = byKind[item.kind];
                if (!writer) {
                    const std::string url = chooser.For(item.kind);
                    auto& shared = writers[url];
                    if (!shared) shared = std::make_unique<dav::CollectionWriter>(server, url, item.kind);
                    writer = shared.get();
                }
                writer->Write(item.uid, item.text, counts);
            }
            return Said(counts) + L" on " + WideFromUtf8(server.Origin()).value_or(L"");
        } catch (const AutomationError& error) {
            // What was written stays written; the user learns how far the load went.
            throw AutomationError(error.Number(), error.Source(),
                                  error.Description() + L"; " + Said(counts) + L", " +
                                      std::to_wstring(NotWritten(counts)) + L" not written");
        }
    }

private:
    static std::wstring Said(const dav::WriteCounts& counts) {
        return L"created " + std::to_wstring(counts.created) + L", updated " +
               std::to_wstring(counts.updated) + L", unchanged " + std::to_wstring(counts.unchanged);
    }
    std::size_t NotWritten(const dav::WriteCounts& counts) const {
        return items_.size() - counts.created - counts.updated - counts.unchanged;
    }

    Host& host_;
    double stamp_;
    ICalendarWriter calendar_;
    ItemUids uids_;
    std::vector<Item> items_;
};

}  // namespace

std::unique_ptr<ItemBatch> CreateDavBatch(Host& host) { return std::make_unique<DavBatch>(host); }

}  // namespace orvantis
