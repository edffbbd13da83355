// STOPGAP, to be deleted (with its line in src/CMakeLists.txt) when the HTTP adapters of
// branch dav-http are merged: until then every host needs SystemHttp() to link. It answers no
// server, so a load that reaches it fails saying so rather than pretending.
#include "automation/AutomationError.hpp"
#include "platform/Http.hpp"

namespace orvantis {
namespace {

class NoHttp : public Http {
public:
    std::unique_ptr<HttpSession> Open(const HttpSettings&) override {
        throw AutomationError::Standard(errors::kCannotCreateObject, L"no HTTP client in this build");
    }
};

}  // namespace

Http& SystemHttp() {
    static NoHttp http;
    return http;
}

}  // namespace orvantis
