#pragma once

#include <string>
#include <vector>

#include "standins/WorldData.hpp"

namespace orvantis::standins {

// Containers, their attributes, items and fields as indented lines (UTF-8), for a person
// to read: text in quotes, dates as "YYYY-MM-DD HH:MM:SS", a product's value in short.
std::string ListContainers(const std::vector<Container>& containers, int depth);

}  // namespace orvantis::standins
