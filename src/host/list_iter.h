// Walking the host's linked lists (ListBase) in order.
#pragma once

#include "host/host_types.h"

namespace lumo::host {

// Data blocks link through their ID head, everything else directly.
template <class T>
T* next_in_list(const T* item) {
  if constexpr (requires { item->next; })
    return static_cast<T*>(item->next);
  else
    return static_cast<T*>(item->id.next);
}

// Range over the elements of a host list, each of type T:  for (Base* base : list_items<Base>(layer->object_bases))
template <class T>
class ListItems {
 public:
  explicit ListItems(const ListBase& list) : first_(static_cast<T*>(list.first)) {}
  class iterator {
   public:
    explicit iterator(T* item) : item_(item) {}
    T* operator*() const { return item_; }
    iterator& operator++() {
      item_ = next_in_list(item_);
      return *this;
    }
    bool operator!=(const iterator& other) const { return item_ != other.item_; }

   private:
    T* item_;
  };
  iterator begin() const { return iterator(first_); }
  iterator end() const { return iterator(nullptr); }

 private:
  T* first_;
};

template <class T>
ListItems<T> list_items(const ListBase& list) {
  return ListItems<T>(list);
}

}  // namespace lumo::host
