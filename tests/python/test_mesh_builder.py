"""The Python mesh builder of the model host: grids, cubes, arbitrary polygon
meshes, shape keys and vertex groups."""
import unittest

from lumo import host


class MeshBuilder(unittest.TestCase):
    def setUp(self):
        self.scene = host.SceneBuilder()

    def tearDown(self):
        self.scene.free()

    def test_grid_derives_each_shared_edge_once(self):
        grid = self.scene.add_grid("Grid", 3, 2, size=0.5)
        # (3+1)(2+1) vertices, 3·3 horizontal + 2·4 vertical edges, 6 quads.
        self.assertEqual(self.scene.mesh_counts(grid), (12, 17, 6, 24))
        vertices = self.scene.read_vertices(grid)
        self.assertEqual(vertices[5], (0.5, 0.5, 0.0))  # vertex (1, 1)
        self.assertEqual(vertices[-1], (1.5, 1.0, 0.0))

    def test_cube_is_closed(self):
        cube = self.scene.add_cube("Cube", size=2.0)
        self.assertEqual(self.scene.mesh_counts(cube), (8, 12, 6, 24))
        self.assertIn((1.0, 1.0, 1.0), self.scene.read_vertices(cube))

    def test_explicit_edges_come_first_and_loose_ones_stay(self):
        mesh = self.scene.add_mesh("Tri", [(0, 0, 0), (1, 0, 0), (0, 1, 0), (5, 5, 5)], [(0, 1, 2)],
                                   edges=[(2, 3), (1, 0)], uvs=[(0, 0), (1, 0), (0, 1)])
        self.assertEqual(self.scene.mesh_counts(mesh), (4, 4, 1, 3))

    def test_out_of_range_indices_are_refused(self):
        mesh = self.scene.add_mesh("Quad", [(0, 0, 0), (1, 0, 0), (1, 1, 0)], [(0, 1, 2)])
        with self.assertRaises(ValueError):
            self.scene.set_geometry(mesh, [(0, 0, 0)], [(0, 1, 2)])
        self.assertEqual(self.scene.mesh_counts(mesh), (3, 3, 1, 3), "a refused geometry changes nothing")
        with self.assertRaises(ValueError):
            self.scene.set_weight(mesh, 7, 0, 1.0)

    def test_shape_keys_copy_or_take_their_rows(self):
        quad = self.scene.add_grid("Quad", 1, 1)
        basis = self.scene.add_shape_key(quad, "Basis")
        raised = [(x, y, 1.0) for x, y, _ in self.scene.read_vertices(quad)]
        key = self.scene.add_shape_key(quad, "Raised", raised)
        self.assertEqual(self.scene.read_shape_key(basis), self.scene.read_vertices(quad))
        self.assertEqual(self.scene.read_shape_key(key), raised)

    def test_groups_modifiers_and_parenting(self):
        rig = self.scene.add_armature("Rig", [("Bone", (0, 0, 0), (0, 0, 1), 0.0, None, False)])
        skin = self.scene.add_grid("Skin", 1, 1)
        self.assertEqual(self.scene.add_vertex_group(skin, "Bone", {0: 1.0, 3: 0.5}), 0)
        self.assertEqual(self.scene.add_vertex_group(skin, "Other"), 1)
        self.assertTrue(self.scene.add_armature_modifier(skin, rig))
        self.scene.parent_to_armature(skin, rig)


if __name__ == "__main__":
    unittest.main()
