"""Model-host building for custom properties on pose channels, objects and scenes.

    scene.add_props(channel, {"lumo_IK": {"type": 3, "fp刚性": 0.5, "fvp3锚": [0, 0, 0]}})

builds the properties the way the add-on's scripts leave them.  The stored kind
of each value follows, in order: a wrapper (Int, Float, Double, IntArray,
FloatArray, DoubleArray, IntLists, FloatLists); the name's prefix (bp/ip int,
fp float, fvp float array, sp string, pp group, cp collection); the Python
type (dict group, bool/int int, float float (double inside a "PoseBone"
group, whose unprefixed values are doubles), str string, list of dicts
collection, list of numbers float array).
"""
from ctypes import POINTER, c_char_p, c_double, c_float, c_int, c_void_p

c_int_p = POINTER(c_int)
c_float_p = POINTER(c_float)
c_double_p = POINTER(c_double)

IDP_STRING, IDP_INT, IDP_FLOAT, IDP_ARRAY, IDP_GROUP, IDP_DOUBLE, IDP_IDPARRAY = 0, 1, 2, 5, 6, 8, 9

# name: (result type, argument types) of this part of the model host's C API.
SIGNATURES = {
    "hm_prop_root_of_channel": (c_void_p, [c_void_p, c_void_p]),
    "hm_prop_root_of_id": (c_void_p, [c_void_p, c_void_p]),
    "hm_prop_holder_of_channel": (c_void_p, [c_void_p]),
    "hm_prop_holder_of_id": (c_void_p, [c_void_p]),
    "hm_prop_add_group": (c_void_p, [c_void_p, c_char_p]),
    "hm_prop_add_int": (c_void_p, [c_void_p, c_char_p, c_int]),
    "hm_prop_add_float": (c_void_p, [c_void_p, c_char_p, c_float]),
    "hm_prop_add_double": (c_void_p, [c_void_p, c_char_p, c_double]),
    "hm_prop_add_string": (c_void_p, [c_void_p, c_char_p, c_char_p]),
    "hm_prop_add_int_array": (c_void_p, [c_void_p, c_char_p, c_int_p, c_int]),
    "hm_prop_add_float_array": (c_void_p, [c_void_p, c_char_p, c_float_p, c_int]),
    "hm_prop_add_double_array": (c_void_p, [c_void_p, c_char_p, c_double_p, c_int]),
    "hm_prop_add_collection": (c_void_p, [c_void_p, c_char_p, c_int]),
    "hm_prop_add_int_lists": (c_void_p, [c_void_p, c_char_p, c_int, c_int_p, c_int_p]),
    "hm_prop_add_float_lists": (c_void_p, [c_void_p, c_char_p, c_int, c_int_p, c_float_p]),
    "hm_prop_item": (c_void_p, [c_void_p, c_int]),
    "hm_prop_child": (c_void_p, [c_void_p, c_char_p]),
    "hm_prop_type": (c_int, [c_void_p]),
    "hm_prop_subtype": (c_int, [c_void_p]),
    "hm_prop_len": (c_int, [c_void_p]),
    "hm_prop_get_int": (c_int, [c_void_p]),
    "hm_prop_get_float": (c_float, [c_void_p]),
    "hm_prop_get_double": (c_double, [c_void_p]),
    "hm_prop_get_string": (c_char_p, [c_void_p]),
    "hm_prop_get_ints": (c_int, [c_void_p, c_int_p, c_int]),
    "hm_prop_get_floats": (c_int, [c_void_p, c_float_p, c_int]),
    "hm_prop_get_doubles": (c_int, [c_void_p, c_double_p, c_int]),
    "hm_prop_set_int": (None, [c_void_p, c_int]),
    "hm_prop_set_float": (None, [c_void_p, c_float]),
    "hm_prop_set_double": (None, [c_void_p, c_double]),
}


class _Wrapped:
    def __init__(self, value):
        self.value = value


class Int(_Wrapped):
    """An int property (bools are ints holding 0 or 1)."""


class Float(_Wrapped):
    """A 32-bit float property."""


class Double(_Wrapped):
    """A 64-bit float property (the "PoseBone" values)."""


class IntArray(_Wrapped):
    """An int array."""


class FloatArray(_Wrapped):
    """A float array (fvp3, fvp4, fvp16 and the like)."""


class DoubleArray(_Wrapped):
    """A double array."""


class IntLists(_Wrapped):
    """A property array of int arrays: the LLProp format ("RELATED")."""


class FloatLists(_Wrapped):
    """A property array of float arrays (the baked frames of a bone)."""


def _utf8(text):
    return text.encode("utf-8") if isinstance(text, str) else text


def _array(ctype, values):
    return (ctype * max(len(values), 1))(*values)


def _kind(name, value, group_name=None):
    if isinstance(value, _Wrapped):
        return type(value).__name__, value.value
    for prefix, kind in (("fvp", "FloatArray"), ("bp", "Int"), ("ip", "Int"), ("fp", "Float"),
                         ("sp", "str"), ("pp", "dict"), ("cp", "collection")):
        if name.startswith(prefix):
            return kind, value
    if isinstance(value, dict):
        return "dict", value
    if isinstance(value, (bool, int)):
        return "Int", value
    if isinstance(value, float):
        return ("Double" if group_name == "PoseBone" else "Float"), value
    if isinstance(value, str):
        return "str", value
    if isinstance(value, (list, tuple)):
        if value and all(isinstance(item, dict) for item in value):
            return "collection", value
        return "FloatArray", value
    raise TypeError("no property kind for %r = %r" % (name, value))


class PropsBuilding:
    """SceneBuilder methods for custom properties on pose channels, objects and scenes."""

    def _is_block(self, owner):
        return owner == self.scene or owner in self.bases

    def prop_root(self, owner, block=None):
        """The owner's root group, created when absent.  owner is a pose channel,
        or a data block (the scene, an object of this builder; block=True for
        any other data block)."""
        if block if block is not None else self._is_block(owner):
            return self.hm.hm_prop_root_of_id(self.main, owner)
        return self.hm.hm_prop_root_of_channel(self.main, owner)

    def prop_holder(self, owner, block=None):
        """The holder address the library takes: &channel->prop or &id->properties."""
        if block if block is not None else self._is_block(owner):
            return self.hm.hm_prop_holder_of_id(owner)
        return self.hm.hm_prop_holder_of_channel(owner)

    def add_props(self, owner, values, block=None):
        """Adds the properties of `values` (a dict, in order) to the owner's root
        group; returns the root."""
        root = self.prop_root(owner, block)
        self.add_props_to_group(root, values)
        return root

    def add_props_to_group(self, group, values, group_name=None):
        for name, value in values.items():
            self.add_prop(group, name, value, group_name)
        return group

    def add_prop(self, group, name, value, group_name=None):
        """One child of a group (named group_name); returns the new property's address."""
        hm, key = self.hm, _utf8(name)
        kind, value = _kind(name, value, group_name)
        if kind == "dict":
            return self.add_props_to_group(hm.hm_prop_add_group(group, key), value, name)
        if kind == "Int":
            return hm.hm_prop_add_int(group, key, int(value))
        if kind == "Float":
            return hm.hm_prop_add_float(group, key, float(value))
        if kind == "Double":
            return hm.hm_prop_add_double(group, key, float(value))
        if kind == "str":
            return hm.hm_prop_add_string(group, key, _utf8(value))
        if kind == "IntArray":
            return hm.hm_prop_add_int_array(group, key, _array(c_int, value), len(value))
        if kind == "FloatArray":
            return hm.hm_prop_add_float_array(group, key, _array(c_float, value), len(value))
        if kind == "DoubleArray":
            return hm.hm_prop_add_double_array(group, key, _array(c_double, value), len(value))
        if kind == "collection":
            collection = hm.hm_prop_add_collection(group, key, len(value))
            for index, item in enumerate(value):
                self.add_props_to_group(hm.hm_prop_item(collection, index), item)
            return collection
        if kind in ("IntLists", "FloatLists"):
            lengths = _array(c_int, [len(inner) for inner in value])
            flat = [element for inner in value for element in inner]
            if kind == "IntLists":
                return hm.hm_prop_add_int_lists(group, key, len(value), lengths, _array(c_int, flat))
            return hm.hm_prop_add_float_lists(group, key, len(value), lengths, _array(c_float, flat))
        raise TypeError("no property kind %s" % kind)

    def prop(self, owner, *path, block=None):
        """The property at path below the owner's root (names; ints index the
        items of a property array), or None."""
        if block if block is not None else self._is_block(owner):
            current = ctypes_pointer_at(self.hm.hm_prop_holder_of_id(owner))
        else:
            current = ctypes_pointer_at(self.hm.hm_prop_holder_of_channel(owner))
        for step in path:
            if not current:
                return None
            if isinstance(step, int):
                current = self.hm.hm_prop_item(current, step)
            else:
                current = self.hm.hm_prop_child(current, _utf8(step))
        return current or None

    def prop_value(self, owner, *path, block=None):
        """The Python value of the property at path: int, float, str, a list for
        arrays, a list of lists for property arrays of arrays; None when missing."""
        return self.value_of(self.prop(owner, *path, block=block))

    def value_of(self, prop):
        hm = self.hm
        if not prop:
            return None
        kind = hm.hm_prop_type(prop)
        if kind == IDP_INT:
            return hm.hm_prop_get_int(prop)
        if kind == IDP_FLOAT:
            return hm.hm_prop_get_float(prop)
        if kind == IDP_DOUBLE:
            return hm.hm_prop_get_double(prop)
        if kind == IDP_STRING:
            text = hm.hm_prop_get_string(prop)
            return text.decode("utf-8") if text is not None else None
        if kind == IDP_ARRAY:
            count = hm.hm_prop_len(prop)
            subtype = hm.hm_prop_subtype(prop)
            ctype, read = {IDP_INT: (c_int, hm.hm_prop_get_ints), IDP_FLOAT: (c_float, hm.hm_prop_get_floats),
                           IDP_DOUBLE: (c_double, hm.hm_prop_get_doubles)}[subtype]
            out = (ctype * max(count, 1))()
            read(prop, out, count)
            return list(out[:count])
        if kind == IDP_IDPARRAY:
            return [self.value_of(hm.hm_prop_item(prop, i)) for i in range(hm.hm_prop_len(prop))]
        if kind == IDP_GROUP:
            return prop
        return None

    def set_prop(self, prop, value):
        """Edits a scalar in place, as the user interface would."""
        kind = self.hm.hm_prop_type(prop)
        if kind == IDP_INT:
            self.hm.hm_prop_set_int(prop, int(value))
        elif kind == IDP_FLOAT:
            self.hm.hm_prop_set_float(prop, float(value))
        elif kind == IDP_DOUBLE:
            self.hm.hm_prop_set_double(prop, float(value))
        else:
            raise TypeError("not a scalar property")


def ctypes_pointer_at(address):
    """The address stored at address (a holder's group), or None."""
    if not address:
        return None
    return c_void_p.from_address(address).value
