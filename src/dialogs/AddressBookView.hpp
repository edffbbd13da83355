#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.hpp"

namespace orvantis {

// The products' address-book choosers look alike: a label, the list "List1" of the product's
// address books in its order, nothing selected, OK and "Annuler".
inline DialogView AddressBookView(std::wstring caption, std::vector<std::wstring> addressBooks,
                                  bool doubleClickIsOk) {
    using Kind = DialogControl::Kind;
    return {std::move(caption),
            {
                {.kind = Kind::Label, .id = L"Label1", .text = L"Available Address book:"},
                {.kind = Kind::ListBox,
                 .id = L"List1",
                 .items = std::move(addressBooks),
                 .doubleClickIsOk = doubleClickIsOk},
                {.kind = Kind::OkButton, .id = L"OKButton", .text = L"OK"},
                {.kind = Kind::CancelButton, .id = L"CancelButton", .text = L"Annuler"},
            }};
}

}  // namespace orvantis
