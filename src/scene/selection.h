// Selection, visibility and linking operations over objects and their
// descendants in the hierarchy tables.
//
// Restriction flags of an object (Object::restrictflag): viewport bit 0,
// selection bit 1, render bit 2.  The base's selected bit is bit 0 of its
// flags.  Bases come from Mo物baceG (looked up when missing); an object without
// base is left alone, and an object failing the validity test is never touched.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host_types.h"

namespace lumo {

// The last answer of 卩ΘS.
extern std::uint8_t last_selected;

// Whether the object's base is selected in the context's scene and view layer.
// When those are not the current ones, that scene's base table is refilled from
// the context's view layer and they become current.
bool 卩ΘS(Object* object, bContext* C);

// The selected objects of the context's view layer, in base order.
std::vector<Object*> selected_objects(bContext* C);

// out[0]: children of parent in every scene of the main; out[1]: those not
// hidden in the viewport (restriction bit 0 clear).  A child in several scenes
// counts once per scene.  Null parent, context or out are reported.
void 显子数(Object* parent, bContext* C, std::int32_t out[2]);

// mode 1 shows ("ip隐显o" := 0, "ip仌" := 1 when present), any other hides
// ("ip隐显o" := 1, "ip仌" := 1); a value already in place changes nothing.
// apply_self: the object; recursive: every descendant (after i凷空o).
void 隐显o属性(Object* object, bContext* C, int mode, bool apply_self, bool recursive);

// Select / unhide the object and its children (Θ); see include/lumo_ik64/scene.h.
// Returns the number of regions tagged for redraw when redraw is set, else 0.
int Θ(Object* object, bContext* C, int recursive, int self, bool unhide, bool render_hidden_only, bool redraw);

// Requests the 3D views' redraw; a null object reports "o 二二 ψ0".
void LinkO(bContext* C, Object* object, Base* base);
// Removes the first base of the context scene's legacy base list (not freed)
// and requests the redraw.
void UnlinkO(bContext* C, Object* object);

}  // namespace lumo
