#pragma once

#include <memory>

#include "standins/StandIn.hpp"
#include "standins/outlook/OutlookWorld.hpp"

namespace orvantis::standins {

template <class Self>
using OutlookHandle = ProductHandle<OutlookWorld, Self>;

ObjectRef MakeNameSpace(std::shared_ptr<OutlookWorld> world);
ObjectRef MakeFolders(std::shared_ptr<OutlookWorld> world, FolderPath parent);  // {}: the stores
ObjectRef MakeFolder(std::shared_ptr<OutlookWorld> world, FolderPath path);
ObjectRef MakeItems(std::shared_ptr<OutlookWorld> world, FolderPath folder);
// A new item of that type in the folder, stored only by its Save; null when Outlook has
// no such item type.
ObjectRef MakeNewItem(std::shared_ptr<OutlookWorld> world, FolderPath folder, std::int32_t type);

}  // namespace orvantis::standins
