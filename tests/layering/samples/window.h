// A header of the sample window library: the logic library may not include it.
