#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.hpp"

namespace orvantis {

// The list of a product's address books, by its identifier (which a scripted answer names).
inline constexpr const wchar_t* kAddressBookList = L"List1";

// The products' address-book choosers look alike: a label, the list of the product's
// address books in its order, nothing selected, OK and "Annuler".
inline DialogView AddressBookView(std::wstring caption, std::vector<std::wstring> addressBooks,
                                  bool doubleClickIsOk) {
    using Kind = DialogControl::Kind;
    return {std::move(caption),
            {
                {.kind = Kind::Label, .id = L"Label1", .text = L"Available Address book:"},
                {.kind = Kind::ListBox,
                 .id = kAddressBookList,
                 .items = std::move(addressBooks),
                 .doubleClickIsOk = doubleClickIsOk},
                {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler"},
            }};
}

}  // namespace orvantis
