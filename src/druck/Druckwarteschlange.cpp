#include "druck/Druckwarteschlange.h"

#include "core/Uhr.h"
#include "druck/Druckauftraege.h"

Druckwarteschlange::Druckwarteschlange(Datenbank& db, Uhr& uhr, std::function<void()> anstossen)
    : m_db(db), m_uhr(uhr), m_anstossen(std::move(anstossen)) {}

void Druckwarteschlange::drucken(const Dokument& dokument) {
    DruckauftragEinreihen(m_db, m_uhr.jetzt(), dokument);
    // The worker waits for the write lock, so it sees the job once the
    // routine commits, and not at all when it rolls back.
    m_anstossen();
}
