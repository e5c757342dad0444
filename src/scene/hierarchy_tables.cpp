#include "scene/hierarchy_tables.h"

#include "host/objects.h"

namespace lumo {

std::map<Scene*, BaseMap> Mo物baceG;
std::map<std::string, Object*> Ms名oG;
std::map<Object*, Lpare> Mo父LpareG;

bool object_is_invalid(const Object* object) {
  if (!object) return true;
  // The restriction flags are a byte of bits: read it unsigned, so a garbage
  // byte above 127 counts as out of range too.
  const unsigned restrict_byte = static_cast<unsigned char>(object->restrictflag);
  return object->id.us < 1 || object->type > 30 || object->mode > 100 || restrict_byte > 20;
}

Lpare* child_list_of(const Object* object) {
  auto found = Mo父LpareG.find(const_cast<Object*>(object));
  return found == Mo父LpareG.end() ? nullptr : &found->second;
}

std::string table_name_of(const Object* object) {
  const char* name = host::object_message_name(object);
  return name ? name : "";
}

Base* table_base_of(Object* object, Scene* scene) {
  if (!object || !scene) return nullptr;
  BaseMap& bases = Mo物baceG[scene];
  if (auto found = bases.find(object); found != bases.end() && found->second) return found->second;
  Base* base = host::base_of_object(object, scene);
  if (base) bases[object] = base;
  return base;
}

bool erase_child_list(const Object* object) {
  auto found = Mo父LpareG.find(const_cast<Object*>(object));
  if (found == Mo父LpareG.end()) return false;
  const Lpare* gone = &found->second;
  for (auto& [parent, list] : Mo父LpareG)
    for (pare& entry : list)
      if (entry.ψLpare == gone) entry.ψLpare = nullptr;
  Mo父LpareG.erase(found);
  return true;
}

}  // namespace lumo
