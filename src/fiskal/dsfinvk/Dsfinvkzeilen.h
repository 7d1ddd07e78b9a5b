#pragma once

#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "fiskal/dsfinvk/Dsfinvkformat.h"
#include "fiskal/dsfinvk/Dsfinvkvorgaenge.h"

class Datenbank;

// The rows of every file of the export, gathered closing by closing.
class Dsfinvkzeilen {
  public:
    explicit Dsfinvkzeilen(Datenbank& db);

    // All three modules for one closing.
    void abschluss(const Dsfinvkabschluss& a);
    // The master data of the period not closed yet, when the range has no closing.
    void nurStammdaten(int offeneZNr);

    // The files in the order of the description; without a closing only
    // those of the master data.
    std::vector<const Dsfinvktabelle*> tabellen(bool alle) const;

  private:
    struct Betrieb {
        QString name, strasse, plz, ort, steuernummer, ustId;
    };

    Dsfinvktabelle& t(const char* datei);
    QStringList kopf(const QString& zeit, int zNr) const;
    void bon(const QStringList& k, const Dsfinvkbon& b, int zNr, const QString& zeit);
    void stammdaten(const QStringList& k, const QStringList& terminals);
    int ustSchluessel(int satz);

    QString m_kasse;
    Betrieb m_betrieb;
    std::vector<QJsonObject> m_tse;
    std::map<int, int> m_eigeneSaetze;    // rates without a key of the standard
    std::map<int, int> m_benutzteSaetze;  // key -> rate, of the closing being written
    std::map<QString, std::unique_ptr<Dsfinvktabelle>> m_tabellen;
};
