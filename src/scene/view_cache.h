// The library's caches of the host's views: the 3D view's main region and its
// view record (b凷rv3d), and the region, 2-D view and node tree of the UV
// editor or of the add-on's node editor (Δ载入v2dUVLIB, Δ载入v2d节点LIB).
//
// The caches hold host addresses; they are valid while the host keeps the
// screen they were read from.  The scripts refresh them (SetMain, iDiffMain,
// iDiffScene refresh the 3D view) when the file or scene changes.
#pragma once

#include <map>
#include <vector>

#include "host/host_types.h"

namespace lumo {

struct View3DCache {
  ARegion* region = nullptr;     // main region (type 0) of the first 3D-view area (space 1)
  RegionView3D* view = nullptr;  // that region's view record; may stay null
};

struct EditorCache {
  ARegion* region = nullptr;  // main region of a UV editor or of the add-on's node editor
  View2D* view = nullptr;     // that region's 2-D view
  bNodeTree* tree = nullptr;  // the node tree the node editor shows
  std::map<ARegion*, bNodeTree*> tree_of_region;
  std::vector<void*> node_work;  // the node work list, emptied on every node-editor load
};

extern View3DCache view3d_cache;
extern EditorCache editor_cache;

// The node-tree type the add-on's node editor shows.
inline constexpr char kNodeTreeType[] = "tarvo_nodes";

// Refreshes (refresh, or nothing cached) the 3D-view cache from the context's
// screen.  True when a view region is cached afterwards; otherwise prints
// " 》》b凷rv3d ,★ regionG 二二 ψ0\n".  Caching a region always caches its own
// view record with it (null included), so the pair never mixes two regions.
bool b凷rv3d(bContext* C, bool refresh);

// Cache the main region and 2-D view of an image editor in UV mode / of a node
// editor showing a "tarvo_nodes" tree.  Only when refresh is set or the editor
// cache is empty.  A context without screen reports "screen 二二 ψ0".
void Δ载入v2dUVLIB(bContext* C, bool refresh);
void Δ载入v2d节点LIB(bContext* C, bool refresh);

}  // namespace lumo
