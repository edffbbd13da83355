#pragma once

// A tiny world of the server's own, so that the server is proven end to end without any
// product's stand-in: an application whose Items collection holds items of named values.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "automation/Object.hpp"

namespace orvantis::server {

// The items, each a list of named values in the order first written.
struct ProbeWorld {
    using Item = std::vector<std::pair<std::wstring, Variant>>;
    std::vector<std::shared_ptr<Item>> items;
};

// What "Orvantis.StandInProbe" creates: a new handle onto the shared world. Members:
// Items (also fixed identifier 0x60020003), the default member (its name), Fail(number,
// description) which raises that error, WriteContact(contact) which adds an item with the
// contact's Firstname and Lastname (the control's plug-in call). Items has Count, Item(i) (also its default member),
// Add() and _NewEnum; an item reads and writes any name, its default member being "Name".
ObjectRef MakeProbe(std::shared_ptr<ProbeWorld> world);

// The world as JSON: {"items": [{"fields": [{"name": ..., "value": ...}, ...]}, ...]}.
std::string ProbeJson(const ProbeWorld& world);

}  // namespace orvantis::server
