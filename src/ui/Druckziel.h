#pragma once

class Dokument;

// Where a rendered document goes: the receipt printer, PDF files, or (in tests)
// a memory capture. A target that cannot print throws DbFehler.
class Druckziel {
public:
    virtual ~Druckziel() = default;
    virtual void drucken(const Dokument& dokument) = 0;
};
