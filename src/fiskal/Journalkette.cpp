#include "fiskal/Journalkette.h"

#include <openssl/evp.h>

#include "core/DbFehler.h"

Journalkette::Journalkette()
    : m_sha256(EVP_MD_fetch(nullptr, "SHA256", nullptr)), m_ctx(EVP_MD_CTX_new()) {
    if (!m_sha256 || !m_ctx) {
        EVP_MD_free(m_sha256);
        EVP_MD_CTX_free(m_ctx);
        throw DbFehler(0, QStringLiteral("SHA-256 steht nicht zur Verfügung."));
    }
}

Journalkette::~Journalkette() {
    EVP_MD_CTX_free(m_ctx);
    EVP_MD_free(m_sha256);
}

QByteArray Journalkette::wert(QByteArrayView vorher, std::initializer_list<QByteArrayView> felder) {
    static const char zeilenende = '\n';
    bool gut = EVP_DigestInit_ex(m_ctx, m_sha256, nullptr) == 1 &&
               EVP_DigestUpdate(m_ctx, vorher.data(), vorher.size()) == 1;
    for (const QByteArrayView feld : felder)
        gut = gut && EVP_DigestUpdate(m_ctx, &zeilenende, 1) == 1 &&
              EVP_DigestUpdate(m_ctx, feld.data(), feld.size()) == 1;
    unsigned char hash[EVP_MAX_MD_SIZE];
    unsigned int laenge = 0;
    if (!gut || EVP_DigestFinal_ex(m_ctx, hash, &laenge) != 1)
        throw DbFehler(0, QStringLiteral("SHA-256 steht nicht zur Verfügung."));
    return QByteArray::fromRawData(reinterpret_cast<const char*>(hash), static_cast<int>(laenge))
        .toHex();
}
