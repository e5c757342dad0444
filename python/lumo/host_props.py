"""Model-host building for custom properties on pose channels, objects and scenes."""

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
}


class PropsBuilding:
    """SceneBuilder methods for custom properties on pose channels, objects and scenes."""
