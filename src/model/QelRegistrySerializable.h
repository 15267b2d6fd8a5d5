#pragma once

class QelRegistry;

// An object that writes itself into, and reads itself from, the registry key
// at which the accessor it is given is open.
class QelRegistrySerializable {
public:
    virtual ~QelRegistrySerializable() = default;
    virtual void save(QelRegistry& registry) = 0;
    virtual void load(QelRegistry& registry) = 0;
};
