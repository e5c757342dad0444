// Internal bookkeeping of the model host: who owns what.
#pragma once

#include <cstring>
#include <memory>
#include <unordered_map>
#include <vector>

#include "host/host_types.h"

namespace hostmodel {

// Everything created for one main database, freed together.
struct ModelMain {
  Main main{};
  std::vector<std::shared_ptr<void>> owned;
  std::unordered_map<const ARegion*, int> redraw_counts;  // draws per region since creation

  // A zero-initialised host record owned by this main.
  template <class T>
  T* make() {
    auto record = std::make_shared<T>();
    T* raw = record.get();
    owned.push_back(std::move(record));
    return raw;
  }

  // A zero-initialised array of n host records owned by this main.
  template <class T>
  T* make_array(size_t n) {
    std::shared_ptr<T[]> records(new T[n ? n : 1]());
    T* raw = records.get();
    owned.push_back(std::shared_ptr<void>(records, raw));
    return raw;
  }
};

// The model main that owns a main database, or nullptr.
ModelMain* model_of(const Main* main);
// The model main that owns a data block (object, scene, mesh ...), or nullptr.
ModelMain* owner_of(const void* data_block);
void register_owner(const void* data_block, ModelMain* owner);

// Appends an element (which begins with next/prev links) to a host list.
void list_append(ListBase& list, void* element);
// Removes an element from a host list without freeing it.
void list_remove(ListBase& list, void* element);

// Writes "<two type characters><name>" into an ID name.
void set_id_name(ID& id, const char* type_code, const char* name);

inline void copy_name(char* destination, const char* name, size_t capacity) {
  std::strncpy(destination, name ? name : "", capacity - 1);
  destination[capacity - 1] = '\0';
}

}  // namespace hostmodel
