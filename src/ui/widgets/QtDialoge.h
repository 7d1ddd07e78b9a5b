#pragma once

#include "core/Dialoge.h"

class Druckziel;
class QWidget;

// The dialogs of the running program: real modal windows above whichever window
// is active at the moment of asking.
class QtDialoge : public Dialoge {
  public:
    explicit QtDialoge(Druckziel& drucker) : m_drucker(drucker) {}

    void meldung(const QString& text) override;
    void fehler(const DbFehler& fehler) override;
    bool frage(const QString& text, const QString& titel = QString()) override;
    QString zahlenblock(const QString& aufforderung) override;
    std::optional<QString> eingabe(const QString& aufforderung, const QString& titel,
                                   const QString& vorgabe = QString()) override;
    void vorschau(const Dokument& dokument) override;

  private:
    Druckziel& m_drucker;
};
