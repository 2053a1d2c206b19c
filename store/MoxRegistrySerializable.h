#pragma once
// A record that saves itself into, and loads itself from, the key an accessor has open.
class MoxRegistry;

class MoxRegistrySerializable {
public:
    virtual ~MoxRegistrySerializable() = default;
    virtual void SaveToRegistry(MoxRegistry* registry) = 0;
    virtual void LoadFromRegistry(MoxRegistry* registry) = 0;
};
