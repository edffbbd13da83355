#pragma once

#include <string>

#include "platform/windows/ComHandles.hpp"
#include <wincrypt.h>

namespace orvantis::windows {

inline BOOL CloseCertificateStore(HCERTSTORE store) { return CertCloseStore(store, 0); }
using OwnedCertificateStore = Owned<FreedBy<HCERTSTORE, CloseCertificateStore>>;
using OwnedChainEngine = Owned<FreedBy<HCERTCHAINENGINE, CertFreeCertificateChainEngine>>;
using OwnedChain = Owned<FreedBy<PCCERT_CHAIN_CONTEXT, CertFreeCertificateChain>>;
using OwnedCertificate = Owned<FreedBy<PCCERT_CONTEXT, CertFreeCertificateContext>>;

// The authorities of an extra CA file (PEM), checked by hand: WinHTTP trusts only the
// system's store, so a server they certify is first met with its unknown authority ignored.
class CaFileTrust {
public:
    // HttpFailure naming the file when it cannot be read or holds no certificate.
    explicit CaFileTrust(const std::string& path);

    // Whether the server's certificate chains up to one of the file's authorities, for
    // server authentication, and is made out to host.
    bool Trusts(PCCERT_CONTEXT server, const std::wstring& host) const;

private:
    OwnedCertificateStore roots_;
    OwnedChainEngine engine_;
};

}  // namespace orvantis::windows
