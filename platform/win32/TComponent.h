#pragma once
// A named object that owns the components created through it and destroys them with itself.
#include <memory>
#include <utility>
#include <vector>

#include "AnsiString.h"
#include "TObject.h"

class TComponent : public TObject {
public:
    // `owner` may be null: the component then belongs to whoever holds it (a unique_ptr).
    explicit TComponent(TComponent* owner);
    // Destroys the owned components, last created first, and leaves the owner's list.
    ~TComponent() override;

    // Creates a T(this, args...) owned by this component, runs its AfterConstruction and returns
    // it; the pointer stays valid until this component or the new one is destroyed.
    template <class T, class... A>
    T* CreateComponent(A&&... args) {
        T* raw = AdoptNew<T>(std::forward<A>(args)...);
        raw->AfterConstruction();
        return raw;
    }

    // Destroys this component. One that has an owner is taken out of the owner's list and
    // destroyed; one without an owner must have been created on the heap by new.
    void Free();

    TComponent* Owner() const noexcept { return owner_; }
    const AnsiString& Name() const noexcept { return name_; }
    void SetName(const AnsiString& name) { name_ = name; }

    int ComponentCount() const noexcept { return static_cast<int>(components_.size()); }
    // The owned component at index, or null when the index is outside 0 .. ComponentCount() - 1.
    TComponent* Components(int index) const noexcept;

protected:
    // Creates a T(this, args...) owned by this component, without running AfterConstruction.
    template <class T, class... A>
    T* AdoptNew(A&&... args) {
        auto component = std::make_unique<T>(this, std::forward<A>(args)...);
        T* raw = component.get();
        Adopt(std::move(component));
        return raw;
    }
    // Destroys the owned components now, last created first.
    void DestroyComponents() noexcept;

private:
    // Takes over a component whose owner is this one.
    void Adopt(std::unique_ptr<TComponent> component);
    // Gives up the ownership of `component` (it is being destroyed elsewhere).
    std::unique_ptr<TComponent> Release(TComponent* component) noexcept;

    TComponent* owner_;
    AnsiString name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};
