#pragma once
#include <csl/EGeneric.h>

// A call of a pure virtual function: "Text" = "Purecall".
class EPurecallException : public EGeneric {
public:
    EPurecallException();
};
