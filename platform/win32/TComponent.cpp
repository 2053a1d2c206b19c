#include "TComponent.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
    DestroyComponents();
    if (owner_ != nullptr) {
        // Destroyed by a plain delete or by its holder: the owner forgets it without deleting it.
        std::unique_ptr<TComponent> self = owner_->Release(this);
        (void)self.release();
    }
}

void TComponent::DestroyComponents() noexcept {
    while (!components_.empty()) {
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
        last->owner_ = nullptr;  // it must not look for itself in this list any more
        last.reset();
    }
}

void TComponent::Free() {
    if (owner_ != nullptr) {
        std::unique_ptr<TComponent> self = owner_->Release(this);
        owner_ = nullptr;
        self.reset();
    } else {
        delete this;  // deliberate: an unowned component given up by its creator
    }
}

TComponent* TComponent::Components(int index) const noexcept {
    if (index < 0 || index >= ComponentCount()) return nullptr;
    return components_[static_cast<std::size_t>(index)].get();
}

void TComponent::Adopt(std::unique_ptr<TComponent> component) { components_.push_back(std::move(component)); }

std::unique_ptr<TComponent> TComponent::Release(TComponent* component) noexcept {
    auto it = std::find_if(components_.begin(), components_.end(),
                           [component](const std::unique_ptr<TComponent>& c) { return c.get() == component; });
    if (it == components_.end()) return {};
    std::unique_ptr<TComponent> released = std::move(*it);
    components_.erase(it);
    return released;
}
