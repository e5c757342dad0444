#include "model.h"

#include <unordered_map>

#include "hostmodel.h"

namespace hostmodel {
namespace {
std::unordered_map<const Main*, std::unique_ptr<ModelMain>>& mains() {
  static std::unordered_map<const Main*, std::unique_ptr<ModelMain>> registry;
  return registry;
}
std::unordered_map<const void*, ModelMain*>& owners() {
  static std::unordered_map<const void*, ModelMain*> registry;
  return registry;
}
}  // namespace

ModelMain* model_of(const Main* main) {
  auto found = mains().find(main);
  return found == mains().end() ? nullptr : found->second.get();
}

ModelMain* owner_of(const void* data_block) {
  auto found = owners().find(data_block);
  return found == owners().end() ? nullptr : found->second;
}

void register_owner(const void* data_block, ModelMain* owner) { owners()[data_block] = owner; }

void list_append(ListBase& list, void* element) {
  auto* link = static_cast<Link*>(element);
  link->next = nullptr;
  link->prev = static_cast<Link*>(list.last);
  if (list.last)
    static_cast<Link*>(list.last)->next = link;
  else
    list.first = link;
  list.last = link;
}

void list_remove(ListBase& list, void* element) {
  auto* link = static_cast<Link*>(element);
  if (link->next) link->next->prev = link->prev;
  if (link->prev) link->prev->next = link->next;
  if (list.first == link) list.first = link->next;
  if (list.last == link) list.last = link->prev;
  link->next = link->prev = nullptr;
}

void set_id_name(ID& id, const char* type_code, const char* name) {
  id.name[0] = type_code[0];
  id.name[1] = type_code[1];
  copy_name(id.name + 2, name, kIdNameBytes - 2);
}

}  // namespace hostmodel

using namespace hostmodel;

HM_API Main* hm_main_new(const char* file_path) {
  auto model = std::make_unique<ModelMain>();
  copy_name(model->main.name, file_path, sizeof model->main.name);
  Main* main = &model->main;
  mains()[main] = std::move(model);
  return main;
}

HM_API void hm_main_free(Main* main) {
  auto found = mains().find(main);
  if (found == mains().end()) return;
  ModelMain* model = found->second.get();
  for (auto it = owners().begin(); it != owners().end();)
    it = it->second == model ? owners().erase(it) : std::next(it);
  mains().erase(found);
}
