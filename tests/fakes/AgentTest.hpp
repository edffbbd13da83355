#pragma once

#include <gtest/gtest.h>

#include "control/OrvantisAgent.hpp"
#include "fakes/TestHost.hpp"

namespace orvantis::test {

class RecordingPlugIn : public Object {
public:
    Variant Invoke(const Member&, CallKind, std::span<Argument> arguments) override {
        ids.push_back(Dereference(arguments[0].value).Get(L"OrvantisID").ToText());
        return {};
    }
    std::vector<std::wstring> ids;
};

class AgentTest : public ::testing::Test {
protected:
    AgentTest() { host.objects.Register(L"Orvantis.MsnInserter", [this] { return plugIn; }); }
    // The load's error number, 0 for none, and its description in `failure`.
    std::int32_t Load(const std::wstring& text, const PageAddress& page = std::nullopt) {
        Variant var(text);
        try {
            EXPECT_TRUE(agent.LoadXML(var, page).IsEmpty());
        } catch (const AutomationError& error) {
            failure = error.Description();
            return error.Number();
        }
        return 0;
    }

    TestHost host;
    std::shared_ptr<RecordingPlugIn> plugIn = std::make_shared<RecordingPlugIn>();
    OrvantisAgent agent{host.Get()};
    std::wstring failure;
};

}  // namespace orvantis::test
