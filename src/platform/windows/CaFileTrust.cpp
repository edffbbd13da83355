#include "platform/windows/CaFileTrust.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/HttpCommon.hpp"

namespace orvantis::windows {
namespace {

constexpr std::string_view kBegin = "-----BEGIN CERTIFICATE-----";
constexpr std::string_view kEnd = "-----END CERTIFICATE-----";

// The DER bytes of one PEM block.
std::vector<BYTE> DecodedBlock(std::string_view block) {
    DWORD size = 0;
    const auto length = static_cast<DWORD>(block.size());
    if (!CryptStringToBinaryA(block.data(), length, CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr,
                              nullptr)) {
        return {};
    }
    std::vector<BYTE> bytes(size);
    if (!CryptStringToBinaryA(block.data(), length, CRYPT_STRING_BASE64HEADER, bytes.data(), &size,
                              nullptr, nullptr)) {
        return {};
    }
    bytes.resize(size);
    return bytes;
}

}  // namespace

CaFileTrust::CaFileTrust(const std::string& path)
    : roots_(CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr)) {
    const std::string text = ReadExtraCaFile(path);
    for (std::size_t begin = text.find(kBegin); begin != std::string::npos;
         begin = text.find(kBegin, begin + kBegin.size())) {
        const std::size_t end = text.find(kEnd, begin);
        if (end == std::string::npos) break;
        const std::vector<BYTE> der = DecodedBlock(std::string_view(text).substr(begin, end + kEnd.size() - begin));
        if (der.empty() ||
            !CertAddEncodedCertificateToStore(*roots_, X509_ASN_ENCODING, der.data(), static_cast<DWORD>(der.size()),
                                              CERT_STORE_ADD_REPLACE_EXISTING, nullptr)) {
            throw HttpFailure("the extra CA file " + path + " holds a certificate that cannot be read");
        }
    }
    CERT_CHAIN_ENGINE_CONFIG config{};
    // Windows 7's size, with the exclusive root but not the later flags: Wine refuses the newer.
    config.cbSize = offsetof(CERT_CHAIN_ENGINE_CONFIG, dwExclusiveFlags);
    config.hExclusiveRoot = *roots_;
    if (!CertCreateCertificateChainEngine(&config, engine_.Put())) {
        throw HttpFailure("the extra CA file " + path + " cannot be used to check certificates (error " +
                          std::to_string(GetLastError()) + ")");
    }
}

bool CaFileTrust::Trusts(PCCERT_CONTEXT server, const std::wstring& host) const {
    char serverAuthentication[] = szOID_PKIX_KP_SERVER_AUTH;
    char* usages[] = {serverAuthentication};
    CERT_CHAIN_PARA chainPara{};
    chainPara.cbSize = sizeof(chainPara);
    chainPara.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
    chainPara.RequestedUsage.Usage.cUsageIdentifier = 1;
    chainPara.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
    OwnedChain chain;
    if (!CertGetCertificateChain(*engine_, server, nullptr, server->hCertStore, &chainPara, 0, nullptr,
                                 chain.Put())) {
        return false;
    }
    // Wine's SSL policy lets a chain that ends short of any root pass: the chain's own status
    // is checked too.
    if ((*chain)->TrustStatus.dwErrorStatus != CERT_TRUST_NO_ERROR) return false;
    std::wstring serverName = host;
    SSL_EXTRA_CERT_CHAIN_POLICY_PARA ssl{};
    ssl.cbSize = sizeof(ssl);
    ssl.dwAuthType = AUTHTYPE_SERVER;
    ssl.pwszServerName = serverName.data();
    CERT_CHAIN_POLICY_PARA policy{};
    policy.cbSize = sizeof(policy);
    policy.pvExtraPolicyPara = &ssl;
    CERT_CHAIN_POLICY_STATUS status{};
    status.cbSize = sizeof(status);
    return CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, *chain, &policy, &status) &&
           status.dwError == 0;
}

}  // namespace orvantis::windows
