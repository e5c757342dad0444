// PTMoLpareBaseG凸: the hierarchy table on the console, three levels deep.
#include <cstdint>
#include <string>

#include "base/console.h"
#include "base/report.h"
#include "scene/hierarchy.h"

namespace lumo {

namespace {

// Names are copied: the message-name conversion reuses one scratch buffer.
std::string name_of(const Object* object) { return object ? table_name_of(object) : std::string("★★o=ψ0"); }
std::string base_name_of(const Base* base) { return base ? name_of(base->object) : std::string("★★base=ψ0"); }
// The link is shown as a number, as the console always showed it.
int link_number(const Lpare* list) { return static_cast<int>(reinterpret_cast<std::uintptr_t>(list)); }

}  // namespace

void PTMoLpareBaseG凸(const void* table) {
  if (table != &Mo父LpareG) {
    LUMO_REPORT("__", "ψMo父LpareG != Mo父LpareG巜()", "PTMoLpareBaseG凸");
    return;
  }
  con_printf("---------PTMoLpareBaseG------------%d--------------------\n", static_cast<int>(Mo父LpareG.size()));
  for (const auto& [parent, list] : Mo父LpareG) {
    con_printf("o父= %s · IT.second.size()= %d\n", name_of(parent).c_str(), static_cast<int>(list.size()));
    for (const pare& first : list) {
      con_printf("  --pare第一层.oSelf= (%s) · pare第一层.oP= [%s] · pare第一层.base= (%s) · pare第一层.ψLpare= %d\n",
                 name_of(first.oSelf).c_str(), name_of(first.oP).c_str(), base_name_of(first.base).c_str(),
                 link_number(first.ψLpare));
      if (!first.ψLpare) continue;
      con_printf("  --pare第一层.ψLpare->size()= %zd\n", first.ψLpare->size());
      for (const pare& second : *first.ψLpare) {
        con_printf("   ---里面的,pare第二层.oSelf= (%s) · pare第二层.oP= [%s] · pare第二层.base= (%s) ·pare.ψLpare= %d\n",
                   name_of(second.oSelf).c_str(), name_of(second.oP).c_str(), base_name_of(second.base).c_str(),
                   link_number(second.ψLpare));
        if (!second.ψLpare) continue;
        con_printf("   ---pare第二层.ψLpare->size()= %zd\n", second.ψLpare->size());
        for (const pare& third : *second.ψLpare) {
          con_printf(
              "    ----里面的 pare第三层.oSelf= (%s) · pare第三层.oP= [%s] · pare第三层.base= (%s) · pare第三层.ψLpare= %d\n",
              name_of(third.oSelf).c_str(), name_of(third.oP).c_str(), base_name_of(third.base).c_str(),
              link_number(third.ψLpare));
          if (third.ψLpare) con_printf("     ----pare第三层.ψLpare->size()= %zd\n", third.ψLpare->size());
        }
      }
    }
  }
}

}  // namespace lumo
