# At start only the start window exists: a module window is created when it is first shown.
visible Fst
visible Fd
