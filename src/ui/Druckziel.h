#pragma once

#include "core/DbFehler.h"

class Dokument;

// Error number of every failure to lay out or print a document.
inline constexpr int kDruckfehler = 482;

// Where a rendered document goes: the receipt printer, PDF files, or (in tests)
// a memory capture. A target that cannot print throws DbFehler.
class Druckziel {
public:
    virtual ~Druckziel() = default;
    virtual void drucken(const Dokument& dokument) = 0;
};
