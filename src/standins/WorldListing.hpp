#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "standins/WorldData.hpp"

namespace orvantis::standins {

// How a product shows a value of its own kind; empty to leave it to the listing.
using ValueShown = std::function<std::optional<std::string>(const nlohmann::ordered_json&)>;

// Containers, their attributes, items and fields as indented lines (UTF-8), for a person
// to read: text in quotes, dates as "YYYY-MM-DD HH:MM:SS", a product's value as the product
// shows it, else its file form in short.
std::string ListContainers(const std::vector<Container>& containers, int depth,
                           const ValueShown& shown = {});

// Text as the listing quotes it: in double quotes, with JSON's escapes.
std::string Quoted(std::wstring_view text);

}  // namespace orvantis::standins
