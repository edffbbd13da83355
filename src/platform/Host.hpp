#pragma once

#include "platform/Files.hpp"
#include "platform/Http.hpp"
#include "platform/ObjectFactory.hpp"
#include "platform/Registry.hpp"
#include "platform/SecretStore.hpp"
#include "platform/SettingsStore.hpp"
#include "platform/Shell.hpp"
#include "platform/TimeZone.hpp"
#include "platform/UserInterface.hpp"
#include "platform/XmlParser.hpp"

namespace orvantis {

// Everything the system asks of the machine it runs on. The control receives one at
// construction; the adapters of each platform and the tests' fakes provide them.
struct Host {
    XmlParser& xml;
    ObjectFactory& objects;
    UserInterface& ui;
    Registry& registry;
    Shell& shell;
    Files& files;
    SettingsStore& settings;
    TimeZone& timeZone = SystemTimeZone();
    Http& http = SystemHttp();
    SecretStore& secrets = SystemSecrets();
};

}  // namespace orvantis
