#include "automation/ReplacedText.hpp"

#include <algorithm>

#include "automation/Text.hpp"

namespace orvantis {

std::wstring ReplacedText::Whole() const {
    return piece_.empty() ? std::wstring(text_) : ReplaceAll(text_, piece_, replacement_);
}

ReplacedText::Reader::Reader(const ReplacedText& text)
    : rest_(text.text_), piece_(text.piece_), replacement_(text.replacement_) {
    FindPiece();
}

void ReplacedText::Reader::FindPiece() {
    pieceAt_ = piece_.empty() ? std::wstring_view::npos : rest_.find(piece_);
}

std::wstring_view ReplacedText::Reader::NextRun(std::size_t limit) {
    while (pending_.empty() && pieceAt_ == 0) {
        rest_.remove_prefix(piece_.size());
        pending_ = replacement_;
        FindPiece();
    }
    const bool replacing = !pending_.empty();
    std::wstring_view& source = replacing ? pending_ : rest_;
    std::size_t length = replacing ? pending_.size() : std::min(pieceAt_, rest_.size());
    if (length > limit) {
        length = limit;
        if (source[length - 1] >= 0xD800 && source[length - 1] <= 0xDBFF) --length;
    }
    const std::wstring_view run = source.substr(0, length);
    source.remove_prefix(length);
    if (!replacing && pieceAt_ != std::wstring_view::npos) pieceAt_ -= length;
    return run;
}

}  // namespace orvantis
