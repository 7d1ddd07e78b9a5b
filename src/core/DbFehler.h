#pragma once

#include <QString>
#include <stdexcept>

// The one error the database layer throws: a number and a description, shown
// by the screens as the "Fehler" message.
class DbFehler : public std::runtime_error {
public:
    DbFehler(int nummer, const QString& beschreibung)
        : std::runtime_error(beschreibung.toStdString()),
          m_nummer(nummer),
          m_beschreibung(beschreibung) {}

    int nummer() const { return m_nummer; }
    const QString& beschreibung() const { return m_beschreibung; }

    // Text of the critical message box titled "Fehler".
    QString meldungstext() const {
        return QStringLiteral("Fehlernummer ") + QString::number(m_nummer) + QLatin1Char('\n') +
               m_beschreibung;
    }

private:
    int m_nummer;
    QString m_beschreibung;
};
