// Building, patching, checking and reading the hierarchy tables
// (hierarchy_tables.h).
//
// The tables fill lazily: the first 凷o, i凷空o or 链1o on an empty table
// builds everything; 十1o, 一1o and 链1o patch; 重凷o and the stale checks
// rebuild; ΔΔ灬父子层级SLIB empties.  Pointers in the tables are trusted until
// a stale check finds an invalid object; objects that already fail the
// validity test are never entered, so a rebuild drops them.
//
// Invariant kept by every step: a child's entry links its own child list
// (ψLpare) whenever the child has one, and a child appears once in its
// parent's list, so recursive walks see every descendant exactly once.
#pragma once

#include <vector>

#include "host/host_types.h"
#include "scene/hierarchy_tables.h"

namespace lumo {

// Fills Mo物baceG and Ms名oG from every scene of the current main (the current
// view layer for the current scene, the default one for the others); with
// rebuild they are emptied first, without it only missing entries are added.
// Runs iDiffScene before and SetMain after.  1 when a main was walked, else 0.
int 凷Base(bContext* C, bool rebuild);

// 1 when Mo物baceG holds the object for the context's scene; otherwise
// rebuilds with 凷Base and gives 1 when the object has an entry now, else 0.
int Δ检查重填Mo物baceG(Object* object, bContext* C);

// Children of the object among the bases of the scene's default view layer, in
// base order.  A null scene reports "scene 二二 ψ0".
std::vector<Object*> Qo父罒子(Object* object, Scene* scene);

// Registers the object's children (from the scene) as its child list,
// recursively.  False when it has none.
bool b十1子α(Object* object, Scene* scene);

// Links the object into its parent's list, one level: its entry's ψLpare
// becomes `list` (appending the entry when missing).
void Δ向上链接1层(Object* object, Scene* scene, Lpare* list);

// Appends the object to its parent's list (once) and links the parent upward.
// False for a null scene (reported), no parent, an invalid object, or an
// object without base entry (which is then looked up and added on its own).
bool bΔ向下上层追加链接(Object* object, Scene* scene);

// Adding one object to one scene: fills the scene's tables when it has none
// yet, then links or registers the object.
void add_object_to_scene(Object* object, Scene* scene);

// Fills Mo物baceG for the scene from its default view layer and links every
// object with a parent into its parent's list.
void fill_scene_tables(Scene* scene);

int 凷o(bContext* C);    // builds Mo父LpareG for every scene of the main; 0
int 重凷o(bContext* C);  // empties and rebuilds everything; 0
void 十1o(Object* object, bContext* C);
int 一1o(Object* object, Scene* scene);  // child lists removed: 0 or 1
void 链1o(Object* object, bContext* C);

// Depth-first stale-entry check: true when an entry's object fails the
// validity test.
bool has_stale_entry(const Lpare& list);

int iΔ有无效物pare(Object* object);
// 0, 2 or −1: see the header of each in include/lumo_ik64/scene.h.
int i凷空o(bContext* C, Object* object);
int i凷空1场o(Scene* scene, Object* object);

// Removes entries of invalid objects and the lists of invalid parents.
void drop_invalid_entries();

void ΔΔ灬父子层级SLIB();

// The parent's children from its child list; with recursive, each followed by
// its descendants depth first (pre-order).  Empty for a null parent or one
// without a list.
std::vector<Object*> LoPushChild(Object* parent, bool recursive);

// Prints Mo父LpareG three levels deep.  Any other address is reported.
void PTMoLpareBaseG凸(const void* table);

}  // namespace lumo
