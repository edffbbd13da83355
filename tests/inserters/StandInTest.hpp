#pragma once

#include <gtest/gtest.h>

#include "fakes/Errors.hpp"
#include "fakes/TestHost.hpp"
#include "items/AgentContact.hpp"
#include "standins/Ledger.hpp"
#include "standins/Sandbox.hpp"

namespace orvantis::test {

// The machine's files, since a stand-in reads a picture from the disk as its product does,
// with the files written and folders made recorded (to see them gone afterwards), and writes
// refused on demand.
class WatchedFiles : public Files {
public:
    explicit WatchedFiles(Files& files) : files_(files) {}
    void WriteBytes(const std::wstring& path, std::string_view bytes) override {
        if (refuseWrites) throw AutomationError::Standard(errors::kPermissionDenied, path);
        made.push_back(path);
        files_.WriteBytes(path, bytes);
    }
    void WriteFileWhole(const std::wstring& path, std::string_view bytes) override {
        files_.WriteFileWhole(path, bytes);
    }
    void Delete(const std::wstring& path) override { files_.Delete(path); }
    std::wstring CreateUniqueTemporaryFile(std::wstring_view extension) override {
        return files_.CreateUniqueTemporaryFile(extension);
    }
    std::wstring CreateUniqueTemporaryFolder() override {
        made.push_back(files_.CreateUniqueTemporaryFolder());
        return made.back();
    }
    void DeleteFolder(const std::wstring& path) override { files_.DeleteFolder(path); }

    std::vector<std::wstring> made;
    bool refuseWrites = false;

private:
    Files& files_;
};

// The test host with the products' stand-ins answering. A product object left alive after a
// test is a leak the real product would keep too, so every test ends by counting them.
class StandInTest : public ::testing::Test {
protected:
    StandInTest() { sandbox.Register(test.objects); }
    void TearDown() override { EXPECT_EQ(sandbox.LiveObjects(), 0u); }

    // Makes every call (or the n-th) of `member` fail as the product would.
    static void Fail(standins::Ledger& ledger, std::wstring object, std::wstring member,
                     std::int32_t number, std::size_t call = 0) {
        ledger.failures.push_back(
            {std::move(object), std::move(member), call, number, L"product", L"refused", 0});
    }
    // The arguments of every call of `member`, as logged, each as "a;b;".
    static std::vector<std::wstring> Calls(const standins::Ledger& ledger,
                                           std::wstring_view member) {
        std::vector<std::wstring> calls;
        for (const auto& call : ledger.calls) {
            if (call.member != member) continue;
            std::wstring arguments;
            for (const auto& argument : call.arguments) arguments += argument.ToText() + L";";
            calls.push_back(arguments);
        }
        return calls;
    }

    // An item's value as text, or "(not written)".
    static std::wstring FieldText(const standins::Item& item, std::wstring_view name) {
        const auto* field = item.Find(name);
        return field ? field->Value().ToText() : L"(not written)";
    }
    using ValueText = std::wstring (*)(const standins::Item&, std::wstring_view);
    // The named values of an item, each as `value` gives it, joined by "|".
    static std::wstring Fields(const standins::Item& item, std::initializer_list<const wchar_t*> names,
                               ValueText value = &FieldText) {
        std::wstring fields;
        for (const wchar_t* name : names) fields += (fields.empty() ? L"" : L"|") + value(item, name);
        return fields;
    }
    static AgentContact Contact(std::wstring id, std::wstring lastName) {
        AgentContact contact;
        contact.OrvantisID = std::move(id);
        contact.Lastname = std::move(lastName);
        return contact;
    }
    // The test host but with the machine's files, watched: a stand-in reads a picture from the
    // disk as its product does.
    Host& host() { return host_; }

    TestHost test;
    standins::Sandbox sandbox;
    std::unique_ptr<NativeHost> native = CreateNativeHost(test.ui);
    WatchedFiles files{native->Get().files};

private:
    Host host_{test.Get().xml, test.objects, test.ui, test.registry, test.shell, files, test.settings};
};

}  // namespace orvantis::test
