#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "automation/AutomationError.hpp"
#include "dialogs/PresetAnswer.hpp"
#include "platform/CommandLine.hpp"
#include "platform/Host.hpp"
#include "platform/NativeHost.hpp"
#include "platform/ObjectCatalog.hpp"

namespace orvantis::test {

template <class Map>
std::optional<typename Map::mapped_type> Found(const Map& map, const typename Map::key_type& key) {
    const auto found = map.find(key);
    return found == map.end() ? std::nullopt : std::optional(found->second);
}

struct ShownBox {
    std::wstring text;
    std::wstring title;
    int style = 0;
};

// Records every message box and answers OK. Dialogs are recorded too and answered from
// dialogAnswers in turn, with the close control once none is left; onDialog runs while one is up.
class RecordingUserInterface : public UserInterface {
public:
    int MessageBox(const std::wstring& text, const std::wstring& title, int style) override {
        boxes.push_back({text, title, style});
        if (onShow) onShow();
        return 1;
    }
    DialogAnswer ShowDialog(const DialogView& view) override {
        dialogs.push_back(view);
        if (const auto callback = onDialog) callback();  // a copy: the callback may clear onDialog
        PresetAnswer preset;
        if (!dialogAnswers.empty()) {
            preset = std::move(dialogAnswers.front());
            dialogAnswers.pop_front();
        }
        return AnswerAsPreset(view, preset);
    }
    std::vector<ShownBox> boxes;
    std::vector<DialogView> dialogs;
    std::deque<PresetAnswer> dialogAnswers;
    std::function<void()> onDialog;
    std::function<void()> onShow;  // runs while a box is up
};

class FakeRegistry : public Registry {
public:
    std::optional<std::wstring> ReadValue(RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) override {
        return Found(values, {root, key, name});
    }
    std::map<std::tuple<RegistryRoot, std::wstring, std::wstring>, std::wstring> values;
};

// Folders come from a table; programs are recorded, and a command line whose program is
// listed in missingPrograms fails to start as a missing file does.
class FakeShell : public Shell {
public:
    std::wstring SpecialFolderPath(int folderId) override { return Found(folders, folderId).value_or(L""); }
    void RunAndWait(const std::wstring& commandLine, int windowStyle) override {
        runs.push_back({commandLine, windowStyle});
        if (onRun) onRun(commandLine);
        if (failWith) throw AutomationError::Standard(*failWith);
    }
    std::wstring ExpandEnvironmentVariables(const std::wstring& text) override {
        return ExpandPercentVariables(text, [this](const std::wstring& name) { return Found(environment, name); });
    }
    bool HasComponentRegistry() const override { return componentRegistry; }
    bool OpenWithDefaultProgram(const std::wstring& path) override {
        opened.push_back(path);
        return opensFiles;
    }
    std::map<int, std::wstring> folders;
    std::vector<std::wstring> opened;
    bool opensFiles = true;
    std::map<std::wstring, std::wstring> environment;
    bool componentRegistry = true;
    std::vector<std::pair<std::wstring, int>> runs;
    std::optional<std::int32_t> failWith;
    std::function<void(const std::wstring&)> onRun;
};

// Files kept in memory: path to bytes. A folder can be removed only when empty.
class FakeFiles : public Files {
public:
    void WriteBytes(const std::wstring& path, std::string_view bytes) override;
    // Refused with refuseReplace, as a folder that cannot be written is.
    void WriteFileWhole(const std::wstring& path, std::string_view bytes) override;
    void Delete(const std::wstring& path) override;
    std::wstring CreateUniqueTemporaryFile(std::wstring_view extension) override;
    std::wstring CreateUniqueTemporaryFolder() override;
    void DeleteFolder(const std::wstring& path) override;

    std::map<std::wstring, std::string> files;
    std::optional<std::int32_t> refuseReplace;
    std::set<std::wstring> folders;
    int temporaryCount = 0;
};

// A zone a whole number of hours east of UTC, with summer time (one hour more) from April to
// September, and a fixed clock; dates before 1900 do not convert.
class FakeTimeZone : public TimeZone {
public:
    std::optional<double> LocalToUtc(double local) const override;
    double NowUtc() const override { return now; }
    int offsetHours = 1;
    double now = 47000.5;  // 2028-09-05 12:00
};

class FakeSettingsStore : public SettingsStore {
public:
    using Address = std::tuple<std::wstring, std::wstring, std::wstring>;
    std::optional<std::wstring> Read(const std::wstring& application, const std::wstring& section,
                                     const std::wstring& key) override {
        return Found(values, {application, section, key});
    }
    void Write(const std::wstring& application, const std::wstring& section,
               const std::wstring& key, const std::wstring& value) override {
        values[{application, section, key}] = value;
    }
    std::map<Address, std::wstring> values;
};

// Secrets kept in memory by name; with refuseReads set, a stored one raises that number when
// read, as a file that others could read does.
class FakeSecretStore : public SecretStore {
public:
    std::optional<std::wstring> Read(const std::wstring& name) override {
        const auto found = Found(values, name);
        if (found && refuseReads) throw AutomationError::Standard(*refuseReads, name);
        return found;
    }
    void Write(const std::wstring& name, const std::wstring& secret) override {
        values[name] = secret;
    }
    std::map<std::wstring, std::wstring> values;
    std::optional<std::int32_t> refuseReads;
};

// The native XML parser (what the control really uses) with fakes for everything that
// touches the machine.
class TestHost {
public:
    TestHost()
        : native_(CreateNativeHost(ui)),
          host_(With(ui)) {}
    Host& Get() { return host_; }
    // The same fakes with another user interface: the console, a real presenter.
    Host With(UserInterface& other) {
        return {.xml = native_->Get().xml, .objects = objects, .ui = other, .registry = registry,
                .shell = shell, .files = files, .settings = settings, .timeZone = timeZone,
                .secrets = secrets};
    }

    RecordingUserInterface ui;
    ObjectCatalog objects;
    FakeRegistry registry;
    FakeShell shell;
    FakeFiles files;
    FakeSettingsStore settings;
    FakeTimeZone timeZone;
    FakeSecretStore secrets;

private:
    std::unique_ptr<NativeHost> native_;
    Host host_;
};

}  // namespace orvantis::test
