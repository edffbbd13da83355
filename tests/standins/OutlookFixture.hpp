#pragma once

#include <gtest/gtest.h>

#include "automation/Enumerator.hpp"
#include "platform/ObjectCatalog.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::test {

// Outlook's stand-in as an inserter reaches it: through the catalog, by name. Every test
// ends with all its handles released.
class OutlookFixture : public ::testing::Test {
protected:
    OutlookFixture() { sandbox.Register(catalog); }
    void TearDown() override { EXPECT_EQ(sandbox.LiveObjects(), 0u); }

    ObjectRef Application() { return catalog.CreateObject(L"Outlook.Application"); }
    ObjectRef NameSpace() { return Application()->Call(L"GetNamespace", {L"MAPI"}).ToObject(); }
    ObjectRef DefaultItems(std::int32_t folderId) {
        auto folder = NameSpace()->Call(L"GetDefaultFolder", {folderId});
        return Dereference(folder).Get(L"Items").ToObject();
    }
    standins::Container& Contacts() { return sandbox.Outlook().DefaultFolderContainer(10); }

    standins::Sandbox sandbox;
    ObjectCatalog catalog;
};

}  // namespace orvantis::test
