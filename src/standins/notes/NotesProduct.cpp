#include "standins/notes/NotesProduct.hpp"

#include "standins/WorldListing.hpp"
#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {

void NotesProduct::Register(ObjectCatalog& catalog) {
    catalog.Register(std::wstring(kNotesProgId), [world = world_] { return CreateNotesSession(world); });
}

std::string NotesProduct::Describe() const {
    return "Lotus Notes\n" + ListContainers(world_->databases, 1);
}

}  // namespace orvantis::standins
