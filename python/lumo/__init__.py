"""Python side of lumo_ik64: the library's signatures and the model host."""
