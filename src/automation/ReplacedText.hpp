#pragma once

#include <string>
#include <string_view>

namespace orvantis {

// A text with every occurrence of a piece replaced, exactly as ReplaceAll gives it, that can
// be read in parts: a parser fed in parts then needs no replaced copy of a large document.
// It refers to the texts it is given, which must outlive it and its readers.
class ReplacedText {
public:
    // An empty piece replaces nothing.
    ReplacedText(std::wstring_view text, std::wstring_view piece, std::wstring_view replacement)
        : text_(text), piece_(piece), replacement_(replacement) {}

    // The replaced text whole, for what cannot take it in parts.
    std::wstring Whole() const;

    // Reads the replaced text from its start.
    class Reader {
    public:
        explicit Reader(const ReplacedText& text);

        bool AtEnd() const { return pending_.empty() && rest_.empty(); }

        // Hands take(std::wstring_view) the next characters as a few runs: `limit` of them (at
        // least 2), fewer at the end or to keep a surrogate pair for the next call.
        template <class Take>
        void Read(std::size_t limit, Take&& take) {
            while (limit > 0 && !AtEnd()) {
                const std::wstring_view run = NextRun(limit);
                if (run.empty()) return;
                take(run);
                limit -= run.size();
            }
        }

    private:
        // Up to limit characters of the original or of a replacement, taken; empty only where
        // the end has come or a surrogate pair would be cut.
        std::wstring_view NextRun(std::size_t limit);
        void FindPiece();

        std::wstring_view rest_;     // the original, from where reading is
        std::wstring_view pending_;  // what is left of a replacement being read
        std::wstring_view piece_;
        std::wstring_view replacement_;
        std::size_t pieceAt_ = 0;    // the next occurrence in rest_, npos when none is left
    };

private:
    std::wstring_view text_;
    std::wstring_view piece_;
    std::wstring_view replacement_;
};

}  // namespace orvantis
