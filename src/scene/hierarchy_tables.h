// The three process-wide tables of the object hierarchy, and the object
// validity test used before trusting a cached object pointer.
//
//   Mo物baceG   scene → (object → that object's base in the scene)
//   Ms名oG      object name (message form, without "OB") → object
//   Mo父LpareG  parent object → its child list, one `pare` per child in the
//               order the children were met
//
// A `pare` links to its child's own child list (ψLpare) when the child is a
// parent itself, so the table is a forest that recursive walks follow.  Child
// lists are handed out by address (ψLpare, Mo父LpareG巜), so they live in
// node-based maps and never move; removing a list clears every link to it.
// All tables live from load to unload; ΔΔ灬父子层级SLIB empties them.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/host_types.h"

namespace lumo {

struct pare;
using Lpare = std::vector<pare>;

struct pare {
  Object* oSelf = nullptr;   // the child
  Object* oP = nullptr;      // the child's parent when the entry was made
  Base* base = nullptr;      // the child's base
  Lpare* ψLpare = nullptr;   // the child's own child list, or null

  // The same child of the same parent (the base and the link are derived data).
  bool same_child(const pare& other) const { return oSelf == other.oSelf && oP == other.oP; }
  friend bool operator==(const pare&, const pare&) = default;
};

using BaseMap = std::map<Object*, Base*>;

extern std::map<Scene*, BaseMap> Mo物baceG;
extern std::map<std::string, Object*> Ms名oG;
extern std::map<Object*, Lpare> Mo父LpareG;

// An object is invalid when its user count is below 1, its type code exceeds
// 30, its interaction mode exceeds 100 or its restriction byte exceeds 20.
// A null object is invalid.
bool object_is_invalid(const Object* object);

// The object's child list, or null.
Lpare* child_list_of(const Object* object);

// The object's name as the tables key it (message name, without "OB").
std::string table_name_of(const Object* object);

// The object's base in the scene from Mo物baceG; a missing entry is looked up
// with the host layer's base-of-object lookup and stored when found.
Base* table_base_of(Object* object, Scene* scene);

// Removes the object's child list and clears every link to it.  True when a
// list was removed.
bool erase_child_list(const Object* object);

// Depth-first pre-order walk over a list and its linked descendants.  Visits
// every list once, so a corrupt cycle of links cannot loop.  `visit` returns
// false to end the walk; returns false when it was ended.
template <class Visit>
bool walk_descendants(const Lpare& list, Visit&& visit) {
  std::set<const Lpare*> seen;
  auto walk = [&](auto& self, const Lpare& level) -> bool {
    if (!seen.insert(&level).second) return true;
    for (const pare& entry : level) {
      if (!visit(entry)) return false;
      if (entry.ψLpare && !self(self, *entry.ψLpare)) return false;
    }
    return true;
  };
  return walk(walk, list);
}

}  // namespace lumo
