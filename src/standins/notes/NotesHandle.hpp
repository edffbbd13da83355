#pragma once

#include <memory>
#include <string>

#include "standins/StandIn.hpp"
#include "standins/notes/NotesWorld.hpp"

namespace orvantis::standins {

inline constexpr std::wstring_view kNotesProgId = L"Lotus.NotesSession";

template <class Self>
using NotesHandle = ProductHandle<NotesWorld, Self>;

// The back-end classes report their own failures with one number and Notes' text.
AutomationError NotesError(std::wstring description);

// A new Lotus.NotesSession onto the Notes client that `world` is.
ObjectRef CreateNotesSession(std::shared_ptr<NotesWorld> world);
ObjectRef MakeDbDirectory(std::shared_ptr<NotesWorld> world);
ObjectRef MakeDatabase(std::shared_ptr<NotesWorld> world, std::size_t database);
ObjectRef MakeDateTime(std::shared_ptr<NotesWorld> world, std::wstring text);
// The text a NotesDateTime of this stand-in was made from; null for any other object.
const std::wstring* DateTimeText(const Object& object);
// A new document, stored only by its Save; a stored one (null once it is gone), on a copy.
ObjectRef MakeNewDocument(std::shared_ptr<NotesWorld> world, std::size_t database);
ObjectRef MakeStoredDocument(std::shared_ptr<NotesWorld> world, std::size_t database,
                             std::uint64_t id);

}  // namespace orvantis::standins
