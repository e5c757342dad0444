"""A short tour of lumo_ik64 on a model-host scene, calling the library by the
same UTF-8 export names the add-on's scripts use."""
from lumo import host, native


def main():
    lib = native.load()
    print(f"loaded {lib.path}: {len(lib.names())} exports declared")
    with host.SceneBuilder() as scene:
        arm = scene.add_armature("Rig", [
            ("hip", (0, 0, 1), (0, 0, 1.5), 0.0, None, False),
            ("thigh", (0, 0, 1.5), (0, 0.2, 2.2), 0.0, "hip", True),
        ], active=True)
        for name in ("hip", "thigh"):
            _, head, tail = scene.read_pose(scene.pose_channel(arm, name))
            print(f"pose channel {name}: head {fmt(head)} tail {fmt(tail)}")
        lib["停止仌"](1)
        lib["卩泄漏"]()
        print("called 停止仌(1) and 卩泄漏()")


def fmt(values):
    return "(" + ", ".join(f"{v:.3f}" for v in values) + ")"


if __name__ == "__main__":
    main()
