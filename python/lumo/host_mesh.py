"""Model-host building for meshes: vertices, edges, polygons, loops, UVs, shape keys, vertex groups."""

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
}


class MeshBuilding:
    """SceneBuilder methods for meshes: vertices, edges, polygons, loops, UVs, shape keys, vertex groups."""
