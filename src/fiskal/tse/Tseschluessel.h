#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

typedef struct evp_pkey_st EVP_PKEY;

// The simulated device's ECDSA key on the curve P-256, through OpenSSL.
class Tseschluessel {
  public:
    static Tseschluessel erzeugen();
    // From the DER of the private key as privatDer() wrote it.
    static Tseschluessel lesen(const QByteArray& der);

    QByteArray privatDer() const;
    // The public key as uncompressed point (0x04 || x || y, 65 bytes).
    QByteArray oeffentlicherPunkt() const;
    // Hex of SHA-256 of the public point: the device's serial number.
    QString seriennummer() const;
    // ECDSA over SHA-256 of `nachricht`, plain format r || s (64 bytes).
    QByteArray signieren(const QByteArray& nachricht) const;
    // A self-signed X.509 certificate of the key, DER.
    QByteArray zertifikat() const;

  private:
    struct Freigabe {
        void operator()(EVP_PKEY* p) const;
    };
    explicit Tseschluessel(EVP_PKEY* p) : m_schluessel(p) {}
    std::unique_ptr<EVP_PKEY, Freigabe> m_schluessel;
};
