#pragma once

#include <QString>
#include <optional>

class DbFehler;
class Dokument;

// Everything a routine may need to ask or tell the user half-way. The screens
// answer with modal windows; tests answer from a script and record what was shown.
class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A message with an OK button.
    virtual void meldung(const QString& text) = 0;
    // The critical message box titled "Fehler" ("Fehlernummer " + number, line
    // break, description).
    virtual void fehler(const DbFehler& fehler) = 0;
    // A question with "Ja" and "Nein", "Nein" preselected; true for "Ja".
    virtual bool frage(const QString& text, const QString& titel = QString()) = 0;
    // The numeric pad with a prompt. Answers the digits typed (possibly empty
    // when Enter was pressed on an empty field) or "Abbrechen".
    virtual QString zahlenblock(const QString& aufforderung) = 0;
    // An input box; nullopt when cancelled.
    virtual std::optional<QString> eingabe(const QString& aufforderung, const QString& titel,
                                           const QString& vorgabe = QString()) = 0;
    // Shows a rendered document in the modal preview, from which it can be printed.
    virtual void vorschau(const Dokument& dokument) = 0;
};

// What the numeric pad answers for its "Abbrechen" key and Escape.
inline const QString kAbbrechen = QStringLiteral("Abbrechen");
