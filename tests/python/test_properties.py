"""卩属性 through its UTF-8 export name, on the holders the scripts pass: the
address of a pose channel's `prop` field and of an object's `properties`."""
import unittest

from lumo import native
from lumo.host import OB_MESH, SceneBuilder
from lumo.host_props import IntLists


class PropertyExistence(unittest.TestCase):
    def setUp(self):
        self.lib = native.load()
        self.scene = SceneBuilder()
        self.rig = self.scene.add_armature("Rig", [("Bone", (0, 0, 0), (0, 1, 0), 0.0, None, False),
                                                   ("Bare", (0, 1, 0), (0, 2, 0), 0.0, "Bone", True)])
        self.channel = self.scene.pose_channel(self.rig, "Bone")
        self.scene.add_props(self.channel, {
            "lumo_IK": {"type": 3, "fp刚性": 0.5, "fvp3锚": [0, 0, 0]},
            "PoseBone": {"twist": 0.25},
        })
        self.cube = self.scene.add_object("Cube", OB_MESH)
        self.scene.add_props(self.cube, {
            "pp属性o": {"version": 0.78, "cp排除碰撞体": [{"name": "Ball"}]},
            "COLLIDER": {"RELATED": IntLists([[1, 2], [3]])},
        })

    def tearDown(self):
        self.scene.free()

    def exists(self, name, holder):
        return self.lib["卩属性"](name.encode("utf-8"), holder)

    def test_finds_children_of_a_pose_channels_root(self):
        holder = self.scene.prop_holder(self.channel)
        self.assertEqual(self.exists("lumo_IK", holder), 1)
        self.assertEqual(self.exists("PoseBone", holder), 1)
        self.assertEqual(self.exists("lumo_ik", holder), 0, "names differ by case")
        self.assertEqual(self.exists("type", holder), 0, "type sits inside lumo_IK, not in the root")

    def test_finds_children_of_an_objects_root(self):
        holder = self.scene.prop_holder(self.cube)
        self.assertEqual(self.exists("pp属性o", holder), 1)
        self.assertEqual(self.exists("COLLIDER", holder), 1)
        self.assertEqual(self.exists("PoseBone", holder), 0)

    def test_holders_without_a_group_answer_zero(self):
        bare = self.scene.pose_channel(self.rig, "Bare")
        self.assertEqual(self.exists("lumo_IK", self.scene.prop_holder(bare)), 0)
        self.assertEqual(self.exists("lumo_IK", self.scene.prop_holder(self.rig)), 0)
        self.assertEqual(self.exists("lumo_IK", None), 0, "a null holder")

    def test_builder_stores_each_kind_as_the_scripts_would(self):
        s = self.scene
        self.assertEqual(s.prop_value(self.channel, "lumo_IK", "type"), 3)
        self.assertAlmostEqual(s.prop_value(self.channel, "lumo_IK", "fp刚性"), 0.5)
        self.assertEqual(s.prop_value(self.channel, "lumo_IK", "fvp3锚"), [0.0, 0.0, 0.0])
        self.assertEqual(s.prop_value(self.channel, "PoseBone", "twist"), 0.25)
        self.assertAlmostEqual(s.prop_value(self.cube, "pp属性o", "version"), 0.78, places=6)
        self.assertEqual(s.prop_value(self.cube, "pp属性o", "cp排除碰撞体", 0, "name"), "Ball")
        self.assertEqual(s.prop_value(self.cube, "COLLIDER", "RELATED"), [[1, 2], [3]])
        self.assertIsNone(s.prop_value(self.cube, "COLLIDER", "missing"))


if __name__ == "__main__":
    unittest.main()
