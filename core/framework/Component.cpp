#include "framework/Component.h"

#include <algorithm>

namespace vantrel {

Component::Component(Component* owner) : owner_(owner) {
  if (owner_) owner_->components_.push_back(this);
}

Component::~Component() {
  // Owned components go first, the newest before the older ones.
  while (!components_.empty()) delete components_.back();
  if (owner_) {
    auto& siblings = owner_->components_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Component::LoadedComponents() {
  // A copy: a component may add or remove siblings while it completes.
  const std::vector<Component*> loading = components_;
  for (Component* component : loading) component->Loaded();
}

}  // namespace vantrel
