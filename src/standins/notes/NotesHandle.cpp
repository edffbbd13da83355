#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {
namespace {

// Notes' own errors reach a caller of the back-end classes under this one number, with
// Notes' text telling them apart (a guess: no public source gives the number).
constexpr std::int32_t kNotesErrorNumber = -2147217504;  // 0x80040FA0

}  // namespace

AutomationError NotesError(std::wstring description) {
    return AutomationError(kNotesErrorNumber, std::wstring(NotesWorld::kSource),
                           L"Notes error: " + std::move(description));
}

}  // namespace orvantis::standins
