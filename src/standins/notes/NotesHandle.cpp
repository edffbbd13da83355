#include "standins/notes/NotesHandle.hpp"

namespace orvantis::standins {
namespace {

// Notes' own errors reach a caller of the back-end classes under this one number, with
// Notes' text telling them apart (a guess: no public source gives the number).
constexpr std::int32_t kNotesErrorNumber = -2147217504;  // 0x80040FA0
constexpr std::wstring_view kNotesSource = L"Lotus Notes";

}  // namespace

NotesHandle::NotesHandle(std::shared_ptr<NotesWorld> world, std::wstring_view className)
    : ProductHandle(std::move(world), className, kNotesSource) {}

AutomationError NotesHandle::NotesError(std::wstring description) const {
    return ProductError(kNotesErrorNumber, L"Notes error: " + std::move(description));
}

}  // namespace orvantis::standins
