"""The object hierarchy, shown-children counts, stale refills and the scene check
flag through the exports, in the scripts' call order."""
import ctypes
import unittest

from console_capture import captured_stdout
from lumo import host, native
from lumo.host_props import ctypes_pointer_at


def children(lib, parent, recursive):
    area = native.ResultList()
    lib["LoPushChild"](ctypes.byref(area), parent, 1 if recursive else 0)
    return area.pointers()


class Hierarchy(unittest.TestCase):
    def setUp(self):
        self.lib = native.load()
        self.lib["ΔΔ灬父子层级SLIB"]()
        self.scene = host.SceneBuilder()
        s = self.scene
        self.parent = s.add_object("Parent")
        self.child1 = s.add_object("Child1", parent=self.parent)
        self.grandchild = s.add_object("Grandchild", parent=self.child1)
        self.child2 = s.add_object("Child2", parent=self.parent)
        self.lib["SetMain"](s.context)

    def tearDown(self):
        self.lib["ΔΔ灬父子层级SLIB"]()
        self.scene.free()

    def test_child_lists_recursive_and_direct(self):
        self.assertEqual(self.lib["凷o"](self.scene.context), 0)
        self.assertEqual(children(self.lib, self.parent, True), [self.child1, self.grandchild, self.child2])
        self.assertEqual(children(self.lib, self.parent, False), [self.child1, self.child2])
        self.assertEqual(children(self.lib, self.child2, True), [])
        self.assertEqual(children(self.lib, None, True), [])

    def test_shown_children_count_skips_a_viewport_hidden_child(self):
        third = self.scene.add_object("Child3", parent=self.parent)
        self.scene.set_restrict(third, 1)
        out = (ctypes.c_int32 * 2)(-1, -1)
        self.lib["显子数"](self.parent, self.scene.context, 0, out)
        self.assertEqual(list(out), [3, 2])

    def test_refill_check_before_and_after_a_child_is_deleted(self):
        lib, context = self.lib, self.scene.context
        self.assertEqual(lib["i凷空o"](context, self.parent), 0, "the first call builds the table")
        self.assertEqual(lib["i凷空o"](context, self.parent), 2)
        self.assertEqual(lib["iΔ有无效物pare"](self.parent), 0)

        self.scene.set_users(self.grandchild, 0)
        self.assertEqual(lib["iΔ有无效物pare"](self.parent), 1)
        with captured_stdout() as printed:
            self.assertEqual(lib["i凷空o"](context, self.parent), -1)
        self.assertIn("要RefillChild·◆ 〔 b有无效物 =1〕", printed.text)
        self.assertEqual(children(lib, self.parent, True), [self.child1, self.child2],
                         "the rebuilt table no longer holds the deleted object")
        self.assertEqual(lib["i凷空o"](context, self.parent), 2)

    def test_table_printout_names_the_parents(self):
        self.lib["凷o"](self.scene.context)
        with captured_stdout() as printed:
            self.lib["PTMoLpareBaseG凸"](self.lib["Mo父LpareG巜"]())
        self.assertTrue(printed.text.startswith("---------PTMoLpareBaseG------------2--------------------\n"))
        self.assertIn("o父= Parent · IT.second.size()= 2\n", printed.text)
        with captured_stdout() as printed:
            self.lib["ΔΔ灬父子层级SLIB"]()
        self.assertEqual(printed.text, "ΔΔ灬父子层级SLIB  size=2  \n")

    def test_result_area_refilled_many_times(self):
        self.lib["凷o"](self.scene.context)
        area = native.ResultList()
        ctypes.memset(ctypes.byref(area), 0xAB, ctypes.sizeof(area))
        for recursive in (1, 0, 1, 0):
            self.lib["LoPushChild"](ctypes.byref(area), self.parent, recursive)
            self.assertEqual(len(area.pointers()), 3 if recursive else 2)


class SelectionAndFlags(unittest.TestCase):
    def test_selected_objects_in_base_order(self):
        lib = native.load()
        with host.SceneBuilder() as s:
            a, b, c = s.add_object("A"), s.add_object("B"), s.add_object("C")
            s.hm.hm_base_set_selected(s.bases[c], 1)
            s.hm.hm_base_set_selected(s.bases[a], 1)
            area = native.ResultList()
            lib["selected_objects"](ctypes.byref(area), s.context)
            self.assertEqual(area.pointers(), [a, c])

    def test_check_flag_missing_then_present(self):
        lib = native.load()
        with host.SceneBuilder() as s:
            self.assertEqual(lib["i属性检测"](s.context), -1)
            self.assertEqual(lib["i1属性"](s.context), -1)
            self.assertIsNone(ctypes_pointer_at(s.prop_holder(s.scene)), "nothing was created")

            s.add_props(s.scene, {"ip属性检测s": 0})
            self.assertEqual(lib["i属性检测"](s.context), 0)
            self.assertEqual(lib["i1属性"](s.context), 1)
            self.assertEqual(s.prop_value(s.scene, "ip属性检测s"), 1)
            self.assertEqual(lib["i〇属性"](s.context), 1)
            self.assertEqual(lib["i属性检测"](s.context), 0)
        self.assertEqual(lib["i属性检测"](None), -2)


if __name__ == "__main__":
    unittest.main()
