#include "HotKeyStore.h"

#include "MoxRegistry.h"

std::unique_ptr<HotKeyList> LoadStoredHotKeys() {
    MoxRegistry registry;
    registry.OpenPath(kHotKeysPath);
    auto list = std::make_unique<HotKeyList>();
    list->LoadFromRegistry(kHotKeyPrefix, &registry);
    return list;
}

void SaveStoredHotKeys(HotKeyList& list) {
    MoxRegistry registry;
    registry.OpenPath(kHotKeysPath);
    list.SaveToRegistry(kHotKeyPrefix, &registry);
}
