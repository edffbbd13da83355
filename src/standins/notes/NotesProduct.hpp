#pragma once

#include "standins/ProductOf.hpp"
#include "standins/notes/NotesWorld.hpp"

namespace orvantis::standins {

// Lotus Notes in the sandbox: "Lotus.NotesSession" onto one Notes client, kept in notes.json.
class NotesProduct : public ProductOf<NotesWorld> {
public:
    const char* FileName() const override { return "notes.json"; }
    void Register(ObjectCatalog& catalog) override;
    std::string Describe() const override;
    void ForgetIndexes() override { standins::ForgetIndexes(world_->databases); }
};

}  // namespace orvantis::standins
