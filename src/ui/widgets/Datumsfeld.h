#pragma once

class QDateEdit;

// A date picker in German form with a calendar pop-up, tall enough for a finger.
QDateEdit* Datumsfeld(const char* objektname);
