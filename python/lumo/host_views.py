"""Model-host building for 3D views, image and node spaces, window event positions."""

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
}


class ViewsBuilding:
    """SceneBuilder methods for 3D views, image and node spaces, window event positions."""
