#pragma once

#include <QDate>

#include "fiskal/Steuertabelle.h"

class Datenbank;

// Turnover per VAT rate over business days (both ends included): the closed
// turnover of each day plus the bills still stored, each bill on the business
// day it was settled in.
Steuertabelle SteuerumsaetzeLesen(Datenbank& db, const QDate& von, const QDate& bis);

// Before a till closing deletes the stored bills, their turnover per day and
// rate joins the closed turnover.
void SteuerumsaetzeAbschliessen(Datenbank& db);
