#pragma once
#include "model/Exception.h"

// Raised for an index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};
