#pragma once
#include "model/Exception.h"

class ERegistryException : public Exception {
public:
    using Exception::Exception;
};
