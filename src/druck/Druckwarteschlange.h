#pragma once

#include <functional>

#include "ui/Druckziel.h"

class Datenbank;
class Uhr;

// The till's print target: a document becomes a job of its role in the
// routine's own transaction, and the print worker is woken. Nothing here
// waits for a printer; the waiter walks on at once.
class Druckwarteschlange : public Druckziel {
  public:
    Druckwarteschlange(Datenbank& db, Uhr& uhr, std::function<void()> anstossen);
    void drucken(const Dokument& dokument) override;

  private:
    Datenbank& m_db;
    Uhr& m_uhr;
    std::function<void()> m_anstossen;
};
