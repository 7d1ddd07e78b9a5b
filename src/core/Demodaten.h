#pragma once

class Datenbank;

// Fills a new database with a small, coherent demo installation: stations with
// floor plans, the administration areas, a manager and a waiter, drinks, food
// and extras with quick keys, the report list, room prices and the business.
void DemodatenAnlegen(Datenbank& db);
