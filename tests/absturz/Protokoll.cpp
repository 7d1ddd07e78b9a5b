#include "absturz/Protokoll.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <stdexcept>

Protokoll::Protokoll(const QString& pfad)
    : m_datei(::open(QFile::encodeName(pfad).constData(), O_WRONLY | O_CREAT | O_APPEND, 0600)) {
    if (m_datei < 0) throw std::runtime_error("Seitenprotokoll nicht zu öffnen");
}

Protokoll::~Protokoll() { ::close(m_datei); }

void Protokoll::absicht(int nummer, const QString& art, const QList<Zustand>& moeglich) {
    QStringList zustaende;
    for (const Zustand& z : moeglich) zustaende << ZustandText(z);
    schreiben(QStringLiteral("ABSICHT\t%1\t%2\t%3").arg(nummer).arg(art, zustaende.join('|')));
}

void Protokoll::bestaetigt(int nummer, const Zustand& zustand) {
    schreiben(QStringLiteral("BESTAETIGT\t%1\t%2").arg(nummer).arg(ZustandText(zustand)));
}

void Protokoll::schreiben(const QString& zeile) {
    const QByteArray daten = (zeile + QStringLiteral("\tENDE\n")).toUtf8();
    if (::write(m_datei, daten.constData(), daten.size()) != daten.size() || ::fsync(m_datei) != 0)
        throw std::runtime_error("Seitenprotokoll nicht zu schreiben");
}

namespace {

// The state the given whole lines of the log leave.
Protokollstand Auswerten(const QByteArray& text) {
    Protokollstand stand;
    for (const QByteArray& roh : text.split('\n')) {
        QStringList teile = QString::fromUtf8(roh).split(QLatin1Char('\t'));
        // A line cut by the kill lacks its end mark: it never counted.
        if (teile.takeLast() != QStringLiteral("ENDE")) continue;
        if (teile.first() == QStringLiteral("BESTAETIGT") && teile.size() == 3) {
            stand.nummer = teile[1].toInt();
            stand.bestaetigt = ZustandAusText(teile[2]);
            stand.offeneArt.clear();
            stand.offenMoeglich.clear();
        } else if (teile.first() == QStringLiteral("ABSICHT") && teile.size() == 4) {
            stand.offeneArt = teile[2];
            stand.offenMoeglich.clear();
            for (const QString& z : teile[3].split(QLatin1Char('|')))
                stand.offenMoeglich << ZustandAusText(z);
        }
    }
    return stand;
}

}  // namespace

// Only the last confirmed action and what was begun after it count, so the log
// is read from its end, in growing pieces until one holds a whole confirmation:
// a run of thousands of kills reads kilobytes per restart, not the whole log.
Protokollstand ProtokollLesen(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) return {};
    for (qint64 laenge = 64 * 1024;; laenge *= 4) {
        const qint64 anfang = std::max<qint64>(0, datei.size() - laenge);
        datei.seek(anfang);
        QByteArray stueck = datei.readAll();
        // The piece's first line may start mid-line; only whole lines count.
        if (anfang > 0) stueck.remove(0, stueck.indexOf('\n') + 1);
        Protokollstand stand = Auswerten(stueck);
        if (stand.bestaetigt || anfang == 0) return stand;
    }
}
