#include "platform/posix/NativeSettingsStore.hpp"

#include <glib.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "automation/AutomationError.hpp"
#include "automation/Unicode.hpp"
#include "platform/posix/GLibErrors.hpp"
#include "platform/posix/Owned.hpp"
#include "platform/posix/XdgFolders.hpp"

namespace orvantis {
namespace {

using KeyFile = Owned<GKeyFile, g_key_file_free>;
using GText = Owned<gchar, g_free>;

[[noreturn]] void Raise(const GError& error, const std::filesystem::path& file) {
    RaiseGLibError(error, WideFromUtf8(file.string()).value_or(L"the settings file"));
}

// Names become a folder, a file and a group: refuse what would escape the settings folder or
// not read back as the same name.
void RequireName(const std::wstring& name, std::wstring_view forbidden) {
    const bool bad = name.empty() || name == L"." || name == L".." || name.front() == L' ' ||
                     name.back() == L' ' || name.find_first_of(forbidden) != std::wstring::npos ||
                     std::any_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x20; });
    if (bad) throw AutomationError::Standard(errors::kInvalidArgument, L"setting name " + name);
}

void RequireNames(const std::wstring& application, const std::wstring& section,
                  const std::wstring& key) {
    RequireName(application, L"/");
    RequireName(section, L"/[]");
    RequireName(key, L"=[]#");
}

// The file's settings; none when it does not exist yet (or there is no home folder to hold
// it). A damaged file raises 321 rather than being read as empty, which a later write would
// turn into the loss of every other setting; a file that cannot be read (a folder in its
// place) raises an I/O error. A byte order mark, which some editors write, is allowed.
KeyFile Load(const std::filesystem::path& file) {
    if (file.empty()) return nullptr;
    gchar* raw = nullptr;
    gsize length = 0;
    ErrorSlot error;
    if (!g_file_get_contents(file.c_str(), &raw, &length, error.Out())) {
        if (error.Matches(G_FILE_ERROR, G_FILE_ERROR_NOENT)) return nullptr;
        Raise(*error, file);
    }
    const GText content(raw);
    std::string_view text(content.get(), length);
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    KeyFile keys(g_key_file_new());
    if (!g_key_file_load_from_data(keys.get(), text.data(), text.size(), G_KEY_FILE_KEEP_COMMENTS,
                                   error.Out())) {
        Raise(*error, file);
    }
    return keys;
}

}  // namespace

std::filesystem::path NativeSettingsStore::FileOf(const std::wstring& application,
                                                 const std::wstring& section) {
    const auto folder = XdgBaseFolder("XDG_CONFIG_HOME", ".config");
    if (folder.empty()) return folder;
    return folder / Utf8FromWide(application) / (Utf8FromWide(section) + ".ini");
}

std::optional<std::wstring> NativeSettingsStore::Read(const std::wstring& application,
                                                     const std::wstring& section,
                                                     const std::wstring& key) {
    RequireNames(application, section, key);
    const auto file = FileOf(application, section);
    const KeyFile keys = Load(file);
    if (!keys) return std::nullopt;
    ErrorSlot error;
    const GText value(g_key_file_get_string(keys.get(), Utf8FromWide(section).c_str(),
                                            Utf8FromWide(key).c_str(), error.Out()));
    if (value) {
        if (auto text = WideFromUtf8(value.get())) return text;
        throw AutomationError::Standard(errors::kInvalidFileFormat, L"a setting is not UTF-8");
    }
    if (error.Matches(G_KEY_FILE_ERROR, G_KEY_FILE_ERROR_GROUP_NOT_FOUND) ||
        error.Matches(G_KEY_FILE_ERROR, G_KEY_FILE_ERROR_KEY_NOT_FOUND)) {
        return std::nullopt;
    }
    Raise(*error, file);
}

void NativeSettingsStore::Write(const std::wstring& application, const std::wstring& section,
                               const std::wstring& key, const std::wstring& value) {
    RequireNames(application, section, key);
    if (value.find(L'\0') != std::wstring::npos) {
        throw AutomationError::Standard(errors::kInvalidArgument,
                                        L"a setting cannot hold a NUL character");
    }
    const auto file = FileOf(application, section);
    if (file.empty()) {
        throw AutomationError::Standard(errors::kPathNotFound,
                                        L"no folder for the settings (HOME is not set)");
    }
    KeyFile keys = Load(file);
    if (!keys) keys.reset(g_key_file_new());
    g_key_file_set_string(keys.get(), Utf8FromWide(section).c_str(), Utf8FromWide(key).c_str(),
                          Utf8FromWide(value).c_str());

    gsize length = 0;
    const GText data(g_key_file_to_data(keys.get(), &length, nullptr));
    g_mkdir_with_parents(file.parent_path().c_str(), 0700);
    // CONSISTENT: a temporary file, flushed to disk, then renamed over the old one, so a crash
    // leaves either the old settings or the new ones.
    ErrorSlot error;
    if (!g_file_set_contents_full(file.c_str(), data.get(), static_cast<gssize>(length),
                                  G_FILE_SET_CONTENTS_CONSISTENT, 0600, error.Out())) {
        Raise(*error, file);
    }
}

}  // namespace orvantis
