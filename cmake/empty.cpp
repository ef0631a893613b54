// A library whose folder has no unit yet still needs one object file.
