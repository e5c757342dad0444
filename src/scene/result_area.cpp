#include "scene/result_area.h"

namespace lumo {

void fill_result_area(ResultArea* area, const std::vector<void*>& items) {
  if (!area) return;
  hand_over(*area, items.data(), items.size(), items.size() + items.size() / 5);
}

}  // namespace lumo
