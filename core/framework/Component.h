#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantrel {

// Something that an owner keeps in its list and destroys with itself.
class Component {
 public:
  explicit Component(Component* owner);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  Component* Owner() const { return owner_; }
  const std::vector<Component*>& Components() const { return components_; }

  // Called once after a whole layout has been read, for every component of it.
  virtual void Loaded() {}
  // True only while edited in a form designer; this program has none.
  bool DesignMode() const { return false; }

  std::string Name;
  std::intptr_t Tag = 0;

 protected:
  // Runs Loaded on every owned component, in list order.
  void LoadedComponents();

 private:
  Component* owner_;
  std::vector<Component*> components_;
};

}  // namespace vantrel
