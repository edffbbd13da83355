#pragma once

#include "standins/outlook/OutlookHandle.hpp"

namespace orvantis::standins {

struct OutlookItemKind;

// One item, saved or not. The handle works on its own copy, as Outlook does: nothing
// reaches the folder before Save, which stores a new item or replaces the saved one.
class OutlookItem : public OutlookHandle<OutlookItem> {
public:
    OutlookItem(std::shared_ptr<OutlookWorld> world, FolderPath folder, const OutlookItemKind& kind,
                Item item);

    // The answers the item kinds' tables give.
    Variant Property(const Call& call);
    Variant Save(const Call& call);
    Variant AddPicture(const Call& call);

private:
    Table Members() const override;

    FolderPath folder_;
    const OutlookItemKind& kind_;
    Item item_;
};

}  // namespace orvantis::standins
