#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/evp.h>
#include <openssl/x509.h>

#include <QCryptographicHash>
#include <QSignalSpy>

#include "core/Datenbankdatei.h"
#include "fiskal/Journal.h"
#include "fiskal/tse/Tsearbeiter.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tsesimulation.h"
#include "support/DbTest.h"
#include "support/Testtse.h"

namespace {

// Checks a plain r || s signature over `nachricht` against the key of the
// device's certificate, and that the certificate holds the given point.
bool pruefen(const Tsezertifikat& z, const QByteArray& nachricht, const QByteArray& signatur) {
    const auto* zeiger = reinterpret_cast<const unsigned char*>(z.zertifikat.constData());
    X509* x = d2i_X509(nullptr, &zeiger, z.zertifikat.size());
    if (!x) return false;
    EVP_PKEY* schluessel = X509_get0_pubkey(x);
    unsigned char* punkt = nullptr;
    const std::size_t laenge = EVP_PKEY_get1_encoded_public_key(schluessel, &punkt);
    const bool gleich = QByteArray(reinterpret_cast<char*>(punkt), static_cast<int>(laenge)) ==
                        z.oeffentlicherSchluessel;
    OPENSSL_free(punkt);
    ECDSA_SIG* sig = ECDSA_SIG_new();
    const auto* rs = reinterpret_cast<const unsigned char*>(signatur.constData());
    ECDSA_SIG_set0(sig, BN_bin2bn(rs, 32, nullptr), BN_bin2bn(rs + 32, 32, nullptr));
    unsigned char* der = nullptr;
    const int derLaenge = i2d_ECDSA_SIG(sig, &der);
    EVP_MD_CTX* ctx = EVP_MD_CTX_new();
    const bool echt =
        EVP_DigestVerifyInit(ctx, nullptr, EVP_sha256(), nullptr, schluessel) == 1 &&
        EVP_DigestVerify(ctx, der, static_cast<std::size_t>(derLaenge),
                         reinterpret_cast<const unsigned char*>(nachricht.constData()),
                         static_cast<std::size_t>(nachricht.size())) == 1;
    const bool selbstSigniert = X509_verify(x, schluessel) == 1;
    EVP_MD_CTX_free(ctx);
    OPENSSL_free(der);
    ECDSA_SIG_free(sig);
    X509_free(x);
    return gleich && echt && selbstSigniert;
}

class TseSimulation : public DbTest {};

}  // namespace

TEST_F(TseSimulation, SignaturesVerifyAndCountersKeepRisingAcrossReopening) {
    const struct {
        QString typ, daten;
    } faelle[] = {
        {kKassenbelegV1, "Beleg^12.50_8.00_0.00_0.00_0.00^20.50:Bar"},
        {kBestellungV1, "2;\"Pils\";3.50\r1;\"Käsespätzle; groß\";9.90"},
        {kBestellungV1, "-1;\"O'Brien's \"\"Stout\"\"\";4.20"},
        {kKassenbelegV1, ""},
    };
    std::int64_t letzteNr = 0, letzterZaehler = 0;
    QString seriennummer;
    for (int runde = 0; runde < 2; ++runde) {
        // The device on its own connection, as the till runs it; opened anew each round.
        auto geraet = Tsesimulation::aufDatei(dateipfad(), kDatenbankKennwort);
        const Tsezertifikat z = geraet->zertifikat();
        EXPECT_EQ(z.oeffentlicherSchluessel.size(), 65);
        EXPECT_EQ(z.seriennummer,
                  QString::fromLatin1(QCryptographicHash::hash(z.oeffentlicherSchluessel,
                                                               QCryptographicHash::Sha256)
                                          .toHex()));
        if (runde == 0) seriennummer = z.seriennummer;
        EXPECT_EQ(z.seriennummer, seriennummer) << "the key is kept";
        for (const auto& f : faelle) {
            const Tsestart s = geraet->starten(f.typ, QString());
            geraet->aktualisieren(s.transaktionNr, f.typ, f.daten.left(3));
            const Tseabschluss a = geraet->beenden(s.transaktionNr, f.typ, f.daten);
            EXPECT_GT(a.transaktionNr, letzteNr);
            EXPECT_GT(a.signaturzaehler, letzterZaehler);
            EXPECT_LE(a.start, a.ende);
            EXPECT_EQ(a.prozessdaten, f.daten);
            EXPECT_EQ(a.signatur.size(), 64);
            EXPECT_TRUE(pruefen(z, TseNachricht(a), a.signatur)) << f.daten.toStdString();
            Tseabschluss verfaelscht = a;
            verfaelscht.prozessdaten += QLatin1Char('0');
            EXPECT_FALSE(pruefen(z, TseNachricht(verfaelscht), a.signatur));
            letzteNr = a.transaktionNr;
            letzterZaehler = a.signaturzaehler;
            // A finished transaction takes no more.
            EXPECT_THROW(geraet->beenden(a.transaktionNr, f.typ, f.daten), TseFehler);
        }
        EXPECT_EQ(geraet->transaktionen().size(), std::size(faelle) * (runde + 1));
    }
}

TEST_F(TseSimulation, StartJournalsMasterDataOnceAndTransactionsNoEntryRefersTo) {
    Tsesimulation geraet(*db);
    k->tse = &geraet;
    // Signed and booked: referred to. Started only, or signed but never booked
    // (a kill before the till's commit): cancelled at the next start.
    const Tsesignatur gebucht = TseSignieren(*k, kBestellungV1, "1;\"Pils\";3.50");
    {
        Transaktion t(*db);
        JournalMitTse(*k, kJournalBestellung, {}, gebucht);
        t.bestaetigen();
    }
    const std::int64_t offen = geraet.starten(kKassenbelegV1, QString()).transaktionNr;
    const Tsesignatur verloren = TseSignieren(*k, kBestellungV1, "1;\"Pils\";3.50");
    for (int start = 0; start < 2; ++start) TseNachStart(*k);

    QStringList arten;
    QList<QJsonObject> inhalte;
    for (Abfrage a = db->abfrage("SELECT Art, Inhalt FROM Journal ORDER BY Nr"); a.naechste();) {
        arten << a.text(0);
        inhalte << QJsonDocument::fromJson(a.text(1).toUtf8()).object();
    }
    EXPECT_EQ(arten, QStringList({kJournalBestellung, kJournalTseInbetriebnahme, kJournalTseAbbruch,
                                  kJournalTseAbbruch}));
    const Tsezertifikat z = geraet.zertifikat();
    EXPECT_EQ(inhalte[1],
              QJsonObject({{"Seriennummer", z.seriennummer},
                           {"Algorithmus", "ecdsa-plain-SHA256"},
                           {"Zeitformat", "utcTime"},
                           {"Kodierung", "UTF-8"},
                           {"OeffentlicherSchluessel",
                            QString::fromLatin1(z.oeffentlicherSchluessel.toBase64())},
                           {"Zertifikat", QString::fromLatin1(z.zertifikat.toBase64())}}));
    EXPECT_EQ(inhalte[2], QJsonObject({{"TransaktionNr", static_cast<qint64>(offen)}}));
    EXPECT_EQ(inhalte[3],
              QJsonObject({{"TransaktionNr", static_cast<qint64>(verloren.transaktionNr)}}));
}

TEST_F(TseSimulation, WorkerBoundsEveryCallAndReportsOutageAndRecovery) {
    auto* testtse = new Testtse;
    testtse->verzoegerung = std::chrono::milliseconds(400);
    Tsearbeiter arbeiter([testtse] { return std::unique_ptr<Tse>(testtse); },
                         std::chrono::milliseconds(100));
    QSignalSpy bereitschaft(&arbeiter, &Tsearbeiter::bereitschaft);
    k->tse = &arbeiter;

    QElapsedTimer uhrzeit;
    uhrzeit.start();
    const Tsesignatur spaet = TseSignieren(*k, kKassenbelegV1, "Beleg^0.00_0.00_0.00_0.00_0.00^");
    EXPECT_LT(uhrzeit.elapsed(), 300) << "the till does not wait for the device";
    EXPECT_EQ(spaet.tse, QJsonObject({{"Ausfall", "Die TSE hat nicht rechtzeitig geantwortet."}}));
    EXPECT_EQ(arbeiter.zustand(), Tsezustand::Ausgefallen);

    QThread::msleep(1000);  // the late answers come in and are dropped
    testtse->verzoegerung = std::chrono::milliseconds(0);
    const Tsesignatur wieder = TseSignieren(*k, kKassenbelegV1, "x");
    EXPECT_EQ(wieder.tse.value("Prozessdaten").toString(), "x");
    EXPECT_EQ(arbeiter.zustand(), Tsezustand::Bereit);
    ASSERT_EQ(bereitschaft.size(), 2);
    EXPECT_EQ(bereitschaft[0][0].toBool(), false);
    EXPECT_EQ(bereitschaft[1][0].toBool(), true);
}
