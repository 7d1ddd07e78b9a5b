#pragma once

#include <QString>
#include <optional>

class Kontext;

// A table is open at one till at a time. Opening it takes a lease in the
// database under the till's name; the till renews its leases while it runs
// and gives them back when the floor view shows again. A till that crashed
// loses its leases after kSperrdauerSekunden without renewal, or at once
// through a manager's "Tisch freigeben".
inline constexpr int kSperrdauerSekunden = 120;
// How often a running till renews its leases: well inside their duration.
inline constexpr int kHerzschlagSekunden = 30;

// The oldest renewal a lease may have to count: as text, as the table keeps it.
QString SperreGueltigAb(Kontext& k);

// Condition on Tischsperren selecting another till's lease that still counts;
// binds Kassenname() and SperreGueltigAb(), in this order.
inline const QString kFremdeSperre = QStringLiteral("Kasse <> ? AND Herzschlag >= ?");

// Takes the lease of the current table for this till (giving back any other it
// holds); the refusal "Tisch 5 ist gerade an der Kasse 'Theke' geöffnet." when
// another till holds a fresh one.
std::optional<QString> TischSperren(Kontext& k);

// Gives back every lease of this till: it shows its floor view again.
void TischeEntsperren(Kontext& k);

// Renews this till's leases.
void SperrenErneuern(Kontext& k);

// The tables open at other tills, as "Gastraum 5 (Theke)"; empty when none.
QStringList FremdeTische(Kontext& k);

// "Tisch freigeben": asks for each table open at another till whether to free
// it and frees those confirmed; says so when there is none.
void mnuTischFreigeben(Kontext& k);
