// Count resets the solvers and the skeleton setup run before their work, so
// the scripts draw nothing stale.  Counts never rise above 0 in this library.
#pragma once

namespace lumo {

// IK exports: the counts of 点画G, 丷画G, 线画G and 乛画G become −1.
void reset_solver_draw_counts();

// Skeleton setup: the counts of 线画G and 乛画G become 0.
void reset_skeleton_draw_counts();

}  // namespace lumo
