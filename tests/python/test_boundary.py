"""The export boundary as the scripts see it: names, signatures, loading."""
import ctypes
import subprocess
import unittest

from lumo import host, native


def exported_names(path):
    """Names of the dynamic symbols the library defines."""
    listing = subprocess.run(["nm", "-D", "--defined-only", path], check=True,
                             capture_output=True, text=True, encoding="utf-8").stdout
    names = set()
    for line in listing.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[1] in "TtWwDdBbRr":
            names.add(parts[2])
    return names


class ExportTable(unittest.TestCase):
    def test_the_library_exports_exactly_the_declared_names(self):
        lib = native.load()
        exported = exported_names(lib.path)
        declared = set(native.EXPORTS)
        self.assertEqual(sorted(declared - exported), [], "declared but not exported")
        self.assertEqual(sorted(exported - declared), [], "exported but not declared (internal symbols leak)")

    def test_names_resolve_as_utf8_bytes(self):
        lib = native.load()
        for name in ("停止仌", "卩泄漏"):
            self.assertIsNotNone(ctypes.CDLL(lib.path)[name], name)
            self.assertTrue(name.encode("utf-8").startswith(b"\xe5"), "CJK names are exported as UTF-8")


class BoundaryExports(unittest.TestCase):
    def test_stop_flag_and_leak_hook_take_their_arguments_and_return_nothing(self):
        lib = native.load()
        self.assertIsNone(lib["停止仌"](1))
        self.assertIsNone(lib["停止仌"](0))
        self.assertIsNone(lib["卩泄漏"]())


class ModelHostFromPython(unittest.TestCase):
    def test_a_parented_chain_evaluates_like_the_host(self):
        with host.SceneBuilder() as scene:
            arm = scene.add_armature("Rig", [
                ("root", (0, 0, 0), (0, 0, 1), 0.0, None, False),
                ("arm", (0, 0, 1), (0, 1, 1), 0.0, "root", True),
            ], active=True)
            root = scene.pose_channel(arm, "root")
            quarter = 0.5 ** 0.5
            scene.hm.hm_pose_channel_set_transform(root, None, host.floats(quarter, 0, quarter, 0), None, None, 0)
            scene.hm.hm_pose_evaluate(arm)
            _, head, tail = scene.read_pose(scene.pose_channel(arm, "arm"))
            for got, want in zip(head + tail, [0, 0, 1, -1, 0, 1]):
                self.assertAlmostEqual(got, want, places=5)


if __name__ == "__main__":
    unittest.main()
