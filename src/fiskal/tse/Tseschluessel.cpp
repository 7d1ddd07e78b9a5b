#include "fiskal/tse/Tseschluessel.h"

#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <QCryptographicHash>

#include "fiskal/tse/Tse.h"

namespace {

[[noreturn]] void scheitern(const char* schritt) {
    throw TseFehler(QStringLiteral("Der Schlüssel der TSE-Simulation versagt (%1).")
                        .arg(QString::fromLatin1(schritt)));
}

void pruefen(bool ok, const char* schritt) {
    if (!ok) scheitern(schritt);
}

template <typename T, void (*F)(T*)>
struct Frei {
    void operator()(T* p) const { F(p); }
};
using Signaturkontext = std::unique_ptr<EVP_MD_CTX, Frei<EVP_MD_CTX, EVP_MD_CTX_free>>;
using Ecdsa = std::unique_ptr<ECDSA_SIG, Frei<ECDSA_SIG, ECDSA_SIG_free>>;
using Zertifikat = std::unique_ptr<X509, Frei<X509, X509_free>>;

}  // namespace

void Tseschluessel::Freigabe::operator()(EVP_PKEY* p) const { EVP_PKEY_free(p); }

Tseschluessel Tseschluessel::erzeugen() {
    EVP_PKEY* p = EVP_EC_gen("P-256");
    pruefen(p != nullptr, "erzeugen");
    return Tseschluessel(p);
}

Tseschluessel Tseschluessel::lesen(const QByteArray& der) {
    const auto* zeiger = reinterpret_cast<const unsigned char*>(der.constData());
    EVP_PKEY* p = d2i_AutoPrivateKey(nullptr, &zeiger, der.size());
    pruefen(p != nullptr, "lesen");
    return Tseschluessel(p);
}

QByteArray Tseschluessel::privatDer() const {
    unsigned char* puffer = nullptr;
    const int laenge = i2d_PrivateKey(m_schluessel.get(), &puffer);
    pruefen(laenge > 0, "ablegen");
    QByteArray der(reinterpret_cast<const char*>(puffer), laenge);
    OPENSSL_free(puffer);
    return der;
}

QByteArray Tseschluessel::oeffentlicherPunkt() const {
    unsigned char* puffer = nullptr;
    const std::size_t laenge = EVP_PKEY_get1_encoded_public_key(m_schluessel.get(), &puffer);
    pruefen(laenge == 65, "öffentlicher Schlüssel");
    QByteArray punkt(reinterpret_cast<const char*>(puffer), static_cast<int>(laenge));
    OPENSSL_free(puffer);
    return punkt;
}

QString Tseschluessel::seriennummer() const {
    return QString::fromLatin1(
        QCryptographicHash::hash(oeffentlicherPunkt(), QCryptographicHash::Sha256).toHex());
}

QByteArray Tseschluessel::signieren(const QByteArray& nachricht) const {
    Signaturkontext ctx(EVP_MD_CTX_new());
    pruefen(ctx && EVP_DigestSignInit(ctx.get(), nullptr, EVP_sha256(), nullptr,
                                      m_schluessel.get()) == 1,
            "signieren");
    std::size_t laenge = 0;
    const auto* daten = reinterpret_cast<const unsigned char*>(nachricht.constData());
    pruefen(EVP_DigestSign(ctx.get(), nullptr, &laenge, daten, nachricht.size()) == 1, "signieren");
    QByteArray der(static_cast<int>(laenge), Qt::Uninitialized);
    pruefen(EVP_DigestSign(ctx.get(), reinterpret_cast<unsigned char*>(der.data()), &laenge, daten,
                           nachricht.size()) == 1,
            "signieren");
    // OpenSSL answers DER; the plain format is r and s of 32 bytes each.
    const auto* zeiger = reinterpret_cast<const unsigned char*>(der.constData());
    Ecdsa sig(d2i_ECDSA_SIG(nullptr, &zeiger, static_cast<long>(laenge)));
    pruefen(sig != nullptr, "signieren");
    QByteArray plain(64, '\0');
    auto* ziel = reinterpret_cast<unsigned char*>(plain.data());
    pruefen(BN_bn2binpad(ECDSA_SIG_get0_r(sig.get()), ziel, 32) == 32 &&
                BN_bn2binpad(ECDSA_SIG_get0_s(sig.get()), ziel + 32, 32) == 32,
            "signieren");
    return plain;
}

QByteArray Tseschluessel::zertifikat() const {
    Zertifikat x(X509_new());
    pruefen(x != nullptr, "Zertifikat");
    X509_set_version(x.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(x.get()), 1);
    X509_gmtime_adj(X509_getm_notBefore(x.get()), 0);
    X509_gmtime_adj(X509_getm_notAfter(x.get()), 60L * 60 * 24 * 365 * 8);
    X509_set_pubkey(x.get(), m_schluessel.get());
    X509_NAME* name = X509_get_subject_name(x.get());
    const QByteArray cn = QByteArrayLiteral("TSE-Simulation ") + seriennummer().left(16).toLatin1();
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8,
                               reinterpret_cast<const unsigned char*>(cn.constData()), -1, -1, 0);
    X509_set_issuer_name(x.get(), name);
    pruefen(X509_sign(x.get(), m_schluessel.get(), EVP_sha256()) > 0, "Zertifikat");
    unsigned char* puffer = nullptr;
    const int laenge = i2d_X509(x.get(), &puffer);
    pruefen(laenge > 0, "Zertifikat");
    QByteArray der(reinterpret_cast<const char*>(puffer), laenge);
    OPENSSL_free(puffer);
    return der;
}
