#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <initializer_list>

struct evp_md_ctx_st;
struct evp_md_st;

// The SHA-256 chain over the journal (OpenSSL's EVP digest). An entry's chain
// value is the lower-case hex SHA-256 of the previous entry's chain value (64
// zeros before the first entry) followed by each of the entry's fields, every
// field preceded by one line feed, in this order: Nr, Zeit, Geschaeftstag,
// Kasse, Art, ZNr, RegNr, Inhalt. Numbers are decimal text, an absent RegNr
// is empty, texts are UTF-8 as stored. Inhalt is compact JSON, which carries
// no raw line feed, so the fields cannot run into each other.
class Journalkette {
  public:
    Journalkette();
    ~Journalkette();
    Journalkette(const Journalkette&) = delete;
    Journalkette& operator=(const Journalkette&) = delete;

    QByteArray wert(QByteArrayView vorher, std::initializer_list<QByteArrayView> felder);

  private:
    evp_md_st* m_sha256;  // fetched once: an implicit fetch on every digest is slow
    evp_md_ctx_st* m_ctx;
};

inline const QByteArray kKettenanfang(64, '0');
