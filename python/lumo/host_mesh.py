"""Model-host building for meshes: vertices, edges, polygons, loops, UVs, shape keys, vertex groups."""
from ctypes import POINTER, c_char_p, c_float, c_int, c_void_p

c_float_p = POINTER(c_float)
c_int_p = POINTER(c_int)

OB_MESH = 1
PARSKEL = 4
MODIFIER_ARMATURE = 8

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
    "hm_object_mesh": (c_void_p, [c_void_p]),
    "hm_mesh_set_geometry": (c_int, [c_void_p, c_int, c_float_p, c_int, c_int_p, c_int_p, c_int, c_int_p]),
    "hm_mesh_set_uv": (c_int, [c_void_p, c_float_p, c_int_p]),
    "hm_mesh_add_shape_key": (c_void_p, [c_void_p, c_char_p, c_float_p]),
    "hm_object_set_active_shape": (None, [c_void_p, c_int]),
    "hm_object_add_vertex_group": (c_int, [c_void_p, c_char_p]),
    "hm_mesh_set_weight": (c_int, [c_void_p, c_int, c_int, c_float]),
    "hm_object_add_modifier": (c_void_p, [c_void_p, c_int, c_char_p, c_void_p]),
    "hm_mesh_counts": (c_int, [c_void_p, c_int_p, c_int_p, c_int_p, c_int_p]),
    "hm_mesh_read_vertices": (c_int, [c_void_p, c_float_p, c_int]),
    "hm_shape_key_read": (c_int, [c_void_p, c_float_p, c_int]),
}


def _floats(values):
    values = list(values)
    return (c_float * max(len(values), 1))(*values)


def _ints(values):
    values = list(values)
    return (c_int * max(len(values), 1))(*values)


def _flat(rows):
    return [float(c) for row in rows for c in row]


def _utf8(text):
    return text.encode("utf-8") if isinstance(text, str) else text


def grid_geometry(nx, ny, size=1.0):
    """Vertices and quads of an nx × ny grid of squares of side `size` in the
    XY plane; vertex (i, j) has index j * (nx + 1) + i."""
    vertices = [(i * size, j * size, 0.0) for j in range(ny + 1) for i in range(nx + 1)]
    polygons = []
    for j in range(ny):
        for i in range(nx):
            v = j * (nx + 1) + i
            polygons.append((v, v + 1, v + nx + 2, v + nx + 1))
    return vertices, polygons


def cube_geometry(size=2.0):
    """Vertices and outward-facing quads of an axis-aligned cube centred on the origin."""
    h = size / 2.0
    vertices = [(x, y, z) for z in (-h, h) for y in (-h, h) for x in (-h, h)]
    polygons = [(0, 2, 3, 1), (4, 5, 7, 6), (0, 1, 5, 4), (2, 6, 7, 3), (0, 4, 6, 2), (1, 3, 7, 5)]
    return vertices, polygons


class MeshBuilding:
    """SceneBuilder methods for meshes: vertices, edges, polygons, loops, UVs, shape keys, vertex groups."""

    def add_mesh(self, name, vertices, polygons, edges=None, uvs=None, active=False, parent=None):
        """A mesh object from (x, y, z) vertices and polygons given as corner
        index sequences.  Edges are derived from the polygon sides; `edges`
        (index pairs) come first, so loose edges can be added.  `uvs`: one
        (u, v) per polygon corner, in polygon order."""
        obj = self.add_object(name, OB_MESH, active, parent)
        self.set_geometry(obj, vertices, polygons, edges)
        if uvs is not None:
            self.set_uv(obj, uvs)
        return obj

    def set_geometry(self, obj, vertices, polygons, edges=None):
        edges = list(edges or [])
        corners = [v for polygon in polygons for v in polygon]
        done = self.hm.hm_mesh_set_geometry(
            obj, len(vertices), _floats(_flat(vertices)), len(polygons), _ints(len(p) for p in polygons),
            _ints(corners), len(edges), _ints(v for edge in edges for v in edge))
        if not done:
            raise ValueError("mesh geometry with an index out of range")

    def add_grid(self, name, nx, ny, size=1.0, active=False):
        vertices, polygons = grid_geometry(nx, ny, size)
        return self.add_mesh(name, vertices, polygons, active=active)

    def add_cube(self, name, size=2.0, active=False):
        vertices, polygons = cube_geometry(size)
        return self.add_mesh(name, vertices, polygons, active=active)

    def mesh_of(self, obj):
        return self.hm.hm_object_mesh(obj)

    def mesh_counts(self, obj):
        """(vertices, edges, polygons, loops) of the object's mesh."""
        counts = [c_int() for _ in range(4)]
        if not self.hm.hm_mesh_counts(obj, *counts):
            raise ValueError("not a mesh object")
        return tuple(c.value for c in counts)

    def set_uv(self, obj, uvs, flags=None):
        self.hm.hm_mesh_set_uv(obj, _floats(_flat(uvs)), _ints(flags) if flags is not None else None)

    def read_vertices(self, obj):
        count = self.hm.hm_mesh_read_vertices(obj, None, 0)
        out = (c_float * max(3 * count, 1))()
        self.hm.hm_mesh_read_vertices(obj, out, count)
        return [tuple(out[3 * i:3 * i + 3]) for i in range(count)]

    def add_shape_key(self, obj, name, vertices=None):
        """Appends a shape key (a copy of the vertices when none are given) and
        makes it the active one; the first one is the reference block."""
        coords = _floats(_flat(vertices)) if vertices is not None else None
        return self.hm.hm_mesh_add_shape_key(obj, _utf8(name), coords)

    def set_active_shape(self, obj, number):
        """number: 1-based index of the active shape key (0: none)."""
        self.hm.hm_object_set_active_shape(obj, number)

    def read_shape_key(self, block):
        count = self.hm.hm_shape_key_read(block, None, 0)
        out = (c_float * max(3 * count, 1))()
        self.hm.hm_shape_key_read(block, out, count)
        return [tuple(out[3 * i:3 * i + 3]) for i in range(count)]

    def add_vertex_group(self, obj, name, weights=None):
        """A vertex group; weights: {vertex index: weight}.  Returns its index."""
        group = self.hm.hm_object_add_vertex_group(obj, _utf8(name))
        for vertex, weight in (weights or {}).items():
            self.set_weight(obj, vertex, group, weight)
        return group

    def set_weight(self, obj, vertex, group, weight):
        if not self.hm.hm_mesh_set_weight(obj, vertex, group, weight):
            raise ValueError("vertex or group out of range")

    def add_armature_modifier(self, obj, armature, name="Armature"):
        return self.hm.hm_object_add_modifier(obj, MODIFIER_ARMATURE, _utf8(name), armature)

    def parent_to_armature(self, obj, armature):
        """Skeleton parenting (armature deform through the parent)."""
        self.hm.hm_object_set_parent(obj, armature, PARSKEL)
