#include <csl/EPurecallException.h>

EPurecallException::EPurecallException() : EGeneric(TNamedValue("Text", "Purecall")) {}
